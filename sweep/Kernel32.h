// Our own declarations of the kernel32 calls the sweep makes, in the ANSI
// forms and the layouts of the architecture built for. They live in a namespace of their
// own and must not meet <windows.h> in one translation unit, whose macros
// (PROCESS_ALL_ACCESS among them) would clash with these names.
#pragma once

#include <cstdint>

namespace kernel32 {

using BOOL = std::int32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using ULONG_PTR = std::uintptr_t;
using CHAR = char;
using HANDLE = void*;

constexpr DWORD TH32CS_SNAPPROCESS = 0x00000002;

// The "all access" mask of the Windows XP era. Every later version accepts it;
// the newer 0x001FFFFF is refused by the older systems.
constexpr DWORD PROCESS_ALL_ACCESS = 0x001F0FFF;

struct PROCESSENTRY32 {
    DWORD dwSize;
    DWORD cntUsage;
    DWORD th32ProcessID;
    ULONG_PTR th32DefaultHeapID;
    DWORD th32ModuleID;
    DWORD cntThreads;
    DWORD th32ParentProcessID;
    LONG pcPriClassBase;
    DWORD dwFlags;
    CHAR szExeFile[260];
};
static_assert(sizeof(PROCESSENTRY32) == (sizeof(void*) == 4 ? 296 : 304),
              "PROCESSENTRY32 must have the layout of Windows: 296 bytes in 32-bit code, 304 in 64-bit");

// A time in 100-nanosecond ticks since 1601, in two halves.
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

// Each call binds its kernel32 export by name the first time it is made.
HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID);
BOOL Process32First(HANDLE hSnapshot, PROCESSENTRY32* lppe);
BOOL Process32Next(HANDLE hSnapshot, PROCESSENTRY32* lppe);
HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId);
BOOL TerminateProcess(HANDLE hProcess, DWORD uExitCode);
BOOL CloseHandle(HANDLE hObject);
DWORD GetCurrentProcessId();
BOOL GetProcessTimes(HANDLE hProcess, FILETIME* lpCreationTime, FILETIME* lpExitTime, FILETIME* lpKernelTime,
                     FILETIME* lpUserTime);
// Windows 8 and later; on older systems this reads GetSystemTimeAsFileTime,
// which lags the precise clock by up to a tick.
void GetSystemTimePreciseAsFileTime(FILETIME* lpSystemTimeAsFileTime);

}  // namespace kernel32
