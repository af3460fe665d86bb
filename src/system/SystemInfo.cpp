#include "system/SystemInfo.h"

#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "platform/InputFacts.h"
#include "platform/WinHolders.h"
#include "system/SettingCalls.h"
#include "system/VersionGates.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sys {

static_assert(sizeof(win::OSVERSIONINFOEXA) == 156, "the extended version record");

namespace {

constexpr win::UINT MaxPath = 260;
// The longest NetBIOS computer name.
constexpr std::size_t MaxNetBiosName = 15;
constexpr int NetBiosFormat = 0;
constexpr int PhysicalNetBiosFormat = 4;
constexpr int PhysicalDnsHostnameFormat = 5;
constexpr int PhysicalDnsDomainFormat = 6;

// The head of VS_FIXEDFILEINFO, the root block of a file's version resource.
struct FixedFileInfoHead {
    win::DWORD dwSignature;
    win::DWORD dwStrucVersion;
    win::DWORD dwFileVersionMS;
};

// A directory read: the buffer grows once when Windows asks for more.
template <class Call> std::string directory(Call call) {
    std::vector<char> buffer(MaxPath, '\0');
    win::DWORD length = call(static_cast<win::DWORD>(buffer.size()), buffer.data());
    if (length > buffer.size()) {
        buffer.assign(length, '\0');
        length = call(static_cast<win::DWORD>(buffer.size()), buffer.data());
    }
    // A folder that grew again between the calls is not read past the buffer.
    return std::string(buffer.data(), std::min<std::size_t>(length, buffer.size()));
}

// The extended version record, or the plain one where Windows refuses it (the
// record then ends after szCSDVersion); emptied when both calls fail. True when
// the extended one was read.
bool readVersion(win::WindowsApi& api, win::OSVERSIONINFOEXA& version) {
    // The extended record begins with the plain one.
    auto* record = reinterpret_cast<win::OSVERSIONINFOA*>(&version);
    version.dwOSVersionInfoSize = sizeof(win::OSVERSIONINFOEXA);
    if (api.GetVersionExA(record) != win::FALSE)
        return true;
    version = {};
    version.dwOSVersionInfoSize = sizeof(win::OSVERSIONINFOA);
    if (api.GetVersionExA(record) == win::FALSE)
        version = {};
    return false;
}

} // namespace

SystemInfo::SystemInfo(win::WindowsApi& api)
    : api_(api), extended_(readVersion(api, version_)), gates_(versionRecord()) {
    api_.GetSystemInfo(&processor_);
}

bool SystemInfo::passes(win::VersionGate gate) {
    return admitted(gates_, gate, RaiseErrors, "SystemInfo");
}

// The service pack and suite fields are only in the extended record.
bool SystemInfo::extendedRecordGate() {
    return admitted(gates_.opens(win::VersionGate::Win2000) && extended_, RaiseErrors, "SystemInfo");
}

// ---- gates ------------------------------------------------------------------

// The record is emptied when both calls fail.
bool SystemInfo::IsWin95() const {
    return gates_.isWin95();
}
bool SystemInfo::IsWin98() const {
    return gates_.isWin98();
}
bool SystemInfo::IsWin2000() const {
    return gates_.isWin2000();
}
bool SystemInfo::IsWinNT() const {
    return gates_.isNT4();
}

// ---- metrics and switches -------------------------------------------------------

std::int32_t SystemInfo::metric(int index) {
    return api_.GetSystemMetrics(index);
}

std::int32_t SystemInfo::BootMethod() {
    return metric(win::SM_CLEANBOOT);
}
bool SystemInfo::MidEastEnabled() {
    return metric(win::SM_MIDEASTENABLED) != 0;
}
bool SystemInfo::NetworkPresent() {
    return (metric(win::SM_NETWORK) & 1) != 0;
}
bool SystemInfo::IsIMMEnabled() {
    return passes(win::VersionGate::Win2000) && metric(win::SM_IMMENABLED) != 0;
}
bool SystemInfo::IsRemoteSession() {
    return metric(win::SM_REMOTESESSION) != 0;
}
bool SystemInfo::Secure() {
    return metric(win::SM_SECURE) != 0;
}
bool SystemInfo::ShowSounds() {
    return metric(win::SM_SHOWSOUNDS) != 0;
}
bool SystemInfo::SlowMachine() {
    return metric(win::SM_SLOWMACHINE) != 0;
}

std::int32_t SystemInfo::Beep() {
    return readSetting(api_, win::SPI_GETBEEP);
}
void SystemInfo::Beep(bool value) {
    writeSetting(api_, win::SPI_SETBEEP, windowsBool(value));
}
bool SystemInfo::ScreenSaverActive() {
    return readSetting(api_, win::SPI_GETSCREENSAVEACTIVE) != 0;
}
void SystemInfo::ScreenSaverActive(bool value) {
    writeSetting(api_, win::SPI_SETSCREENSAVEACTIVE, windowsBool(value));
}
std::int32_t SystemInfo::ScreenSaverTimeout() {
    return readSetting(api_, win::SPI_GETSCREENSAVETIMEOUT);
}
void SystemInfo::ScreenSaverTimeout(std::int32_t seconds) {
    writeSetting(api_, win::SPI_SETSCREENSAVETIMEOUT, seconds);
}
bool SystemInfo::ScreenSaverRunning() {
    return passes(win::VersionGate::WinLevel5) && readSetting(api_, win::SPI_GETSCREENSAVERRUNNING) != 0;
}
// Windows answers with the call's own result: True when Plus! extensions are installed.
bool SystemInfo::WindowsExtension() {
    return readSetting(api_, win::SPI_GETWINDOWSEXTENSION) != 0;
}

bool SystemInfo::IsDBCS() {
    win::CPINFO info{};
    // Code page 0 is the system's ANSI code page.
    return api_.GetCPInfo(0, &info) != win::FALSE && info.MaxCharSize >= 2;
}

// ---- folders ----------------------------------------------------------------------

std::string SystemInfo::TempPath() {
    return directory([this](win::DWORD size, char* buffer) { return api_.GetTempPathA(size, buffer); });
}
std::string SystemInfo::WindowsDirectory() {
    return directory(
        [this](win::DWORD size, char* buffer) { return api_.GetWindowsDirectoryA(buffer, size); });
}
std::string SystemInfo::SystemDirectory() {
    return directory(
        [this](win::DWORD size, char* buffer) { return api_.GetSystemDirectoryA(buffer, size); });
}

std::string SystemInfo::SpecialFolderLocation(std::int32_t FolderId) {
    win::ITEMIDLIST* list = nullptr;
    if (api_.SHGetSpecialFolderLocation(0, FolderId, &list) != 0)
        return {};
    const win::TaskMemory freed(api_, list);
    char path[MaxPath] = {};
    if (api_.SHGetPathFromIDListA(list, path) == win::FALSE)
        return {};
    return rt::UpToNul({path, sizeof path});
}

// ---- names ------------------------------------------------------------------------

std::string SystemInfo::ComputerName(std::int32_t NameFormat) {
    if (NameFormat == NetBiosFormat) {
        char buffer[MaxNetBiosName + 1] = {};
        win::DWORD size = sizeof buffer;
        if (api_.GetComputerNameA(buffer, &size) == win::FALSE)
            return {};
        return std::string(buffer, std::min<std::size_t>(size, sizeof buffer));
    }
    if (!passes(win::VersionGate::Win2000))
        return {};
    win::DWORD size = 0;
    api_.GetComputerNameExA(NameFormat, nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (api_.GetComputerNameExA(NameFormat, buffer.data(), &size) == win::FALSE)
        return {};
    return std::string(buffer.data(), std::min<std::size_t>(size, buffer.size()));
}

void SystemInfo::ComputerName(std::int32_t NameFormat, const std::string& name) {
    if (NameFormat == NetBiosFormat) {
        api_.SetComputerNameA(name.c_str());
        return;
    }
    if (!passes(win::VersionGate::Win2000))
        return;
    switch (NameFormat) {
    case PhysicalNetBiosFormat:
        if (name.size() > MaxNetBiosName)
            throw rt::Error(rt::ErrComputerNameTooLong,
                            "Name cannot exceed " + std::to_string(MaxNetBiosName) + " characters.",
                            "SystemInfo.ComputerNameEx");
        break;
    case PhysicalDnsHostnameFormat:
        // Windows derives the NetBIOS name by cutting the host name, so a long one is
        // only a warning: with RaiseErrors False it is written all the same.
        if (name.size() > MaxNetBiosName && RaiseErrors)
            throw rt::Error(rt::ErrNetBiosNameTooLong,
                            "NetBIOS name is longer than " + std::to_string(MaxNetBiosName) + " characters.",
                            "SystemInfo");
        break;
    case PhysicalDnsDomainFormat:
        break;
    default:
        throw rt::Error(rt::ErrInvalidProcedureCall);
    }
    api_.SetComputerNameExA(NameFormat, name.c_str());
}

std::string SystemInfo::UserName(std::int32_t NameFormat) {
    constexpr win::DWORD BufferSize = 255;
    char buffer[BufferSize] = {};
    if (NameFormat == 0) {
        win::DWORD size = BufferSize;
        if (api_.GetUserNameA(buffer, &size) == win::FALSE || size == 0)
            return {};
        // The size counts the NUL.
        return std::string(buffer, std::min<std::size_t>(size - 1, BufferSize));
    }
    if (!passes(win::VersionGate::Win2000))
        return {};
    win::ULONG size = BufferSize;
    // An empty name is a failure as much as the call's own.
    const bool named = api_.GetUserNameExA(NameFormat, buffer, &size) != 0;
    const std::string name = rt::UpToNul({buffer, sizeof buffer});
    if ((named && !name.empty()) || !RaiseErrors)
        return named ? name : std::string();
    const win::DWORD code = api_.GetLastError();
    char message[1024] = {};
    const win::DWORD length = api_.FormatMessageA(win::FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0, message,
                                                  sizeof message, nullptr);
    throw rt::Error(static_cast<std::int32_t>(code),
                    std::string(message, std::min<std::size_t>(length, sizeof message)),
                    "SystemInfo.UserName");
}

// ---- interface levels -------------------------------------------------------------

std::int32_t SystemInfo::WINVER() {
    return gates_.settingsLevel();
}

std::int32_t SystemInfo::WIN32_IE() {
    // The shell's browser control carries the Internet Explorer version.
    std::string version;
    win::DWORD handle = 0;
    const win::DWORD size = api_.GetFileVersionInfoSizeA("ShDocVW.dll", &handle);
    if (size >= sizeof(FixedFileInfoHead)) {
        std::vector<char> block(size, '\0');
        void* root = nullptr;
        win::UINT length = 0;
        if (api_.GetFileVersionInfoA("ShDocVW.dll", handle, size, block.data()) != win::FALSE &&
            api_.VerQueryValueA(block.data(), "\\", &root, &length) != win::FALSE && root != nullptr &&
            length >= sizeof(FixedFileInfoHead)) {
            FixedFileInfoHead head{};
            std::memcpy(&head, root, sizeof head);
            version = std::to_string(head.dwFileVersionMS >> 16) + "." +
                      std::to_string(head.dwFileVersionMS & 0xFFFF);
        }
    }
    std::int32_t level = 0;
    if (version == "4.70")
        level = 3;
    else if (version == "4.71" || version == "4.72")
        level = 4;
    else if (version == "5.0")
        level = 5;
    return WINVER() == 5 ? 4 : level;
}

std::int32_t SystemInfo::WIN32_WINDOWS() {
    if (IsWin98())
        return 410;
    return IsWin95() ? 4 : 0;
}

std::int32_t SystemInfo::WIN32_WINNT() {
    if (IsWinNT())
        return 4;
    return IsWin2000() ? 5 : 0;
}

// ---- version record ---------------------------------------------------------------

std::int32_t SystemInfo::ServicePackMajorVersion() {
    return extendedRecordGate() ? version_.wServicePackMajor : 0;
}
std::int32_t SystemInfo::ServicePackMinorVersion() {
    return extendedRecordGate() ? version_.wServicePackMinor : 0;
}
bool SystemInfo::IsSuiteInstalled(std::int32_t SuiteMask) {
    return extendedRecordGate() && (version_.wSuiteMask & SuiteMask) != 0;
}

std::int32_t SystemInfo::OSMajorVersion() const {
    return static_cast<std::int32_t>(version_.dwMajorVersion);
}
std::int32_t SystemInfo::OSMinorVersion() const {
    return static_cast<std::int32_t>(version_.dwMinorVersion);
}
// The 95 family (95, 98 and ME) repeats major.minor in the high word of the
// build number.
std::int32_t SystemInfo::OSBuild() const {
    const bool family95 = version_.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS;
    return static_cast<std::int32_t>(family95 ? version_.dwBuildNumber & 0xFFFF : version_.dwBuildNumber);
}
std::string SystemInfo::OSExtraInfo() const {
    return rt::UpToNul({version_.szCSDVersion, sizeof version_.szCSDVersion});
}

std::string SystemInfo::productName() const {
    switch (version_.wProductType) {
    case 1:
        return "Professional";
    case 3:
        return "Server";
    case 2:
        return "Domain Controller";
    default:
        return {};
    }
}

std::string SystemInfo::ProductType() {
    return passes(win::VersionGate::Win2000) ? productName() : std::string();
}

// NT 4 keeps its product kind in the registry: "WinNT" for a workstation,
// "ServerNT" for a server and "LanmanNT" for a domain controller, which is a
// server too.
std::string SystemInfo::productOptionsName() {
    win::HKEY key = 0;
    if (api_.RegOpenKeyExA(win::HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0,
                           win::KEY_QUERY_VALUE, &key) != win::ERROR_SUCCESS)
        return {};
    const win::KeyCloser closer(api_, key);
    char buffer[80] = {};
    win::DWORD size = sizeof buffer;
    win::DWORD type = 0;
    if (api_.RegQueryValueExA(key, "ProductType", nullptr, &type, reinterpret_cast<win::BYTE*>(buffer),
                              &size) != win::ERROR_SUCCESS)
        return {};
    const std::string kind = rt::UCase(rt::UpToNul({buffer, std::min<std::size_t>(size, sizeof buffer)}));
    if (kind == "WINNT")
        return "Workstation ";
    if (kind == "SERVERNT" || kind == "LANMANNT")
        return "Server ";
    return {};
}

std::string SystemInfo::OSVersion() {
    if (!IsWinNT() && !IsWin2000()) {
        if (IsWin95())
            return "Microsoft Windows 95";
        return IsWin98() ? "Microsoft Windows 98" : "";
    }
    std::string text = version_.dwMajorVersion < 5 ? "Microsoft Windows NT " : "Microsoft Windows 2000 ";
    // NT 4 from Service Pack 6 fills the extended record too, but its product
    // type names Windows 2000's products ("Professional"), which NT 4 had not.
    if (extended_ && version_.dwMajorVersion >= 5)
        text += productName() + " ";
    else
        text += productOptionsName();
    return text + "version " + std::to_string(version_.dwMajorVersion) + "." +
           std::to_string(version_.dwMinorVersion) + " " + OSExtraInfo() + " (Build " +
           std::to_string(OSBuild()) + ")";
}

// ---- processor ----------------------------------------------------------------------

std::int32_t SystemInfo::ProcessorArchitecture() const {
    return static_cast<std::int16_t>(processor_.wProcessorArchitecture);
}
std::int32_t SystemInfo::PageSize() const {
    return static_cast<std::int32_t>(processor_.dwPageSize);
}
std::uintptr_t SystemInfo::MinAppAddress() const {
    return reinterpret_cast<std::uintptr_t>(processor_.lpMinimumApplicationAddress);
}
std::uintptr_t SystemInfo::MaxAppAddress() const {
    return reinterpret_cast<std::uintptr_t>(processor_.lpMaximumApplicationAddress);
}
std::uintptr_t SystemInfo::ActiveProcessorMask() const {
    return processor_.dwActiveProcessorMask;
}
std::int32_t SystemInfo::NumberOfProcessors() const {
    return static_cast<std::int32_t>(processor_.dwNumberOfProcessors);
}
std::int32_t SystemInfo::ProcessorType() const {
    return static_cast<std::int32_t>(processor_.dwProcessorType);
}
std::int32_t SystemInfo::AllocationGranularity() const {
    return static_cast<std::int32_t>(processor_.dwAllocationGranularity);
}
std::int16_t SystemInfo::ProcessorLevel() const {
    return static_cast<std::int16_t>(processor_.wProcessorLevel);
}
std::int16_t SystemInfo::ProcessorRevision() const {
    return static_cast<std::int16_t>(processor_.wProcessorRevision);
}

} // namespace sys
