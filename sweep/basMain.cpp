#include "basMain.h"

#include "Kernel32.h"
#include "TextServices.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace basMain {
namespace {

using namespace kernel32;

constexpr std::size_t kNameCapacity = sizeof(PROCESSENTRY32::szExeFile);

// A name lowered into a buffer as large as any image name. A text too long for
// it cannot be the tail of an image name, so it keeps no characters and is
// marked as matching nothing.
struct LoweredName {
    wchar_t chars[kNameCapacity];
    std::size_t length = 0;
    bool matchable = true;
};

LoweredName LowerTarget(std::wstring_view targetName)
{
    LoweredName target;
    if (targetName.size() > kNameCapacity) {
        target.matchable = false;
        return target;
    }
    std::copy_n(targetName.data(), targetName.size(), target.chars);
    target.length = targetName.size();
    text::LowerInPlace(target.chars, target.length);
    return target;
}

// The image name is the part of szExeFile before its first NUL, read in the
// ANSI code page.
LoweredName LowerImageName(const PROCESSENTRY32& entry)
{
    LoweredName image;
    const void* nul = std::memchr(entry.szExeFile, '\0', kNameCapacity);
    const std::size_t bytes =
        nul ? static_cast<std::size_t>(static_cast<const CHAR*>(nul) - entry.szExeFile) : kNameCapacity;
    image.length = text::AnsiToWide(entry.szExeFile, bytes, image.chars, kNameCapacity);
    text::LowerInPlace(image.chars, image.length);
    return image;
}

bool EndsWith(const LoweredName& image, const LoweredName& target)
{
    return target.matchable && image.length >= target.length &&
           std::equal(target.chars, target.chars + target.length, image.chars + image.length - target.length);
}

std::uint64_t Ticks(const FILETIME& time) { return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

// Whether an opened process is the one the snapshot listed. The id of a
// process that has exited since is soon given to a new process, which was
// created after the snapshot. A process whose creation time cannot be read
// cannot be told apart from such a newcomer, so it counts as one.
bool WasListed(HANDLE process, const FILETIME& snapshotTime)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    return GetProcessTimes(process, &created, &exited, &kernel, &user) && Ticks(created) <= Ticks(snapshotTime);
}

void TerminateListedProcess(DWORD processId, const FILETIME& snapshotTime)
{
    // A process that has exited or that we may not open yields a 0 handle.
    // Terminating and closing 0 are called all the same, on purpose: they
    // fail without effect, and the walk goes on.
    const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, 0, processId);
    if (process == nullptr || WasListed(process, snapshotTime))
        TerminateProcess(process, 0);
    CloseHandle(process);
}

}  // namespace

void KillProcessesByName(std::wstring_view targetName)
{
    if (targetName.empty())
        return;
    const LoweredName target = LowerTarget(targetName);
    // Ending ourselves would stop the walk half way, with matches left alive.
    const DWORD ownProcessId = GetCurrentProcessId();

    // Zero-filled, so that if no fetch succeeds the one pass of the loop sees
    // an empty name, which matches no target.
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;

    // Neither the snapshot nor the first fetch is examined: if either fails,
    // the fetches fail and the loop runs once over the zeroed entry. Every
    // process the snapshot lists was created before the clock is read.
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    FILETIME snapshotTime{};
    GetSystemTimePreciseAsFileTime(&snapshotTime);
    Process32First(snapshot, &entry);
    do {
        if (entry.th32ProcessID != ownProcessId && EndsWith(LowerImageName(entry), target))
            TerminateListedProcess(entry.th32ProcessID, snapshotTime);
    } while (Process32Next(snapshot, &entry));
    CloseHandle(snapshot);
}

}  // namespace basMain
