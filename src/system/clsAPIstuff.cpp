#include "system/clsAPIstuff.h"

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WinHolders.h"
#include "platform/ui/WindowSystem.h"
#include "runtime/Error.h"
#include "runtime/ErrorTrap.h"
#include "system/VersionGates.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace sys {
namespace {

constexpr std::size_t urlSourceLength = 1000;
constexpr win::HRESULT pathNotFound = static_cast<win::HRESULT>(0x80070003u);

constexpr int askStyle = rt::vbOKCancel + rt::vbCritical + rt::vbDefaultButton2;

bool failed(win::HRESULT result) {
    return result < 0;
}

// The text in UTF-16 as the system's ANSI code page reads it; none when Windows
// cannot convert it.
std::optional<std::u16string> wideText(win::WindowsApi& api, const std::string& text) {
    const int size = api.MultiByteToWideChar(win::CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    if (api.MultiByteToWideChar(win::CP_ACP, 0, text.c_str(), -1, wide.data(), size) != size)
        return std::nullopt;
    wide.pop_back(); // the NUL
    return wide;
}

// A number as the report writes it: a space for a number that is not
// negative, a minus sign otherwise, then its digits.
template <class Number> std::string signPadded(Number value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

win::FLASHWINFO flashRecord(win::HWND window, win::DWORD flags, win::UINT count, win::DWORD interval) {
    win::FLASHWINFO record{};
    record.cbSize = sizeof(win::FLASHWINFO);
    record.hwnd = window;
    record.dwFlags = flags;
    record.uCount = count;
    record.dwTimeout = interval;
    return record;
}

} // namespace

clsAPIstuff::clsAPIstuff(rt::Platform& platform, std::function<void()> endProgram,
                         std::function<void()> processPendingMessages)
    : platform_(platform), endProgram_(std::move(endProgram)),
      processPendingMessages_(std::move(processPendingMessages)) {}

// ---- ending the log-on -------------------------------------------------------------------

void clsAPIstuff::RestartWindows(bool askFirst, bool showErrors) {
    endLogOn("This program is going to reboot your computer. Press OK to continue or Cancel to stop.",
             win::EWX_REBOOT + win::EWX_FORCE, askFirst, showErrors);
}

void clsAPIstuff::LogOffWindows(bool askFirst, bool showErrors) {
    endLogOn("Press OK to continue or Cancel to stop.", win::EWX_LOGOFF, askFirst, showErrors);
}

void clsAPIstuff::ShutDownWindows(bool askFirst, bool showErrors) {
    endLogOn("This program is going to shut down your computer. Press OK to continue or Cancel to stop.",
             win::EWX_SHUTDOWN, askFirst, showErrors);
}

void clsAPIstuff::endLogOn(const std::string& question, win::UINT flags, bool askFirst, bool showErrors) {
    try {
        // 1. Ask; Cancel ends this program and leaves Windows alone.
        if (askFirst) {
            answer_ = platform_.messages.MsgBox(question, askStyle, platform_.runtime.appTitle());
            if (answer_ == rt::vbCancel) {
                endProgram_();
                return;
            }
        }
        // 2. Hand over to Windows; a refusal is not reported.
        if (flags & (win::EWX_SHUTDOWN | win::EWX_REBOOT))
            enableShutdownPrivilege();
        platform_.api.ExitWindowsEx(flags, 0);
    } catch (const rt::Error&) {
        // 3. Unexpected errors.
        if (showErrors)
            platform_.messages.MsgBox("An error has occured attempting to shut down your computer.",
                                      rt::vbOKOnly + rt::vbCritical, "Error");
    }
}

// The NT family refuses a shut-down or restart to a process that has not
// enabled its shut-down privilege; the 95 family has no privileges.
void clsAPIstuff::enableShutdownPrivilege() {
    win::WindowsApi& api = platform_.api;
    if (!VersionGates(api).isNtPlatform())
        return;
    win::HANDLE token = 0;
    if (!api.OpenProcessToken(api.GetCurrentProcess(), win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY,
                              &token))
        return;
    const win::HandleCloser closer(api, token);
    win::TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = win::SE_PRIVILEGE_ENABLED;
    if (api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        api.AdjustTokenPrivileges(token, win::FALSE, &privileges, 0, nullptr, nullptr);
}

void clsAPIstuff::FatalErrorExit(const std::string& message) {
    platform_.api.FatalAppExitA(1, message.c_str());
}

// ---- downloads and web resources ---------------------------------------------------------

void clsAPIstuff::DownLoadFile(std::string& baseAddress, std::string& filePath) {
    // 1. One base address, kept by the object, with a scheme and a final slash.
    if (baseAddress.empty())
        baseAddress = baseAddress_;
    if (baseAddress_.empty())
        baseAddress_ = baseAddress;
    if (baseAddress_.compare(0, 4, "http") != 0)
        baseAddress_ = "http://" + baseAddress_;
    if (baseAddress_.empty() || baseAddress_.back() != '/')
        baseAddress_ += "/";

    // 2. The path goes after that slash.
    if (!filePath.empty() && filePath.front() == '/')
        filePath.erase(0, 1);

    // 3. The system's download dialog for the two joined. A Windows without its
    //    entry point (shdocvw) and a download it refuses are reported alike.
    const std::optional<std::u16string> address = wideText(platform_.api, baseAddress_ + filePath);
    if (address && !failed(platform_.api.DoFileDownload(address->c_str())))
        return;
    platform_.messages.MsgBox("An error has occured attempting to start download to " + baseAddress +
                                  filePath + ".",
                              rt::vbOKOnly + rt::vbCritical, "Error");
}

std::string clsAPIstuff::GetURLSource(const std::string& address) {
    win::WindowsApi& api = platform_.api;
    std::string buffer(urlSourceLength, ' ');
    const win::HINTERNET session = api.InternetOpenA(platform_.runtime.appTitle().c_str(),
                                                     win::INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (session == 0)
        return buffer;
    const win::InternetHandle sessionCloser(api, session);
    const win::HINTERNET resource =
        api.InternetOpenUrlA(session, address.c_str(), nullptr, 0, win::INTERNET_FLAG_RELOAD, 0);
    if (resource == 0)
        return buffer;
    const win::InternetHandle resourceCloser(api, resource);
    win::DWORD read = 0;
    api.InternetReadFile(resource, buffer.data(), static_cast<win::DWORD>(buffer.size()), &read);
    return buffer;
}

// ---- shortcuts ---------------------------------------------------------------------------

std::string clsAPIstuff::desktopFolder() {
    win::WindowsApi& api = platform_.api;
    win::ITEMIDLIST* list = nullptr;
    if (failed(api.SHGetSpecialFolderLocation(0, win::CSIDL_DESKTOPDIRECTORY, &list)) || list == nullptr)
        throw rt::Error(rt::ErrPathNotFound);
    const win::TaskMemory freed(api, list);
    std::array<char, 260> path{};
    if (!api.SHGetPathFromIDListA(list, path.data()))
        throw rt::Error(rt::ErrPathNotFound);
    return path.data();
}

void clsAPIstuff::DesktopShortcut(const std::string& linkName, const std::string& targetPath,
                                  bool showErrors) {
    try {
        StartMenuShortcut(desktopFolder(), linkName, targetPath);
    } catch (const rt::Error&) {
        if (showErrors)
            platform_.messages.MsgBox("An error has occured attempting to create shortcut for " + targetPath +
                                          " named " + linkName + ".",
                                      rt::vbOKOnly + rt::vbCritical, "Error");
    }
}

void clsAPIstuff::StartMenuShortcut(const std::string& destinationFolder, const std::string& linkName,
                                    const std::string& targetPath) {
    const std::string linkFile = destinationFolder + "\\" + linkName + ".lnk";
    const win::HRESULT result = platform_.api.SaveShellLink(linkFile.c_str(), targetPath.c_str(), "");
    if (result == pathNotFound)
        throw rt::Error(rt::ErrPathNotFound);
    if (failed(result))
        throw rt::Error(rt::ErrPathFileAccess);
}

// ---- flashing ----------------------------------------------------------------------------

void clsAPIstuff::FlashWinEXON(win::HWND window, std::int16_t interval, std::int16_t count) {
    win::FLASHWINFO record = flashRecord(window, win::FLASHW_ALL + win::FLASHW_TIMER,
                                         static_cast<win::UINT>(count), static_cast<win::DWORD>(interval));
    platform_.api.FlashWindowEx(&record);
}

void clsAPIstuff::FlashWinEXOFF(win::HWND window) {
    win::FLASHWINFO record = flashRecord(window, win::FLASHW_STOP, 0, 0);
    platform_.api.FlashWindowEx(&record);
}

void clsAPIstuff::FlashWin(win::HWND window, bool invert) {
    // The window brought up to date before its caption flashes.
    processPendingMessages_();
    platform_.api.FlashWindow(window, invert ? 1 : 0);
}

// ---- keyboard, drives, characters --------------------------------------------------------

std::string clsAPIstuff::GetPressedKey() {
    for (scanPosition_ = 32; scanPosition_ <= 128; ++scanPosition_) {
        if (platform_.api.GetAsyncKeyState(scanPosition_) != 0)
            return std::string(1, static_cast<char>(scanPosition_));
    }
    return std::string();
}

std::string clsAPIstuff::FreeDiscSpace(const std::string& driveLetter) {
    win::WindowsApi& api = platform_.api;
    const std::string root = driveLetter + ":\\";
    win::DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeCount = 0, totalCount = 0;
    api.GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeCount, &totalCount);
    // Drives of 2 GiB and more overflow 32 bits.
    const std::int64_t clusterBytes = std::int64_t{sectorsPerCluster} * bytesPerSector;
    std::int64_t freeClusters = freeCount, totalClusters = totalCount;
    // The 95 family caps those counts at 2 GiB of clusters; where Windows has
    // the call that counts in bytes (95 OSR2 and NT 4 on), the counts are the
    // clusters its byte counts hold.
    win::DWORDLONG available = 0, totalBytesEx = 0, freeBytesEx = 0;
    if (clusterBytes > 0 && api.GetDiskFreeSpaceExA(root.c_str(), &available, &totalBytesEx, &freeBytesEx)) {
        totalClusters = static_cast<std::int64_t>(totalBytesEx) / clusterBytes;
        freeClusters = static_cast<std::int64_t>(freeBytesEx) / clusterBytes;
    }
    const std::int64_t totalBytes = clusterBytes * totalClusters;
    const std::int64_t freeBytes = clusterBytes * freeClusters;
    return "Sectors per Cluster:" + signPadded(sectorsPerCluster) + "\r\n" +
           "Bytes per sector:" + signPadded(bytesPerSector) + "\r\n" +
           "Number Of Free Clusters:" + signPadded(freeClusters) + "\r\n" +
           "Total Number Of Clusters:" + signPadded(totalClusters) + "\r\n" +
           "Total number of bytes in path:" + signPadded(totalBytes) + "\r\n" +
           "Free bytes:" + signPadded(freeBytes) + "\r\n";
}

std::string clsAPIstuff::Get_DriveType(const std::string& driveLetter) {
    switch (platform_.api.GetDriveTypeA((driveLetter + ":\\").c_str())) {
    case 2:
        return "Removable";
    case 3:
        return "Drive Fixed";
    case 4:
        return "Remote";
    case 5:
        return "CD-Rom";
    case 6:
        return "Ram disk";
    default:
        return "Unrecognized";
    }
}

std::string clsAPIstuff::CharType(std::int16_t characterCode) {
    if (characterCode < 0 || characterCode > 255)
        return std::string();
    win::WindowsApi& api = platform_.api;
    const char character = static_cast<char>(static_cast<unsigned char>(characterCode));
    std::string kinds;
    if (api.IsCharAlphaA(character))
        kinds = "Alpha";
    if (api.IsCharAlphaNumericA(character))
        kinds += " AlphaNumeric";
    if (api.IsCharLowerA(character))
        kinds += " Lower Case";
    if (api.IsCharUpperA(character))
        kinds += " Upper Case";
    return kinds;
}

// ---- drawing -----------------------------------------------------------------------------

void clsAPIstuff::DrawFormEdges(ui::Window& form, std::int16_t count, bool buttonStyle) {
    DrawFormEdges(form.handle(), count, buttonStyle);
}

void clsAPIstuff::DrawFormEdges(win::HWND form, std::int16_t count, bool buttonStyle) {
    win::WindowsApi& api = platform_.api;
    // Cleared: the window repaints its background now.
    api.InvalidateRect(form, nullptr, win::TRUE);
    api.UpdateWindow(form);
    if (count <= 0)
        return;
    win::RECT inner{};
    if (!api.GetClientRect(form, &inner))
        return;
    const win::WindowContext context(api, form);
    if (context.get() == 0)
        return;
    for (int i = 0; i < count; ++i) {
        win::RECT frame{};
        api.SetRect(&frame, i, i, inner.right - i, inner.bottom - i);
        if (buttonStyle)
            api.DrawFrameControl(context.get(), &frame, win::DFC_BUTTON, win::DFCS_BUTTONPUSH);
        else
            api.DrawEdge(context.get(), &frame, win::EDGE_ETCHED, win::BF_RECT);
    }
}

// ---- programs, documents, windows --------------------------------------------------------

void clsAPIstuff::LaunchWebBrowser(win::HWND window, const std::string& addressOrDocument) {
    platform_.api.ShellExecuteA(window, "Open", addressOrDocument.c_str(), nullptr, nullptr,
                                win::SW_SHOWMAXIMIZED);
}

void clsAPIstuff::MaxWindow(win::HWND window) {
    platform_.api.ShowWindow(window, win::SW_SHOWMAXIMIZED);
}

void clsAPIstuff::MinWindow(win::HWND window) {
    platform_.api.ShowWindow(window, win::SW_MINIMIZE);
}

void clsAPIstuff::NormWindow(win::HWND window) {
    platform_.api.ShowWindow(window, win::SW_SHOWNORMAL);
}

void clsAPIstuff::OpenEXE(const std::string& commandLine) {
    rt::attempt([&] { platform_.runtime.Shell(commandLine, rt::ShowNormalFocus); });
    // The program's windows answer again while the new one starts.
    processPendingMessages_();
}

std::int16_t clsAPIstuff::GetPercent(std::int16_t part, std::int16_t whole, std::int16_t scale) {
    if (whole == 0)
        return 0;
    const double percent = std::floor(static_cast<double>(part) / whole * scale);
    if (percent < std::numeric_limits<std::int16_t>::min() ||
        percent > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(percent);
}

} // namespace sys
