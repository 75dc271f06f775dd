// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up and memory: a bare Qt window with 26 plain controls
// at the places of the program's, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(449, 286);
    int y = 0;
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("Knop"), &window))->setGeometry(8, 8 + 23 * i, 80, 21);
    for (int i = 0; i < 15; ++i)
        (new QLineEdit(&window))->setGeometry(100 + 90 * (i % 3), 8 + 25 * (i / 3), 80, 21);
    for (int i = 0; i < 5; ++i, y += 20)
        (new QLabel(QStringLiteral("Label"), &window))->setGeometry(8, 160 + y, 100, 18);
    window.show();
    return QApplication::exec();
}
