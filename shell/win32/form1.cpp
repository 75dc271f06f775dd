// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "control_ids.h"
#include "placement.h"
#include "result_fit.h"

#include <initguid.h> // the accessibility GUIDs defined here, once
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

using exercise::Box;
using shell::Control;
using shell::Group;
using shell::Input;
using shell::Kind;

namespace {

// ---------------------------------------------------------------------------
// Colours

// Windows writes colours as 0x00BBGGRR, the description as 0xRRGGBB.
COLORREF colorRef(shell::Rgb rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
shell::Rgb rgbOf(COLORREF colour) {
    return static_cast<shell::Rgb>(GetRValue(colour)) << 16 |
           static_cast<shell::Rgb>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// The desktop's colour roles, as this platform names them.
int systemColourIndex(shell::ColourRole role) {
    switch (role) {
    case shell::ColourRole::WindowBackground:
        return COLOR_WINDOW;
    case shell::ColourRole::WindowText:
        return COLOR_WINDOWTEXT;
    case shell::ColourRole::ButtonFace:
        return COLOR_BTNFACE;
    case shell::ColourRole::ButtonText:
        return COLOR_BTNTEXT;
    case shell::ColourRole::MenuText:
        return COLOR_MENUTEXT;
    case shell::ColourRole::ActiveTitleBar:
        return COLOR_ACTIVECAPTION;
    }
    return COLOR_WINDOW;
}

// Read when the control is drawn, as the desktop's scheme stands then.
shell::Rgb resolve(const shell::Colour& colour) {
    return colour.fixed ? *colour.fixed : rgbOf(GetSysColor(systemColourIndex(colour.role)));
}

// A text colour from the scheme made readable on its background; a fixed
// one as it is.
shell::Rgb textColour(const Group& group, shell::Rgb background) {
    const shell::Rgb text = resolve(group.foreground);
    return group.foreground.fixed ? text : shell::readableOn(text, background, group.leastContrast);
}

// ---------------------------------------------------------------------------
// Texts

const wchar_t* wide(std::u16string_view text, std::wstring& storage) {
    storage.assign(text.begin(), text.end());
    return storage.c_str();
}

std::u16string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return {text.begin(), text.end()};
}

HFONT createFont(double points, bool bold, UINT dpi) {
    std::wstring face;
    return CreateFontW(-static_cast<int>(std::lround(points * dpi / 72.0)), 0, 0, 0,
                       bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, wide(shell::kFontFace, face));
}

// Posted to the window once it shows.
constexpr UINT kNameControls = WM_APP + 1;

// Where a subclassed control keeps the procedure it had before.
constexpr wchar_t kOriginalProcedure[] = L"Cijferwerf.OriginalProcedure";

LRESULT callOriginal(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(control, kOriginalProcedure));
    return CallWindowProcW(original, control, message, wParam, lParam);
}

void subclass(HWND control, WNDPROC procedure, void* owner) {
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    const LONG_PTR original =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetPropW(control, kOriginalProcedure, reinterpret_cast<HANDLE>(original));
}

// A control takes the focus when its group does and it is shown.
bool takesFocus(const Control& control, HWND window) {
    return shell::takesFocus(*control.group) && IsWindowVisible(window) && IsWindowEnabled(window);
}

} // namespace

// ---------------------------------------------------------------------------
// Making the window

Form1::Form1(const exercise::RegionalSettings& settings) : commands_(*this, settings) {}

Form1::~Form1() {
    if (comStarted_) CoUninitialize();
    freeFonts();
    for (HBRUSH brush : {lightGreen_, brightGreen_})
        if (brush) DeleteObject(brush);
}

bool Form1::create(HINSTANCE instance, int show) {
    lightGreen_ = CreateSolidBrush(colorRef(shell::kLightGreen));
    brightGreen_ = CreateSolidBrush(colorRef(shell::kBrightGreen));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // the arrow
    windowClass.hbrBackground = lightGreen_;
    windowClass.lpszClassName = shell::win32::kWindowClass;
    if (!RegisterClassExW(&windowClass)) return false;

    std::wstring title;
    window_ = CreateWindowExW(0, shell::win32::kWindowClass, wide(shell::kWindowTitle, title),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!window_) return false;
    dpi_ = GetDpiForWindow(window_);

    // The client area at its fixed place and size, the frame around it, and
    // the whole kept on the screen's work area.
    RECT frame{shell::pixels(shell::kScreenLeft, static_cast<int>(dpi_)),
               shell::pixels(shell::kScreenTop, static_cast<int>(dpi_)), 0, 0};
    frame.right = frame.left + shell::pixels(shell::kClientWidth, static_cast<int>(dpi_));
    frame.bottom = frame.top + shell::pixels(shell::kClientHeight, static_cast<int>(dpi_));
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const shell::Rect place = shell::keptOnScreen(
        {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
        {work.left, work.top, work.right - work.left, work.bottom - work.top});
    SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
    createControls();
    ShowWindow(window_, show);
    UpdateWindow(window_);
    // The focus on the first control in tab order that takes it.
    SetFocus(nullptr);
    moveFocus(true);
    PostMessageW(window_, kNameControls, 0, 0);
    return true;
}

void Form1::createControls() {
    const auto all = shell::controls();
    for (std::size_t row = 0; row < all.size(); ++row) {
        const Control& control = all[row];
        const Group& group = *control.group;
        const wchar_t* windowClass = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD extended = 0;
        switch (group.kind) {
        case Kind::Label:
            style |= SS_CENTER | SS_NOPREFIX;
            break;
        case Kind::Button:
            windowClass = L"BUTTON";
            style |= BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP;
            break;
        case Kind::TextBox:
            if (group.input == Input::Disabled) {
                // Drawn by the window itself, so that its text reaches the
                // contrast that the platform's grey does not; disabled, it
                // takes neither the focus nor typing.
                style |= SS_OWNERDRAW | WS_DISABLED;
            } else {
                windowClass = L"EDIT";
                style |= ES_AUTOHSCROLL | WS_TABSTOP |
                         (group.alignment == shell::Alignment::Centre ? ES_CENTER : ES_LEFT) |
                         (group.input == Input::ReadOnly ? ES_READONLY : 0);
            }
            if (group.edge == shell::Edge::Sunken) extended |= WS_EX_CLIENTEDGE;
            break;
        }
        std::wstring text;
        const std::u16string_view initial =
            control.box ? exercise::initialText(*control.box) : control.caption;
        HWND window = CreateWindowExW(
            extended, windowClass, wide(initial, text), style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(shell::win32::controlId(row))),
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
        controls_[row] = window;
        if (control.box) {
            if (const std::size_t limit = exercise::maximumLength(*control.box);
                limit > 0 && group.input != Input::Disabled)
                SendMessageW(window, EM_SETLIMITTEXT, limit, 0);
            if (*control.box == Box::Text1 || *control.box == Box::Text2)
                subclass(window, operandProcedure, this);
            else if (group.edge == shell::Edge::Flat)
                subclass(window, flatBoxProcedure, this);
        }
    }
    makeFonts();
    layOut();
}

// What a screen reader says of each control, as an annotation of its
// accessible object. Done once the window shows, for the accessibility
// services take longer to start than the window itself.
void Form1::nameControls() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IAccPropServices* names = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&names))))
        return;
    const auto all = shell::controls();
    for (std::size_t row = 0; row < all.size(); ++row) {
        std::wstring name;
        names->SetHwndPropStr(controls_[row], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, wide(all[row].spokenName(), name));
    }
    names->Release();
}

void Form1::layOut() {
    const auto all = shell::controls();
    const int dpi = static_cast<int>(dpi_);
    for (std::size_t row = 0; row < all.size(); ++row) {
        const Control& control = all[row];
        SetWindowPos(controls_[row], nullptr, shell::pixels(control.left, dpi),
                     shell::pixels(control.top, dpi), shell::pixels(control.width, dpi),
                     shell::pixels(control.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const Box box : {Box::Text3, Box::Text4, Box::Text5, Box::Text6})
        fitResult(box);
}

// The window's fonts are few (four sizes, and those a result is fitted in),
// made once at the window's resolution and shared by the controls.
HFONT Form1::font(double points, bool bold) {
    const auto key = std::pair{static_cast<int>(std::lround(points * 100)), bold};
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    return fonts_[key] = createFont(points, bold, dpi_);
}

void Form1::makeFonts() {
    freeFonts();
    const auto all = shell::controls();
    for (std::size_t row = 0; row < all.size(); ++row)
        SendMessageW(controls_[row], WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(all[row].group->points, all[row].group->bold)),
                     TRUE);
}

void Form1::freeFonts() {
    for (const auto& [key, made] : fonts_)
        DeleteObject(made);
    fonts_.clear();
}

// The largest size, down from the box's own, at which the whole result
// fits inside its box, with a pixel clear of the edge on each side.
void Form1::fitResult(Box which) {
    const Control& control = shell::controlOf(which);
    HWND result = box(which);
    RECT inside{};
    GetClientRect(result, &inside);
    const double room = (inside.right - inside.left) - 2 * (2 + 1);
    std::wstring text;
    wide(windowText(result), text);
    HDC dc = GetDC(result);
    const double points = shell::fittingPointSize(control.group->points, room, [&](double size) {
        HGDIOBJ before = SelectObject(dc, font(size, control.group->bold));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, before);
        return static_cast<double>(extent.cx);
    });
    ReleaseDC(result, dc);
    resultPoints_[static_cast<std::size_t>(which) - static_cast<std::size_t>(Box::Text3)] = points;
    InvalidateRect(result, nullptr, TRUE);
}

void Form1::drawResult(const DRAWITEMSTRUCT& item) {
    const Control* control = controlOf(item.hwndItem);
    if (!control || !control->box) return;
    FillRect(item.hDC, &item.rcItem, brightGreen_);
    // The platform's disabled text colour, made readable on the green.
    const shell::Rgb grey = rgbOf(GetSysColor(COLOR_GRAYTEXT));
    SetTextColor(item.hDC, colorRef(shell::readableOn(grey, shell::kBrightGreen,
                                                      control->group->leastContrast)));
    SetBkMode(item.hDC, TRANSPARENT);
    const std::size_t index =
        static_cast<std::size_t>(*control->box) - static_cast<std::size_t>(Box::Text3);
    HGDIOBJ before = SelectObject(item.hDC, font(resultPoints_[index], control->group->bold));
    std::wstring text;
    wide(windowText(item.hwndItem), text);
    RECT rect = item.rcItem;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, before);
}

// ---------------------------------------------------------------------------
// Window operations

HWND Form1::box(Box which) const {
    const auto all = shell::controls();
    for (std::size_t row = 0; row < all.size(); ++row)
        if (all[row].box == which) return controls_[row];
    return nullptr;
}

const Control* Form1::controlOf(HWND control) const {
    const auto all = shell::controls();
    for (std::size_t row = 0; row < all.size(); ++row)
        if (controls_[row] == control) return &all[row];
    return nullptr;
}

std::u16string Form1::text(Box which) const { return windowText(box(which)); }

// The box keeps at most its maximum length, also of what a command writes,
// and shows the beginning of a longer text, where the significant digits
// are.
void Form1::setText(Box which, std::u16string_view text) {
    const std::size_t limit = exercise::maximumLength(which);
    if (limit > 0 && text.size() > limit) text = text.substr(0, limit);
    HWND control = box(which);
    std::wstring storage;
    SetWindowTextW(control, wide(text, storage));
    if (shell::controlOf(which).group->input == Input::Disabled) {
        fitResult(which);
    } else {
        SendMessageW(control, EM_SETSEL, 0, 0);
        SendMessageW(control, EM_SCROLLCARET, 0, 0);
    }
}

void Form1::setAnswerVisible(Box which, bool visible) {
    if (!exercise::isAnswerBox(which)) return;
    HWND control = box(which);
    if (!visible && GetFocus() == control) moveFocus(true);
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void Form1::showMessage(std::u16string_view prompt, std::u16string_view title, int style) {
    std::wstring promptText, titleText;
    MessageBoxW(window_, wide(prompt, promptText), wide(title, titleText),
                static_cast<UINT>(style));
}

// ---------------------------------------------------------------------------
// Events

void Form1::command1Click() {
    dispatch([this] { commands_.all(); });
}
void Form1::command2Click() {
    dispatch([this] { commands_.sum(); });
}
void Form1::command3Click() {
    dispatch([this] { commands_.difference(); });
}
void Form1::command4Click() {
    dispatch([this] { commands_.product(); });
}
void Form1::command5Click() {
    dispatch([this] { commands_.quotient(); });
}
void Form1::command6Click() {
    dispatch([this] { commands_.reset(); });
}
void Form1::text1KeyPress(char16_t code) {
    dispatch([=, this] { commands_.operandKeyPress(code); });
}
void Form1::text2KeyPress(char16_t code) {
    dispatch([=, this] { commands_.operandKeyPress(code); });
}

// Where each click goes: the handler named after its button.
void Form1::click(shell::Click which) {
    switch (which) {
    case shell::Click::All:
        command1Click();
        break;
    case shell::Click::Sum:
        command2Click();
        break;
    case shell::Click::Difference:
        command3Click();
        break;
    case shell::Click::Product:
        command4Click();
        break;
    case shell::Click::Quotient:
        command5Click();
        break;
    case shell::Click::Reset:
        command6Click();
        break;
    case shell::Click::None:
        break;
    }
}

// Runs a command; an arithmetic fault that ends it is reported here and the
// program goes on with the boxes as they stand.
void Form1::dispatch(const std::function<void()>& command) {
    shell::runReporting(command, [this](std::u16string_view report) {
        std::wstring title, text;
        MessageBoxW(window_, wide(report, text), wide(shell::kWindowTitle, title),
                    MB_OK | MB_ICONSTOP);
    });
}

void Form1::moveFocus(bool forward) {
    const auto all = shell::controls();
    std::vector<std::pair<int, HWND>> order;
    for (std::size_t row = 0; row < all.size(); ++row)
        if (takesFocus(all[row], controls_[row]))
            order.emplace_back(all[row].tabIndex, controls_[row]);
    if (order.empty()) return;
    std::sort(order.begin(), order.end());
    const HWND focus = GetFocus();
    const auto current = std::find_if(order.begin(), order.end(),
                                      [focus](const auto& entry) { return entry.second == focus; });
    std::size_t next = 0;
    if (current != order.end()) {
        const auto at = static_cast<std::size_t>(current - order.begin());
        next = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
    } else if (!forward) {
        next = order.size() - 1;
    }
    HWND target = order[next].second;
    SetFocus(target);
    // A box reached by the keyboard selects its whole text, as in a dialog.
    wchar_t className[8]{};
    GetClassNameW(target, className, 8);
    if (std::wstring_view(className) == L"Edit") SendMessageW(target, EM_SETSEL, 0, -1);
}

bool Form1::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !IsChild(window_, message.hwnd)) return false;
    if (message.wParam == VK_TAB) {
        moveFocus((GetKeyState(VK_SHIFT) & 0x8000) == 0);
        return true;
    }
    // Enter presses the focused button, as Space does; no button is the
    // window's default.
    if (message.wParam == VK_RETURN) {
        const Control* control = controlOf(message.hwnd);
        if (control && control->group->kind == Kind::Button) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

HBRUSH Form1::colourControl(HDC dc, HWND control) {
    const Control* described = controlOf(control);
    if (!described) return nullptr;
    const Group& group = *described->group;
    const shell::Rgb background = resolve(group.background);
    SetBkColor(dc, colorRef(background));
    SetTextColor(dc, colorRef(textColour(group, background)));
    if (background == shell::kLightGreen) return lightGreen_;
    if (background == shell::kBrightGreen) return brightGreen_;
    return GetSysColorBrush(group.background.fixed ? COLOR_WINDOW
                                                   : systemColourIndex(group.background.role));
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            if (const Control* control = controlOf(reinterpret_cast<HWND>(lParam)))
                click(control->click);
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (HBRUSH brush =
                colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DRAWITEM:
        drawResult(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        // The focus comes back where it was, after a message box too.
        if (LOWORD(wParam) == WA_INACTIVE) {
            lastFocus_ = GetFocus();
        } else if (lastFocus_ && IsWindowVisible(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        makeFonts();
        layOut();
        return 0;
    }
    case kNameControls:
        nameControls();
        return 0;
    case WM_SYSCOLORCHANGE:
        InvalidateRect(window_, nullptr, TRUE);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form1::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->onMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

// Every character typed into an operand box goes to its key-press handler
// before the box takes it; the box then takes it as usual.
LRESULT CALLBACK Form1::operandProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(box, GWLP_USERDATA));
        const auto code = static_cast<char16_t>(wParam);
        if (box == form->box(Box::Text1))
            form->text1KeyPress(code);
        else
            form->text2KeyPress(code);
    }
    return callOriginal(box, message, wParam, lParam);
}

// A flat box draws a frame in the highlight colour while it has the focus,
// so that the focus shows even on an empty box.
LRESULT CALLBACK Form1::flatBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = callOriginal(box, message, wParam, lParam);
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) InvalidateRect(box, nullptr, TRUE);
    if (message == WM_PAINT && GetFocus() == box) {
        HDC dc = GetDC(box);
        const shell::Rgb frame = shell::readableOn(rgbOf(GetSysColor(COLOR_HIGHLIGHT)),
                                                   shell::kLightGreen, shell::kFrameContrast);
        HPEN pen = CreatePen(PS_INSIDEFRAME, 2, colorRef(frame));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        RECT rect{};
        GetClientRect(box, &rect);
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        ReleaseDC(box, dc);
    }
    return result;
}
