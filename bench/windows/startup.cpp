// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of two Windows programs, taking turns: from the process's
// creation until its window is shown and has taken its first input, then
// closed. Prints the median and the quartiles of each, in milliseconds.
// Usage: startup RUNS PROGRAM.exe WINDOW_CLASS REFERENCE.exe REFERENCE_CLASS
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double now() {
    LARGE_INTEGER count{}, frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the window shows, or a negative number.
double once(const std::wstring& program, const std::wstring& windowClass) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double start = now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    HWND window = nullptr;
    while (now() - start < 30000) {
        window = FindWindowW(windowClass.c_str(), nullptr);
        if (window && IsWindowVisible(window) &&
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 1000, nullptr))
            break;
        window = nullptr;
        Sleep(5); // a tighter poll keeps Wine's server from the program it measures
    }
    const double elapsed = now() - start;
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window ? elapsed : -1;
}

void report(const char* name, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) {
        return times[static_cast<std::size_t>(q * (times.size() - 1))];
    };
    std::printf("%-10s median %.1f ms (quartiles %.1f to %.1f) over %zu runs\n", name, at(0.5),
                at(0.25), at(0.75), times.size());
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 6) return 2;
    const int runs = std::stoi(argv[1]);
    std::vector<double> program, reference;
    once(argv[2], argv[3]); // the first start of each fills the caches
    once(argv[4], argv[5]);
    for (int run = 0; run < runs; ++run) {
        const double a = once(argv[2], argv[3]);
        const double b = once(argv[4], argv[5]);
        if (a < 0 || b < 0) {
            std::printf("a window did not appear\n");
            return 1;
        }
        program.push_back(a);
        reference.push_back(b);
    }
    report("cijferwerf", program);
    report("bare", reference);
    std::sort(program.begin(), program.end());
    std::sort(reference.begin(), reference.end());
    std::printf("ratio of medians %.2f\n",
                program[program.size() / 2] / reference[reference.size() / 2]);
    return 0;
}
