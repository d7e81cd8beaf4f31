// A stand-in for the kernel32 calls of the sweep: a table of processes that the
// fake declarations walk, and a log of every call with its arguments.
#pragma once

#include "../Kernel32.h"

#include <string>
#include <vector>

struct FakeProcess {
    kernel32::DWORD id;
    std::string imageName;
    bool canOpen = true;  // false: it exits before the sweep reaches it
};

struct FakeSystem {
    std::vector<FakeProcess> processes;
    kernel32::DWORD ownProcessId = 1;
    bool snapshotFails = false;

    std::vector<std::string> calls;         // "OpenProcess(0x001F0FFF, 0, 42) = hProcess42"
    std::vector<kernel32::DWORD> ended;     // ids, in the order they were ended
    std::vector<kernel32::DWORD> exitCodes; // beside `ended`
};

// The fake the linked declarations act on; tests reset it to a new FakeSystem.
FakeSystem& Fake();
