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

}  // namespace
