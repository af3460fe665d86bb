// The program folder being filled: writes files by their catalogue names
// (backslashes allowed), creating sub-folders, and leaves a file untouched when
// its bytes are already right so that unchanged files keep their times.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace samplegen {

class OutputFolder {
public:
    explicit OutputFolder(std::filesystem::path root);

    void write(const std::string& relativeName, const std::vector<std::uint8_t>& bytes);
    bool written(const std::string& relativeName) const;
    std::size_t count() const { return written_.size(); }

private:
    std::filesystem::path pathOf(const std::string& relativeName) const;

    std::filesystem::path root_;
    std::set<std::string> written_;
};

} // namespace samplegen
