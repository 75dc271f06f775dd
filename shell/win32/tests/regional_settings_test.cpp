// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every locale Windows knows, read as the window reads the user's own: its
// separators are a pair the logic is checked with, and a pupil's decimal
// sums come out right and can be typed back.
#include "decimals_under.h"
#include "regional_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> everyLocale() {
    std::vector<std::wstring> names;
    EnumSystemLocalesEx(
        [](LPWSTR name, DWORD, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
            return TRUE;
        },
        LOCALE_ALL, reinterpret_cast<LPARAM>(&names), nullptr);
    return names;
}

// A test's name: the locale's, letters and digits kept.
std::string testName(const ::testing::TestParamInfo<std::wstring>& info) {
    std::string name = std::to_string(info.index);
    name += '_';
    for (const wchar_t c : info.param)
        name += iswalnum(c) && c < 0x80 ? static_cast<char>(c) : '_';
    return name;
}

class LocaleSettings final : public exercise::RegionalSettings {
public:
    explicit LocaleSettings(std::wstring name) : name_(std::move(name)) {}
    [[nodiscard]] exercise::NumberFormat numberFormat() const override {
        return numberFormatOf(name_.c_str());
    }

private:
    std::wstring name_;
};

class EveryLocale : public ::testing::TestWithParam<std::wstring> {};

TEST_P(EveryLocale, DecimalSumsComeOutRight) {
    const LocaleSettings settings(GetParam());
    const exercise::NumberFormat format = settings.numberFormat();
    EXPECT_TRUE(exercise::testing::isPlatformSeparators(format))
        << "separators " << exercise::testing::separatorsName(format);
    EXPECT_EQ(exercise::testing::decimalsUnder(settings), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryLocale, ::testing::ValuesIn(everyLocale()), testName);

TEST(EveryLocale, AreMany) { EXPECT_GT(everyLocale().size(), 200u); }

} // namespace
