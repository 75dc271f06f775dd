// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Loads the toolkit's own texts in Dutch (a box's context menu, a message
// box's button), whatever the user's language: the window is Dutch, and so
// everything in it should be. False, and the toolkit's English texts stay,
// when its Dutch translation is not installed.
bool installDutchToolkitTexts(QCoreApplication& application);
