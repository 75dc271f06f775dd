// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reference for the Windows window's start-up: a bare Win32 window of
// the same size with 26 plain controls (5 labels, 6 buttons, 15 edit
// boxes) and nothing else: no description, no fonts, no colours.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"Bare.Window";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"Bare.Window", L"Bare", WS_OVERLAPPEDWINDOW, 204, 249, 465,
                                  325, nullptr, nullptr, instance, nullptr);
    const wchar_t* classes[] = {L"STATIC", L"BUTTON", L"EDIT"};
    const int counts[] = {5, 6, 15};
    int made = 0;
    for (int kind = 0; kind < 3; ++kind)
        for (int i = 0; i < counts[kind]; ++i, ++made)
            CreateWindowExW(0, classes[kind], L"0", WS_CHILD | WS_VISIBLE, 8 + (made % 4) * 110,
                            8 + (made / 4) * 36, 100, 24, window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
