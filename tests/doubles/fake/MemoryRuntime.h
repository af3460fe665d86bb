// A runtime whose files live in memory, for the fuzz targets that read files many
// thousand times without touching a disk. Paths are compared without regard to
// case, as Windows compares them; a missing file throws 53 like the real runtime;
// every path asked about is kept. The file services no fuzz target needs fail
// with 5 (invalid procedure call).
#pragma once

#include "runtime/Error.h"
#include "platform/Runtime.h"
#include "runtime/TextConv.h"

#include <map>
#include <string>
#include <vector>

namespace catalogues_test {

class MemoryRuntime : public rt::Runtime {
public:
    std::string appPath() override { return "C:\\Program Files\\Decorama"; }
    std::string appTitle() override { return "Decorama"; }
    rt::AppVersion appVersion() override { return {1, 0, 0}; }
    std::string Dir(const std::string& path) override {
        asked.push_back(path);
        return files_.count(rt::UCase(path)) ? files_.at(rt::UCase(path)).name : std::string();
    }
    std::vector<std::string> FilesIn(const std::string&, const std::string&) override { unsupported(); }
    void FileCopy(const std::string&, const std::string&) override { unsupported(); }
    void Kill(const std::string&) override { unsupported(); }
    void Name(const std::string&, const std::string&) override { unsupported(); }
    std::string readFile(const std::string& path) override {
        asked.push_back(path);
        const auto it = files_.find(rt::UCase(path));
        if (it == files_.end())
            throw rt::Error(rt::ErrFileNotFound);
        return it->second.data;
    }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override {
        const std::string data = readFile(path);
        return offset < data.size() ? data.substr(offset, count) : std::string();
    }
    void writeFile(const std::string& path, const std::string& data) override {
        files_[rt::UCase(path)] = {path.substr(path.find_last_of('\\') + 1), data};
    }
    void writeBytes(const std::string&, std::uint64_t, const std::string&) override { unsupported(); }
    std::uint32_t Shell(const std::string&, int) override { throw rt::Error(rt::ErrFileNotFound); }

    std::vector<std::string> asked;

private:
    [[noreturn]] static void unsupported() { throw rt::Error(rt::ErrInvalidProcedureCall); }
    struct File {
        std::string name;
        std::string data;
    };
    std::map<std::string, File> files_;
};

} // namespace catalogues_test
