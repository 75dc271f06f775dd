// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regional_settings.h"

#include <QLocale>

exercise::NumberFormat SystemRegionalSettings::numberFormat() const {
    const QLocale locale = QLocale::system();
    exercise::NumberFormat format;
    if (const QString decimal = locale.decimalPoint(); decimal.size() == 1)
        format.decimalSeparator = decimal.front().unicode();
    if (const QString group = locale.groupSeparator(); group.size() == 1)
        format.groupSeparator = group.front().unicode();
    return format;
}
