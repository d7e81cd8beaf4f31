// Measures ExcelSweep under Wine, side by side in one run, and prints a
// Markdown table: the sweep against Wine's taskkill, start-up against a
// minimal window of the same shape, size and peak working set. A benchmark,
// run by hand (bench/run), not a test.
#include "Program.h"
#include "StandIns.h"
#include "WineOnly.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;
constexpr int kOthers = 20;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Waits until every stand-in named EXCEL.EXE has ended; false if one is left
// after ten seconds or if any other stand-in ended.
bool WaitForExactSweep(const standins::StandIns& excels, const standins::StandIns& others)
{
    for (const auto& excel : excels.All())
        if (!excel->EndsWithin(10000))
            return false;
    for (const auto& other : others.All())
        if (!other->IsRunning())
            return false;
    return true;
}

// Milliseconds from `press` to the last of `count` EXCEL.EXE stand-ins gone.
double TimeSweep(int count, const standins::StandIns& others, const std::function<void()>& prepare,
                 const std::function<void()>& press)
{
    const standins::StandIns excels(std::vector<std::wstring>(count, L"EXCEL.EXE"));
    if (!standins::ForeignMatches(L"EXCEL.EXE", excels).empty())
        return -1;
    prepare();
    const double start = Now();
    press();
    const bool exact = WaitForExactSweep(excels, others);
    return exact ? Now() - start : -1;
}

double OurSweep(int count, const standins::StandIns& others)
{
    std::optional<e2e::Program> program;
    const auto start = [&] {
        program.emplace();
        program->Activate();
    };
    return TimeSweep(count, others, start, [] { e2e::PressKey(VK_RETURN); });
}

void RunAndWait(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

double TaskkillSweep(int count, const standins::StandIns& others)
{
    return TimeSweep(
        count, others, [] {}, [] { RunAndWait(L"taskkill.exe /F /IM EXCEL.EXE"); });
}

struct StartUp {
    double milliseconds;
    SIZE_T peakWorkingSet;
};

// From process creation to its window visible, for the program in EXCELSWEEP_PROGRAM.
StartUp TimeStartUp()
{
    const double start = Now();
    const e2e::Program program;
    const double elapsed = Now() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id());
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    CloseHandle(process);
    PostMessageW(program.Window(), WM_CLOSE, 0, 0);
    program.EndsWithin(5000);
    return {program.Window() != nullptr ? elapsed : -1, memory.PeakWorkingSetSize};
}

std::wstring Env(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

long FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return static_cast<long>(data.nFileSizeLow);
}

}  // namespace

int main()
{
    if (!wine::RunningUnderWine()) {
        std::fprintf(stderr, "Refusing to run: the benchmark ends processes and runs only under Wine.\n");
        return 2;
    }
    const std::wstring ours = Env(L"EXCELSWEEP_PROGRAM");
    const std::wstring floor = Env(L"EXCELSWEEP_FLOOR");

    std::vector<std::wstring> otherNames;
    for (int i = 0; i < kOthers; ++i)
        otherNames.push_back(L"other" + std::to_wstring(i) + L".exe");
    const standins::StandIns others(otherNames);

    std::printf("| EXCEL.EXE processes (+%d others) | ExcelSweep, key press to last gone | taskkill /F /IM | ratio |\n",
                kOthers);
    std::printf("|---|---|---|---|\n");
    for (const int count : {1, 10, 50, 100}) {
        std::vector<double> sweep, taskkill;
        for (int round = 0; round < kRounds; ++round) {
            sweep.push_back(OurSweep(count, others));
            taskkill.push_back(TaskkillSweep(count, others));
        }
        const double a = Median(sweep), b = Median(taskkill);
        std::printf("| %d | %.1f ms | %.1f ms | %.2f |\n", count, a, b, a / b);
        std::fflush(stdout);
    }

    std::vector<double> ourStart, floorStart;
    SIZE_T peak = 0;
    for (int round = 0; round < kRounds; ++round) {
        SetEnvironmentVariableW(L"EXCELSWEEP_PROGRAM", ours.c_str());
        const StartUp start = TimeStartUp();
        ourStart.push_back(start.milliseconds);
        peak = std::max(peak, start.peakWorkingSet);
        SetEnvironmentVariableW(L"EXCELSWEEP_PROGRAM", floor.c_str());
        floorStart.push_back(TimeStartUp().milliseconds);
    }
    std::printf("\n| start-up, creation to window visible | ExcelSweep | floor | ratio |\n|---|---|---|---|\n");
    std::printf("| median of %d | %.1f ms | %.1f ms | %.2f |\n", kRounds, Median(ourStart), Median(floorStart),
                Median(ourStart) / Median(floorStart));
    std::printf("\n| executable size | peak working set |\n|---|---|\n| %.1f KiB | %.1f MiB |\n",
                FileSize(ours) / 1024.0, static_cast<double>(peak) / (1024.0 * 1024.0));
    return 0;
}
