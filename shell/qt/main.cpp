// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "form1.h"
#include "regional_settings.h"
#include "toolkit_texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("cijferwerf"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CIJFERWERF_VERSION));
    if (const std::optional<int> status = readCommandLine(argc, argv)) return *status;

    reportDisplayFailures();
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    installDutchToolkitTexts(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(CIJFERWERF_APP_ID));
    const SystemRegionalSettings settings;
    Form1 form(settings);
    form.show();
    return QApplication::exec();
}
