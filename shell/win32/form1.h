// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window of the program on Windows, made of the platform's own
// controls from the window's description: the window operations that the
// exercises use, with the events handed on to the shared wiring. The
// platform's dialog manager (IsDialogMessage) moves the focus with Tab and
// presses a focused button with Enter.
#pragma once

#include "exercise/window.h"
#include "form_events.h"
#include "window_description.h"

#include <windows.h>

#include <map>
#include <memory>
#include <type_traits>
#include <utility>

// A GDI object that is deleted with its owner.
struct GdiDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

class Form1 final : public shell::Form1Events {
public:
    explicit Form1(const exercise::RegionalSettings& settings);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Makes the window and its controls and shows it; false when Windows
    // refuses to.
    [[nodiscard]] bool create(HINSTANCE instance, int show);
    [[nodiscard]] HWND handle() const { return window_; }

    // Window operations
    [[nodiscard]] std::u16string text(exercise::Box box) const override;
    void setText(exercise::Box box, std::u16string_view text) override;
    void setAnswerVisible(exercise::Box box, bool visible) override;
    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override;

protected:
    void announce(std::u16string_view summary) override;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void nameControls();
    void layOut();
    [[nodiscard]] HFONT font(double points, bool bold);
    void fitText(HWND control);
    void drawResult(const DRAWITEMSTRUCT& item);
    void drawFocusFrame(HWND focused);
    void drawEdge(HWND control);
    [[nodiscard]] HBRUSH brush(const shell::Colour& colour);
    [[nodiscard]] HBRUSH colourControl(HDC dc, HWND control);
    [[nodiscard]] const shell::Control* controlOf(HWND control) const;
    [[nodiscard]] HWND box(exercise::Box box) const;

    HWND window_ = nullptr;
    HWND announcer_ = nullptr;
    UINT dpi_ = 96;
    // The fonts made at the window's resolution, by hundredths of a point
    // and boldness, shared by the controls; the brushes of the fixed colours.
    std::map<std::pair<int, bool>, GdiObject<HFONT>> fonts_;
    std::map<shell::Rgb, GdiObject<HBRUSH>> brushes_;
    // The control that had the focus when the window was last active.
    HWND lastFocus_ = nullptr;
    bool comStarted_ = false;
};
