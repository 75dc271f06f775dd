// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's colour scheme changed live by a platform theme (qt6ct, as
// on desktops without their own Qt theme): the fixed greens hold, and the
// desktop's colours follow the new scheme.
#include "form1.h"
#include "window_testing.h"

#include <QDir>
#include <QLineEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor kLightGreen(0x80, 0xFF, 0x80);
const QColor kBrightGreen(0x00, 0xFF, 0x00);

// The theme's settings in a folder of the test's own, naming one of the
// colour schemes that come with it.
bool writeSettings(const QString& folder, const QString& scheme) {
    QSaveFile file(folder + "/qt6ct/qt6ct.conf");
    return file.open(QIODevice::WriteOnly) &&
           file.write(QStringLiteral("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/"
                                     "%1.conf\ncustom_palette=true\nstyle=Fusion\n")
                          .arg(scheme)
                          .toUtf8()) > 0 &&
           file.commit();
}

} // namespace

class LiveThemeTest : public QObject {
    Q_OBJECT

private slots:
    void greensHoldAfterALiveChange() {
        if (!qEnvironmentVariable("QT_QPA_PLATFORMTHEME").startsWith("qt6ct") ||
            !QFile::exists("/usr/share/qt6ct/colors/darker.conf"))
            QSKIP("the qt6ct platform theme is not installed");
        const FixedRegionalSettings settings;
        Form1 form(settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QColor before = QApplication::palette().color(QPalette::Base);

        QVERIFY(writeSettings(qEnvironmentVariable("XDG_CONFIG_HOME"), "darker"));
        // The theme looks at its settings a few seconds after they change.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::palette().color(QPalette::Base) != before, 15000);
        QTest::qWait(200);

        const QImage image = form.grab().toImage();
        auto inside = [&](const char* name) {
            const QRect r = form.findChild<QWidget*>(name)->geometry();
            return image.pixelColor(r.right() - 4, r.top() + r.height() / 2);
        };
        QCOMPARE(image.pixelColor(2, 2), kLightGreen);
        QCOMPARE(inside("Text3"), kBrightGreen);
        QCOMPARE(inside("Text7"), kLightGreen);
        QCOMPARE(inside("Text1"), QApplication::palette().color(QPalette::Base));
    }
};

// The theme reads its settings when the application starts: they are made
// first, in a folder of the test's own.
int main(int argc, char* argv[]) {
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    if (!QDir(home.path()).mkpath("qt6ct") || !writeSettings(home.path(), "airy")) return 1;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication application(argc, argv);
    LiveThemeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "live_theme_test.moc"
