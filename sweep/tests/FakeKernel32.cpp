// Link-time replacement for Kernel32.cpp in the tests of the sweep.
#include "FakeKernel32.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

using namespace kernel32;

FakeSystem fake;
std::vector<FakeProcess> snapshotted;  // the processes as the snapshot saw them
std::size_t nextEntry = 0;

const auto kInvalidHandle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
const auto kSnapshot = reinterpret_cast<HANDLE>(0x5000);
constexpr std::uintptr_t kProcessBase = 0x10000000;

std::string Name(HANDLE handle)
{
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (handle == nullptr)
        return "0";
    if (handle == kInvalidHandle)
        return "INVALID_HANDLE_VALUE";
    if (handle == kSnapshot)
        return "hSnapshot";
    if (value >= kProcessBase)
        return "hProcess" + std::to_string(value - kProcessBase);
    return "unknown";
}

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

void Log(const std::string& call) { fake.calls.push_back(call); }

bool IsZeroedBeyondSize(const PROCESSENTRY32& entry)
{
    PROCESSENTRY32 zeroed{};
    zeroed.dwSize = entry.dwSize;
    return std::memcmp(&entry, &zeroed, sizeof entry) == 0;
}

BOOL Fetch(HANDLE snapshot, PROCESSENTRY32* entry)
{
    if (snapshot != kSnapshot || entry->dwSize != sizeof(PROCESSENTRY32) || nextEntry >= snapshotted.size())
        return 0;
    const FakeProcess& process = snapshotted[nextEntry++];
    const DWORD size = entry->dwSize;
    *entry = PROCESSENTRY32{};
    entry->dwSize = size;
    entry->th32ProcessID = process.id;
    std::memcpy(entry->szExeFile, process.imageName.data(),
                std::min(process.imageName.size(), sizeof entry->szExeFile));
    return 1;
}

HANDLE Opened(HANDLE handle)
{
    if (handle != nullptr && handle != kInvalidHandle)
        fake.openHandles.insert(Name(handle));
    return handle;
}

FILETIME ToFileTime(std::uint64_t ticks) { return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)}; }

const FakeProcess* Find(DWORD id)
{
    for (const FakeProcess& process : fake.processes)
        if (process.id == id)
            return &process;
    return nullptr;
}

}  // namespace

FakeSystem& Fake() { return fake; }

namespace kernel32 {

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID)
{
    const HANDLE result = fake.snapshotFails ? kInvalidHandle : kSnapshot;
    Log("CreateToolhelp32Snapshot(" + std::to_string(dwFlags) + ", " + std::to_string(th32ProcessID) +
        ") = " + Name(result));
    snapshotted = fake.snapshotFails ? std::vector<FakeProcess>{} : fake.processes;
    nextEntry = 0;
    return Opened(result);
}

BOOL Process32First(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    Log("Process32First(" + Name(hSnapshot) + ", dwSize " + std::to_string(lppe->dwSize) +
        (IsZeroedBeyondSize(*lppe) ? ", zeroed)" : ", not zeroed)"));
    nextEntry = 0;
    return Fetch(hSnapshot, lppe);
}

BOOL Process32Next(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    Log("Process32Next(" + Name(hSnapshot) + ")");
    return Fetch(hSnapshot, lppe);
}

HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId)
{
    const FakeProcess* process = Find(dwProcessId);
    const HANDLE result = process && process->canOpen ? reinterpret_cast<HANDLE>(kProcessBase + dwProcessId) : nullptr;
    Log("OpenProcess(" + Hex(dwDesiredAccess) + ", " + std::to_string(bInheritHandle) + ", " +
        std::to_string(dwProcessId) + ") = " + Name(result));
    return Opened(result);
}

BOOL TerminateProcess(HANDLE hProcess, DWORD uExitCode)
{
    Log("TerminateProcess(" + Name(hProcess) + ", " + std::to_string(uExitCode) + ")");
    const auto value = reinterpret_cast<std::uintptr_t>(hProcess);
    if (value < kProcessBase)
        return 0;
    fake.ended.push_back(static_cast<DWORD>(value - kProcessBase));
    fake.exitCodes.push_back(uExitCode);
    return 1;
}

BOOL CloseHandle(HANDLE hObject)
{
    Log("CloseHandle(" + Name(hObject) + ")");
    const auto open = fake.openHandles.find(Name(hObject));
    if (open == fake.openHandles.end())
        return 0;
    fake.openHandles.erase(open);
    return 1;
}

DWORD GetCurrentProcessId()
{
    Log("GetCurrentProcessId()");
    return fake.ownProcessId;
}

BOOL GetProcessTimes(HANDLE hProcess, FILETIME* lpCreationTime, FILETIME* lpExitTime, FILETIME* lpKernelTime,
                     FILETIME* lpUserTime)
{
    const auto value = reinterpret_cast<std::uintptr_t>(hProcess);
    const FakeProcess* process = value >= kProcessBase ? Find(static_cast<DWORD>(value - kProcessBase)) : nullptr;
    if (process == nullptr || !process->timesReadable) {
        Log("GetProcessTimes(" + Name(hProcess) + ") = failed");
        return 0;
    }
    Log("GetProcessTimes(" + Name(hProcess) + ") = created " + std::to_string(process->createdAt));
    *lpCreationTime = ToFileTime(process->createdAt);
    *lpExitTime = *lpKernelTime = *lpUserTime = FILETIME{};
    return 1;
}

void GetSystemTimePreciseAsFileTime(FILETIME* lpSystemTimeAsFileTime)
{
    Log("GetSystemTimePreciseAsFileTime() = " + std::to_string(kSnapshotTime));
    *lpSystemTimeAsFileTime = ToFileTime(kSnapshotTime);
}

}  // namespace kernel32
