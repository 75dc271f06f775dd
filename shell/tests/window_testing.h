// Helpers for driving the real window in tests.
#pragma once

#include "fixed_regional_settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

using exercise::testing::FixedRegionalSettings;

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
