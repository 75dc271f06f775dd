// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window for the commands to run against: fifteen texts kept within their
// maximum lengths, the visibility of the answer boxes, the messages shown,
// a log of every change in the order it was made, and every text as a
// command wrote it, before its box cut it.
#pragma once

#include "exercise/number_text.h"
#include "exercise/window.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace exercise::testing {

struct Write {
    Box box;
    std::u16string text;
};

struct Message {
    std::u16string prompt;
    std::u16string title;
    int style;

    friend bool operator==(const Message&, const Message&) = default;
};

// Everything a command can change, for comparing before and after.
struct WindowState {
    std::array<std::u16string, kBoxCount> texts;
    std::array<bool, kBoxCount> visible;

    friend bool operator==(const WindowState&, const WindowState&) = default;
};

class FakeWindow final : public WindowOperations {
public:
    // The window as the program starts: every box holds its starting text
    // and every answer box is shown.
    FakeWindow() {
        state_.visible.fill(true);
        for (std::size_t i = 0; i < state_.texts.size(); ++i)
            state_.texts[i] = std::u16string(initialText(static_cast<Box>(i + 1)));
    }

    [[nodiscard]] std::u16string text(Box box) const override { return state_.texts[index(box)]; }

    void setText(Box box, std::u16string_view text) override {
        state_.texts[index(box)] = keptText(box, text);
        log_.push_back("set " + name(box));
        writes_.push_back({box, std::u16string(text)});
    }

    void setAnswerVisible(Box box, bool visible) override {
        if (!isAnswerBox(box)) return;
        state_.visible[index(box)] = visible;
        log_.push_back((visible ? "show " : "hide ") + name(box));
    }

    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override {
        messages_.push_back({std::u16string(prompt), std::u16string(title), style});
        log_.push_back("message");
    }

    // What a pupil does: type into a box, within its maximum length.
    void type(Box box, std::u16string_view text) {
        // A new string moved in: GCC 12 at -O3 warns of an overlap that
        // cannot be when a view is assigned in place.
        state_.texts[index(box)] = std::u16string(keptText(box, text));
    }

    // What no pupil can do: put a text into a box past its maximum length.
    void place(Box box, std::u16string_view text) { state_.texts[index(box)] = text; }

    [[nodiscard]] bool visible(Box box) const { return state_.visible[index(box)]; }
    [[nodiscard]] const WindowState& state() const { return state_; }
    [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }
    [[nodiscard]] const std::vector<std::string>& log() const { return log_; }
    [[nodiscard]] const std::vector<Write>& writes() const { return writes_; }
    void clearLog() {
        log_.clear();
        writes_.clear();
    }

    static std::string name(Box box) { return "Text" + std::to_string(static_cast<int>(box)); }

private:
    static std::size_t index(Box box) { return static_cast<std::size_t>(box) - 1; }

    WindowState state_;
    std::vector<Message> messages_;
    std::vector<std::string> log_;
    std::vector<Write> writes_;
};

// Whether what a box keeps of a number that a command wrote there is still
// that number, to within the last digit it keeps: a box may cut decimals,
// never an exponent or whole digits. Read by the regional settings, as the
// pupil reads it.
[[nodiscard]] inline bool keepsItsSize(Box box, std::u16string_view written, NumberFormat format) {
    const std::size_t limit = maximumLength(box);
    const auto whole = readLocaleNumber(written, format);
    const auto kept = readLocaleNumber(limit > 0 ? written.substr(0, limit) : written, format);
    return whole && kept && std::abs(*kept - *whole) <= 1e-3 * std::abs(*whole);
}

} // namespace exercise::testing
