// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// For the window tests of every toolkit: how tall a caption of one capital a
// line (ALLES) paints. Its lines stand 1.15 em apart and the last is a
// capital of 0.716 em, in the caption's own size; fitted as though it were
// one line, it would shrink towards the smallest size and fall short.
#pragma once

namespace shell::testing {

// The fewest rows of ink of such a caption of so many lines, in a font whose
// own size is ownPixels to the em: four fifths of what that size makes it.
[[nodiscard]] constexpr int leastStackedCaptionRows(double ownPixels, int lines) {
    return static_cast<int>(0.8 * ownPixels * (1.15 * (lines - 1) + 0.716));
}

} // namespace shell::testing
