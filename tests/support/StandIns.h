// Idle processes started under chosen image names, for sweeps to end. Every
// process a test may end is one of these; see `ForeignMatches`.
#pragma once

#include "ChildProcess.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace standins {

class StandIn {
public:
    StandIn(std::wstring imageName, const std::wstring& folder);

    const std::wstring& ImageName() const { return imageName_; }
    DWORD Id() const { return process_.Id(); }
    bool EndsWithin(DWORD milliseconds) const { return process_.EndsWithin(milliseconds); }
    bool IsRunning() const { return process_.IsRunning(); }
    DWORD ExitCode() const { return process_.ExitCode(); }

private:
    std::wstring imageName_;
    CopiedFile file_;  // declared first: it goes after the process has ended
    ChildProcess process_;
};

// Copies of the idle program, each in a folder of its own so that names may
// repeat. They leave with their folders when the set is destroyed.
class StandIns {
public:
    explicit StandIns(const std::vector<std::wstring>& imageNames);
    ~StandIns();
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    const std::vector<std::unique_ptr<StandIn>>& All() const { return standIns_; }
    bool Contains(DWORD processId) const;

private:
    std::wstring root_;
    std::vector<std::unique_ptr<StandIn>> standIns_;
};

// Whether `imageName` ends with `target`, ignoring case: the tests' own
// reading of which names a sweep must end.
bool EndsWithIgnoringCase(const std::wstring& imageName, const std::wstring& target);

// Running processes that a sweep for `target` would end but that the test did
// not start (other than `exceptId`). A destructive test must find none.
std::vector<std::wstring> ForeignMatches(const std::wstring& target, const StandIns& ours, DWORD exceptId = 0);

// The folder of the running test executable, with a trailing backslash.
std::wstring OwnFolder();

}  // namespace standins
