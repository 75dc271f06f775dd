// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the Windows program from outside, as another program on the same
// desktop can: finds its window, reads and writes its boxes, clicks its
// buttons, types into it, and finds the message boxes it opens. Checks the
// window's own facts against its description: each control's place, caption,
// limit, kind and place in the tab order, the wiring of every button and of
// Enter, the message box, texts that fit their box, the regional settings;
// and what the screen shows of it: every text whole and readable, in the
// colours of the desktop's scheme, and the focus, at 96, 120 and 144 dots
// per inch. The exercises themselves are the logic's tests' business.
// Usage: window_driver PROGRAM.exe english|dutch|120|144|dark|spoken VERSION
// (120, 144: the window at that many dots per inch; dark: what it paints
// in a dark colour scheme; spoken: the names a
// screen reader says and the live region it hears, a check for a real
// Windows, whose controls' accessible objects Wine 8 does not give another
// program)
#include "contrast.h"
#include "control_ids.h"
#include "exercise/window.h"
#include "form_events.h"
#include "spoken_summary.h"
#include "tests/built_window.h"
#include "tests/exercise_table.h"
#include "tests/ink.h"
#include "tests/stacked_caption.h"
#include "text_fit.h"
#include "window_description.h"

#include <objbase.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

using exercise::Box;

namespace {

int failures = 0;
int passes = 0;

std::string narrow(std::wstring_view text) {
    std::string out;
    for (const wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

void check(bool condition, const std::string& what) {
    if (condition) {
        ++passes;
    } else {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

template <typename T> void checkEqual(const T& actual, const T& expected, const std::string& what) {
    if constexpr (std::is_same_v<T, std::wstring>)
        check(actual == expected,
              what + ": \"" + narrow(actual) + "\", expected \"" + narrow(expected) + "\"");
    else
        check(actual == expected,
              what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

std::wstring wide(std::u16string_view text) { return {text.begin(), text.end()}; }

std::wstring textOf(HWND window) {
    wchar_t buffer[512]{};
    const auto length = SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return {buffer, static_cast<std::size_t>(length)};
}

std::wstring classOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

void pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

// Waits until the condition holds, for at most ten seconds.
template <typename Condition> bool waitFor(Condition&& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition()) return true;
        pause(20);
    }
    return condition();
}

// A message box that the program opened over its window, or none.
HWND messageBoxOf(HWND owner) {
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetWindow(window, GW_OWNER) == s->owner && classOf(window) == L"#32770" &&
                IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Program {
public:
    explicit Program(HWND window) : window_(window) {}

    [[nodiscard]] HWND window() const { return window_; }
    [[nodiscard]] HWND control(std::string_view name) const {
        return GetDlgItem(window_, shell::win32::controlId(shell::win32::rowOf(name)));
    }
    [[nodiscard]] HWND box(Box which) const { return control(shell::controlOf(which).name); }
    [[nodiscard]] std::wstring text(Box which) const { return textOf(box(which)); }
    void type(Box which, std::wstring_view text) const {
        SendMessageW(box(which), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
    }
    // A click that returns when its command has ended. A command that
    // opens a message box unexpectedly fails the check, and the box is
    // closed, instead of keeping the click waiting.
    void click(std::string_view button) const {
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(control(button), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored))
            return;
        HWND box = messageBoxOf(window_);
        check(false, std::string(button) + " did not end; a message box says: " +
                         (box ? narrow(textOf(box)) : std::string("nothing")));
        if (box) PostMessageW(box, WM_CLOSE, 0, 0);
        settle();
    }
    // A click that returns at once, for a command that opens a message box.
    void clickLater(std::string_view button) const {
        PostMessageW(control(button), BM_CLICK, 0, 0);
    }
    [[nodiscard]] HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
        return info.hwndFocus;
    }
    // Lets the program handle what was sent to it; what was posted to it is
    // waited for by its effect.
    void settle() const { SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr); }

private:
    HWND window_;
};

struct SeenMessage {
    std::wstring title, text;
    int buttons = 0;
    bool icon = false;
};

// Waits for the message box, reads it and presses its OK button.
SeenMessage answerMessageBox(const Program& program) {
    SeenMessage seen;
    HWND box = nullptr;
    if (!waitFor([&] { return (box = messageBoxOf(program.window())) != nullptr; })) return seen;
    seen.title = textOf(box);
    HWND ok = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = classOf(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (kind == L"Button") {
            ++seen.buttons;
            ok = child;
        } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            seen.icon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (kind == L"Static" && !textOf(child).empty()) {
            seen.text = textOf(child);
        }
    }
    if (ok) PostMessageW(ok, BM_CLICK, 0, 0);
    waitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    program.settle();
    return seen;
}

// Tab until the control has the focus.
void focusOn(const Program& program, HWND control) {
    for (int step = 0; step < 20 && program.focus() != control; ++step) {
        const HWND before = program.focus();
        PostMessageW(before, WM_KEYDOWN, VK_TAB, 0);
        waitFor([&] { return program.focus() != before; });
    }
    check(program.focus() == control,
          "the focus reaches control " + std::to_string(GetDlgCtrlID(control)) + " by Tab");
}

// Keys typed on the keyboard, as the pupil types them.
void typeKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> strokes;
    for (const WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        INPUT up = down;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        strokes.push_back(down);
        strokes.push_back(up);
    }
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

// A text typed into a box key by key, as the pupil types it.
void typeInto(const Program& program, Box box, std::wstring_view text) {
    SetForegroundWindow(program.window());
    waitFor([&] { return GetForegroundWindow() == program.window(); });
    focusOn(program, program.box(box));
    std::vector<INPUT> keys(2 * text.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wScan = text[i / 2];
        keys[i].ki.dwFlags = KEYEVENTF_UNICODE | (i % 2 == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    const bool typed = waitFor([&] { return program.text(box) == text; });
    check(typed, "the box holds what was typed: \"" + narrow(program.text(box)) + "\", typed \"" +
                     narrow(text) + "\"");
}

// ---------------------------------------------------------------------------

void windowFacts(const Program& program, int expectedDpi) {
    HWND window = program.window();
    // Another program's window tells Wine's driver no resolution of its
    // own: the screen's is the one the program takes, shown by its size.
    const int dpi = static_cast<int>(GetDpiForSystem());
    checkEqual(dpi, expectedDpi, "the screen's resolution");
    checkEqual(textOf(window), wide(shell::kWindowTitle), "caption");
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    checkEqual(static_cast<int>(origin.x), shell::pixels(shell::kScreenLeft, dpi),
               "client area's left on the screen");
    checkEqual(static_cast<int>(origin.y), shell::pixels(shell::kScreenTop, dpi),
               "client area's top on the screen");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    check((style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX) && (style & WS_MINIMIZEBOX),
          "a sizeable frame with the usual boxes");
}

// The version that the file carries.
void versionFacts(const std::wstring& version, const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> data(size);
    check(size > 0 && GetFileVersionInfoW(path.c_str(), 0, size, data.data()), "version info");
    auto field = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\041304B0\\") + name;
        if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            return std::wstring();
        return std::wstring(value, length > 0 ? length - 1 : 0);
    };
    checkEqual(field(L"ProductName"), std::wstring(L"cijferwerf"), "product name");
    checkEqual(field(L"FileVersion"), version, "file version");
    checkEqual(field(L"ProductVersion"), version, "product version");
}

// What the program built, read back through Win32: each control's place,
// text, input, limit, edge and alignment, and the focus after each Tab from
// the start; against the description.
// Moved to another resolution, the window takes the size that Windows
// suggests, and the boxes hold what the pupil did since.
void builtAsDescribed(const Program& program, int moved = 0) {
    shell::testing::BuiltWindow built;
    built.dotsPerInch = moved ? moved : static_cast<int>(GetDpiForSystem());
    RECT client{};
    GetClientRect(program.window(), &client);
    if (!moved) {
        built.width = static_cast<int>(client.right);
        built.height = static_cast<int>(client.bottom);
    }
    for (const shell::Control& control : shell::controls()) {
        HWND window = program.control(control.name);
        if (!window) continue; // one control short
        shell::testing::BuiltControl& seen = built.controls.emplace_back();
        seen.name = control.name;
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, program.window(), reinterpret_cast<POINT*>(&rect), 2);
        seen.left = static_cast<int>(rect.left);
        seen.top = static_cast<int>(rect.top);
        seen.width = static_cast<int>(rect.right - rect.left);
        seen.height = static_cast<int>(rect.bottom - rect.top);
        const std::wstring text = textOf(window);
        if (!moved) seen.text = std::u16string(text.begin(), text.end());
        // The fonts are the program's own: another process cannot read them.
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        const bool edit = classOf(window) == L"Edit";
        if (!edit && (style & SS_TYPEMASK) != SS_OWNERDRAW) continue;
        seen.edge = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE ? shell::Edge::Sunken
                                                                           : shell::Edge::Flat;
        // A box that takes no input is drawn by the program, which keeps
        // its text to the limit itself.
        if (!edit) {
            seen.input = IsWindowEnabled(window) ? shell::Input::Typing : shell::Input::Disabled;
            continue;
        }
        seen.input = !IsWindowEnabled(window) ? shell::Input::Disabled
                     : (style & ES_READONLY)  ? shell::Input::ReadOnly
                                              : shell::Input::Typing;
        // Above the window's own limits, the control's default: none.
        const auto limit = static_cast<std::size_t>(SendMessageW(window, EM_GETLIMITTEXT, 0, 0));
        seen.limit = limit >= 30000 ? 0 : limit;
        seen.alignment = style & ES_CENTER ? shell::Alignment::Centre : shell::Alignment::Left;
    }
    const auto focused = [&] {
        const int id = GetDlgCtrlID(program.focus());
        for (const shell::Control& control : shell::controls())
            if (program.control(control.name) == program.focus()) return std::string(control.name);
        return "control " + std::to_string(id);
    };
    if (!moved) built.startFocus = focused();
    built.tabWalk.push_back(focused());
    for (std::size_t step = 0; step < shell::testing::tabStops(); ++step) {
        const HWND before = program.focus();
        PostMessageW(before, WM_KEYDOWN, VK_TAB, 0);
        waitFor([&] { return program.focus() != before; });
        built.tabWalk.push_back(focused());
    }
    for (const std::string& difference : shell::testing::differences(built))
        check(false, difference);
    check(true, "the window as described");
}

// What a screen reader is told of each control.
void spokenNames(const Program& program) {
    for (const shell::Control& control : shell::controls()) {
        IAccessible* accessible = nullptr;
        const HRESULT result = AccessibleObjectFromWindow(
            program.control(control.name), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
            reinterpret_cast<void**>(&accessible));
        check(SUCCEEDED(result), std::string(control.name) + " has an accessible object");
        if (FAILED(result)) continue;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        accessible->get_accName(self, &name);
        const std::wstring spoken = name ? std::wstring(name, SysStringLen(name)) : L"";
        SysFreeString(name);
        accessible->Release();
        checkEqual(spoken, wide(control.spokenName()), std::string(control.name) + " spoken name");
    }
}

// The events that tell a screen reader that the live region's text changed.
int liveRegionChanges = 0;
void CALLBACK heardChange(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++liveRegionChanges;
}

// What a command did is the live region's text, in words, and the screen
// reader hears of it once; the region shows nothing and takes no focus.
void summariesInTheLiveRegion(const Program& program) {
    HWND live = GetDlgItem(program.window(), shell::win32::kAnnouncerId);
    program.click("Command6");
    program.type(Box::Text1, L"8");
    program.type(Box::Text2, L"4");
    program.type(Box::Text12, L"12");
    program.type(Box::Text13, L"3");
    program.click("Command1");
    checkEqual(textOf(live),
               std::wstring(L"8 plus 4 is 12, goed. 8 min 4 is 4, fout. 8 keer 4 is 32. "
                            L"8 gedeeld door 4 is 2."),
               "ALLES says its sums");
    RECT place{};
    GetWindowRect(live, &place);
    check(place.right == place.left && place.bottom == place.top, "the live region shows nothing");
    check((GetWindowLongW(live, GWL_STYLE) & WS_TABSTOP) == 0, "the live region takes no focus");
    program.click("Command6");
    checkEqual(textOf(live), wide(shell::kSpokenCleared), "OPNIEUW says so");
    DWORD process = 0;
    GetWindowThreadProcessId(program.window(), &process);
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        heardChange, process, 0, WINEVENT_OUTOFCONTEXT);
    program.type(Box::Text1, L"8");
    program.type(Box::Text2, L"4");
    program.clickLater("Command2");
    waitFor([] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        return liveRegionChanges > 0;
    });
    UnhookWinEvent(hook);
    checkEqual(liveRegionChanges, 1, "SOM tells the screen reader once");
}

// What a screen reader hears of the live region: its polite setting, as UI
// Automation reads it.
// The two UI Automation interfaces that the check asks, as far as it asks
// them: the compiler's headers leave them out. Their methods in the order of
// their interface definitions.
struct UiaElement : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE setFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE getRuntimeId(void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE findFirst(int, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE findAll(int, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE findFirstBuildCache(int, void*, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE findAllBuildCache(int, void*, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE buildUpdatedCache(void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE getCurrentPropertyValue(int property, VARIANT* value) = 0;
};
struct UiaAutomation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE compareElements(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE compareRuntimeIds(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE getRootElement(UiaElement**) = 0;
    virtual HRESULT STDMETHODCALLTYPE elementFromHandle(HWND window, UiaElement** element) = 0;
};
constexpr CLSID kUiAutomation = {
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr IID kUiAutomationInterface = {
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr int kLiveSettingProperty = 30135;

void liveRegionIsHeard(const Program& program) {
    HWND live = GetDlgItem(program.window(), shell::win32::kAnnouncerId);
    UiaAutomation* automation = nullptr;
    UiaElement* element = nullptr;
    VARIANT setting{};
    if (SUCCEEDED(CoCreateInstance(kUiAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                   kUiAutomationInterface,
                                   reinterpret_cast<void**>(&automation))) &&
        SUCCEEDED(automation->elementFromHandle(live, &element)) && element) {
        element->getCurrentPropertyValue(kLiveSettingProperty, &setting);
        element->Release();
    }
    if (automation) automation->Release();
    check(setting.vt == VT_I4 && setting.lVal == 1, "the live region is polite");
}

// Shift+Tab typed on the keyboard, and Enter on the focused button.
void tabOrder(const Program& program) {
    std::vector<HWND> expected;
    for (const shell::Control* control : shell::tabOrder())
        if (shell::takesFocus(*control->group)) expected.push_back(program.control(control->name));
    // Shift+Tab, typed on the keyboard as the pupil does: back from the
    // first control to the last.
    SetForegroundWindow(program.window());
    waitFor([&] { return GetForegroundWindow() == program.window(); });
    INPUT keys[4]{};
    for (INPUT& key : keys)
        key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_SHIFT;
    keys[1].ki.wVk = VK_TAB;
    keys[2].ki.wVk = VK_TAB;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_SHIFT;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    check(waitFor([&] { return program.focus() == expected.back(); }),
          "Shift+Tab from the first control reaches the last");

    // Enter presses the button that has the focus, here OPNIEUW, and no
    // other, however the button got the focus: by the mouse too, which the
    // dialog manager does not see. The focused button tells it that it is
    // the default, which is what it asks before it presses one.
    focusOn(program, program.box(Box::Text1));
    program.click("Command6");
    for (const shell::Control& control : shell::controls()) {
        if (control.group->kind != shell::Kind::Button) continue;
        HWND button = program.control(control.name);
        const auto code = SendMessageW(button, WM_GETDLGCODE, 0, 0);
        check(((code & DLGC_DEFPUSHBUTTON) != 0) == (button == expected.back()),
              std::string(control.name) + " is the default button only while it has the focus");
    }
    program.type(Box::Text1, L"8");
    INPUT enter[2]{};
    for (INPUT& key : enter) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_RETURN;
    }
    enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, enter, sizeof(INPUT));
    check(waitFor([&] { return program.text(Box::Text1).empty(); }),
          "Enter presses the focused button");
}

// Each exercise of the shared table under these regional settings, each
// after OPNIEUW: its numbers and answers put in, its button clicked or Enter
// typed into its operand box, and the message it opens answered.
void exercises(const Program& program, bool dutch) {
    for (const shell::testing::Exercise& exercise : shell::testing::kExercises) {
        if (exercise.dutch != dutch) continue;
        const std::string name = exercise.name;
        program.click("Command6");
        program.type(Box::Text1, wide(exercise.first));
        program.type(Box::Text2, wide(exercise.second));
        for (int answer = 0; answer < 4; ++answer)
            program.type(static_cast<Box>(static_cast<int>(Box::Text12) + answer),
                         wide(exercise.answers[static_cast<std::size_t>(answer)]));
        const shell::Control* button = nullptr;
        for (const shell::Control& control : shell::controls())
            if (control.click == exercise.click && exercise.click != shell::Click::None)
                button = &control;
        if (!exercise.message.empty()) {
            if (button)
                program.clickLater(button->name);
            else
                PostMessageW(program.box(exercise.enterIn), WM_CHAR, 13, 0);
            checkEqual(answerMessageBox(program).text, wide(exercise.message), name + " message");
        } else if (button) {
            program.click(button->name);
        } else {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(program.box(exercise.enterIn), WM_CHAR, 13, 0, SMTO_NORMAL, 5000,
                                &ignored);
        }
        // The table tells what a new window shows; a box the exercise
        // leaves alone shows the blank that OPNIEUW left here.
        for (int number = 3; number <= 11; ++number) {
            const auto box = static_cast<Box>(number);
            const std::u16string_view shown = exercise.shown[static_cast<std::size_t>(number - 3)];
            checkEqual(program.text(box), wide(shown == exercise::initialText(box) ? u" " : shown),
                       name + ": Text" + std::to_string(number));
        }
        for (int answer = 0; answer < 4; ++answer)
            checkEqual(IsWindowVisible(program.box(static_cast<Box>(12 + answer))) != 0,
                       exercise.answersShown[static_cast<std::size_t>(answer)],
                       name + ": Text" + std::to_string(12 + answer) + " shown");
    }
    // After OPNIEUW the boxes the pupil types into are empty, and any other
    // character than Enter only edits an operand box.
    program.click("Command6");
    checkEqual(program.text(Box::Text1), std::wstring(), "OPNIEUW empties the operand box");
    checkEqual(program.text(Box::Text12), std::wstring(), "OPNIEUW empties the answer box");
    PostMessageW(program.box(Box::Text1), WM_CHAR, L'7', 0);
    waitFor([&] { return !program.text(Box::Text1).empty(); });
    checkEqual(program.text(Box::Text1), std::wstring(L"7"), "a digit is typed as usual");
    checkEqual(program.text(Box::Text3), std::wstring(L" "), "a digit computes nothing");
}

void messages(const Program& program) {
    program.click("Command6");
    program.type(Box::Text1, L"7");
    program.clickLater("Command2");
    const SeenMessage noNumber = answerMessageBox(program);
    checkEqual(noNumber.title, std::wstring(L"LET OP !"), "message title");
    checkEqual(noNumber.text, std::wstring(L"Geef een getal"), "message text");
    check(noNumber.icon, "the message shows its stop icon");
    checkEqual(noNumber.buttons, 1, "the message has one button");
    checkEqual(program.text(Box::Text3), std::wstring(L" "), "no number changes nothing");

    // Under English settings 0,5 is five by the regional settings and 0 to
    // the point reader: no number to compute with.
    program.type(Box::Text1, L"5");
    program.type(Box::Text2, L"0,5");
    program.clickLater("Command5");
    checkEqual(answerMessageBox(program).text, std::wstring(L"Geef een getal"),
               "a number read two ways asks for a number");
    checkEqual(program.text(Box::Text6), std::wstring(L" "), "and changes nothing");
    program.type(Box::Text2, L"2");
    program.click("Command5");
    checkEqual(program.text(Box::Text6), std::wstring(L"2.5"), "the program goes on");
}

// A result is rounded to fit its box; a paste longer than its box keeps
// its beginning.
void textsFitTheirBox(const Program& program) {
    program.type(Box::Text1, L"2");
    program.type(Box::Text2, L"3");
    program.click("Command5");
    checkEqual(program.text(Box::Text6), std::wstring(L"0.66666667"), "a result rounded to ten");
    checkEqual(program.text(Box::Text10), std::wstring(L"2 : 3 = 0.66666667"),
               "the equation reads the rounded result");

    const std::wstring pasted = L"123456789012";
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    for (const Box box : {Box::Text1, Box::Text12}) {
        program.type(box, L"");
        SendMessageW(program.box(box), WM_PASTE, 0, 0);
        checkEqual(program.text(box).size(), exercise::maximumLength(box), "a paste is cut");
    }
}

// ---------------------------------------------------------------------------
// What the screen shows

// What the screen shows of a control's inside, 0xRRGGBB a pixel, row by row.
struct Picture {
    int width = 0, height = 0;
    std::vector<shell::Rgb> pixels;
    [[nodiscard]] shell::Rgb at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }
};

// A picture of 32 bits a pixel in memory, to copy into or draw on.
class Canvas {
public:
    Canvas(int width, int height) : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        before_ = SelectObject(memory_, bitmap_);
        picture_.width = width;
        picture_.height = height;
    }
    ~Canvas() {
        SelectObject(memory_, before_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    [[nodiscard]] HDC screen() const { return screen_; }
    [[nodiscard]] HDC dc() const { return memory_; }
    [[nodiscard]] Picture picture() {
        GdiFlush();
        const auto* words = static_cast<const std::uint32_t*>(bits_);
        picture_.pixels.assign(words, words + picture_.width * picture_.height);
        for (shell::Rgb& pixel : picture_.pixels)
            pixel &= 0xFFFFFF;
        return picture_;
    }

private:
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ before_ = nullptr;
    void* bits_ = nullptr;
    Picture picture_;
};

Picture capture(const Program& program, HWND control) {
    program.settle();
    pause(100); // the paint that follows what was sent
    RECT inside{};
    GetClientRect(control, &inside);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    Canvas canvas(inside.right, inside.bottom);
    BitBlt(canvas.dc(), 0, 0, inside.right, inside.bottom, canvas.screen(), origin.x, origin.y,
           SRCCOPY);
    return canvas.picture();
}

// The first and last column in which anything but the background is painted;
// an empty span is {width, -1}.
std::pair<int, int> inkColumns(const Picture& picture, shell::Rgb background) {
    std::pair<int, int> span{picture.width, -1};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.at(x, y) != background)
                span = {std::min(span.first, x), std::max(span.second, x)};
    return span;
}

double strongestContrast(const Picture& picture, shell::Rgb background) {
    double strongest = 1.0;
    for (const shell::Rgb pixel : picture.pixels)
        strongest = std::max(strongest, shell::contrastRatio(pixel, background));
    return strongest;
}

shell::Rgb rgbOf(COLORREF colour) {
    return static_cast<shell::Rgb>(GetRValue(colour)) << 16 |
           static_cast<shell::Rgb>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// The extent of what is painted in anything but the background: the colour
// at the start of each row, where a caption in the middle leaves it, and
// which a button's face may shade from row to row; and, of a text drawn
// apart, how far it moves the pen.
struct Ink : shell::testing::Ink {
    int advance = 0;
};

Ink inkOf(const Picture& picture) {
    return {shell::testing::inkIn(0, 0, picture.width - 1, picture.height - 1,
                                  [&](int x, int y) { return picture.at(x, y); })};
}

// The ink of a whole caption on one line, drawn apart in the window's face
// at a height of so many pixels.
Ink wholeCaptionInk(const std::wstring& caption, int pixels, bool bold) {
    constexpr int kWidth = 1200, kHeight = 120;
    Canvas canvas(kWidth, kHeight);
    HFONT font = CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    HGDIOBJ before = SelectObject(canvas.dc(), font);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutW(canvas.dc(), 10, 10, caption.c_str(), static_cast<int>(caption.size()));
    SIZE extent{};
    GetTextExtentPoint32W(canvas.dc(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    Ink ink = inkOf(canvas.picture());
    SelectObject(canvas.dc(), before);
    DeleteObject(font);
    ink.left -= 10; // from where the pen started
    ink.right -= 10;
    ink.advance = extent.cx;
    return ink;
}

// Whether the ink is that of the whole text on one line, drawn apart in the
// group's face at one of the sizes from seven points up to the group's own
// at the screen's resolution, in width and height. A text that lost a word
// to a second line, or was cut at an edge, is narrower than the whole text
// at its height.
bool paintsWhole(const Ink& painted, const std::wstring& text, const shell::Group& group, int dpi) {
    const int smallest = static_cast<int>(std::lround(shell::kSmallestPoints * dpi / 72.0));
    const int own = static_cast<int>(std::lround(group.points * dpi / 72.0));
    for (int pixels = smallest; pixels <= own; ++pixels) {
        const Ink drawn = wholeCaptionInk(text, pixels, group.bold);
        if (std::abs(drawn.rows() - painted.rows()) <= 1 &&
            std::abs(drawn.width() - painted.width()) <= 2)
            return true;
    }
    return false;
}

// Each result shows whole and readable on its green, also a long result
// after a short one.
void resultsShowWhole(const Program& program) {
    program.click("Command6");
    program.type(Box::Text1, L"1");
    program.type(Box::Text2, L"3");
    program.click("Command1");
    program.type(Box::Text1, L"-1E9");
    program.type(Box::Text2, L"7");
    program.click("Command1");
    for (const Box box : {Box::Text3, Box::Text4, Box::Text5, Box::Text6}) {
        const std::string name = "Text" + std::to_string(static_cast<int>(box));
        const Picture shown = capture(program, program.box(box));
        const auto [first, last] = inkColumns(shown, shell::kBrightGreen);
        check(first >= 1 && last <= shown.width - 2 && first <= last,
              name + " shows " + narrow(program.text(box)) + " whole: ink from column " +
                  std::to_string(first) + " to " + std::to_string(last) + " of " +
                  std::to_string(shown.width));
        const double contrast = strongestContrast(shown, shell::kBrightGreen);
        check(contrast >= shell::kTextContrast,
              name + " text contrast " + std::to_string(contrast) + " on its green");
    }
    // What a pupil types, key by key, shows whole too: at the size that the
    // fit rule chooses for the room the box gives its text, from where the
    // whole text centred in that room begins. Scrolled, it begins elsewhere;
    // cut, it is narrower.
    program.click("Command6");
    const int dpi = static_cast<int>(GetDpiForSystem());
    const auto ink = [dpi](const std::wstring& text, double points, bool bold) {
        return wholeCaptionInk(text, static_cast<int>(std::lround(points * dpi / 72.0)), bold);
    };
    for (const auto& [box, typed] :
         {std::pair{Box::Text1, L"-1E9"}, std::pair{Box::Text2, L"9999"},
          std::pair{Box::Text12, L"-999990002"}, std::pair{Box::Text13, L"1000009998"},
          std::pair{Box::Text14, L"-9,999E+11"}, std::pair{Box::Text15, L"0,66666667"}}) {
        typeInto(program, box, typed);
        typeKeys({VK_TAB}); // away, with the focus frame and the caret
        waitFor([&] { return program.focus() != program.box(box); });
        const shell::Group& group = *shell::controlOf(box).group;
        RECT format{};
        SendMessageW(program.box(box), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int room = format.right - format.left;
        const double points = shell::fittingPointSize(
            group.points, shell::roomInside(room, shell::kInkPixels),
            [&](double size) { return ink(typed, size, group.bold).advance; });
        const Ink whole = ink(typed, points, group.bold);
        const Ink painted = inkOf(capture(program, program.box(box)));
        const int left = format.left + (room - whole.advance) / 2 + whole.left;
        check(std::abs(painted.left - left) <= 1 && std::abs(painted.width() - whole.width()) <= 1,
              narrow(typed) + " typed shows whole at " + std::to_string(points) + " pt: ink from " +
                  std::to_string(painted.left) + ", " + std::to_string(painted.width()) +
                  " wide, not " + std::to_string(left) + ", " + std::to_string(whole.width()));
    }
}

// The boxes the pupil types into are painted in the scheme's window colour.
void typingBoxesInTheWindowColour(const Program& program) {
    program.click("Command6");
    const shell::Rgb window = rgbOf(GetSysColor(COLOR_WINDOW));
    for (const Box box : {Box::Text1, Box::Text2, Box::Text12, Box::Text15}) {
        const Picture shown = capture(program, program.box(box));
        const auto painted = std::count(shown.pixels.begin(), shown.pixels.end(), window);
        check(painted * 10 >= static_cast<long>(shown.pixels.size()) * 9,
              "Text" + std::to_string(static_cast<int>(box)) + " is painted in the window colour");
    }
}

// The outline of every box and button with an edge stands out from the
// window, as the program draws it over the system's edge.
void edgesStandOut(const Program& program) {
    capture(program, program.window()); // once all is painted
    HDC screen = GetDC(nullptr);
    for (const shell::Control& control : shell::controls()) {
        if (!shell::hasEdge(*control.group)) continue;
        RECT rect{};
        GetWindowRect(program.control(control.name), &rect);
        for (const LONG x : {rect.left, rect.right - 1}) {
            const shell::Rgb outline = rgbOf(GetPixel(screen, x, (rect.top + rect.bottom) / 2));
            check(shell::contrastRatio(outline, shell::kLightGreen) >= shell::kFrameContrast,
                  std::string(control.name) + "'s edge stands out from the window");
        }
    }
    ReleaseDC(nullptr, screen);
}

// Every label and button paints its whole caption on its one line: as the
// caption drawn apart at one of the sizes from seven points up to the
// control's own at the screen's resolution looks, in width and height. A
// caption that lost a word to a second line, or was cut at an edge, is
// narrower than the whole caption at its height. A caption in capitals
// also stands as tall as its own size makes it.
void captionsShowWhole(const Program& program, int dpi = static_cast<int>(GetDpiForSystem())) {
    focusOn(program, program.box(Box::Text1)); // no button shows a focus frame
    for (const shell::Control& control : shell::controls()) {
        const shell::Group& group = *control.group;
        if (group.kind == shell::Kind::TextBox) continue;
        const std::string name(control.name);
        Picture shown = capture(program, program.control(control.name));
        const double ownPixels = group.points * dpi / 72.0;
        if (group.kind == shell::Kind::Button) {
            // The caption, inside the button's own edge.
            const int inset = std::max(3, dpi / 32);
            Picture inner;
            inner.width = shown.width - 2 * inset;
            inner.height = shown.height - 2 * inset;
            for (int y = inset; y < shown.height - inset; ++y)
                for (int x = inset; x < shown.width - inset; ++x)
                    inner.pixels.push_back(shown.at(x, y));
            shown = inner;
        }
        if (const auto lines = std::count(control.caption.begin(), control.caption.end(), u'\n');
            lines > 0) {
            const int rows = inkOf(shown).rows();
            check(rows >= shell::testing::leastStackedCaptionRows(ownPixels,
                                                                  static_cast<int>(lines) + 1),
                  name + " caption " + std::to_string(rows) + " pixels tall at " +
                      std::to_string(dpi) + " dots per inch");
            continue;
        }
        const Ink painted = inkOf(shown);
        check(paintsWhole(painted, wide(control.caption), group, dpi),
              name + " paints its whole caption: ink of " + std::to_string(painted.width()) +
                  " by " + std::to_string(painted.rows()) + " pixels at " + std::to_string(dpi) +
                  " dots per inch");
        const bool capitals = std::none_of(control.caption.begin(), control.caption.end(),
                                           [](char16_t c) { return c >= u'a' || c == u'('; });
        if (capitals)
            check(painted.rows() >= static_cast<int>(0.6 * ownPixels),
                  name + " caption " + std::to_string(painted.rows()) + " pixels tall at " +
                      std::to_string(dpi) + " dots per inch");
    }
}

// Dragged to a screen of another resolution, as Windows tells the window:
// the resolution, and the place it suggests, in the program's own memory.
// Every control stands at its place and size there, its caption drawn whole
// at its size there, and the boxes typed into keep their text two pixels
// from their edge, as at the start.
void movedToAnotherResolution(const Program& program, int dpi) {
    DWORD id = 0;
    GetWindowThreadProcessId(program.window(), &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
    RECT suggested{0, 0, shell::pixels(shell::kClientWidth, dpi),
                   shell::pixels(shell::kClientHeight, dpi)};
    AdjustWindowRectExForDpi(
        &suggested, static_cast<DWORD>(GetWindowLongW(program.window(), GWL_STYLE)), FALSE,
        static_cast<DWORD>(GetWindowLongW(program.window(), GWL_EXSTYLE)), static_cast<UINT>(dpi));
    OffsetRect(&suggested, -suggested.left, -suggested.top);
    void* there = process ? VirtualAllocEx(process, nullptr, sizeof suggested,
                                           MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                          : nullptr;
    check(there && WriteProcessMemory(process, there, &suggested, sizeof suggested, nullptr),
          "the suggested place reaches the program");
    if (!there) return;
    SendMessageW(program.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(there));
    program.settle();
    builtAsDescribed(program, dpi);
    captionsShowWhole(program, dpi);
    for (const shell::Control& control : shell::controls()) {
        if (!control.box || control.group->input != shell::Input::Typing) continue;
        const auto margins =
            static_cast<DWORD>(SendMessageW(program.control(control.name), EM_GETMARGINS, 0, 0));
        checkEqual(static_cast<int>(LOWORD(margins)) * 100 + HIWORD(margins),
                   shell::kTextEdgePixels * 101,
                   std::string(control.name) + " margins at " + std::to_string(dpi));
    }
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
    CloseHandle(process);
}

// Every caption, and what a pupil types, stands out from what it is written
// on as far as its group asks, whatever the colour scheme gives.
void textsRead(const Program& program) {
    focusOn(program, program.control("Command1")); // no box shows a focus frame
    program.type(Box::Text1, L"7");
    program.type(Box::Text12, L"8");
    for (const shell::Control& control : shell::controls()) {
        const shell::Group& group = *control.group;
        const bool typed = control.box == Box::Text1 || control.box == Box::Text12;
        if (group.kind != shell::Kind::Label && !typed) continue;
        const shell::Rgb background =
            group.background.fixed ? *group.background.fixed : rgbOf(GetSysColor(COLOR_WINDOW));
        const double contrast =
            strongestContrast(capture(program, program.control(control.name)), background);
        check(contrast >= group.leastContrast,
              std::string(control.name) + " text contrast " + std::to_string(contrast));
    }
}

// The division notice is painted in a red that reads on the light green.
void noticeReads(const Program& program) {
    program.type(Box::Text1, L"5");
    program.type(Box::Text2, L"0");
    program.click("Command5");
    const Picture shown = capture(program, program.box(Box::Text11));
    shell::Rgb darkest = shell::kLightGreen;
    for (const shell::Rgb pixel : shown.pixels)
        if (shell::contrastRatio(pixel, shell::kLightGreen) >
            shell::contrastRatio(darkest, shell::kLightGreen))
            darkest = pixel;
    const double contrast = shell::contrastRatio(darkest, shell::kLightGreen);
    check(contrast >= shell::kTextContrast,
          "the notice's text contrast " + std::to_string(contrast) + " on the light green");
    check((darkest >> 16 & 0xFF) > 0x80 && (darkest >> 8 & 0xFF) < 0x30 && (darkest & 0xFF) < 0x30,
          "the notice stays red");
}

// The focus shows on every control that takes it: a mark along its edge
// that stands out 3:1 from what the control is filled with, in the
// desktop's colour scheme as it is (the window test runs it in the light
// one and in a dark one with a dark highlight colour).
void focusMarks(const Program& program) {
    std::vector<const shell::Control*> order;
    for (const shell::Control* control : shell::tabOrder())
        if (shell::takesFocus(*control->group)) order.push_back(control);
    program.click("Command6"); // the typing boxes empty
    focusOn(program, program.control(order.back()->name));
    for (std::size_t i = 0; i < order.size(); ++i) {
        HWND control = program.control(order[i]->name);
        const Picture without = capture(program, control);
        focusOn(program, control);
        const Picture with = capture(program, control);
        const shell::Colour& fill = order[i]->group->background;
        const shell::Rgb filled =
            fill.fixed
                ? *fill.fixed
                : rgbOf(GetSysColor(fill.role == shell::ColourRole::ButtonFace ? COLOR_BTNFACE
                                                                               : COLOR_WINDOW));
        // Along the edge, clear of a selected text in the middle.
        int marked = 0;
        for (int y = 0; y < with.height; ++y)
            for (int x = 0; x < with.width; ++x) {
                const bool edge = std::min({x, y, with.width - 1 - x, with.height - 1 - y}) < 5;
                marked +=
                    edge && with.at(x, y) != without.at(x, y) &&
                            shell::contrastRatio(with.at(x, y), filled) >= shell::kFrameContrast
                        ? 1
                        : 0;
            }
        check(marked >= 2 * (with.width + with.height),
              std::string(order[i]->name) + " shows the focus: " + std::to_string(marked) +
                  " marked pixels");
    }
}

// After a message box the focus is back where it was, and Tab goes on from
// there.
void focusAfterAMessage(const Program& program) {
    program.click("Command6");
    SetForegroundWindow(program.window());
    waitFor([&] { return GetForegroundWindow() == program.window(); });
    // To Text1 by the keyboard: OPNIEUW has the focus, and Text1 comes after
    // ALLES, the first control.
    PostMessageW(program.focus(), WM_KEYDOWN, VK_TAB, 0);
    waitFor([&] { return program.focus() == program.control("Command1"); });
    PostMessageW(program.focus(), WM_KEYDOWN, VK_TAB, 0);
    check(waitFor([&] { return program.focus() == program.box(Box::Text1); }), "Tab reaches Text1");
    typeKeys({VK_RETURN});
    checkEqual(answerMessageBox(program).text, std::wstring(L"Geef een getal"),
               "Enter in an empty operand box asks for a number");
    check(waitFor([&] { return program.focus() == program.box(Box::Text1); }),
          "after the message the focus is back on Text1");
    typeKeys({VK_TAB});
    check(waitFor([&] { return program.focus() == program.box(Box::Text2); }),
          "and Tab goes on to Text2");
}

void dutchSettings(const Program& program) {
    program.type(Box::Text1, L"3");
    program.type(Box::Text2, L"0,5");
    program.click("Command1");
    checkEqual(program.text(Box::Text3), std::wstring(L"3,5"), "a decimal comma is written");
    checkEqual(program.text(Box::Text6), std::wstring(L"6"), "a decimal comma is read");
    check(messageBoxOf(program.window()) == nullptr, "no fault under Dutch settings");

    // No text a pupil can type reaches the arithmetic fault; one put into
    // the box past its limit does: 1E999 is beyond the double range, and
    // infinity times zero is an invalid operation. The fault is reported in
    // the window's words, and the program goes on.
    program.type(Box::Text1, L"1E999");
    program.type(Box::Text2, L"0");
    program.clickLater("Command4");
    const SeenMessage fault = answerMessageBox(program);
    checkEqual(fault.title, wide(shell::kWindowTitle), "fault title");
    checkEqual(fault.text, wide(shell::faultReport(exercise::FaultCondition::InvalidOperation)),
               "fault text");
    check(fault.icon, "the fault shows a stop icon");
    program.type(Box::Text1, L"5");
    program.type(Box::Text2, L"2");
    program.click("Command5");
    checkEqual(program.text(Box::Text6), std::wstring(L"2,5"), "the program goes on");
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::printf("usage: window_driver PROGRAM.exe english|dutch|120|144|dark|spoken VERSION\n");
        return 2;
    }
    const std::wstring program = argv[1], settings = argv[2], version = argv[3];
    // Places and sizes as the program sees them, at the screen's resolution.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::printf("FAIL: the program does not start\n");
        return 1;
    }
    WaitForInputIdle(process.hProcess, 30000);
    HWND window = nullptr;
    waitFor([&] {
        window = FindWindowW(shell::win32::kWindowClass, wide(shell::kWindowTitle).c_str());
        return window != nullptr && IsWindowVisible(window);
    });
    if (!window) {
        std::printf("FAIL: no window appeared\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    const Program driven(window);
    driven.settle();

    if (settings == L"dutch") {
        exercises(driven, true);
        dutchSettings(driven);
    } else if (settings == L"120" || settings == L"144") {
        windowFacts(driven, std::stoi(settings));
        builtAsDescribed(driven);
        captionsShowWhole(driven);
        resultsShowWhole(driven);
    } else if (settings == L"dark") {
        textsRead(driven);
        captionsShowWhole(driven);
        resultsShowWhole(driven);
        typingBoxesInTheWindowColour(driven);
        noticeReads(driven);
        focusMarks(driven);
        edgesStandOut(driven);
    } else if (settings == L"spoken") {
        spokenNames(driven);
        liveRegionIsHeard(driven);
    } else {
        windowFacts(driven, 96);
        versionFacts(version, program);
        builtAsDescribed(driven);
        tabOrder(driven);
        exercises(driven, false);
        summariesInTheLiveRegion(driven);
        messages(driven);
        textsFitTheirBox(driven);
        captionsShowWhole(driven);
        resultsShowWhole(driven);
        typingBoxesInTheWindowColour(driven);
        edgesStandOut(driven);
        noticeReads(driven);
        textsRead(driven);
        focusMarks(driven);
        focusAfterAMessage(driven);
        movedToAnotherResolution(driven, 144);
    }

    // Closing the window ends the program at once.
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    check(ended, "closing the window ends the program");
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
