// The generated program folder the tests read: DECORAMA_SAMPLE_DIR (a Windows
// path in the Wine runs), or else the Decorama folder of the build tree the test
// program runs from; empty when there is neither.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace sample_test {

inline std::string sampleFolder() {
    if (const char* given = std::getenv("DECORAMA_SAMPLE_DIR"))
        return given;
#ifndef _WIN32
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path here = fs::read_symlink("/proc/self/exe", error);
    for (fs::path dir = here.parent_path(); !error && !dir.empty() && dir != dir.root_path();
         dir = dir.parent_path())
        if (fs::exists(dir / "Decorama" / "themes.txt"))
            return (dir / "Decorama").string();
#endif
    return {};
}

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace sample_test
