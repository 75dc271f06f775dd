// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The options that the toolkit takes from the command line when the
// application starts, with whether each takes a value.
struct ToolkitOption {
    const char* name;
    bool takesValue;
};

constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"title", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

} // namespace

std::optional<int> readCommandLine(int argc, char* argv[]) {
    // Only the core of the toolkit, which needs no display.
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Practise the four arithmetic operations: sums, differences, products "
                       "and quotients."));
    // The toolkit's own options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const auto& [name, takesValue] : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // Prints and ends the program for --help and --version, and for an
    // unknown option with exit status 1.
    parser.process(application);
    if (const QStringList rest = parser.positionalArguments(); !rest.isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument '%s'; see --help.\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(rest.front()));
        return 1;
    }
    return std::nullopt;
}
