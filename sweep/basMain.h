// The program's work: ending processes by the name of their image.
#pragma once

#include <string_view>

namespace basMain {

// Forcibly ends, with exit code 0, every process whose image name ends with
// `targetName`, ignoring case; the calling process itself is always spared,
// and so is a process that took the id of a listed one after the snapshot.
// An empty name does nothing. Nothing is reported: a process that cannot be
// opened, identified or ended is passed over.
void KillProcessesByName(std::wstring_view targetName);

}  // namespace basMain
