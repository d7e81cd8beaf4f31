#include "StandIns.h"

#include <tlhelp32.h>

#include <stdexcept>

namespace standins {
namespace {

// Leaves by itself after two minutes with this code, should a test not end it.
constexpr DWORD kUnendedExitCode = 3;

std::wstring NewTempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    const std::wstring folder = std::wstring(temp) + L"excelsweep-" + std::to_wstring(GetCurrentProcessId()) +
                                L"-" + std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

StandIn::StandIn(std::wstring imageName, const std::wstring& folder)
    : imageName_(std::move(imageName)), path_(folder + imageName_)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!CopyFileW((OwnFolder() + L"standin.exe").c_str(), path_.c_str(), FALSE))
        throw std::runtime_error("cannot copy the stand-in program");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path_ + L"\"";
    if (!CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        throw std::runtime_error("cannot start a stand-in process");
    CloseHandle(process_.hThread);
    process_.hThread = nullptr;
}

StandIn::~StandIn()
{
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, kUnendedExitCode);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    DeleteFileW(path_.c_str());
}

bool StandIn::EndsWithin(DWORD milliseconds) const
{
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD StandIn::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

StandIns::StandIns(const std::vector<std::wstring>& imageNames) : root_(NewTempFolder())
{
    for (std::size_t i = 0; i < imageNames.size(); ++i)
        standIns_.push_back(std::make_unique<StandIn>(imageNames[i], root_ + std::to_wstring(i) + L"\\"));
}

StandIns::~StandIns()
{
    for (std::size_t i = 0; i < standIns_.size(); ++i) {
        standIns_[i].reset();
        RemoveDirectoryW((root_ + std::to_wstring(i)).c_str());
    }
    RemoveDirectoryW(root_.c_str());
}

bool StandIns::Contains(DWORD processId) const
{
    for (const auto& standIn : standIns_)
        if (standIn->Id() == processId)
            return true;
    return false;
}

bool EndsWithIgnoringCase(const std::wstring& imageName, const std::wstring& target)
{
    return imageName.size() >= target.size() &&
           _wcsicmp(imageName.c_str() + imageName.size() - target.size(), target.c_str()) == 0;
}

std::vector<std::wstring> ForeignMatches(const std::wstring& target, const StandIns& ours, DWORD exceptId)
{
    std::vector<std::wstring> foreign;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return {L"(no process list)"};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const bool ours_or_excepted = ours.Contains(entry.th32ProcessID) || entry.th32ProcessID == exceptId;
        if (!ours_or_excepted && EndsWithIgnoringCase(entry.szExeFile, target))
            foreign.push_back(entry.szExeFile);
    }
    CloseHandle(snapshot);
    return foreign;
}

}  // namespace standins
