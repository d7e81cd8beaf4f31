#include "Kernel32.h"

#include "Declare.h"

#include <cstdlib>

namespace kernel32 {
namespace {

// kernel32 has exported all of these since Windows 2000; should one ever be
// missing, stop at once rather than call through a null pointer.
template <typename Procedure>
Procedure Declared(const char* entryPoint)
{
    const auto procedure = declare::Bind<Procedure>(L"kernel32.dll", entryPoint);
    if (procedure == nullptr)
        std::abort();
    return procedure;
}

}  // namespace

HANDLE CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID)
{
    static const auto call = Declared<HANDLE(__stdcall*)(DWORD, DWORD)>("CreateToolhelp32Snapshot");
    return call(dwFlags, th32ProcessID);
}

BOOL Process32First(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    static const auto call = Declared<BOOL(__stdcall*)(HANDLE, PROCESSENTRY32*)>("Process32First");
    return call(hSnapshot, lppe);
}

BOOL Process32Next(HANDLE hSnapshot, PROCESSENTRY32* lppe)
{
    static const auto call = Declared<BOOL(__stdcall*)(HANDLE, PROCESSENTRY32*)>("Process32Next");
    return call(hSnapshot, lppe);
}

HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId)
{
    static const auto call = Declared<HANDLE(__stdcall*)(DWORD, BOOL, DWORD)>("OpenProcess");
    return call(dwDesiredAccess, bInheritHandle, dwProcessId);
}

BOOL TerminateProcess(HANDLE hProcess, DWORD uExitCode)
{
    static const auto call = Declared<BOOL(__stdcall*)(HANDLE, DWORD)>("TerminateProcess");
    return call(hProcess, uExitCode);
}

BOOL CloseHandle(HANDLE hObject)
{
    static const auto call = Declared<BOOL(__stdcall*)(HANDLE)>("CloseHandle");
    return call(hObject);
}

DWORD GetCurrentProcessId()
{
    static const auto call = Declared<DWORD(__stdcall*)()>("GetCurrentProcessId");
    return call();
}

BOOL GetProcessTimes(HANDLE hProcess, FILETIME* lpCreationTime, FILETIME* lpExitTime, FILETIME* lpKernelTime,
                     FILETIME* lpUserTime)
{
    static const auto call =
        Declared<BOOL(__stdcall*)(HANDLE, FILETIME*, FILETIME*, FILETIME*, FILETIME*)>("GetProcessTimes");
    return call(hProcess, lpCreationTime, lpExitTime, lpKernelTime, lpUserTime);
}

void GetSystemTimePreciseAsFileTime(FILETIME* lpSystemTimeAsFileTime)
{
    using Clock = void(__stdcall*)(FILETIME*);
    static const auto precise = declare::Bind<Clock>(L"kernel32.dll", "GetSystemTimePreciseAsFileTime");
    static const auto call = precise != nullptr ? precise : Declared<Clock>("GetSystemTimeAsFileTime");
    call(lpSystemTimeAsFileTime);
}

}  // namespace kernel32
