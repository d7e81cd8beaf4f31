// libFuzzer target: KillProcessesByName over the fake kernel32, with process
// lists and targets made from the fuzzer's bytes. Every decision to end or
// spare a process is checked against the rule written the naive way, and
// every handle the sweep opened must be closed.
//
// Input: two bytes of target length (up to 319 characters, so longer than
// any image name), the target's characters one byte each, then processes
// until the input runs out: a byte of flags, two bytes of name length (up to
// 260, the whole field), and the name's bytes, NULs and all.
#include "../../basMain.h"
#include "../FakeKernel32.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kNameField = sizeof(kernel32::PROCESSENTRY32::szExeFile);
constexpr std::size_t kMaxTarget = 319;
constexpr std::size_t kMaxProcesses = 64;

enum Flags : std::uint8_t {
    kCannotOpen = 1,       // exited before the sweep reached it
    kNewcomer = 2,         // its id now names a process created after the snapshot
    kTimesUnreadable = 4,  // its creation time cannot be read
    kIsCaller = 8,         // the sweeping process itself
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    std::size_t Length(std::size_t limit) { return (Byte() | (std::size_t{Byte()} << 8)) % (limit + 1); }
    std::string Bytes(std::size_t count)
    {
        const std::size_t taken = std::min(count, size_ - std::min(at_, size_));
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Bytes as characters, one to one, as the native build reads ANSI text.
std::wstring Widened(const std::string& bytes)
{
    std::wstring text;
    for (const char byte : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
}

// The rule as a person would write it: the name is the field up to its first
// NUL; lower both whole strings (A to Z, as the text services of the native
// build do) and compare the tail.
std::wstring Lowered(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c + (L'a' - L'A'));
    return text;
}

bool NaiveMatch(const std::string& field, const std::wstring& target)
{
    const std::string name = field.substr(0, field.find('\0'));
    const std::wstring image = Lowered(Widened(name));
    const std::wstring tail = Lowered(target);
    return !tail.empty() && image.size() >= tail.size() &&
           image.compare(image.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Ids(const std::vector<kernel32::DWORD>& ids)
{
    std::string text;
    for (const kernel32::DWORD id : ids)
        text += std::to_string(id) + " ";
    return text;
}

[[noreturn]] void Fail(const char* what, const std::vector<kernel32::DWORD>& expected)
{
    std::fprintf(stderr, "KillProcessesByName fuzz: %s\n  ended:    %s\n  expected: %s\n", what,
                 Ids(Fake().ended).c_str(), Ids(expected).c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    const std::wstring target = Widened(input.Bytes(input.Length(kMaxTarget)));

    FakeSystem system;
    system.ownProcessId = 0xFFFFFFFF;
    std::vector<kernel32::DWORD> expected;
    for (kernel32::DWORD id = 4; !input.Empty() && system.processes.size() < kMaxProcesses; id += 4) {
        const std::uint8_t flags = input.Byte();
        FakeProcess process{id, input.Bytes(input.Length(kNameField))};
        process.canOpen = (flags & kCannotOpen) == 0;
        process.createdAt = (flags & kNewcomer) ? kSnapshotTime + 1 : kSnapshotTime;
        process.timesReadable = (flags & kTimesUnreadable) == 0;
        if (flags & kIsCaller)
            system.ownProcessId = id;
        system.processes.push_back(process);
    }
    for (const FakeProcess& process : system.processes)
        if (process.id != system.ownProcessId && process.canOpen && process.timesReadable &&
            process.createdAt <= kSnapshotTime && NaiveMatch(process.imageName, target))
            expected.push_back(process.id);
    Fake() = system;

    basMain::KillProcessesByName(target);

    if (Fake().ended != expected)
        Fail("ended other processes than the rule names", expected);
    if (!Fake().openHandles.empty())
        Fail("left a handle open", expected);
    for (const kernel32::DWORD exitCode : Fake().exitCodes)
        if (exitCode != 0)
            Fail("ended a process with an exit code other than 0", expected);
    return 0;
}
