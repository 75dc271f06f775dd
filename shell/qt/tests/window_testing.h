// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for driving the real window in tests.
#pragma once

#include "fixed_regional_settings.h"
#include "tests/built_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <tuple>

using exercise::testing::FixedRegionalSettings;

// The window's controls: its children but the place that tells the screen
// reader what a command did, which shows nothing.
inline QList<QWidget*> controlsOf(const QWidget& form) {
    QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* child) { return child->objectName() == "Announcer"; });
    return controls;
}

// What the window built, read back from its widgets: places, texts, fonts,
// inputs, limits, spoken names and colours, with the palette's colour for
// each of the description's roles.
inline shell::testing::BuiltWindow builtWindow(QWidget& form) {
    using shell::ColourRole;
    const auto rgb = [](const QColor& colour) { return colour.rgb() & 0xFFFFFFu; };
    shell::testing::BuiltWindow built;
    built.width = form.width();
    if (const QWidget* focused = QApplication::focusWidget())
        built.startFocus = focused->objectName().toStdString();
    built.height = form.height();
    const QPalette system = QApplication::palette();
    const std::pair<ColourRole, QColor> roles[] = {
        {ColourRole::WindowBackground, system.color(QPalette::Base)},
        {ColourRole::WindowText, system.color(QPalette::Text)},
        {ColourRole::ButtonFace, system.color(QPalette::Button)},
        {ColourRole::ButtonText, system.color(QPalette::ButtonText)},
        {ColourRole::MenuText, system.color(QPalette::WindowText)},
        {ColourRole::ActiveTitleBar, system.color(QPalette::Highlight)},
        {ColourRole::DisabledText, system.color(QPalette::Disabled, QPalette::Text)},
        {ColourRole::Highlight, system.color(QPalette::Highlight)},
        {ColourRole::ControlEdge, system.color(QPalette::Dark)}};
    for (const auto& [role, colour] : roles)
        built.scheme[role] = {rgb(colour)};
    // The edges as painted: their outermost pixels, half-way down.
    const QImage painted = form.grab().toImage();
    for (QWidget* widget : controlsOf(form)) {
        shell::testing::BuiltControl& seen = built.controls.emplace_back();
        seen.name = widget->objectName().toStdString();
        const QRect place = widget->geometry();
        seen.left = place.x();
        seen.top = place.y();
        seen.width = place.width();
        seen.height = place.height();
        seen.face = widget->font().family().toStdU16String();
        seen.points = widget->font().pointSizeF();
        seen.bold = widget->font().bold();
        const QPalette& own = widget->palette();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            seen.text = label->text().toStdU16String();
            seen.background = rgb(own.color(QPalette::Window));
            seen.foreground = rgb(own.color(QPalette::WindowText));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            seen.text = button->text().toStdU16String();
            seen.background = rgb(own.color(QPalette::Button));
            seen.foreground = rgb(own.color(QPalette::ButtonText));
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            seen.text = box->text().toStdU16String();
            seen.input = !box->isEnabled()   ? shell::Input::Disabled
                         : box->isReadOnly() ? shell::Input::ReadOnly
                                             : shell::Input::Typing;
            // The toolkit's own 32767 is no limit of the window's.
            seen.limit = box->maxLength() == 32767 ? 0 : static_cast<std::size_t>(box->maxLength());
            seen.edge = box->hasFrame() ? shell::Edge::Sunken : shell::Edge::Flat;
            seen.alignment = box->alignment() & Qt::AlignHCenter ? shell::Alignment::Centre
                                                                 : shell::Alignment::Left;
            seen.background = rgb(own.color(QPalette::Base));
            seen.foreground = rgb(own.color(
                box->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        }
        const auto* box = qobject_cast<QLineEdit*>(widget);
        if (qobject_cast<QPushButton*>(widget) || (box && box->hasFrame())) {
            // Either side, so that an edge drawn on one side only shows.
            const int middle = place.top() + place.height() / 2;
            const QColor left = painted.pixelColor(place.left(), middle),
                         right = painted.pixelColor(place.right(), middle);
            seen.edgeColour = rgb(left == right ? left : right);
        }
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
            seen.spoken = accessible->text(QAccessible::Name).toStdU16String();
    }
    return built;
}

// The names of the controls that have the focus from now on, and after
// each of a round of Tab and of Shift+Tab presses.
inline void walkTabs(shell::testing::BuiltWindow& built) {
    const QWidget* start = QApplication::focusWidget();
    for (const auto& [walk, key, modifiers] :
         {std::tuple{&built.tabWalk, Qt::Key_Tab, Qt::NoModifier},
          std::tuple{&built.backTabWalk, Qt::Key_Backtab, Qt::ShiftModifier}}) {
        walk->push_back(QApplication::focusWidget()->objectName().toStdString());
        for (std::size_t step = 0; step < shell::testing::tabStops(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            walk->push_back(QApplication::focusWidget()->objectName().toStdString());
        }
        if (QApplication::focusWidget() != start) return;
    }
}

// The differences of a built window from the description, one to a line.
inline QString differencesOf(const shell::testing::BuiltWindow& built) {
    QStringList lines;
    for (const std::string& line : shell::testing::differences(built))
        lines << QString::fromStdString(line);
    return lines.join('\n');
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
    palette.setColor(QPalette::Dark, QColor(0x60, 0x40, 0x00));
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
