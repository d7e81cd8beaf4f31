// An idle process for the tests to start under chosen names and for the
// sweeps to end. Should a test fail to end it, it leaves by itself.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    Sleep(120000);
    return 3;
}
