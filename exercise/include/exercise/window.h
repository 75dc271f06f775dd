// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the commands need of the window, and of the user's regional settings.
// The window implements these operations; the commands reach it through them
// only, so they can run against any window, a test's among them.
#pragma once

#include "exercise/number_text.h"

#include <string>
#include <string_view>

namespace exercise {

// The fifteen text boxes of the window, by their control names:
// operand boxes Text1 and Text2, result boxes Text3 to Text6, equation boxes
// Text7 to Text10, the division notice box Text11, answer boxes Text12 to
// Text15.
enum class Box {
    Text1 = 1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15,
};

inline constexpr int kBoxCount = 15;

// The longest text a box keeps; longer texts are cut to their first
// characters, also those that a command writes. Zero means no limit.
[[nodiscard]] constexpr std::size_t maximumLength(Box box) noexcept {
    switch (box) {
    case Box::Text1:
    case Box::Text2:
        return 4;
    case Box::Text3:
    case Box::Text4:
    case Box::Text5:
    case Box::Text6:
    case Box::Text12:
    case Box::Text13:
    case Box::Text14:
    case Box::Text15:
        return 10;
    default:
        return 0;
    }
}

// What a box keeps of a text: its first maximumLength(box) characters.
[[nodiscard]] constexpr std::u16string_view keptText(Box box, std::u16string_view text) noexcept {
    const std::size_t limit = maximumLength(box);
    return limit > 0 && text.size() > limit ? text.substr(0, limit) : text;
}

// The text a box holds when the program starts: each result box shows the
// sign of its operation, every other box is empty.
[[nodiscard]] constexpr std::u16string_view initialText(Box box) noexcept {
    switch (box) {
    case Box::Text3:
        return u"+";
    case Box::Text4:
        return u"-";
    case Box::Text5:
        return u"x";
    case Box::Text6:
        return u":";
    default:
        return {};
    }
}

[[nodiscard]] constexpr bool isAnswerBox(Box box) noexcept {
    return box >= Box::Text12 && box <= Box::Text15;
}

// The operand and answer boxes, which the pupil types into.
[[nodiscard]] constexpr bool takesTyping(Box box) noexcept {
    return box == Box::Text1 || box == Box::Text2 || isAnswerBox(box);
}

// Message box style: the critical (stop) icon with a single OK button.
inline constexpr int kMessageCritical = 16;

// Whether a message of the style shows the stop icon; the icon is the
// style's second hexadecimal digit.
[[nodiscard]] constexpr bool showsStopIcon(int style) noexcept {
    return (style & 0x70) == kMessageCritical;
}

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // The box's current text, possibly empty.
    [[nodiscard]] virtual std::u16string text(Box box) const = 0;
    // Replaces the whole text; the box keeps at most maximumLength(box)
    // characters of it. Does not move the focus.
    virtual void setText(Box box, std::u16string_view text) = 0;
    // Shows or hides an answer box (Text12 to Text15). A hidden box keeps its
    // text and takes no focus or typing.
    virtual void setAnswerVisible(Box box, bool visible) = 0;
    // Shows a modal message box over the window and returns when it is closed.
    virtual void showMessage(std::u16string_view prompt, std::u16string_view title, int style) = 0;

protected:
    WindowOperations() = default;
    WindowOperations(const WindowOperations&) = default;
    WindowOperations& operator=(const WindowOperations&) = default;
};

// The user's regional settings for numbers, asked afresh at each conversion.
class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    [[nodiscard]] virtual NumberFormat numberFormat() const = 0;

protected:
    RegionalSettings() = default;
    RegionalSettings(const RegionalSettings&) = default;
    RegionalSettings& operator=(const RegionalSettings&) = default;
};

} // namespace exercise
