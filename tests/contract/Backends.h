// The backends the contract suite runs against. Each backend class offers:
//   win::WindowsApi& api();
//   rt::Runtime& runtime();
//   std::string scratchFolder();   // an empty folder on drive C:, as a Windows path
//   static constexpr bool isReal;  // true for the real Windows
// and leaves the machine as it found it when it is destroyed (its scratch folder
// and the registry key HKEY_CURRENT_USER\Software\DecoramaContract removed).
#pragma once

#include "FakeBackend.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "Win32Backend.h"
using ContractBackends = ::testing::Types<FakeBackend, Win32Backend>;
#else
using ContractBackends = ::testing::Types<FakeBackend>;
#endif
