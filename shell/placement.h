// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window goes on the screen. It has a fixed place, which holds
// wherever the window fits on the screen's available area; on a small
// screen, or at a large scale, it moves just as far as it must to fit, so
// that no control falls off the edge. The rule is the window's, whatever
// toolkit draws it.
#pragma once

#include <algorithm>

namespace shell {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The window moved into the available area; where the area is smaller than
// the window, its top-left corner stays inside.
[[nodiscard]] constexpr Rect keptOnScreen(Rect window, Rect available) {
    auto within = [](int start, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(start, areaStart + areaSize - size));
    };
    window.left = within(window.left, window.width, available.left, available.width);
    window.top = within(window.top, window.height, available.top, available.height);
    return window;
}

} // namespace shell
