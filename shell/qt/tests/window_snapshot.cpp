// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the window after ALLES with 8 and 3 into a PNG at the device's
// resolution, for comparing the layout at different scale factors, and for
// looking at it in a dark palette.
// Usage: window_snapshot OUTPUT.png [dark]
#include "eight_and_three.h"
#include "form1.h"
#include "window_testing.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2 || argc > 3) return 2;
    if (argc == 3 && QByteArray(argv[2]) == "dark") QApplication::setPalette(darkPalette());
    const FixedRegionalSettings settings;
    Form1 form(settings);
    exercise::testing::typeEightAndThree(form, {{exercise::Box::Text13, u"7"}});
    exercise::Commands(form, settings).all();
    form.show();
    QApplication::processEvents();
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
