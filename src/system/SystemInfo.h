// Facts about the running Windows, its machine and its user: version and build,
// processor, folders, names, and a few switches (beep, screen saver, computer
// name) that can also be written. The version record and the processor record
// are taken once at creation; everything else is asked of Windows when read.
//
// A member that the running Windows version lacks raises the unsupported-version
// error (source "SystemInfo") while RaiseErrors is True; otherwise it calls
// nothing and a read gives 0, False or the empty text.
#pragma once

#include "system/VersionGates.h"

#include <cstdint>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

class SystemInfo {
public:
    explicit SystemInfo(win::WindowsApi& api);

    bool RaiseErrors = true;

    // 0 normal, 1 fail-safe, 2 fail-safe with network.
    std::int32_t BootMethod();
    bool MidEastEnabled();
    bool NetworkPresent();
    // Windows 2000 only.
    bool IsIMMEnabled();
    bool IsRemoteSession();
    bool Secure();
    bool ShowSounds();
    bool SlowMachine();

    // 1 when the warning beep is on, 0 when off, as Windows gives it.
    std::int32_t Beep();
    void Beep(bool value);
    bool ScreenSaverActive();
    void ScreenSaverActive(bool value);
    std::int32_t ScreenSaverTimeout(); // seconds
    void ScreenSaverTimeout(std::int32_t seconds);
    // Windows 98, ME and 2000.
    bool ScreenSaverRunning();
    bool WindowsExtension();
    bool IsDBCS();

    std::string TempPath();
    std::string WindowsDirectory();
    std::string SystemDirectory();

    // Name formats as Windows numbers them: 0 is the NetBIOS name, which every
    // version has; the others need Windows 2000.
    std::string ComputerName(std::int32_t NameFormat);
    void ComputerName(std::int32_t NameFormat, const std::string& name);
    // 0 is the log-on name; the extended formats need Windows 2000, and an
    // extended name Windows cannot give (or gives empty) raises its error.
    std::string UserName(std::int32_t NameFormat);

    // The interface levels a program built for this Windows would declare.
    std::int32_t WINVER();
    std::int32_t WIN32_IE();
    std::int32_t WIN32_WINDOWS();
    std::int32_t WIN32_WINNT();

    // Windows 2000 with the extended version record.
    std::int32_t ServicePackMajorVersion();
    std::int32_t ServicePackMinorVersion();
    bool IsSuiteInstalled(std::int32_t SuiteMask);

    std::int32_t OSMajorVersion() const;
    std::int32_t OSMinorVersion() const;
    std::int32_t OSBuild() const;
    // "Microsoft Windows 2000 Professional version 5.0 Service Pack 1 (Build 2195)".
    std::string OSVersion();
    // The service-pack text.
    std::string OSExtraInfo() const;
    // Windows 2000: "Professional", "Server" or "Domain Controller".
    std::string ProductType();

    bool IsWin95() const;
    bool IsWin98() const;
    bool IsWin2000() const;
    bool IsWinNT() const;

    std::int32_t ProcessorArchitecture() const;
    std::int32_t PageSize() const;
    std::uintptr_t MinAppAddress() const;
    std::uintptr_t MaxAppAddress() const;
    std::uintptr_t ActiveProcessorMask() const;
    std::int32_t NumberOfProcessors() const;
    std::int32_t ProcessorType() const;
    std::int32_t AllocationGranularity() const;
    std::int16_t ProcessorLevel() const;
    std::int16_t ProcessorRevision() const;

    // The path of a shell folder given by its CSIDL number, "" when it has none.
    std::string SpecialFolderLocation(std::int32_t FolderId);

private:
    bool passes(win::VersionGate gate);
    bool extendedRecordGate();
    std::int32_t metric(int index);
    std::string productName() const;
    std::string productOptionsName();

    win::WindowsApi& api_;
    win::OSVERSIONINFOEXA version_{};
    const win::OSVERSIONINFOA& versionRecord() const {
        return *reinterpret_cast<const win::OSVERSIONINFOA*>(&version_);
    }
    bool extended_ = false;
    // The gates of the record above.
    const VersionGates gates_;
    win::SYSTEM_INFO processor_{};
};

} // namespace sys
