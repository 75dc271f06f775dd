// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window of the program in the browser: the page's elements, made
// from the window's description, with the window operations that the
// exercises use. Each click and each character typed into an operand box is
// handed on to the shared wiring of the events.
#pragma once

#include "exercise/window.h"
#include "form_events.h"
#include "window_description.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

class Form1 final : public shell::Form1Events {
public:
    // Takes over the window that the page holds in its element window, with
    // the controls written into it: each control answers the page's events
    // from here on. Its colours and its texts' sizes are the page's until
    // applyColours and fitAll.
    Form1(const exercise::RegionalSettings& settings, emscripten::val window);

    // Window operations
    [[nodiscard]] std::u16string text(exercise::Box box) const override;
    void setText(exercise::Box box, std::u16string_view text) override;
    void setAnswerVisible(exercise::Box box, bool visible) override;
    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override;

    // What the page's events bring, by the control's row in the
    // description.
    void clicked(int row);
    // The clicks and Enter presses that the page kept until the program ran.
    void carryOutEarlyEvents();
    // A key pressed in an operand box, its character, a text about to be
    // put in, and a keyboard's composition begun or ended; each event is the
    // browser's own.
    void keyDown(int row, emscripten::val event);
    void keyPress(int row, emscripten::val event);
    void beforeInput(int row, emscripten::val event);
    void compositionStart(int row);
    void compositionEnd(int row);
    // A text typed into a box; it is fitted anew.
    void typed(int row);
    // The fonts have loaded: every text is measured again.
    void fitAll();
    // The colour scheme has changed: every colour is resolved again.
    void applyColours();
    // The browser's viewport has changed, or the device turned: the page's
    // style has drawn the window again at the largest scale at which it fits.
    void resized();

protected:
    void announce(std::u16string_view summary) override;

private:
    [[nodiscard]] emscripten::val box(exercise::Box box) const;
    void fit(std::size_t row);
    [[nodiscard]] int pageDotsPerInch() const;
    // Pixels at the window's resolution, from twips.
    [[nodiscard]] int pixels(int twips) const { return shell::pixels(twips, dotsPerInch_); }
    // The pixels of an edge, a padding or a frame that are one at 100 %.
    [[nodiscard]] int unit() const;
    // Enter in an operand box, in whichever form it came, heard once a press.
    void enter(int row, emscripten::val event);

    emscripten::val document_;
    emscripten::val window_;
    emscripten::val dialog_;
    emscripten::val dialogTitle_;
    emscripten::val dialogText_;
    emscripten::val dialogIcon_;
    emscripten::val focusStyle_;
    // Where the screen reader hears what a command did.
    emscripten::val spoken_;
    // Each control's element, by its row in the description.
    std::vector<emscripten::val> elements_;
    // The window's resolution: 96 dots per inch draws it at 100 %.
    int dotsPerInch_ = 96;
    // Whether the Enter of the key being pressed has been heard; a keyboard
    // composing a text; the operand box whose Enter waits for the
    // composition to end, or -1.
    bool enterHeard_ = false;
    bool composing_ = false;
    int enterAfterComposition_ = -1;
};
