// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window of the program on Linux, made of Qt widgets from the
// window's description: the window operations that the exercises use, with
// each click and each character typed into an operand box handed on to the
// shared wiring of the events.
#pragma once

#include "exercise/window.h"
#include "form_events.h"
#include "window_description.h"

#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QLineEdit;
class QTimer;

class Form1 final : public QWidget, public shell::Form1Events {
    Q_OBJECT

public:
    explicit Form1(const exercise::RegionalSettings& settings, QWidget* parent = nullptr);

    // Window operations
    [[nodiscard]] std::u16string text(exercise::Box box) const override;
    void setText(exercise::Box box, std::u16string_view text) override;
    void setAnswerVisible(exercise::Box box, bool visible) override;
    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override;

protected:
    void announce(std::u16string_view summary) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColours();
    [[nodiscard]] QLineEdit* box(exercise::Box box) const;

    std::array<QLineEdit*, exercise::kBoxCount> boxes_{};
    // What the screen reader is told after a command, and the place that
    // tells it.
    QWidget* announcer_ = nullptr;
    QTimer* announcement_ = nullptr;
    QString pending_;
    // Each control beside its row, for colouring it afresh.
    std::vector<std::pair<QWidget*, const shell::Control*>> built_;
};
