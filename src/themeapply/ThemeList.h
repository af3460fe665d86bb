// The themes on offer, as the console program lists them and the window will:
// the catalogue's themes in the order of the theme list, then the .theme files
// of the program folder's "Themes" folder by name.
#pragma once

#include <string>
#include <vector>

namespace catalogue {
struct Module1;
}
namespace rt {
class Runtime;
}

namespace themeapply {

struct ThemeEntry {
    enum class Kind { catalogue, file };
    Kind kind = Kind::catalogue;
    std::string name;   // the catalogue theme's name, or the file's name without ".theme"
    int listIndex = -1; // catalogue: its position in the theme list
    std::string path;   // file: its full path
};

// "catalogue" or "file".
const char* kindName(ThemeEntry::Kind kind);

// The folder of the theme files: the program folder's "Themes".
std::string themeFolderOf(const catalogue::Module1& module);

std::vector<ThemeEntry> listThemes(const catalogue::Module1& module, rt::Runtime& runtime);

} // namespace themeapply
