// The entry of every test that starts, ends or drives real processes. Those
// tests end whatever a sweep matches, so they run only under Wine, whose
// processes are those of a throwaway prefix, never on a real Windows machine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

namespace {

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!RunningUnderWine()) {
        std::fprintf(stderr, "Refusing to run: these tests end processes and run only under Wine.\n");
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
