// The small state of the fake machine that has no store of its own: the thread's
// last error, the application's folder, names, keyboard, caret and cursor
// counters, memory and power records, open handles of kernel32, gdi32, shell32
// and wininet, and the logs of processes, shell requests, sounds, exit requests
// and message boxes. Only the FakeWindows facade includes it.
#pragma once

#include "fake/FakeWindows.h"

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fake {

struct FakeWindows::Machine {
    bool ownsDrive = false;
    win::DWORD lastError = 0;
    std::string appPath = "C:\\Program Files\\Decorama";

    std::vector<Process> processes;
    std::vector<ShellRequest> shellRequests;
    std::vector<Sound> sounds;
    std::vector<ExitRequest> exitRequests;
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<int> answers;
    std::vector<std::string> downloads;
    std::uint32_t nextProcessId = 0x100;
    // SE_SHUTDOWN_NAME enabled in the process token (NT family).
    bool shutdownPrivilege = false;
    // The client area of any window GetClientRect is asked about.
    int clientWidth = 640;
    int clientHeight = 480;

    std::string userName = "Tester";
    std::string computerName = "DECORAMA-PC";
    std::string pendingComputerName;

    // Key state bytes as GetKeyboardState gives them: 0x80 down, 0x01 toggled.
    std::array<win::BYTE, 256> keys{};
    win::UINT caretBlinkTime = 530;
    int cursorShowCount = 0;
    win::DWORD executionState = 0x80000000; // ES_CONTINUOUS

    win::SYSTEM_POWER_STATUS power{1, 128, 255, 0, 0xFFFFFFFFu, 0xFFFFFFFFu};
    win::MEMORYSTATUSEX memory{sizeof(win::MEMORYSTATUSEX),
                               50,
                               256ull << 20,
                               128ull << 20,
                               512ull << 20,
                               384ull << 20,
                               0x7FFE0000ull,
                               0x7F000000ull,
                               0};
    std::uint64_t freeBytes = 1ull << 30;

    // CreateFileA handles: the path each was opened on ("\\.\C:" for the drive).
    std::map<win::HANDLE, std::string> files;
    win::HANDLE nextFile = 0x200;
    std::map<win::HDC, bool> deviceContexts;
    win::HDC nextDc = 0x300;

    struct ItemList {
        std::string path; // "" for a virtual folder without a file-system path
    };
    std::map<const win::ITEMIDLIST*, std::unique_ptr<ItemList>> itemLists;

    struct InternetHandle {
        bool isUrl = false;
        std::string body;
        std::size_t position = 0;
    };
    std::map<win::HINTERNET, InternetHandle> internet;
    win::HINTERNET nextInternet = 0xCC0000;
    std::map<std::string, std::string> urlBodies;
};

} // namespace fake
