// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The separators read from the user's regional settings, LC_ALL before
// LC_NUMERIC before LANG, and a pupil's decimal sums under every locale the
// C library knows. The toolkit reads the environment once, so each setting
// runs in a process of its own: this program itself, asked to print what it
// reads and how the sums came out.
#include "decimals_under.h"
#include "regional_settings.h"

#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <cstring>

class RegionalSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void separators_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("separators"); // decimal, then grouping
        QTest::newRow("C") << QStringList{"LC_ALL=C"} << ".,";
        QTest::newRow("unknown") << QStringList{"LC_ALL=xx_YY.UTF-8"} << ".,";
        QTest::newRow("none") << QStringList{} << ".,";
        QTest::newRow("LC_NUMERIC before LANG")
            << QStringList{"LC_NUMERIC=nl_NL.UTF-8", "LANG=en_US.UTF-8"} << ",.";
        QTest::newRow("LC_ALL before LC_NUMERIC")
            << QStringList{"LC_ALL=en_US.UTF-8", "LC_NUMERIC=nl_NL.UTF-8"} << ".,";
        QTest::newRow("LANG alone") << QStringList{"LANG=nl_NL.UTF-8"} << ",.";
    }
    void separators() {
        QFETCH(QStringList, environment);
        QFETCH(QString, separators);
        QCOMPARE(run(environment).section('\n', 0, 0), separators);
    }

    // Every locale the C library knows (Debian's locales-all has them all).
    void everyLocale_data() {
        QTest::addColumn<QString>("locale");
        QProcess list;
        list.start("locale", {"-a"});
        QVERIFY(list.waitForFinished(10000));
        const QStringList locales = QString::fromUtf8(list.readAllStandardOutput()).split('\n');
        QVERIFY2(locales.size() > 400, "locales-all is not installed");
        for (const QString& locale : locales) {
            if (!locale.isEmpty()) QTest::newRow(locale.toUtf8().constData()) << locale;
        }
    }
    void everyLocale() {
        QFETCH(QString, locale);
        const QStringList lines = run({"LC_ALL=" + locale}).split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[1] == "known", qPrintable("separators " + lines[1]));
        QCOMPARE(lines[2], QString());
    }

private:
    // What this program reads in a process with these settings alone: the
    // separators, whether the logic is checked with them, and what went
    // wrong with the sums, a line each.
    static QString run(const QStringList& environment) {
        QProcessEnvironment clean = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LANGUAGE"})
            clean.remove(QString::fromLatin1(name));
        for (const QString& setting : environment)
            clean.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(clean);
        process.start(QCoreApplication::applicationFilePath(), {"--print"});
        if (!process.waitForFinished(10000)) return "no answer";
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--print") == 0) {
        const SystemRegionalSettings settings;
        const exercise::NumberFormat format = settings.numberFormat();
        const QString separators =
            QString(QChar(format.decimalSeparator)) + QChar(format.groupSeparator);
        const bool known = exercise::testing::isPlatformSeparators(format);
        std::printf("%s\n%s\n%s", separators.toUtf8().constData(),
                    known ? "known" : exercise::testing::separatorsName(format).c_str(),
                    exercise::testing::decimalsUnder(settings).c_str());
        return 0;
    }
    QCoreApplication application(argc, argv);
    RegionalSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "regional_settings_test.moc"
