// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "control_ids.h"
#include "placement.h"
#include "text_fit.h"

#include <initguid.h> // the accessibility GUIDs defined here, once
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <string>

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
    case shell::ColourRole::DisabledText:
        return COLOR_GRAYTEXT;
    case shell::ColourRole::Highlight:
        return COLOR_HIGHLIGHT;
    case shell::ColourRole::ControlEdge:
        return COLOR_BTNSHADOW;
    }
    return COLOR_WINDOW;
}

// Read when the control is drawn, as the desktop's scheme stands then.
shell::Rgb resolve(const shell::Colour& colour) {
    return colour.fixed ? *colour.fixed : rgbOf(GetSysColor(systemColourIndex(colour.role)));
}

// ---------------------------------------------------------------------------
// Texts and drawing

const wchar_t* wide(std::u16string_view text, std::wstring& storage) {
    storage.assign(text.begin(), text.end());
    return storage.c_str();
}

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// A window's device context, given back when it goes.
class WindowDc {
public:
    // Of its client area, or of the whole window, its edges included.
    explicit WindowDc(HWND window, bool whole = false)
        : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    [[nodiscard]] HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for as long as it lives.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), before_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, before_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ before_;
};

// The width of the widest line of a text.
double widestLine(HDC dc, std::wstring_view text) {
    LONG widest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(end - start), &extent);
        widest = std::max(widest, extent.cx);
        start = end + 1;
    }
    return static_cast<double>(widest);
}

// Posted to the window once it shows.
constexpr UINT kNameControls = WM_APP + 1;

// The accessibility annotation that makes a control a live region, and its
// polite setting, as UI Automation numbers them.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

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

Form1* ownerOf(HWND control) {
    return reinterpret_cast<Form1*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

// A box the pupil can type into or select in: the platform's edit control.
bool isEdit(const shell::Group& group) {
    return group.kind == Kind::TextBox && group.input != Input::Disabled;
}

// An edit control sets margins of its own with each font, which grow with
// the font and at higher resolutions leave its text less room than the fit
// rule gives it. It keeps its text the rule's two pixels from its edge
// instead, whatever the font.
void keepTextEdge(HWND edit) {
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(shell::kTextEdgePixels, shell::kTextEdgePixels));
}

void setFont(HWND control, HFONT font, bool edit) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), font != nullptr);
    if (edit) keepTextEdge(control);
}

// The width that an edit control gives its text: its formatting rectangle,
// inside its margins.
int formattingWidth(HWND edit) {
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return static_cast<int>(format.right - format.left);
}

// An edit control scrolls its text to keep the caret in sight while the text
// is wider than it, and stays scrolled once a smaller font makes the text
// fit. Scrolled back to the first character, with the caret and the
// selection where they were, the whole text shows.
void showFromTheStart(HWND edit) {
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const auto first = static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, 0, 0)));
    if (first >= format.left) return;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETSEL, start, end);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

} // namespace

// ---------------------------------------------------------------------------
// Making the window

Form1::Form1(const exercise::RegionalSettings& settings) : Form1Events(settings) {}

Form1::~Form1() {
    if (comStarted_) CoUninitialize();
}

bool Form1::create(HINSTANCE instance, int show) {
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
    windowClass.hbrBackground = brush(shell::fixedColour(shell::kLightGreen));
    windowClass.lpszClassName = shell::win32::kWindowClass;
    if (!RegisterClassExW(&windowClass)) return false;

    // A parent of controls, so that the dialog manager walks them.
    std::wstring title;
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, shell::win32::kWindowClass,
                              wide(shell::kWindowTitle, title),
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
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT, dpi_);
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
    SetFocus(GetDlgItem(window_, shell::win32::controlId(shell::startFocus())));
    PostMessageW(window_, kNameControls, 0, 0);
    return true;
}

// The controls are made in tab order, which the dialog manager follows.
// Every control is a group of its own, so that the arrow keys move no
// focus.
void Form1::createControls() {
    for (const Control* control : shell::tabOrder()) {
        const Group& group = *control->group;
        const wchar_t* windowClass = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP;
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
            control->box ? exercise::initialText(*control->box) : control->caption;
        HWND window = CreateWindowExW(
            extended, windowClass, wide(initial, text), style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(shell::win32::controlId(*control))),
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
        if (control->box && isEdit(group)) {
            if (const std::size_t limit = exercise::maximumLength(*control->box); limit > 0)
                SendMessageW(window, EM_SETLIMITTEXT, limit, 0);
            keepTextEdge(window);
        }
        if (shell::takesFocus(group) || shell::hasEdge(group))
            subclass(window, controlProcedure, this);
    }
    // Without a size it paints nothing; it takes no focus.
    announcer_ = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(shell::win32::kAnnouncerId)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
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
    for (const Control& control : shell::controls()) {
        std::wstring name;
        names->SetHwndPropStr(GetDlgItem(window_, shell::win32::controlId(control)),
                              static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                              wide(control.spokenName(), name));
    }
    VARIANT live{};
    live.vt = VT_I4;
    live.lVal = kPolite;
    names->SetHwndProp(announcer_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                       kLiveSettingProperty, live);
    names->Release();
}

// Every control at its place and its text in a size that fits it, at the
// window's resolution.
void Form1::layOut() {
    const int dpi = static_cast<int>(dpi_);
    for (const Control& control : shell::controls()) {
        HWND window = GetDlgItem(window_, shell::win32::controlId(control));
        SetWindowPos(window, nullptr, shell::pixels(control.left, dpi),
                     shell::pixels(control.top, dpi), shell::pixels(control.width, dpi),
                     shell::pixels(control.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        fitText(window);
    }
}

// The window's fonts are few (four sizes, and those a text is fitted in),
// made once at the window's resolution and shared by the controls.
HFONT Form1::font(double points, bool bold) {
    const auto key = std::pair{static_cast<int>(std::lround(points * 100)), bold};
    auto& made = fonts_[key];
    if (!made) {
        std::wstring face;
        made.reset(CreateFontW(-static_cast<int>(std::lround(points * dpi_ / 72.0)), 0, 0, 0,
                               bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, wide(shell::kFontFace, face)));
    }
    return made.get();
}

// A control's text in the largest size, down from its group's own, at
// which every line of it fits the control: a label edge to edge, a button
// within its margins, and a box within the room that the edit control
// really gives it. A typed text that fits shows from its first character.
void Form1::fitText(HWND control) {
    const Control* described = controlOf(control);
    if (!described) return;
    const Group& group = *described->group;
    const bool edit = isEdit(group);
    RECT inside{};
    GetClientRect(control, &inside);
    const int width = inside.right - inside.left;
    // An edit control's formatting rectangle lies inside its text edge.
    const double room = shell::roomFor(
        group.kind, edit ? formattingWidth(control) + 2 * shell::kTextEdgePixels : width);
    const std::wstring text = windowText(control);
    const WindowDc dc(control);
    const auto widthAt = [&](double size) {
        const Selected sized(dc.get(), font(size, group.bold));
        return widestLine(dc.get(), text);
    };
    const double points = shell::fittingPointSize(group.points, room, widthAt);
    HFONT fitted = font(points, group.bold);
    if (reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) != fitted)
        setFont(control, fitted, edit);
    if (edit && !text.empty() && widthAt(points) <= room) showFromTheStart(control);
}

HBRUSH Form1::brush(const shell::Colour& colour) {
    if (!colour.fixed) return GetSysColorBrush(systemColourIndex(colour.role));
    auto& made = brushes_[*colour.fixed];
    if (!made) made.reset(CreateSolidBrush(colorRef(*colour.fixed)));
    return made.get();
}

void Form1::drawResult(const DRAWITEMSTRUCT& item) {
    const Control* control = controlOf(item.hwndItem);
    if (!control) return;
    const Group& group = *control->group;
    FillRect(item.hDC, &item.rcItem, brush(group.background));
    SetTextColor(item.hDC, colorRef(shell::readableText(group, resolve(shell::textColour(group)),
                                                        resolve(group.background))));
    SetBkMode(item.hDC, TRANSPARENT);
    const Selected font(item.hDC,
                        reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    std::wstring text = windowText(item.hwndItem);
    RECT rect = item.rcItem;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A frame in the highlight colour, made to stand out from the box and from
// the window.
void Form1::drawFocusFrame(HWND box) {
    const Control* control = controlOf(box);
    if (!control) return;
    const WindowDc dc(box);
    const shell::Rgb frame =
        shell::focusFrame(resolve(shell::roleColour(shell::ColourRole::Highlight)),
                          resolve(control->group->background));
    const GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, 2, colorRef(frame)));
    const Selected selectedPen(dc.get(), pen.get());
    const Selected noFill(dc.get(), GetStockObject(NULL_BRUSH));
    RECT rect{};
    GetClientRect(box, &rect);
    Rectangle(dc.get(), rect.left, rect.top, rect.right, rect.bottom);
}

// The outermost pixels of a box's or a button's edge, in the scheme's edge
// colour made to stand out from the window, over the edge the system draws.
void Form1::drawEdge(HWND control) {
    const Control* described = controlOf(control);
    if (!described || !shell::hasEdge(*described->group)) return;
    const WindowDc dc(control, true);
    const GdiObject<HBRUSH> brush(CreateSolidBrush(
        colorRef(shell::edgeColour(resolve(shell::roleColour(shell::ColourRole::ControlEdge))))));
    RECT rect{};
    GetWindowRect(control, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    FrameRect(dc.get(), &rect, brush.get());
}

// ---------------------------------------------------------------------------
// Window operations

HWND Form1::box(Box which) const {
    return GetDlgItem(window_, shell::win32::controlId(shell::controlOf(which)));
}

const Control* Form1::controlOf(HWND control) const {
    if (!control || GetParent(control) != window_) return nullptr;
    return shell::win32::controlWithId(GetDlgCtrlID(control));
}

std::u16string Form1::text(Box which) const {
    const std::wstring text = windowText(box(which));
    return {text.begin(), text.end()};
}

// The box keeps at most its maximum length, also of what a command writes,
// and shows the beginning of a longer text, where the significant digits
// are.
void Form1::setText(Box which, std::u16string_view text) {
    text = exercise::keptText(which, text);
    HWND control = box(which);
    std::wstring storage;
    SetWindowTextW(control, wide(text, storage));
    fitText(control);
    if (shell::controlOf(which).group->input != Input::Disabled) {
        SendMessageW(control, EM_SETSEL, 0, 0);
        SendMessageW(control, EM_SCROLLCARET, 0, 0);
    }
}

void Form1::setAnswerVisible(Box which, bool visible) {
    if (!exercise::isAnswerBox(which)) return;
    HWND control = box(which);
    if (!visible && GetFocus() == control) SetFocus(GetNextDlgTabItem(window_, control, FALSE));
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

// The live region's text changes, and the screen reader hears that it did.
void Form1::announce(std::u16string_view summary) {
    std::wstring text;
    SetWindowTextW(announcer_, wide(summary, text));
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer_, OBJID_CLIENT, CHILDID_SELF);
}

void Form1::showMessage(std::u16string_view prompt, std::u16string_view title, int style) {
    std::wstring promptText, titleText;
    MessageBoxW(window_, wide(prompt, promptText), wide(title, titleText),
                static_cast<UINT>(style));
}

// ---------------------------------------------------------------------------
// Events

HBRUSH Form1::colourControl(HDC dc, HWND control) {
    const Control* described = controlOf(control);
    if (!described) return nullptr;
    const Group& group = *described->group;
    const shell::Rgb background = resolve(group.background);
    SetBkColor(dc, colorRef(background));
    SetTextColor(
        dc, colorRef(shell::readableText(group, resolve(shell::textColour(group)), background)));
    return brush(group.background);
}

LRESULT Form1::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) break;
        if (HIWORD(wParam) == BN_CLICKED) {
            if (const Control* control = controlOf(reinterpret_cast<HWND>(lParam)))
                click(control->click);
            return 0;
        }
        // A typed text is fitted to its box as it changes.
        if (HIWORD(wParam) == EN_CHANGE) {
            fitText(reinterpret_cast<HWND>(lParam));
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
        for (const Control& control : shell::controls())
            setFont(GetDlgItem(window_, shell::win32::controlId(control)), nullptr,
                    isEdit(*control.group));
        fonts_.clear();
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

// What the controls that take the focus add to the platform's own: every
// character typed into an operand box goes to its key-press handler before
// the box takes it, and the box asks the dialog manager to leave it Enter,
// which a single-line box gives up otherwise. A button that has the focus
// tells the dialog manager that it is the default button, so that Enter
// presses it, as Space does; no button is the default otherwise. And each
// draws a frame while it has the focus, which shows in any colour scheme.
LRESULT CALLBACK Form1::controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    Form1* form = ownerOf(control);
    const Control* described = form->controlOf(control);
    const bool button = described && described->group->kind == Kind::Button;
    const bool operand = described && described->keys == shell::Keys::Operand;
    if (message == WM_GETDLGCODE && operand && wParam == VK_RETURN)
        return callOriginal(control, message, wParam, lParam) | DLGC_WANTMESSAGE;
    if (message == WM_CHAR && operand)
        form->keyPress(*described->box, static_cast<char16_t>(wParam));
    const LRESULT result = callOriginal(control, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE:
        if (button && GetFocus() == control)
            return (result & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(control, nullptr, TRUE);
        break;
    case WM_NCPAINT:
        form->drawEdge(control);
        break;
    case WM_PAINT:
        if (button) form->drawEdge(control);
        if (GetFocus() == control) form->drawFocusFrame(control);
        break;
    default:
        break;
    }
    return result;
}
