// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The separators read from the user's regional settings, LC_ALL before
// LC_NUMERIC before LANG. The toolkit reads the environment once, so each
// setting runs in a process of its own: this program itself, asked to print
// what it reads.
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
        QTest::newRow("Dutch") << QStringList{"LC_ALL=nl_NL.UTF-8"} << ",.";
        QTest::newRow("English") << QStringList{"LC_ALL=en_US.UTF-8"} << ".,";
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
        QProcessEnvironment clean = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LANGUAGE"})
            clean.remove(QString::fromLatin1(name));
        for (const QString& setting : environment)
            clean.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(clean);
        process.start(QCoreApplication::applicationFilePath(), {"--print"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), separators);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--print") == 0) {
        const exercise::NumberFormat format = SystemRegionalSettings().numberFormat();
        const QString separators =
            QString(QChar(format.decimalSeparator)) + QChar(format.groupSeparator);
        std::fputs(separators.toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication application(argc, argv);
    RegionalSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "regional_settings_test.moc"
