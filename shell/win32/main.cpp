// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"
#include "regional_settings.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const SystemRegionalSettings settings;
    Form1 form(settings);
    if (!form.create(instance, show)) return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager takes Tab, Shift+Tab and Enter on a button, and
        // passes every other message on.
        if (IsDialogMessageW(form.handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
