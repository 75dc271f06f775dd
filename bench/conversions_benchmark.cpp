// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each conversion per call, beside the standard library's fastest equivalent
// on the same inputs.
#include "exercise/number_text.h"
#include "number_helpers.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using exercise::kEnglishFormat;

// Results as the exercises make them: sums, differences, products and
// quotients of numbers of at most four characters.
const std::vector<double>& exerciseResults() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_int_distribution<int> whole(0, 9999);
        std::uniform_int_distribution<int> tenths(0, 999);
        std::vector<double> out;
        for (int i = 0; i < 4096; ++i) {
            const double a = i % 3 ? whole(random) : tenths(random) / 10.0;
            const double b = (i % 5 ? whole(random) : tenths(random) / 10.0) + 1;
            switch (i % 4) {
            case 0:
                out.push_back(a + b);
                break;
            case 1:
                out.push_back(a - b);
                break;
            case 2:
                out.push_back(a * b);
                break;
            default:
                out.push_back(a / b);
                break;
            }
        }
        return out;
    }();
    return values;
}

// Doubles from every part of the range.
const std::vector<double>& anyDoubles() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(7);
        std::vector<double> out;
        while (out.size() < 4096) {
            const double value = exercise::testing::doubleOfBits(random());
            if (std::isfinite(value)) out.push_back(value);
        }
        return out;
    }();
    return values;
}

// The texts that the point reader and the number test meet: results as a
// result box keeps them, and what pupils type.
struct Texts {
    std::vector<std::string> ascii;
    std::vector<std::u16string> wide;
};

const Texts& boxTexts() {
    static const Texts texts = [] {
        Texts out;
        for (const double value : exerciseResults()) {
            std::u16string text = exercise::formatResult(value, kEnglishFormat);
            text.resize(std::min<std::size_t>(text.size(), 10)); // as a result box keeps it
            out.wide.push_back(text);
            out.ascii.emplace_back(text.begin(), text.end());
        }
        return out;
    }();
    return texts;
}

void resultFormatter(benchmark::State& state, const std::vector<double>& values) {
    for (auto _ : state)
        for (const double value : values)
            benchmark::DoNotOptimize(exercise::formatResult(value, kEnglishFormat));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}

void toChars(benchmark::State& state, const std::vector<double>& values) {
    std::array<char, 32> out{};
    for (auto _ : state)
        for (const double value : values)
            benchmark::DoNotOptimize(std::to_chars(out.data(), out.data() + out.size(), value,
                                                   std::chars_format::general, 15));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}

void snprintfG(benchmark::State& state, const std::vector<double>& values) {
    std::array<char, 32> out{};
    for (auto _ : state)
        for (const double value : values)
            benchmark::DoNotOptimize(std::snprintf(out.data(), out.size(), "%.15G", value));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values.size()));
}

void BM_ResultFormatter_Results(benchmark::State& s) { resultFormatter(s, exerciseResults()); }
void BM_ToChars_Results(benchmark::State& s) { toChars(s, exerciseResults()); }
void BM_Snprintf_Results(benchmark::State& s) { snprintfG(s, exerciseResults()); }
void BM_ResultFormatter_AnyDouble(benchmark::State& s) { resultFormatter(s, anyDoubles()); }
void BM_ToChars_AnyDouble(benchmark::State& s) { toChars(s, anyDoubles()); }
void BM_Snprintf_AnyDouble(benchmark::State& s) { snprintfG(s, anyDoubles()); }

void BM_PointReader(benchmark::State& state) {
    const auto& texts = boxTexts().wide;
    for (auto _ : state)
        for (const auto& text : texts)
            benchmark::DoNotOptimize(exercise::readPointNumber(text));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}

void BM_NumberTest(benchmark::State& state) {
    const auto& texts = boxTexts().wide;
    for (auto _ : state)
        for (const auto& text : texts)
            benchmark::DoNotOptimize(exercise::isNumber(text, kEnglishFormat));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}

void BM_FromChars(benchmark::State& state) {
    const auto& texts = boxTexts().ascii;
    for (auto _ : state)
        for (const auto& text : texts) {
            double value;
            benchmark::DoNotOptimize(
                std::from_chars(text.data(), text.data() + text.size(), value));
            benchmark::DoNotOptimize(value);
        }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}

void BM_Strtod(benchmark::State& state) {
    const auto& texts = boxTexts().ascii;
    for (auto _ : state)
        for (const auto& text : texts)
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}

BENCHMARK(BM_ResultFormatter_Results);
BENCHMARK(BM_ToChars_Results);
BENCHMARK(BM_Snprintf_Results);
BENCHMARK(BM_ResultFormatter_AnyDouble);
BENCHMARK(BM_ToChars_AnyDouble);
BENCHMARK(BM_Snprintf_AnyDouble);
BENCHMARK(BM_PointReader);
BENCHMARK(BM_NumberTest);
BENCHMARK(BM_FromChars);
BENCHMARK(BM_Strtod);

} // namespace

BENCHMARK_MAIN();
