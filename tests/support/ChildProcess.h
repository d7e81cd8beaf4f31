// Processes and files a test makes for itself, and undoes when it goes.
#pragma once

#include <windows.h>

#include <string>

namespace standins {

// A copy of a file, deleted again when this goes.
class CopiedFile {
public:
    CopiedFile(const std::wstring& source, std::wstring target);
    ~CopiedFile();
    CopiedFile(const CopiedFile&) = delete;
    CopiedFile& operator=(const CopiedFile&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

// A process the test started. If it still runs when this goes, the test ends
// it: never a process it did not start.
class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& path);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Handle() const { return process_.hProcess; }
    bool EndsWithin(DWORD milliseconds) const;
    bool IsRunning() const { return !EndsWithin(0); }
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace standins
