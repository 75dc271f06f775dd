// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for driving the real window in tests.
#pragma once

#include "fixed_regional_settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>
#include <QWidget>

using exercise::testing::FixedRegionalSettings;

// The window's controls: its children but the place that tells the screen
// reader what a command did, which shows nothing.
inline QList<QWidget*> controlsOf(const QWidget& form) {
    QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* child) { return child->objectName() == "Announcer"; });
    return controls;
}

// A dark desktop palette, as dark themes set it.
inline QPalette darkPalette() {
    QPalette palette;
    const QColor window(0x31, 0x36, 0x3b), base(0x23, 0x26, 0x29), text(0xef, 0xf0, 0xf1);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, window);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, window);
    palette.setColor(QPalette::Disabled, QPalette::Base, base);
    palette.setColor(QPalette::Disabled, QPalette::Button, window);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6e, 0x71, 0x75));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6e, 0x71, 0x75));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6e, 0x71, 0x75));
    return palette;
}

// A light palette in which every role that the window uses has a colour of
// its own, each readable on the window's greens, so that a control that
// takes its colour from the wrong role shows it.
inline QPalette distinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xe8, 0xe8, 0xe0));
    palette.setColor(QPalette::WindowText, QColor(0x60, 0x00, 0x00));
    palette.setColor(QPalette::Base, QColor(0xff, 0xff, 0xf0));
    palette.setColor(QPalette::Text, QColor(0x00, 0x30, 0x00));
    palette.setColor(QPalette::Button, QColor(0xd8, 0xe0, 0xf0));
    palette.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x60));
    palette.setColor(QPalette::Highlight, QColor(0x40, 0x00, 0x40));
    return palette;
}

// The desktop's palette changing while the window is open. The toolkit
// tells the widgets through the event loop, as it does on a desktop.
inline void changeDesktopPalette(const QPalette& palette) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
}

// Closes every modal message box as soon as it opens, as a pupil pressing OK
// would, and remembers what each showed.
class MessageBoxCloser : public QObject {
public:
    struct Seen {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        int buttonCount;
        bool modal;
    };

    MessageBoxCloser() {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxCloser::closeOpenBox);
        timer_.start(5);
    }

    [[nodiscard]] const QList<Seen>& seen() const { return seen_; }
    void clear() { seen_.clear(); }

private:
    void closeOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        seen_.append({box->icon(), box->windowTitle(), box->text(), box->standardButtons(),
                      static_cast<int>(box->buttons().size()), box->isModal()});
        box->button(QMessageBox::Ok)->click();
    }

    QTimer timer_;
    QList<Seen> seen_;
};
