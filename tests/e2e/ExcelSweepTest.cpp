// The whole program as a user uses it, under Wine: its real window, real key
// presses and mouse clicks, and real processes ended or spared.
#include "Program.h"
#include "Screen.h"
#include "StandIns.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using e2e::Program;
using standins::StandIns;

const std::vector<std::wstring> kImageNames = {L"EXCEL.EXE",  L"EXCEL.EXE", L"excel.exe",   L"MyExcel.exe",
                                               L"excel.exe2", L"xcel.exe",  L"notepad.exe", L"excel32.exe"};

bool EndedBySweep(const std::wstring& imageName)
{
    return standins::EndsWithIgnoringCase(imageName, L"EXCEL.EXE") ||
           standins::EndsWithIgnoringCase(imageName, L"EXCEL *32.EXE");
}

void ExpectExactlyTheMatchesEnded(const StandIns& standIns)
{
    for (const auto& standIn : standIns.All()) {
        SCOPED_TRACE(std::string(standIn->ImageName().begin(), standIn->ImageName().end()));
        if (EndedBySweep(standIn->ImageName())) {
            ASSERT_TRUE(standIn->EndsWithin(5000));
            EXPECT_EQ(standIn->ExitCode(), 0u);
        } else {
            EXPECT_TRUE(standIn->IsRunning());
        }
    }
}

void ExpectNothingEnded(const StandIns& standIns)
{
    for (const auto& standIn : standIns.All())
        EXPECT_TRUE(standIn->IsRunning());
}

// Refuses, before any key is pressed, if a sweep could end a process that this
// test did not start.
void AssertOnlyOursWouldBeEnded(const StandIns& standIns, const Program& program)
{
    ASSERT_TRUE(standins::ForeignMatches(L"EXCEL.EXE", standIns, program.Id()).empty());
    ASSERT_TRUE(standins::ForeignMatches(L"EXCEL *32.EXE", standIns, program.Id()).empty());
}

RECT Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST(ExcelSweepWindow, LooksAsDescribedAt96Dpi)
{
    const Program program;
    const HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    const HWND button = program.Control(L"Button");
    const HWND label = program.Control(L"Static");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(label, nullptr);

    EXPECT_EQ(e2e::TextOf(window), L"Excel.exe");
    RECT client;
    GetClientRect(window, &client);
    ExpectRect(client, Rect(0, 0, 312, 104));
    ExpectRect(e2e::ClientRectOf(button, window), Rect(84, 16, 84 + 133, 16 + 37));
    ExpectRect(e2e::ClientRectOf(label, window), Rect(58, 64, 58 + 187, 64 + 31));

    RECT frame, work;
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);

    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
    // No taskbar button: an owned window, neither a tool window nor an app window.
    EXPECT_NE(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), 0);

    EXPECT_EQ(e2e::TextOf(button), L"Kill Processes");
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    EXPECT_EQ(thread.hwndFocus, button);

    EXPECT_EQ(e2e::TextOf(label), L"Use at your own risk.\rThere is no undo!");
    EXPECT_EQ(GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
}

// Sets the DPI that programs started from now on see; puts back 96 after.
class ScopedSystemDpi {
public:
    explicit ScopedSystemDpi(DWORD dpi) { Set(dpi); }
    ~ScopedSystemDpi() { Set(96); }

private:
    static void Set(DWORD dpi)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }
};

TEST(ExcelSweepWindow, ScalesItsLayoutAndFontAt144Dpi)
{
    const ScopedSystemDpi dpi(144);
    const Program program;
    const HWND window = program.Window();
    ASSERT_NE(window, nullptr);

    RECT client;
    GetClientRect(window, &client);
    ExpectRect(client, Rect(0, 0, 468, 156));
    ExpectRect(e2e::ClientRectOf(program.Control(L"Button"), window), Rect(126, 24, 126 + 200, 24 + 56));
    ExpectRect(e2e::ClientRectOf(program.Control(L"Static"), window), Rect(87, 96, 87 + 281, 96 + 47));
}

TEST(ExcelSweepWindow, DrawsTheWarningInDarkOrangeAndShowsTheToolTipOnHover)
{
    const Program program;
    const HWND window = program.Window();
    ASSERT_NE(window, nullptr);
    program.Activate();
    RECT frame;
    GetWindowRect(window, &frame);
    e2e::MoveMouseTo({frame.left - 40, frame.top - 40});  // away from the window
    Sleep(300);

    const screen::Image shot = screen::Capture(frame);
    RECT label, outsideLabel;
    GetWindowRect(program.Control(L"Static"), &label);
    OffsetRect(&label, -frame.left, -frame.top);
    EXPECT_GT(shot.Count(RGB(192, 64, 0), label), 30);
    SetRect(&outsideLabel, 0, 0, shot.width, label.top);
    EXPECT_EQ(shot.Count(RGB(192, 64, 0), outsideLabel), 0);
    if (const wchar_t* path = _wgetenv(L"EXCELSWEEP_SCREENSHOT")) {
        EXPECT_TRUE(screen::SavePng(shot, path));
    }

    e2e::MoveMouseTo(e2e::CentreOnScreen(program.Control(L"Button")));
    std::wstring shown;
    for (int attempt = 0; attempt < 100 && shown.empty(); ++attempt) {
        Sleep(50);
        for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(tip, &owner);
            if (owner == program.Id() && IsWindowVisible(tip))
                shown = e2e::TextOf(tip);
        }
    }
    EXPECT_EQ(shown, L"Ends multiple instances of MS Excel");
}

struct Press {
    const char* how;
    std::function<void(const Program&)> press;
};

TEST(ExcelSweepWindow, EnterSpaceAndClickEachSweepThenEndTheProgram)
{
    const Press presses[] = {
        {"Enter", [](const Program&) { e2e::PressKey(VK_RETURN); }},
        {"Space", [](const Program&) { e2e::PressKey(VK_SPACE); }},
        {"click", [](const Program& program) { e2e::ClickAt(e2e::CentreOnScreen(program.Control(L"Button"))); }},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.how);
        const StandIns standIns(kImageNames);
        const Program program;
        ASSERT_NE(program.Window(), nullptr);
        AssertOnlyOursWouldBeEnded(standIns, program);

        program.Activate();
        press.press(program);

        ASSERT_TRUE(program.EndsWithin(10000));
        EXPECT_EQ(program.ExitCode(), 0u);
        ExpectExactlyTheMatchesEnded(standIns);
    }
}

TEST(ExcelSweepWindow, CloseBoxEndsTheProgramWithoutASweep)
{
    const StandIns standIns(kImageNames);
    const Program program;
    ASSERT_NE(program.Window(), nullptr);
    program.Activate();
    POINT closeBox;
    ASSERT_TRUE(e2e::FindCloseBox(program.Window(), &closeBox));

    e2e::ClickAt(closeBox);

    ASSERT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
    ExpectNothingEnded(standIns);
}

TEST(ExcelSweepWindow, EscapeDoesNothing)
{
    const StandIns standIns(kImageNames);
    const Program program;
    ASSERT_NE(program.Window(), nullptr);
    program.Activate();

    e2e::PressKey(VK_ESCAPE);

    EXPECT_FALSE(program.EndsWithin(1000));
    EXPECT_TRUE(IsWindowVisible(program.Window()));
    ExpectNothingEnded(standIns);
    PostMessageW(program.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.EndsWithin(10000));
}

TEST(ExcelSweepWindow, RenamedToMatchItStillEndsEveryOtherExcelThenClosesItself)
{
    // Its own entry comes first in the process list, before the stand-ins.
    const Program program(L"MyExcel.exe");
    const StandIns standIns(kImageNames);
    ASSERT_NE(program.Window(), nullptr);
    AssertOnlyOursWouldBeEnded(standIns, program);

    program.Activate();
    e2e::PressKey(VK_RETURN);

    ASSERT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
    ExpectExactlyTheMatchesEnded(standIns);
}

}  // namespace
