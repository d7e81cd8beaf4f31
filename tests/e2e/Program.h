// The real ExcelSweep executable, started as a user starts it, and driven with
// real keyboard and mouse input.
#pragma once

#include "ChildProcess.h"

#include <windows.h>

#include <memory>
#include <string>

namespace e2e {

class Program {
public:
    // Starts the built program; with `imageName`, a copy of it under that name.
    explicit Program(const std::wstring& imageName = L"");
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_->Id(); }
    HWND Window() const { return window_; }
    HWND Control(const wchar_t* className) const;
    bool EndsWithin(DWORD milliseconds) const { return process_->EndsWithin(milliseconds); }
    DWORD ExitCode() const { return process_->ExitCode(); }

    // Brings the window to the front, as a user's click on it would.
    void Activate() const;

private:
    std::unique_ptr<standins::CopiedFile> copy_;  // only when renamed
    std::unique_ptr<standins::ChildProcess> process_;
    HWND window_ = nullptr;
};

void PressKey(WORD virtualKey);
void MoveMouseTo(POINT screenPoint);
void ClickAt(POINT screenPoint);

RECT ClientRectOf(HWND control, HWND window);  // in the window's client coordinates
POINT CentreOnScreen(HWND window);
// A point of the window's caption where a click hits the close box.
bool FindCloseBox(HWND window, POINT* screenPoint);
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);

}  // namespace e2e
