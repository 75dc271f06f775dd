// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window of the program on Windows, made of the platform's own
// controls from the window's description: the window operations that the
// exercises use, and the wiring of the eight events.
#pragma once

#include "exercise/commands.h"
#include "exercise/window.h"
#include "window_description.h"

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <utility>

class Form1 final : public exercise::WindowOperations {
public:
    explicit Form1(const exercise::RegionalSettings& settings);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Makes the window and its controls and shows it; false when Windows
    // refuses to.
    [[nodiscard]] bool create(HINSTANCE instance, int show);
    // The keyboard that the window handles before a control does: Tab and
    // Shift+Tab by tab index, Enter on a focused button. True when taken.
    [[nodiscard]] bool preTranslate(const MSG& message);
    [[nodiscard]] HWND handle() const { return window_; }

    // Window operations
    [[nodiscard]] std::u16string text(exercise::Box box) const override;
    void setText(exercise::Box box, std::u16string_view text) override;
    void setAnswerVisible(exercise::Box box, bool visible) override;
    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override;

private:
    // The eight events, each handed to its command.
    void command1Click();
    void command2Click();
    void command3Click();
    void command4Click();
    void command5Click();
    void command6Click();
    void text1KeyPress(char16_t keyAscii);
    void text2KeyPress(char16_t keyAscii);

    void click(shell::Click which);
    void dispatch(const std::function<void()>& command);

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK operandProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK flatBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void nameControls();
    void layOut();
    void makeFonts();
    void freeFonts();
    [[nodiscard]] HFONT font(double points, bool bold);
    void fitResult(exercise::Box box);
    void drawResult(const DRAWITEMSTRUCT& item);
    [[nodiscard]] HBRUSH colourControl(HDC dc, HWND control);
    void moveFocus(bool forward);
    [[nodiscard]] const shell::Control* controlOf(HWND control) const;
    [[nodiscard]] HWND box(exercise::Box box) const;

    exercise::Commands commands_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    // Each control's window, in the order of the description.
    std::array<HWND, 26> controls_{};
    // The fonts made at the window's resolution, by hundredths of a point
    // and boldness, and the size each result box draws its text in.
    std::map<std::pair<int, bool>, HFONT> fonts_;
    std::array<double, 4> resultPoints_{12, 12, 12, 12};
    HBRUSH lightGreen_ = nullptr;
    HBRUSH brightGreen_ = nullptr;
    // The control that had the focus when the window was last active.
    HWND lastFocus_ = nullptr;
    bool comStarted_ = false;
};
