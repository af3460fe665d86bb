// A runtime whose files live in memory, for reading list files many thousand
// times without touching a disk. Paths are compared without regard to case, as
// Windows compares them; a missing file throws 53 like the real runtime.
#pragma once

#include "runtime/Error.h"
#include "platform/Runtime.h"
#include "runtime/TextConv.h"

#include <map>
#include <string>

namespace catalogues_test {

class MemoryRuntime : public rt::Runtime {
public:
    std::string appPath() override { return "C:\\Program Files\\Decorama"; }
    std::string appTitle() override { return "Decorama"; }
    rt::AppVersion appVersion() override { return {1, 0, 0}; }

    std::string Dir(const std::string& path) override {
        auto it = files_.find(rt::UCase(path));
        return it == files_.end() ? std::string() : it->second.name;
    }
    void FileCopy(const std::string& source, const std::string& destination) override {
        writeFile(destination, readFile(source));
    }
    void Kill(const std::string& path) override { files_.erase(find(path)); }
    void Name(const std::string& oldPath, const std::string& newPath) override {
        std::string data = readFile(oldPath);
        Kill(oldPath);
        writeFile(newPath, data);
    }
    std::string readFile(const std::string& path) override { return find(path)->second.data; }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override {
        const std::string& data = find(path)->second.data;
        return offset >= data.size() ? std::string() : data.substr(offset, count);
    }
    void writeFile(const std::string& path, const std::string& data) override {
        files_[rt::UCase(path)] = {path.substr(path.find_last_of('\\') + 1), data};
    }
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) override {
        File& file = files_[rt::UCase(path)];
        file.name = path.substr(path.find_last_of('\\') + 1);
        if (file.data.size() < offset + data.size())
            file.data.resize(offset + data.size());
        file.data.replace(offset, data.size(), data);
    }
    std::uint32_t Shell(const std::string&, int) override { throw rt::Error(rt::ErrFileNotFound); }

    void remove(const std::string& path) { files_.erase(rt::UCase(path)); }
    int reads() const { return reads_; }

private:
    struct File {
        std::string name;
        std::string data;
    };
    std::map<std::string, File>::iterator find(const std::string& path) {
        ++reads_;
        auto it = files_.find(rt::UCase(path));
        if (it == files_.end())
            throw rt::Error(rt::ErrFileNotFound);
        return it;
    }
    std::map<std::string, File> files_;
    int reads_ = 0;
};

} // namespace catalogues_test
