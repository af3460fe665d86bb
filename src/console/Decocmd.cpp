#include "console/Decocmd.h"

#include "catalogue/ListFiles.h"
#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "runtime/Error.h"
#include "runtime/ErrorTrap.h"
#include "runtime/TextConv.h"
#include "snapshot/Snapshots.h"
#include "system/modWinVersion.h"
#include "themeapply/CatalogueTheme.h"
#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themeapply/ThemeList.h"
#include "themefile/ThemeCheck.h"
#include "themefile/ThemeFile.h"

#include <algorithm>
#include <optional>

namespace console {
namespace {

using themefile::Aspect;
using themefile::AspectSet;

const char* const usage = "Decorama's console program: lists, checks and applies desktop themes.\n"
                          "\n"
                          "  decocmd list\n"
                          "      one line per theme: <number> <kind> <name>, kind catalogue or file\n"
                          "      (the .theme files in the program folder's Themes folder), then\n"
                          "      previous, original (kind snapshot, when kept) and default (kind default)\n"
                          "  decocmd check FILE [/saver]\n"
                          "      one line per aspect: ok, absent or refused with the reason, then the\n"
                          "      sections the file has that are not read\n"
                          "  decocmd apply THEME [/only ASPECTS] [/skip ASPECTS] [/saver]\n"
                          "      THEME: a catalogue theme's name, a number from list, or a theme file\n"
                          "      ASPECTS: a comma list of colors, pointers, icons, wallpaper, sounds,\n"
                          "      saver, fonts, sizes, pictures\n"
                          "      /saver: a theme file may install its screen saver\n"
                          "  decocmd restore previous|original|default [/only ASPECTS] [/skip ASPECTS]\n"
                          "      the settings before the last apply, before the first one, or the\n"
                          "      Windows default of this version\n"
                          "  decocmd save FILE\n"
                          "      the current settings as a theme file\n"
                          "Every apply and restore first keeps the current settings as previous.\n"
                          "\n"
                          "Exit codes: 0 all done, 1 something refused or failed, 2 nothing done.\n";

// A word that stands for a switch: "/only", "-ONLY" give "only".
std::optional<std::string> switchName(const std::string& word) {
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-'))
        return std::nullopt;
    std::string name = word.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

bool isFullPath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

struct Arguments {
    std::string command;
    std::vector<std::string> words; // the command's own words
    std::optional<std::string> only, skip;
    bool saver = false;
    bool help = false;
};

// Throws rt::Error 5 with the reason for words it cannot take.
Arguments parse(const std::vector<std::string>& arguments) {
    Arguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::optional<std::string> name = switchName(arguments[i]);
        if (!name) {
            if (parsed.command.empty())
                parsed.command = rt::UCase(arguments[i]);
            else
                parsed.words.push_back(arguments[i]);
            continue;
        }
        if (*name == "?" || *name == "help") {
            parsed.help = true;
        } else if (*name == "saver") {
            parsed.saver = true;
        } else if (*name == "only" || *name == "skip") {
            if (i + 1 == arguments.size())
                throw rt::Error(rt::ErrInvalidProcedureCall, arguments[i] + " needs a list of aspects");
            (*name == "only" ? parsed.only : parsed.skip) = arguments[++i];
        } else {
            throw rt::Error(rt::ErrInvalidProcedureCall, "unknown switch: " + arguments[i]);
        }
    }
    return parsed;
}

class Program {
public:
    Program(rt::Platform& platform, std::string& out, std::string& err)
        : platform_(platform), out_(out), err_(err) {}

    int run(const std::vector<std::string>& arguments) {
        Arguments parsed;
        try {
            parsed = parse(arguments);
        } catch (const rt::Error& error) {
            return stop(error.description());
        }
        if (parsed.help || parsed.command.empty()) {
            out_ += usage;
            return parsed.help ? allDone : nothingDone;
        }
        const std::size_t wordsNeeded = parsed.command == "LIST" ? 0 : 1;
        const bool aspectsTaken = parsed.command == "APPLY" || parsed.command == "RESTORE";
        if ((parsed.command != "LIST" && parsed.command != "CHECK" && !aspectsTaken &&
             parsed.command != "SAVE") ||
            parsed.words.size() != wordsNeeded || ((parsed.only || parsed.skip) && !aspectsTaken))
            return stop("bad arguments (decocmd /? shows how to call it)");
        loadCatalogue();
        try {
            if (parsed.command == "LIST")
                return list();
            if (parsed.command == "CHECK")
                return check(parsed.words[0], parsed.saver);
            if (parsed.command == "SAVE")
                return save(parsed.words[0]);
            if (parsed.command == "RESTORE")
                return restore(parsed);
            return apply(parsed);
        } catch (const rt::Error& error) { // a folder or file it could not look at
            return stop(error.description());
        }
    }

private:
    int stop(const std::string& reason) {
        err_ += "decocmd: " + reason + "\n";
        return nothingDone;
    }

    // As start-up loads it, without a window: the program's folder, the version
    // tag, then the list files in start-up's order; a missing file counts as empty,
    // any other error is told and ends the loading.
    void loadCatalogue() {
        module_.windowsVersion = sys::GetWinVersion(platform_.api);
        module_.programFolder = platform_.runtime.appPath();
        rt::ErrorTrap onError([this](const rt::Error& error) {
            if (error.number() == rt::ErrFileNotFound)
                return true;
            err_ += "decocmd: catalogue: " + std::to_string(error.number()) + error.description() + "\n";
            return false;
        });
        for (const catalogue::ListFileFormat& format : catalogue::listFileFormats)
            onError([&] { catalogue::ReadListFile(format.kind, platform_.runtime, module_, nullptr); });
    }

    int list() {
        const std::vector<themeapply::ThemeEntry> entries =
            themeapply::listThemes(module_, platform_.runtime);
        for (std::size_t i = 0; i < entries.size(); ++i)
            out_ += std::to_string(i + 1) + '\t' + themeapply::kindName(entries[i].kind) + '\t' +
                    entries[i].name + "\n";
        if (snapshot::keptSnapshot(platform_, snapshot::Kept::previous))
            out_ += "previous\tsnapshot\tPrevious settings\n";
        if (snapshot::keptSnapshot(platform_, snapshot::Kept::original))
            out_ += "original\tsnapshot\tOriginal settings\n";
        out_ += "default\tdefault\tWindows default\n";
        return allDone;
    }

    int save(const std::string& name) {
        snapshot::saveCurrentSettings(platform_, themeFilePath(name), module_.windowsVersion);
        return allDone;
    }

    // The aspects asked: every one, or those /only and /skip leave.
    std::optional<AspectSet> askedAspects(const Arguments& parsed) {
        AspectSet aspects = AspectSet::all();
        try {
            if (parsed.only)
                aspects = AspectSet::of(themefile::parseAspectList(*parsed.only));
            if (parsed.skip)
                aspects = aspects.without(themefile::parseAspectList(*parsed.skip));
        } catch (const rt::Error& error) {
            stop(error.description());
            return std::nullopt;
        }
        return aspects;
    }

    int report(const themeapply::ApplyReport& report) {
        for (Aspect aspect : themefile::allAspects)
            out_ += report.line(aspect) + "\n";
        return report.anyTrouble() ? someTrouble : allDone;
    }

    // A snapshot that cannot be taken, or a kept one that is not there, ends it with 2
    // (run's catch).
    int restore(const Arguments& parsed) {
        const std::optional<AspectSet> aspects = askedAspects(parsed);
        if (!aspects)
            return nothingDone;
        const std::string which = rt::UCase(parsed.words[0]);
        if (which == "DEFAULT")
            return report(snapshot::applyWindowsDefault(platform_, *aspects, module_.windowsVersion));
        if (which != "PREVIOUS" && which != "ORIGINAL")
            return stop("restore takes previous, original or default");
        return report(snapshot::restoreKept(
            platform_, which == "PREVIOUS" ? snapshot::Kept::previous : snapshot::Kept::original, *aspects,
            module_.windowsVersion));
    }

    // A theme file named on the command line: a full path, or a name in the Themes folder.
    std::string themeFilePath(const std::string& name) const {
        if (isFullPath(name))
            return name;
        const std::string file = rt::EndsWith(rt::UCase(name), ".THEME") ? name : name + ".theme";
        return themeapply::themeFolderOf(module_) + "\\" + file;
    }

    // The file read and checked; nothing when it is not a readable theme file.
    std::optional<themefile::CheckedTheme> checked(const std::string& path, bool saver) {
        try {
            const std::string bytes = platform_.runtime.readBytes(path, 0, themefile::maxFileBytes + 1);
            const themefile::ThemeFile file =
                themefile::readThemeFile(bytes, path, themeapply::ansiConverter(platform_.api));
            const themeapply::WindowsSurroundings surroundings(platform_, path);
            return themefile::checkTheme(file, surroundings, themefile::CheckOptions{saver});
        } catch (const rt::Error& error) {
            stop(path + ": " + error.description());
            return std::nullopt;
        }
    }

    int check(const std::string& name, bool saver) {
        const std::optional<themefile::CheckedTheme> theme = checked(themeFilePath(name), saver);
        if (!theme)
            return nothingDone;
        bool refused = false;
        for (Aspect aspect : themefile::allAspects) {
            out_ += themefile::reportLine(aspect, theme->report(aspect)) + "\n";
            refused = refused || theme->report(aspect).state == themefile::AspectState::refused;
        }
        for (const std::string& section : theme->ignored)
            out_ += "ignored: " + section + "\n";
        return refused ? someTrouble : allDone;
    }

    int apply(const Arguments& parsed) {
        const std::optional<AspectSet> asked = askedAspects(parsed);
        if (!asked)
            return nothingDone;
        const AspectSet& aspects = *asked;
        const std::optional<themeapply::ThemeEntry> theme = find(parsed.words[0]);
        if (!theme)
            return stop("unknown theme: " + parsed.words[0]);
        std::optional<themeapply::ApplyReport> report = theme->kind == themeapply::ThemeEntry::Kind::catalogue
                                                            ? applyCatalogue(*theme, aspects)
                                                            : applyFile(theme->path, aspects, parsed.saver);
        if (!report)
            return nothingDone;
        return this->report(*report);
    }

    // A number from the list, a catalogue theme's or a listed file's name, or a theme file.
    std::optional<themeapply::ThemeEntry> find(const std::string& word) {
        const std::vector<themeapply::ThemeEntry> entries =
            themeapply::listThemes(module_, platform_.runtime);
        if (!word.empty() &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            const std::size_t number = word.size() > 4 ? 0 : std::stoul(word);
            if (number >= 1 && number <= entries.size())
                return entries[number - 1];
            return std::nullopt;
        }
        for (const themeapply::ThemeEntry& entry : entries)
            if (rt::UCase(entry.name) == rt::UCase(word))
                return entry;
        const std::string path = themeFilePath(word);
        if (platform_.runtime.Dir(path).empty())
            return std::nullopt;
        return themeapply::ThemeEntry{themeapply::ThemeEntry::Kind::file, word, -1, path};
    }

    // As the Themes tab applies it, each aspect's failure told and the others going on.
    std::optional<themeapply::ApplyReport> applyCatalogue(const themeapply::ThemeEntry& theme,
                                                          const AspectSet& aspects) {
        const themeapply::ThemeChoice choice = themeapply::themeChoice(module_, theme.listIndex);
        if (!choice.layout) {
            stop(theme.name + ": the theme cannot be applied (no preview layout, no scheme row)");
            return std::nullopt;
        }
        module_.activeSchemeRow = choice.schemeRow;
        themeapply::ThemeSelection selection;
        selection.selectedWallpaper = choice.wallpaper;
        selection.themeListIndex = theme.listIndex;
        snapshot::takeSnapshot(platform_, module_.windowsVersion);
        rt::ErrorTrap onError(rt::passOver);
        return themeapply::writeCatalogueTheme(platform_, module_, selection, aspects, onError);
    }

    std::optional<themeapply::ApplyReport> applyFile(const std::string& path, const AspectSet& aspects,
                                                     bool saver) {
        const std::optional<themefile::CheckedTheme> theme = checked(path, saver);
        if (!theme)
            return std::nullopt;
        snapshot::takeSnapshot(platform_, module_.windowsVersion);
        return themeapply::applyThemeFile(platform_, *theme, aspects, module_.windowsVersion);
    }

    rt::Platform& platform_;
    std::string& out_;
    std::string& err_;
    catalogue::Module1 module_;
};

} // namespace

int decocmd(const std::vector<std::string>& arguments, rt::Platform& platform, std::string& out,
            std::string& err) {
    return Program(platform, out, err).run(arguments);
}

int ConsoleMessages::MsgBox(const std::string& prompt, int, const std::string& title) {
    err_ += title + ": " + prompt + "\n";
    return rt::vbOK;
}

} // namespace console
