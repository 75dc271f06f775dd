// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What each platform's sweep over its locales shares: the pairs of
// separators, decimal then grouping, that the locales give, and a pupil's
// decimal sums under one of them.
#pragma once

#include "exercise/commands.h"
#include "fake_window.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace exercise::testing {

// Every pair of separators that a sweep found: every locale glibc knows as
// the Linux window reads it, every locale Wine knows as the Windows window
// reads it, every language of the browser as the page reads it. A sweep
// that meets another pair fails and names its locale, so that the logic's
// exhaustive checks, which run over these, cover it too.
inline constexpr NumberFormat kPlatformSeparators[] = {
    {u'.', u','},           // English
    {u',', u'.'},           // Dutch, German
    {u',', u'\u00a0'},      // Polish, Swedish: a no-break space
    {u',', u'\u202f'},      // French: a narrow no-break space
    {u'.', u'\u00a0'},      // Xhosa, Morisyen
    {u'.', u'\u2019'},      // Swiss German: a right single quotation mark
    {u',', u'\u2019'},      // Walser
    {u'.', u'\''},          // Swiss German on Windows and in Firefox
    {u',', u'\''},          // Swiss French, Walser in Firefox
    {u'.', u'\u060c'},      // Kashmiri, N'Ko on Windows: an Arabic comma
    {u'.', u'\u2e41'},      // Fula in Adlam on Windows: a reversed comma
    {u',', u','},           // Mongolian in its own script on Windows: no grouping
    {u'.', u'\u066c'},      // Sindhi in Firefox: an Arabic thousands separator
    {u'\u066b', u'\u066c'}, // Egyptian Arabic, Persian
};

[[nodiscard]] inline bool isPlatformSeparators(NumberFormat format) {
    return std::find(std::begin(kPlatformSeparators), std::end(kPlatformSeparators), format) !=
           std::end(kPlatformSeparators);
}

// A pair as a test names it: each separator as U+XXXX.
[[nodiscard]] inline std::string separatorsName(NumberFormat format) {
    char name[32];
    std::snprintf(name, sizeof name, "U+%04X U+%04X", static_cast<unsigned>(format.decimalSeparator),
                  static_cast<unsigned>(format.groupSeparator));
    return name;
}

// What a pupil does under these settings: 2.5 and 4 with SOM, the sum typed
// back as the first number; then 1 and 3 with ALLES, the quotient typed as
// its answer. Empty when all comes out right, else the sums, ? for a message.
[[nodiscard]] inline std::string decimalsUnder(const RegionalSettings& settings) {
    FakeWindow window;
    Commands commands(window, settings);
    auto press = [&](std::u16string_view first, std::u16string_view second,
                     void (Commands::*command)(), Box result) {
        const std::size_t asked = window.messages().size();
        window.type(Box::Text1, first);
        window.type(Box::Text2, second);
        (commands.*command)();
        return window.messages().size() > asked ? u"?" : window.text(result);
    };
    const std::u16string sum = press(u"2.5", u"4", &Commands::sum, Box::Text3);
    const std::u16string again = press(sum, u"0", &Commands::sum, Box::Text3);
    const std::u16string quotient = press(u"1", u"3", &Commands::all, Box::Text6);
    window.type(Box::Text15, quotient);
    commands.all();
    const bool comma = settings.numberFormat().decimalSeparator == u',';
    if (sum == (comma ? u"6,5" : u"6.5") && again == sum && !window.visible(Box::Text15)) return {};
    std::string seen;
    for (const char16_t c : sum + u" " + again + u" " + quotient)
        seen += c < 0x80 ? static_cast<char>(c) : '?';
    return seen;
}

} // namespace exercise::testing
