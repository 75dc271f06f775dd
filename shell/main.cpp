// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "regional_settings.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cijferwerf"));
    QApplication::setApplicationVersion(QStringLiteral(CIJFERWERF_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CIJFERWERF_APP_ID));

    const SystemRegionalSettings settings;
    Form1 form(settings);
    form.show();
    return QApplication::exec();
}
