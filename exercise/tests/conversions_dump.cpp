// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes what the logic makes of many seeded random doubles, texts and
// operand pairs, one line each: the result formatter and the result written
// to fit its box, every reader, the four operations with their faults, and
// ALLES on a window. Built natively and for WebAssembly, the two outputs
// must be the same to the last character.
// Usage: conversions_dump [COUNT]
#include "exercise/arithmetic.h"
#include "exercise/commands.h"
#include "fake_window.h"
#include "fixed_regional_settings.h"
#include "number_helpers.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using namespace exercise;

namespace {

std::string narrow(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string bits(std::optional<double> value) {
    if (!value) return "none";
    std::uint64_t raw = 0;
    std::memcpy(&raw, &*value, sizeof raw);
    char text[20];
    std::snprintf(text, sizeof text, "%016" PRIx64, raw);
    return text;
}

// Doubles of every size: any bit pattern, and numbers as pupils meet them.
double randomDouble(std::mt19937_64& random) {
    const std::uint64_t pick = random();
    switch (pick % 3) {
    case 0:
        return testing::doubleOfBits(random());
    case 1: {
        const double whole = static_cast<double>(random() % 10'000'000'000ULL);
        return (pick & 8 ? -whole : whole) / static_cast<double>(1ULL << (random() % 40));
    }
    default:
        return static_cast<double>(static_cast<std::int64_t>(random() % 20'000) - 10'000) /
               static_cast<double>(1 + random() % 9'999);
    }
}

std::u16string randomText(std::mt19937_64& random, std::size_t longest) {
    constexpr char16_t kAlphabet[] = u"0123456789.,+-eEdD &Hhx\t";
    std::u16string text;
    for (std::size_t n = random() % (longest + 1); n > 0; --n)
        text += kAlphabet[random() % (std::size(kAlphabet) - 1)];
    return text;
}

template <typename Operation> std::string faultOrValue(Operation operation) {
    try {
        return bits(operation());
    } catch (const ArithmeticFault& fault) {
        return fault.what();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20'000;
    std::mt19937_64 random(21);
    for (long n = 0; n < count; ++n) {
        const double value = randomDouble(random);
        std::printf("format %s %s %s %s\n", bits(value).c_str(),
                    narrow(formatResult(value, kEnglishFormat)).c_str(),
                    narrow(formatResult(value, kDutchFormat)).c_str(),
                    narrow(formatResultToFit(value, kDutchFormat, 10)).c_str());
    }
    for (long n = 0; n < count; ++n) {
        const std::u16string text = randomText(random, 12);
        std::printf("read [%s] %d %d %s %s %s %s %s\n", narrow(text).c_str(),
                    isNumber(text, kEnglishFormat), isNumber(text, kDutchFormat),
                    bits(readLocaleNumber(text, kEnglishFormat)).c_str(),
                    bits(readLocaleNumber(text, kDutchFormat)).c_str(),
                    bits(readLeadingNumber(text, u',')).c_str(),
                    bits(readCompleteNumber(text, u'.')).c_str(),
                    bits(readPointNumber(text)).c_str());
    }
    for (long n = 0; n < count; ++n) {
        const double a = randomDouble(random), b = n % 7 == 0 ? 0.0 : randomDouble(random);
        std::printf("arithmetic %s %s %s %s %s %s\n", bits(a).c_str(), bits(b).c_str(),
                    faultOrValue([&] { return add(a, b); }).c_str(),
                    faultOrValue([&] { return subtract(a, b); }).c_str(),
                    faultOrValue([&] { return multiply(a, b); }).c_str(),
                    faultOrValue([&] { return divide(a, b); }).c_str());
    }
    for (long n = 0; n < count / 10; ++n) {
        const testing::FixedRegionalSettings settings(n % 2 ? kDutchFormat : kEnglishFormat);
        testing::FakeWindow window;
        Commands commands(window, settings);
        window.type(Box::Text1, randomText(random, 4));
        window.type(Box::Text2, randomText(random, 4));
        window.type(Box::Text12, randomText(random, 10));
        commands.all();
        std::printf("all");
        for (int box = 1; box <= kBoxCount; ++box)
            std::printf(" [%s]", narrow(window.text(static_cast<Box>(box))).c_str());
        std::printf(" %d %zu\n", window.visible(Box::Text12), window.messages().size());
    }
    return 0;
}
