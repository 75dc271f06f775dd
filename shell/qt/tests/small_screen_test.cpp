// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen too small for its fixed place: 1366 x 768 pixels
// at a scale of 1.5, where the fixed place would put OPNIEUW below the edge.
#include "form1.h"
#include "window_testing.h"

#include <QScreen>
#include <QTemporaryFile>
#include <QtTest>

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void movesJustEnoughToFit() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(available, QRect(0, 0, 911, 512));
        const FixedRegionalSettings settings;
        Form1 form(settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(449, 286));
        // Left where it belongs; up by just as much as it reached below.
        QCOMPARE(form.geometry().topLeft(), QPoint(204, 512 - 286));
        QVERIFY(available.contains(form.geometry()));
    }
};

int main(int argc, char* argv[]) {
    QTemporaryFile screens;
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1366,
                      "height": 768, "logicalDpi": 96}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
