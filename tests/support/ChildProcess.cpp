#include "ChildProcess.h"

#include <stdexcept>

namespace standins {
namespace {

// The exit code of a process the test had to end itself.
constexpr DWORD kAbandonedExitCode = 99;

}  // namespace

CopiedFile::CopiedFile(const std::wstring& source, std::wstring target) : path_(std::move(target))
{
    if (!CopyFileW(source.c_str(), path_.c_str(), FALSE))
        throw std::runtime_error("cannot copy a program for the test");
}

CopiedFile::~CopiedFile() { DeleteFileW(path_.c_str()); }

ChildProcess::ChildProcess(const std::wstring& path)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        throw std::runtime_error("cannot start a process for the test");
    CloseHandle(process_.hThread);
    process_.hThread = nullptr;
}

ChildProcess::~ChildProcess()
{
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, kAbandonedExitCode);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
}

bool ChildProcess::EndsWithin(DWORD milliseconds) const
{
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace standins
