// The program's entry: harden the process, then hand over to the forms layer
// with frmMain as the start-up form.
#include "Declare.h"
#include "frmMain.h"

#include <windows.h>

#include <commctrl.h>

namespace {

// Run from a Downloads folder, the program must never load a DLL planted
// beside it. The call exists from Windows 8 (and Windows 7 with KB2533623).
void LoadDllsOnlyFromSystem32()
{
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        declare::Bind<SetDefaultDllDirectoriesProc>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    LoadDllsOnlyFromSystem32();
    const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);

    frmMain form;
    if (!form.Load())
        return 1;
    return forms::RunMessageLoop();
}
