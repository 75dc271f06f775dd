// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's options, as a packager and a shell user meet them: with no
// display at all, so that any option that reached the window would fail.
#include <QProcess>
#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private:
    struct Run {
        int status;
        QString out;
        QString err;
    };

    static QProcessEnvironment withoutDisplay() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }

    static Run run(const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay());
        process.start(QStringLiteral(CIJFERWERF_PROGRAM), arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return {-1, {}, QStringLiteral("still running")};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void printsAndEnds_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral("cijferwerf " CIJFERWERF_VERSION "\n");
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("--help") << QStringList{"--help"} << QStringLiteral("--version");
        QTest::newRow("-h") << QStringList{"-h"} << QStringLiteral("--version");
        QTest::newRow("--help beside a toolkit option")
            << QStringList{"-style", "fusion", "--help"} << QStringLiteral("Usage: ");
    }
    void printsAndEnds() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains(expected), qPrintable(result.out));
        QVERIFY2(!result.err.contains("display"), qPrintable(result.err));
    }

    void refuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option")
            << QStringList{"--bogus"}
            << QStringLiteral("cijferwerf: Unknown option 'bogus'; see --help.");
        QTest::newRow("the toolkit's help, which it cannot give here")
            << QStringList{"--help-all"}
            << QStringLiteral("Unknown option 'help-all'; see --help.");
        QTest::newRow("unknown single-dash word")
            << QStringList{"-volume"} << QStringLiteral("Unknown option 'volume'");
        QTest::newRow("toolkit option without its value")
            << QStringList{"-platform"} << QStringLiteral("Missing value after '-platform'");
        QTest::newRow("argument") << QStringList{"sommen.txt"}
                                  << QStringLiteral(
                                         "unexpected argument 'sommen.txt'; see --help.");
    }
    void refuses() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QVERIFY2(!result.err.contains("display"), qPrintable(result.err));
    }

    // Without a display the program says so in its own words, instead of
    // the toolkit's abort.
    void noDisplay() {
        const Run result = run({});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.err,
                 QStringLiteral("cijferwerf: no display found: neither DISPLAY nor WAYLAND_DISPLAY "
                                "is set.\n"));
    }

    // A display that cannot be opened gets the program's own words and
    // status 1, not the toolkit's abort and its advice to reinstall.
    void aDisplayThatCannotBeOpened() {
        QProcess process;
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":87"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CIJFERWERF_PROGRAM), {});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("cijferwerf: no display found: the display ':87' cannot be "
                                "opened.\n"));
    }

    // The toolkit's own options reach it: given the offscreen platform, the
    // program opens its window there and keeps running.
    void toolkitOptionsPass() {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay());
        process.start(QStringLiteral(CIJFERWERF_PROGRAM),
                      {"-platform", "offscreen", "-style", "fusion", "-reverse"});
        QVERIFY(process.waitForStarted());
        QVERIFY2(!process.waitForFinished(1500), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
