// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A tool of the build: writes the page's window, its style (--style) or its
// markup (--markup), from the window's description, to be put into the page.

#include "page_markup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view part = argc > 1 ? argv[1] : "";
    if (part != "--style" && part != "--markup") {
        std::fputs("usage: page_writer --style|--markup\n", stderr);
        return 2;
    }
    // Whole lines: the runtime writes out a line at its end.
    std::fputs((part == "--style" ? web::windowStyle() : web::windowMarkup() + "\n").c_str(), stdout);
    return 0;
}
