// Small services over Windows that a desktop program of this kind needs: ending
// the Windows log-on after asking the user, a fatal exit, shortcuts, flashing a
// window, the keyboard, drives and characters, the start of a web resource,
// starting programs and documents, window sizes and a percentage.
//
// Arguments are taken as the callers hand them; DownLoadFile alone changes its
// arguments.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rt {
struct Platform;
}
namespace ui {
class Window;
}

namespace sys {

class clsAPIstuff {
public:
    // endProgram ends the whole program at once; it runs when the user answers
    // Cancel to a log-off, restart or shut-down question. processPendingMessages
    // lets the caller's window system handle the messages waiting for its
    // windows, and returns when there are none.
    clsAPIstuff(rt::Platform& platform, std::function<void()> endProgram,
                std::function<void()> processPendingMessages);

    // Shows the system's download dialog for the object's base address followed
    // by filePath. An empty baseAddress takes the stored one; the first one given
    // is stored, with "http://" in front and "/" at the end when it lacks them.
    // A filePath that begins with "/" loses it. A dialog that cannot be shown is
    // reported in a message box.
    void DownLoadFile(std::string& baseAddress, std::string& filePath);

    // Each asks first (OK or Cancel; Cancel ends the program) when askFirst is
    // True, then asks Windows to restart (forced), log off or shut down. On the
    // NT family the process's shut-down privilege is enabled first for a
    // restart or shut-down, without which Windows refuses them.
    void RestartWindows(bool askFirst, bool showErrors);
    void LogOffWindows(bool askFirst, bool showErrors);
    void ShutDownWindows(bool askFirst, bool showErrors);

    // Windows shows message and ends the program.
    void FatalErrorExit(const std::string& message);

    // A shortcut named linkName that starts targetPath, on the user's desktop.
    void DesktopShortcut(const std::string& linkName, const std::string& targetPath, bool showErrors);
    // A shortcut named linkName that starts targetPath, in destinationFolder.
    // Throws rt::Error 76 when the folder does not exist, 75 when the link
    // cannot be written.
    void StartMenuShortcut(const std::string& destinationFolder, const std::string& linkName,
                           const std::string& targetPath);

    void FlashWinEXON(win::HWND window, std::int16_t interval, std::int16_t count);
    // Flashes the caption once, after the pending window messages.
    void FlashWin(win::HWND window, bool invert);
    void FlashWinEXOFF(win::HWND window);

    // The first key from code 32 to 128 that is down or was pressed since the
    // last call, as the character of its code; empty when none.
    std::string GetPressedKey();
    // Six lines on the drive's clusters, sectors and bytes, byte totals in 64 bits.
    std::string FreeDiscSpace(const std::string& driveLetter);
    std::string Get_DriveType(const std::string& driveLetter);
    // "Alpha", " AlphaNumeric", " Lower Case", " Upper Case" as they apply,
    // joined; empty for a code outside 0..255.
    std::string CharType(std::int16_t characterCode);
    // The first 1000 bytes at address, padded with spaces to 1000 characters
    // (1000 spaces when it cannot be read).
    std::string GetURLSource(const std::string& address);

    // Clears the window and draws count nested frames on its client area, one
    // pixel apart from the edge inwards: push-button frames, or etched edges.
    void DrawFormEdges(ui::Window& form, std::int16_t count, bool buttonStyle);
    void DrawFormEdges(win::HWND form, std::int16_t count, bool buttonStyle);

    void LaunchWebBrowser(win::HWND window, const std::string& addressOrDocument);
    void MaxWindow(win::HWND window);
    void MinWindow(win::HWND window);
    void NormWindow(win::HWND window);
    // Starts commandLine at normal size with the focus, without waiting, then
    // handles the pending window messages; a program that cannot start is not
    // reported.
    void OpenEXE(const std::string& commandLine);

    // part / whole * scale rounded toward minus infinity; 0 for a division by
    // zero or a result outside 16 bits.
    static std::int16_t GetPercent(std::int16_t part, std::int16_t whole, std::int16_t scale);

    // The answer of the last confirmation box: 1 OK, 2 Cancel, 0 before any.
    std::int32_t lastAnswer() const { return answer_; }
    const std::string& baseAddress() const { return baseAddress_; }

private:
    void endLogOn(const std::string& question, win::UINT flags, bool askFirst, bool showErrors);
    void enableShutdownPrivilege();
    std::string desktopFolder();

    rt::Platform& platform_;
    std::function<void()> endProgram_;
    std::function<void()> processPendingMessages_;
    std::int32_t answer_ = 0;
    std::string baseAddress_;
    std::int32_t scanPosition_ = 0;
};

} // namespace sys
