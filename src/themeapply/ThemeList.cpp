#include "themeapply/ThemeList.h"

#include "catalogue/Module1.h"
#include "platform/Runtime.h"
#include "themeapply/CatalogueTheme.h"

namespace themeapply {

const char* kindName(ThemeEntry::Kind kind) {
    return kind == ThemeEntry::Kind::catalogue ? "catalogue" : "file";
}

std::string themeFolderOf(const catalogue::Module1& module) {
    return module.programFolder + "\\Themes";
}

std::vector<ThemeEntry> listThemes(const catalogue::Module1& module, rt::Runtime& runtime) {
    std::vector<ThemeEntry> entries;
    for (int index = decltype(module.themeList)::lowerBound; index <= decltype(module.themeList)::upperBound;
         ++index) {
        const std::string& record = module.themeList(index);
        if (!record.empty())
            entries.push_back({ThemeEntry::Kind::catalogue, splitThemeRecord(record).name, index, {}});
    }
    const std::string folder = themeFolderOf(module);
    const std::string extension = ".theme";
    for (const std::string& file : runtime.FilesIn(folder, extension))
        entries.push_back({ThemeEntry::Kind::file, file.substr(0, file.size() - extension.size()), -1,
                           folder + "\\" + file});
    return entries;
}

} // namespace themeapply
