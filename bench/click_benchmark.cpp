// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ALLES on the real window, from the click to the end of the repaint, beside
// a click whose handler writes the same texts and hides the same answer boxes
// from strings made beforehand. Runs on whatever platform QT_QPA_PLATFORM
// names (offscreen, or xcb on an X server).
#include "eight_and_three.h"
#include "fixed_regional_settings.h"
#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Window {
    Window() : form(settings) {
        exercise::testing::typeEightAndThree(
            form, {{exercise::Box::Text12, u"11"}, {exercise::Box::Text14, u"24"}});
        form.show();
        QApplication::processEvents();
        all = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        // The same writes as ALLES, from texts made beforehand.
        QObject::connect(&precomputed, &QPushButton::clicked, &form, [this] {
            using exercise::Box;
            form.setText(Box::Text3, u"11");
            form.setText(Box::Text4, u"5");
            form.setText(Box::Text5, u"24");
            form.setText(Box::Text11, u" ");
            form.setText(Box::Text6, u"2.66666667");
            form.setText(Box::Text7, u"8 + 3 = 11");
            form.setText(Box::Text8, u"8 - 3 = 5");
            form.setText(Box::Text9, u"8 x 3 = 24");
            form.setText(Box::Text10, u"8 : 3 = 2.66666667");
            form.setAnswerVisible(Box::Text12, false);
            form.setAnswerVisible(Box::Text14, false);
        });
    }

    exercise::testing::FixedRegionalSettings settings;
    Form1 form;
    QPushButton* all = nullptr;
    QPushButton precomputed;
};

// Made in main, after the application and before the benchmarks, and gone
// before the application is.
Window* theWindow = nullptr;

Window& window() { return *theWindow; }

// The boxes change between two clicks, so that every click repaints.
void clear(Window& w) {
    for (const auto box : {exercise::Box::Text3, exercise::Box::Text4, exercise::Box::Text5,
                           exercise::Box::Text6, exercise::Box::Text7, exercise::Box::Text8,
                           exercise::Box::Text9, exercise::Box::Text10, exercise::Box::Text11})
        w.form.setText(box, u"");
    QApplication::processEvents();
}

void BM_AllClick(benchmark::State& state) {
    Window& w = window();
    for (auto _ : state) {
        state.PauseTiming();
        clear(w);
        state.ResumeTiming();
        w.all->click();
        QApplication::processEvents(); // the repaint
    }
}

void BM_PrecomputedClick(benchmark::State& state) {
    Window& w = window();
    for (auto _ : state) {
        state.PauseTiming();
        clear(w);
        state.ResumeTiming();
        w.precomputed.click();
        QApplication::processEvents();
    }
}

BENCHMARK(BM_AllClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrecomputedClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    const auto owner = std::make_unique<Window>();
    theWindow = owner.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
