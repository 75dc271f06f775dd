// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's options, read before the window needs a display.
#pragma once

#include <optional>

// Handles --help and --version as Qt programs do, printing on standard
// output, and refuses an unknown option or argument with a message on
// standard error that points to --help. The options of the toolkit itself
// (-platform, -style and the like) pass, for the application to take. With
// no display to show the window on, it says so instead of letting the
// toolkit abort. Yields the exit status when the program is to end here,
// nothing when the window is to open.
[[nodiscard]] std::optional<int> readCommandLine(int argc, char* argv[]);

// Until the application has its display: a display that cannot be opened
// (DISPLAY=:87, say) ends the program with status 1 and a sentence of its
// own on standard error, where the toolkit would abort and advise
// reinstalling. Every other message of the toolkit goes on as before.
void reportDisplayFailures();
