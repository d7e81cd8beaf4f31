// frmMain inside the test's own process, under Wine: what only the program's
// own process can see, such as the font its controls were given. Its button
// is never pressed here.
#include "frmMain.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class frmMainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(form.Load());
    }

    HWND Control(const wchar_t* className) { return FindWindowExW(form.Handle(), nullptr, className, nullptr); }

    frmMain form;
};

TEST_F(frmMainTest, ButtonAndLabelShowTheFormsVerdanaNinePoint)
{
    for (const HWND control : {Control(L"Button"), Control(L"Static")}) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW logFont{};
        ASSERT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
        EXPECT_STREQ(logFont.lfFaceName, L"Verdana");
        EXPECT_EQ(logFont.lfHeight, -12);  // 9 points at 96 DPI
        EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
        EXPECT_EQ(logFont.lfCharSet, ANSI_CHARSET);
        EXPECT_FALSE(logFont.lfItalic);
    }
}

TEST_F(frmMainTest, WindowCarriesTheProgramIcon)
{
    EXPECT_NE(SendMessageW(form.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(form.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(frmMainTest, MovedToA144DpiMonitorTakesTheSuggestedRectAndScalesItsControlsAndFont)
{
    const RECT suggested{10, 20, 10 + 500, 20 + 220};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    RECT frame, button;
    GetWindowRect(form.Handle(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 20);
    EXPECT_EQ(frame.right, 510);
    EXPECT_EQ(frame.bottom, 240);
    GetWindowRect(Control(L"Button"), &button);
    MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, 126);
    EXPECT_EQ(button.top, 24);
    EXPECT_EQ(button.right - button.left, 200);
    EXPECT_EQ(button.bottom - button.top, 56);
    LOGFONTW logFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(L"Static"), WM_GETFONT, 0, 0)), sizeof logFont, &logFont);
    EXPECT_EQ(logFont.lfHeight, -18);
}

TEST_F(frmMainTest, ClosingTheLastFormEndsTheMessageLoop)
{
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(forms::RunMessageLoop(), 0);
    EXPECT_EQ(form.Handle(), nullptr);
}

}  // namespace
