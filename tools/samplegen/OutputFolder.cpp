#include "OutputFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace samplegen {

OutputFolder::OutputFolder(std::filesystem::path root) : root_(std::move(root)) {
    std::filesystem::create_directories(root_);
}

std::filesystem::path OutputFolder::pathOf(const std::string& relativeName) const {
    std::string name = relativeName;
    for (char& ch : name)
        if (ch == '\\')
            ch = '/';
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos)
        throw std::runtime_error("not a name inside the program folder: " + relativeName);
    return root_ / name;
}

void OutputFolder::write(const std::string& relativeName, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path path = pathOf(relativeName);
    std::filesystem::create_directories(path.parent_path());
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::vector<std::uint8_t> current((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
            if (current == bytes) {
                written_.insert(relativeName);
                return;
            }
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    written_.insert(relativeName);
}

bool OutputFolder::written(const std::string& relativeName) const {
    return written_.count(relativeName) != 0;
}

} // namespace samplegen
