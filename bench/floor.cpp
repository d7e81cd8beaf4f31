// The floor for start-up: a window of ExcelSweep's shape (fixed dialog, a
// default button with a tooltip, a label) in plain Win32, with nothing else.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(WS_EX_DLGMODALFRAME, L"Floor", L"Excel.exe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 356, 314,
                        318, 133, nullptr, nullptr, instance, nullptr);
    const HWND button =
        CreateWindowExW(0, L"BUTTON", L"Kill Processes", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 84, 16,
                        133, 37, window, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Use at your own risk.\rThere is no undo!", WS_CHILD | WS_VISIBLE | SS_CENTER, 58,
                    64, 187, 31, window, nullptr, instance, nullptr);
    const HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window, nullptr,
                                     instance, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(L"Ends multiple instances of MS Excel");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ShowWindow(window, SW_SHOW);
    SetFocus(button);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
