#include "Program.h"

#include "StandIns.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace e2e {
namespace {

std::wstring BuiltProgram()
{
    const wchar_t* path = _wgetenv(L"EXCELSWEEP_PROGRAM");
    if (path == nullptr)
        throw std::runtime_error("EXCELSWEEP_PROGRAM names no program to test");
    return path;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) || TextOf(window) != L"Excel.exe")
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND WaitForWindow(DWORD processId)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        WindowSearch search{processId, nullptr};
        EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

void Send(INPUT input)
{
    SendInput(1, &input, sizeof input);
    Sleep(20);
}

}  // namespace

Program::Program(const std::wstring& imageName)
{
    std::wstring path = BuiltProgram();
    if (!imageName.empty()) {
        copy_ = std::make_unique<standins::CopiedFile>(path, standins::OwnFolder() + imageName);
        path = copy_->Path();
    }
    process_ = std::make_unique<standins::ChildProcess>(path);
    WaitForInputIdle(process_->Handle(), 10000);
    window_ = WaitForWindow(process_->Id());
}

HWND Program::Control(const wchar_t* className) const { return FindWindowExW(window_, nullptr, className, nullptr); }

void Program::Activate() const
{
    SetForegroundWindow(window_);
    for (int attempt = 0; attempt < 100 && GetForegroundWindow() != window_; ++attempt)
        Sleep(20);
}

void PressKey(WORD virtualKey)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    Send(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
}

void MoveMouseTo(POINT screenPoint)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screenPoint.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(screenPoint.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    SetCursorPos(screenPoint.x, screenPoint.y);
}

void ClickAt(POINT screenPoint)
{
    MoveMouseTo(screenPoint);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Send(input);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(input);
}

RECT ClientRectOf(HWND control, HWND window)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOnScreen(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool FindCloseBox(HWND window, POINT* screenPoint)
{
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    RECT box{frame.right, frame.bottom, frame.left, frame.top};
    for (int y = frame.top; y < client.top; ++y)
        for (int x = frame.right - 1; x > frame.right - 80; --x)
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                box = RECT{std::min(box.left, LONG{x}), std::min(box.top, LONG{y}), std::max(box.right, LONG{x}),
                           std::max(box.bottom, LONG{y})};
            }
    *screenPoint = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    return box.left <= box.right;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace e2e
