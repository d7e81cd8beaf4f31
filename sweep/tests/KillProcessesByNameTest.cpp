// The sweep against the fake kernel32: which calls it makes, with which values,
// in which order, and which processes it ends.
#include "../basMain.h"
#include "FakeKernel32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// The size of the ANSI record: 296 bytes in a 32-bit program, wider where
// pointers are 64 bits.
const std::string kRecordSize = std::to_string(sizeof(void*) == 4 ? 296 : 304);
const std::string kClockRead = "GetSystemTimePreciseAsFileTime() = " + std::to_string(kSnapshotTime);
const std::string kCreatedBefore = "created " + std::to_string(kSnapshotTime - 1);

using Log = std::vector<std::string>;  // calls as the fake logs them

class KillProcessesByNameTest : public ::testing::Test {
protected:
    void SetUp() override { Fake() = FakeSystem{}; }
    // Whatever a sweep did, it closed every handle it opened.
    void TearDown() override { EXPECT_THAT(System().openHandles, IsEmpty()); }

    FakeSystem& System() { return Fake(); }
};

TEST_F(KillProcessesByNameTest, EndsEveryMatchWithExactCallsInOrder)
{
    System().ownProcessId = 7;
    System().processes = {{0, "[System Process]"}, {200, "EXCEL.EXE"}, {300, "notepad.exe"}, {400, "EXCEL.EXE"}};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().calls, ElementsAreArray(Log{
                                    "GetCurrentProcessId()",
                                    "CreateToolhelp32Snapshot(2, 0) = hSnapshot",
                                    kClockRead,
                                    "Process32First(hSnapshot, dwSize " + kRecordSize + ", zeroed)",
                                    "Process32Next(hSnapshot)",
                                    "OpenProcess(0x001F0FFF, 0, 200) = hProcess200",
                                    "GetProcessTimes(hProcess200) = " + kCreatedBefore,
                                    "TerminateProcess(hProcess200, 0)",
                                    "CloseHandle(hProcess200)",
                                    "Process32Next(hSnapshot)",
                                    "Process32Next(hSnapshot)",
                                    "OpenProcess(0x001F0FFF, 0, 400) = hProcess400",
                                    "GetProcessTimes(hProcess400) = " + kCreatedBefore,
                                    "TerminateProcess(hProcess400, 0)",
                                    "CloseHandle(hProcess400)",
                                    "Process32Next(hSnapshot)",
                                    "CloseHandle(hSnapshot)",
                                }));
    EXPECT_THAT(System().ended, ElementsAre(200, 400));
    EXPECT_THAT(System().exitCodes, ElementsAre(0, 0));
}

struct MatchCase {
    std::string imageName;
    const wchar_t* target;
    bool ends;
};

TEST_F(KillProcessesByNameTest, MatchesImageNamesEndingWithTheTargetInAnyCase)
{
    const MatchCase cases[] = {
        {"EXCEL.EXE", L"EXCEL.EXE", true},
        {"excel.exe", L"EXCEL.EXE", true},
        {"Excel.EXE", L"EXCEL.EXE", true},
        {"MYEXCEL.EXE", L"EXCEL.EXE", true},
        {"myexcel.exe", L"EXCEL.EXE", true},
        {"EXCEL.EXE", L"excel.exe", true},
        {"excel.exe2", L"EXCEL.EXE", false},
        {"excel.ex", L"EXCEL.EXE", false},
        {"xcel.exe", L"EXCEL.EXE", false},
        {" excel.exe ", L"EXCEL.EXE", false},
        {"", L"EXCEL.EXE", false},
        {"EXCEL *32.EXE", L"EXCEL *32.EXE", true},
        {"excel *32.exe", L"EXCEL *32.EXE", true},
        {"My Excel *32.Exe", L"EXCEL *32.EXE", true},
        {"EXCEL.EXE", L"EXCEL *32.EXE", false},
        {"EXCEL32.EXE", L"EXCEL *32.EXE", false},
        {"\xC9XCEL.EXE", L"EXCEL.EXE", false},                      // no accent folding
        {std::string(251, 'A') + "EXCEL.EXE", L"EXCEL.EXE", true},  // all 260 bytes, no NUL
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.imageName + " against " + std::string(c.target, c.target + wcslen(c.target)));
        Fake() = FakeSystem{};
        System().processes = {{42, c.imageName}};

        basMain::KillProcessesByName(c.target);

        EXPECT_EQ(System().ended == std::vector<kernel32::DWORD>{42}, c.ends);
    }
}

TEST_F(KillProcessesByNameTest, ReadsTheImageNameOnlyUpToItsNul)
{
    // What follows the NUL in szExeFile is left over from earlier entries.
    System().processes = {{10, std::string("notepad.exe\0EXCEL.EXE", 21)}, {11, "EXCEL.EXE"}};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().ended, ElementsAre(11));
}

TEST_F(KillProcessesByNameTest, TargetLongerThanAnyImageNameMatchesNothing)
{
    const std::string longest(259, 'x');
    System().processes = {{10, longest}};

    basMain::KillProcessesByName(std::wstring(300, L'x'));

    EXPECT_THAT(System().ended, IsEmpty());
    EXPECT_EQ(System().calls.back(), "CloseHandle(hSnapshot)");
}

TEST_F(KillProcessesByNameTest, EmptyTargetTakesNoSnapshot)
{
    System().processes = {{10, "EXCEL.EXE"}};

    basMain::KillProcessesByName(L"");
    basMain::KillProcessesByName(std::wstring_view{});

    EXPECT_THAT(System().calls, IsEmpty());
}

TEST_F(KillProcessesByNameTest, FailedSnapshotMakesOnePassOverTheZeroedRecordAndStillClosesIt)
{
    System().snapshotFails = true;
    System().processes = {{10, "EXCEL.EXE"}};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().calls, ElementsAreArray(Log{
                                    "GetCurrentProcessId()",
                                    "CreateToolhelp32Snapshot(2, 0) = INVALID_HANDLE_VALUE",
                                    kClockRead,
                                    "Process32First(INVALID_HANDLE_VALUE, dwSize " + kRecordSize + ", zeroed)",
                                    "Process32Next(INVALID_HANDLE_VALUE)",
                                    "CloseHandle(INVALID_HANDLE_VALUE)",
                                }));
}

TEST_F(KillProcessesByNameTest, FailedFirstFetchMakesOnePassOverTheZeroedRecord)
{
    // An empty snapshot: the first fetch fails and leaves the record as it was.
    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().calls, ElementsAreArray(Log{
                                    "GetCurrentProcessId()",
                                    "CreateToolhelp32Snapshot(2, 0) = hSnapshot",
                                    kClockRead,
                                    "Process32First(hSnapshot, dwSize " + kRecordSize + ", zeroed)",
                                    "Process32Next(hSnapshot)",
                                    "CloseHandle(hSnapshot)",
                                }));
}

TEST_F(KillProcessesByNameTest, ProcessThatCannotBeOpenedIsPassedOver)
{
    System().processes = {{20, "EXCEL.EXE", /*canOpen=*/false}, {30, "EXCEL.EXE"}};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().calls, ElementsAreArray(Log{
                                    "GetCurrentProcessId()",
                                    "CreateToolhelp32Snapshot(2, 0) = hSnapshot",
                                    kClockRead,
                                    "Process32First(hSnapshot, dwSize " + kRecordSize + ", zeroed)",
                                    "OpenProcess(0x001F0FFF, 0, 20) = 0",
                                    "TerminateProcess(0, 0)",
                                    "CloseHandle(0)",
                                    "Process32Next(hSnapshot)",
                                    "OpenProcess(0x001F0FFF, 0, 30) = hProcess30",
                                    "GetProcessTimes(hProcess30) = " + kCreatedBefore,
                                    "TerminateProcess(hProcess30, 0)",
                                    "CloseHandle(hProcess30)",
                                    "Process32Next(hSnapshot)",
                                    "CloseHandle(hSnapshot)",
                                }));
    EXPECT_THAT(System().ended, ElementsAre(30));
}

// The listed EXCEL.EXE has exited since the snapshot, and its id may now
// belong to another program.
struct ReusedIdCase {
    const char* holder;
    std::uint64_t createdAt;
    bool timesReadable;
    bool ends;
};

TEST_F(KillProcessesByNameTest, EndsOnlyAProcessCreatedNoLaterThanTheSnapshot)
{
    const ReusedIdCase cases[] = {
        {"created before the snapshot", kSnapshotTime - 1, true, true},
        {"created as the clock was read", kSnapshotTime, true, true},
        {"created a tick later: a newcomer", kSnapshotTime + 1, true, false},
        {"later by the high half, with a lower low half", ((kSnapshotTime >> 32) + 1) << 32, true, false},
        {"whose creation time cannot be read", kSnapshotTime - 1, false, false},
    };
    for (const ReusedIdCase& c : cases) {
        SCOPED_TRACE(c.holder);
        Fake() = FakeSystem{};
        FakeProcess holder{20, "EXCEL.EXE"};
        holder.createdAt = c.createdAt;
        holder.timesReadable = c.timesReadable;
        System().processes = {holder, {30, "EXCEL.EXE"}};

        basMain::KillProcessesByName(L"EXCEL.EXE");

        const std::vector<kernel32::DWORD> expected =
            c.ends ? std::vector<kernel32::DWORD>{20, 30} : std::vector<kernel32::DWORD>{30};
        EXPECT_EQ(System().ended, expected);
        EXPECT_THAT(System().openHandles, IsEmpty());
    }
}

TEST_F(KillProcessesByNameTest, ANewcomerHoldingAListedIdIsClosedWithoutBeingEnded)
{
    FakeProcess newcomer{20, "EXCEL.EXE"};
    newcomer.createdAt = kSnapshotTime + 1;
    System().processes = {newcomer};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().calls, ElementsAreArray(Log{
                                    "GetCurrentProcessId()",
                                    "CreateToolhelp32Snapshot(2, 0) = hSnapshot",
                                    kClockRead,
                                    "Process32First(hSnapshot, dwSize " + kRecordSize + ", zeroed)",
                                    "OpenProcess(0x001F0FFF, 0, 20) = hProcess20",
                                    "GetProcessTimes(hProcess20) = created " + std::to_string(kSnapshotTime + 1),
                                    "CloseHandle(hProcess20)",
                                    "Process32Next(hSnapshot)",
                                    "CloseHandle(hSnapshot)",
                                }));
}

TEST_F(KillProcessesByNameTest, SparesTheCallingProcessAndWalksOnPastIt)
{
    System().ownProcessId = 300;
    System().processes = {{200, "EXCEL.EXE"}, {300, "MyExcel.exe"}, {400, "excel.exe"}};

    basMain::KillProcessesByName(L"EXCEL.EXE");

    EXPECT_THAT(System().ended, ElementsAre(200, 400));
}

}  // namespace
