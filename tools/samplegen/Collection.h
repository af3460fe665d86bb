// Builds the program's sample collection: copies the nine catalogue list files
// into the program folder and generates every file they name, plus the files
// the program ships besides them (boot pictures, web-view images, start-up
// sound, window chrome).
#pragma once

#include <filesystem>

namespace samplegen {

// Throws std::exception with a message naming what failed.
void buildCollection(const std::filesystem::path& catalogueFolder,
                     const std::filesystem::path& programFolder);

} // namespace samplegen
