// The sweep against the real kernel32, under Wine: real processes, started by
// this test under chosen names, ended or spared.
#include "../basMain.h"
#include "StandIns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using standins::StandIns;

struct Sweep {
    const wchar_t* target;
    std::vector<std::wstring> imageNames;
};

void ExpectSweepEndsExactlyTheMatches(const Sweep& sweep)
{
    const StandIns standIns(sweep.imageNames);
    ASSERT_TRUE(standins::ForeignMatches(sweep.target, standIns).empty())
        << "a process this test did not start would be ended";

    basMain::KillProcessesByName(sweep.target);

    for (const auto& standIn : standIns.All()) {
        SCOPED_TRACE(std::string(standIn->ImageName().begin(), standIn->ImageName().end()));
        if (standins::EndsWithIgnoringCase(standIn->ImageName(), sweep.target)) {
            ASSERT_TRUE(standIn->EndsWithin(5000));
            EXPECT_EQ(standIn->ExitCode(), 0u);
        } else {
            EXPECT_TRUE(standIn->IsRunning());
        }
    }
}

TEST(KillProcessesByNameWine, EndsEveryProcessWhoseImageNameEndsWithExcelExe)
{
    ExpectSweepEndsExactlyTheMatches({L"EXCEL.EXE",
                                      {L"EXCEL.EXE", L"EXCEL.EXE", L"excel.exe", L"MyExcel.exe", L"excel.exe2",
                                       L"xcel.exe", L"notepad.exe", L"Excel.Exe"}});
}

TEST(KillProcessesByNameWine, TargetMatchesTheNameEndNotTheWholeName)
{
    ExpectSweepEndsExactlyTheMatches({L"EL.EXE", {L"EXCEL.EXE", L"label.exe", L"notepad.exe"}});
}

TEST(KillProcessesByNameWine, SweepForThe32BitNameSparesExcelExe)
{
    ExpectSweepEndsExactlyTheMatches({L"EXCEL *32.EXE", {L"EXCEL.EXE", L"excel32.exe"}});
}

// The handles this process has open. Wine 8 answers GetProcessHandleCount
// with 0 whatever is open; there, each handle value in turn is asked whether
// it is open (handle values are multiples of 4).
DWORD OwnHandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0)
        return count;
    constexpr UINT_PTR kHandleValueLimit = 0x20000;
    for (UINT_PTR value = 4; value < kHandleValueLimit; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

TEST(KillProcessesByNameWine, AThousandSweepsLeaveNoHandleOpen)
{
    constexpr int kSweeps = 1000;
    constexpr int kSweepsWithMatches = 10;       // each ends two stand-ins and spares one
    basMain::KillProcessesByName(L"EXCEL.EXE");  // binds the calls before counting
    const DWORD before = OwnHandleCount();

    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        if (sweep % (kSweeps / kSweepsWithMatches) != 0) {
            basMain::KillProcessesByName(L"EXCEL.EXE");
            continue;
        }
        const StandIns standIns({L"EXCEL.EXE", L"MyExcel.exe", L"notepad.exe"});
        ASSERT_TRUE(standins::ForeignMatches(L"EXCEL.EXE", standIns).empty());
        basMain::KillProcessesByName(L"EXCEL.EXE");
        ASSERT_TRUE(standIns.All()[0]->EndsWithin(5000));
        ASSERT_TRUE(standIns.All()[1]->EndsWithin(5000));
    }

    EXPECT_EQ(OwnHandleCount(), before);
}

}  // namespace
