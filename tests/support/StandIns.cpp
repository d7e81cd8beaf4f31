#include "StandIns.h"

#include <tlhelp32.h>

namespace standins {
namespace {

std::wstring NewTempFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    const std::wstring folder = std::wstring(temp) + L"excelsweep-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++counter) + L"\\";
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
    : imageName_(std::move(imageName)), file_(OwnFolder() + L"standin.exe", folder + imageName_), process_(file_.Path())
{
}

StandIns::StandIns(const std::vector<std::wstring>& imageNames) : root_(NewTempFolder())
{
    for (std::size_t i = 0; i < imageNames.size(); ++i) {
        const std::wstring folder = root_ + std::to_wstring(i) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        standIns_.push_back(std::make_unique<StandIn>(imageNames[i], folder));
    }
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
        const bool oursOrExcepted = ours.Contains(entry.th32ProcessID) || entry.th32ProcessID == exceptId;
        if (!oursOrExcepted && EndsWithIgnoringCase(entry.szExeFile, target))
            foreign.push_back(entry.szExeFile);
    }
    CloseHandle(snapshot);
    return foreign;
}

}  // namespace standins
