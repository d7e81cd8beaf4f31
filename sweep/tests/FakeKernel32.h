// A stand-in for the kernel32 calls of the sweep: a table of processes that the
// fake declarations walk, and a log of every call with its arguments.
#pragma once

#include "../Kernel32.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// What the clock reads after the snapshot, in the 100 ns ticks of a FILETIME:
// a time in 2022, whose high half is far from 0.
constexpr std::uint64_t kSnapshotTime = 133'000'000'000'000'000;

struct FakeProcess {
    kernel32::DWORD id;
    std::string imageName;  // the bytes of szExeFile: up to 260, a NUL inside ends the name
    bool canOpen = true;    // false: it exits before the sweep reaches it
    // When the process that holds this id now was created: after the snapshot
    // if the listed process exited and its id went to a new one.
    std::uint64_t createdAt = kSnapshotTime - 1;
    bool timesReadable = true;
};

struct FakeSystem {
    std::vector<FakeProcess> processes;
    kernel32::DWORD ownProcessId = 1;
    bool snapshotFails = false;

    std::vector<std::string> calls;          // "OpenProcess(0x001F0FFF, 0, 42) = hProcess42"
    std::vector<kernel32::DWORD> ended;      // ids, in the order they were ended
    std::vector<kernel32::DWORD> exitCodes;  // beside `ended`
    std::multiset<std::string> openHandles;  // opened and not yet closed: "hProcess42"
};

// The fake the linked declarations act on; tests reset it to a new FakeSystem.
FakeSystem& Fake();
