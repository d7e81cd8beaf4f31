#include "frmMain.h"

#include "basMain.h"
#include "resource.h"

namespace {

using forms::ControlKind;

constexpr int cmdDoIt = 101;
constexpr int Label1 = 102;

constexpr forms::ControlDescription kControls[] = {
    {
        .kind = ControlKind::CommandButton,
        .id = cmdDoIt,
        .caption = L"Kill Processes",
        .bounds = {.left = 1260, .top = 240, .width = 1995, .height = 555},
        .isDefault = true,
        .toolTip = L"Ends multiple instances of MS Excel",
    },
    {
        .kind = ControlKind::Label,
        .id = Label1,
        .caption = L"Use at your own risk. There is no undo!",
        .bounds = {.left = 870, .top = 960, .width = 2805, .height = 465},
        .centred = true,
        .foreColor = 0x000040C0,  // dark orange: red 192, green 64, blue 0
    },
};

constexpr forms::FormDescription kfrmMain = {
    .caption = L"Excel.exe",
    .clientWidth = 4680,
    .clientHeight = 1560,
    .font = {.name = L"Verdana", .points = 9, .weight = FW_NORMAL, .charSet = ANSI_CHARSET},
    .iconId = IDI_PROGRAM,
    .controls = kControls,
};

}  // namespace

frmMain::frmMain() : Form(kfrmMain) {}

void frmMain::Form_Load()
{
    // A lone carriage return breaks the label into its two lines.
    SetCaption(Label1, L"Use at your own risk.\rThere is no undo!");
}

void frmMain::Click(int controlId)
{
    if (controlId == cmdDoIt)
        cmdDoIt_Click();
}

void frmMain::cmdDoIt_Click()
{
    basMain::KillProcessesByName(L"EXCEL.EXE");
    basMain::KillProcessesByName(L"EXCEL *32.EXE");
    Unload();
}
