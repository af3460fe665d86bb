// The backends the contract suite runs against. Each backend class offers:
//   win::WindowsApi& api();
//   rt::Runtime& runtime();
//   std::string scratchFolder();   // an empty folder on drive C:, as a Windows path
//   static constexpr bool isReal;  // true for the real Windows
// and leaves the machine as it found it when it is destroyed (its scratch folder
// and the registry key HKEY_CURRENT_USER\Software\DecoramaContract removed).
#pragma once

#include "fake/FakeWindows.h"
#include "platform/MessageBoxService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The fake Windows: a fresh fake per test, its drive C: a temporary host folder
// that goes with it, the scratch folder made empty.
class FakeBackend {
public:
    static constexpr bool isReal = false;

    FakeBackend() { fake_.makeFolder(folder_); }
    win::WindowsApi& api() { return fake_; }
    rt::Runtime& runtime() { return fake_; }
    std::string scratchFolder() { return folder_; }
    fake::FakeWindows& fake() { return fake_; }

private:
    const std::string folder_ = "C:\\DecoramaContract";
    fake::FakeWindows fake_;
};

#ifdef _WIN32
#include "Win32Backend.h"
using ContractBackends = ::testing::Types<FakeBackend, Win32Backend>;
#else
using ContractBackends = ::testing::Types<FakeBackend>;
#endif

// Message boxes are recorded and answered OK; none is ever shown.
class RecordingMessages : public rt::MessageBoxService {
public:
    int MsgBox(const std::string& prompt, int, const std::string&) override {
        prompts.push_back(prompt);
        return rt::vbOK;
    }
    std::vector<std::string> prompts;
};
