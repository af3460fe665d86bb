// The runtime services on the real Windows: the program's own facts from its
// module, files through the ANSI file functions, and processes through
// CreateProcessA. Windows error codes become the program's error numbers.
#pragma once

#include "platform/Runtime.h"

#include <cstdint>
#include <string>
#include <vector>

namespace win32 {

class Win32Runtime : public rt::Runtime {
public:
    std::string appPath() override;
    std::string appTitle() override;
    rt::AppVersion appVersion() override;

    std::string Dir(const std::string& path) override;
    std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) override;
    void FileCopy(const std::string& source, const std::string& destination) override;
    void Kill(const std::string& path) override;
    void Name(const std::string& oldPath, const std::string& newPath) override;

    std::string readFile(const std::string& path) override;
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override;
    void writeFile(const std::string& path, const std::string& data) override;
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) override;

    std::uint32_t Shell(const std::string& commandLine, int showMode) override;
};

} // namespace win32
