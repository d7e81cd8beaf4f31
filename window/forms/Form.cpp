#include "Form.h"

#include "Declare.h"
#include "Scaling.h"

#include <commctrl.h>

namespace forms {
namespace {

constexpr wchar_t kFormClass[] = L"ExcelSweepForm";
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int openForms = 0;
ATOM formClass = 0;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

bool RegisterFormClass(WNDPROC windowProc)
{
    if (formClass != 0)
        return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    formClass = RegisterClassExW(&windowClass);
    return formClass != 0;
}

// Per-monitor DPI calls of Windows 10; older systems fall back to the system DPI.
int DpiOf(HWND window)
{
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = declare::Bind<GetDpiForWindowProc>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        return static_cast<int>(getDpiForWindow(window));
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT WindowRectForClient(int width, int height, int dpi)
{
    using AdjustForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = declare::Bind<AdjustForDpiProc>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (adjustForDpi != nullptr)
        adjustForDpi(&rect, kFormStyle, FALSE, kFormExStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, kFormStyle, FALSE, kFormExStyle);
    return rect;
}

bool HighContrastIsOn()
{
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HFONT CreateFormFont(const FontDescription& font, int dpi)
{
    LOGFONTW logFont{};
    logFont.lfHeight = FontHeightForPoints(font.points, dpi);
    logFont.lfWeight = font.weight;
    logFont.lfCharSet = font.charSet;
    lstrcpynW(logFont.lfFaceName, font.name, LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

HWND CreateControl(const ControlDescription& control, HWND parent)
{
    const bool isButton = control.kind == ControlKind::CommandButton;
    const DWORD style = WS_CHILD | WS_VISIBLE |
                        (isButton ? WS_TABSTOP | (control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)
                                  : (control.centred ? SS_CENTER : SS_LEFT));
    return CreateWindowExW(0, isButton ? L"BUTTON" : L"STATIC", control.caption, style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), Instance(), nullptr);
}

}  // namespace

Form::Form(const FormDescription& description) : description_(description) {}

Form::~Form()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

bool Form::Load()
{
    if (!RegisterFormClass(WindowProc))
        return false;
    owner_ = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, Instance(), nullptr);
    if (CreateWindowExW(kFormExStyle, kFormClass, description_.caption, kFormStyle, 0, 0, 0, 0, owner_, nullptr,
                        Instance(), this) == nullptr) {
        // A form that got as far as WM_NCCREATE has destroyed its owner already.
        if (owner_ != nullptr)
            DestroyWindow(owner_);
        owner_ = nullptr;
        return false;
    }
    Form_Load();
    ShowWindow(window_, SW_SHOW);
    SetFocus(focus_);
    return true;
}

void Form::Unload()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void Form::SetCaption(int controlId, const wchar_t* caption) { SetDlgItemTextW(window_, controlId, caption); }

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Stored at WM_NCCREATE, so that no message after it is missed.
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        ++openForms;  // from here on, WM_NCDESTROY comes whatever happens
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        // Asked by IsDialogMessage when Enter is pressed.
        if (const ControlDescription* button = DefaultButton())
            return MAKELRESULT(button->id, DC_HASDEFID);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(window_, GetFocus()))
            focus_ = GetFocus();
        break;
    case WM_SETFOCUS:
        SetFocus(focus_);
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        highContrast_ = HighContrastIsOn();
        InvalidateRect(window_, nullptr, TRUE);
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool Form::OnCreate()
{
    highContrast_ = HighContrastIsOn();
    if (!CreateControls())
        return false;
    AttachToolTips();
    const HANDLE icon =
        LoadImageW(Instance(), MAKEINTRESOURCEW(description_.iconId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ApplyDpi(DpiOf(window_));
    SizeAndCentre();
    return true;
}

bool Form::CreateControls()
{
    for (const ControlDescription& control : description_.controls) {
        const HWND handle = CreateControl(control, window_);
        if (handle == nullptr)
            return false;
        if (focus_ == nullptr && control.kind == ControlKind::CommandButton)
            focus_ = handle;
    }
    return true;
}

void Form::AttachToolTips()
{
    for (const ControlDescription& control : description_.controls) {
        if (control.toolTip == nullptr)
            continue;
        if (toolTips_ == nullptr)
            toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                        window_, nullptr, Instance(), nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window_, control.id));
        tool.lpszText = const_cast<wchar_t*>(control.toolTip);
        SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Lays the controls out and sets their font for `dpi`.
void Form::ApplyDpi(int dpi)
{
    dpi_ = dpi;
    font_.Reset(CreateFormFont(description_.font, dpi_));
    for (const ControlDescription& control : description_.controls) {
        const HWND handle = GetDlgItem(window_, control.id);
        const TwipRect& bounds = control.bounds;
        MoveWindow(handle, TwipsToPixels(bounds.left, dpi_), TwipsToPixels(bounds.top, dpi_),
                   TwipsToPixels(bounds.width, dpi_), TwipsToPixels(bounds.height, dpi_), TRUE);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
}

void Form::SizeAndCentre()
{
    const RECT frame = WindowRectForClient(TwipsToPixels(description_.clientWidth, dpi_),
                                           TwipsToPixels(description_.clientHeight, dpi_), dpi_);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window_, nullptr, CentredStart(work.left, work.right - work.left, width),
                 CentredStart(work.top, work.bottom - work.top, height), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnDpiChanged(int dpi, const RECT& suggested)
{
    ApplyDpi(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnCommand(int controlId, int notification)
{
    // Escape arrives as IDCANCEL and a default-less Enter as IDOK; only the
    // buttons of the description act.
    if (notification != BN_CLICKED)
        return;
    for (const ControlDescription& control : description_.controls)
        if (control.id == controlId && control.kind == ControlKind::CommandButton)
            Click(controlId);
}

LRESULT Form::OnCtlColorStatic(HDC dc, HWND control)
{
    const ControlDescription* description = DescriptionOf(control);
    const Color systemText = GetSysColor(COLOR_BTNTEXT);
    const bool designed = description != nullptr && description->foreColor != kSystemTextColor;
    SetTextColor(dc, designed ? TextColor(description->foreColor, highContrast_, systemText) : systemText);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Form::OnNcDestroy()
{
    // The controls and the tooltip window went with the form; the font they
    // used and the hidden owner go now.
    window_ = nullptr;
    toolTips_ = nullptr;
    font_.Reset();
    DestroyWindow(owner_);
    owner_ = nullptr;
    if (--openForms == 0)
        PostQuitMessage(0);
}

const ControlDescription* Form::DescriptionOf(HWND control) const
{
    const int id = GetDlgCtrlID(control);
    for (const ControlDescription& described : description_.controls)
        if (described.id == id)
            return &described;
    return nullptr;
}

const ControlDescription* Form::DefaultButton() const
{
    for (const ControlDescription& control : description_.controls)
        if (control.kind == ControlKind::CommandButton && control.isDefault)
            return &control;
    return nullptr;
}

int RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // IsDialogMessage gives a form Tab, Enter, Space and its default button.
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && GetClassLongW(root, GCW_ATOM) == formClass && IsDialogMessageW(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace forms
