// The fake Windows as a contract backend: a fresh fake per test, its drive C: a
// temporary host folder that goes with it, the scratch folder made empty.
#pragma once

#include "fake/FakeWindows.h"

#include <string>

class FakeBackend {
public:
    static constexpr bool isReal = false;

    FakeBackend() { fake_.makeFolder(folder_); }
    FakeBackend(const FakeBackend&) = delete;
    FakeBackend& operator=(const FakeBackend&) = delete;

    win::WindowsApi& api() { return fake_; }
    rt::Runtime& runtime() { return fake_; }
    std::string scratchFolder() { return folder_; }
    fake::FakeWindows& fake() { return fake_; }

private:
    const std::string folder_ = "C:\\DecoramaContract";
    fake::FakeWindows fake_;
};
