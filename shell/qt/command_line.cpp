// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

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

// A refusal, with the hint that every refusal gets.
int refuse(const QString& reason) {
    std::fprintf(stderr, "%s: %s; see --help.\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(reason));
    return 1;
}

// Whether the toolkit has somewhere to show the window: a platform named
// on the command line or in QT_QPA_PLATFORM, or an X or Wayland display.
bool hasDisplay(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("platform")) ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

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
    // Help of its own: the toolkit's help option would add --help-all, which
    // lists options that a program without a display does not know.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const auto& [name, takesValue] : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(QCoreApplication::arguments())) {
        QString reason = parser.errorText();
        if (reason.endsWith(u'.')) reason.chop(1);
        return refuse(reason);
    }
    // Both print on standard output and end the program with status 0.
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();
    if (const QStringList rest = parser.positionalArguments(); !rest.isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(rest.front()));
    if (!hasDisplay(parser)) {
        std::fprintf(stderr, "%s: no display found: neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
                     qPrintable(QCoreApplication::applicationName()));
        return 1;
    }
    return std::nullopt;
}

namespace {

QtMessageHandler toolkitHandler = nullptr;
bool displayUnreached = false;

// The platform says which display it could not reach, that it could not
// load itself, and gives up with a fatal message. Said once, in the
// program's own words; any other failure of the platform goes on to the
// toolkit as before.
void displayFailureHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg && message.contains(QLatin1String("could not connect to display"))) {
        displayUnreached = true;
        return;
    }
    if (displayUnreached && type != QtFatalMsg &&
        message.contains(QLatin1String("Could not load the Qt platform plugin")))
        return;
    if (displayUnreached && type == QtFatalMsg) {
        const QString display = qEnvironmentVariable("DISPLAY");
        std::fprintf(stderr, "%s: no display found: the display '%s' cannot be opened.\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(display));
        std::_Exit(1);
    }
    toolkitHandler(type, context, message);
}

} // namespace

void reportDisplayFailures() { toolkitHandler = qInstallMessageHandler(displayFailureHandler); }
