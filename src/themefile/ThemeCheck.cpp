#include "themefile/ThemeCheck.h"

namespace themefile {
namespace {

// The outcomes of an aspect's values as the check goes.
class Tally {
public:
    void allowed(Aspect aspect) { ++at(aspect).allowed; }
    void refused(Aspect aspect, const std::string& name, const std::string& reason) {
        at(aspect).report.refused.push_back({name, reason});
    }

    void report(CheckedTheme& theme) const {
        for (Aspect aspect : allAspects) {
            const Count& count = counts_[static_cast<std::size_t>(aspect)];
            AspectReport report = count.report;
            if (!report.refused.empty() && count.allowed == 0) {
                report.state = AspectState::refused;
                report.reason = report.refused.front().reason;
            } else {
                report.state = count.allowed > 0 ? AspectState::ok : AspectState::absent;
            }
            theme.reports[static_cast<std::size_t>(aspect)] = report;
        }
    }

private:
    struct Count {
        int allowed = 0;
        AspectReport report;
    };
    Count& at(Aspect aspect) { return counts_[static_cast<std::size_t>(aspect)]; }

    std::array<Count, allAspects.size()> counts_;
};

class Check {
public:
    Check(const Surroundings& surroundings, const CheckOptions& options)
        : paths_(surroundings, options.trusted), options_(options) {}

    CheckedTheme run(const ThemeFile& theme) {
        CheckedTheme checked;
        checked.displayName = theme.displayName;
        checked.ignored = theme.ignored;
        for (const auto& color : theme.colors)
            if (take(Aspect::colors, color))
                checked.colors.push_back({color.value.index, color.value.rgb});
        checkPointers(theme, checked);
        for (const auto& icon : theme.icons)
            if (auto file = takePath(Aspect::icons, icon, icon.value.path, FileKind::icon))
                checked.icons.push_back(
                    {icon.value.object, icon.value.role, *file, icon.value.hasIndex, icon.value.index});
        checkWallpaper(theme, checked);
        for (const auto& sound : theme.sounds)
            if (auto file = takePath(Aspect::sounds, sound, sound.value.path, FileKind::sound))
                checked.sounds.push_back({sound.value.application, sound.value.event, *file});
        checkSaver(theme, checked);
        for (Aspect aspect : {Aspect::fonts, Aspect::sizes}) {
            if (theme.nonClientMetrics && take(aspect, *theme.nonClientMetrics))
                checked.nonClientMetrics = theme.nonClientMetrics->value;
            if (theme.iconMetrics && take(aspect, *theme.iconMetrics))
                checked.iconMetrics = theme.iconMetrics->value;
        }
        tally_.report(checked);
        return checked;
    }

private:
    // A value the reader typed and checked already: allowed unless it refused it.
    template <typename T> bool take(Aspect aspect, const Setting<T>& setting) {
        if (!setting.refusal.empty()) {
            tally_.refused(aspect, setting.name, setting.refusal);
            return false;
        }
        tally_.allowed(aspect);
        return true;
    }
    template <typename T> bool take(Aspect aspect, const std::optional<Setting<T>>& setting) {
        return setting && take(aspect, *setting);
    }

    template <typename T>
    std::optional<CheckedPath> takePath(Aspect aspect, const Setting<T>& setting, const std::string& path,
                                        FileKind kind) {
        if (!setting.refusal.empty())
            return take(aspect, setting), std::nullopt;
        return verdict(aspect, setting.name, paths_.file(path, kind));
    }

    std::optional<CheckedPath> verdict(Aspect aspect, const std::string& name, PathVerdict verdict) {
        if (!verdict.path) {
            tally_.refused(aspect, name, verdict.refusal);
            return std::nullopt;
        }
        tally_.allowed(aspect);
        return verdict.path;
    }

    void checkPointers(const ThemeFile& theme, CheckedTheme& checked) {
        if (take(Aspect::pointers, theme.pointerScheme))
            checked.pointerScheme = theme.pointerScheme->value;
        for (const auto& pointer : theme.pointers)
            if (auto file = takePath(Aspect::pointers, pointer, pointer.value.path, FileKind::pointer))
                checked.pointers.push_back({pointer.value.slot, *file});
    }

    // The tiling, style and pattern go with the picture: a refused picture leaves
    // them alone too.
    void checkWallpaper(const ThemeFile& theme, CheckedTheme& checked) {
        if (theme.wallpaper) {
            checked.wallpaper =
                takePath(Aspect::wallpaper, *theme.wallpaper, theme.wallpaper->value, FileKind::picture);
            if (!checked.wallpaper)
                return;
        }
        if (take(Aspect::wallpaper, theme.tileWallpaper))
            checked.tileWallpaper = theme.tileWallpaper->value;
        if (take(Aspect::wallpaper, theme.wallpaperStyle))
            checked.wallpaperStyle = theme.wallpaperStyle->value;
        if (take(Aspect::wallpaper, theme.pattern))
            checked.pattern = theme.pattern->value;
    }

    // ScreenSaveActive goes with the program: a refused program leaves it alone too.
    void checkSaver(const ThemeFile& theme, CheckedTheme& checked) {
        if (theme.screenSaver) {
            const Setting<std::string>& saver = *theme.screenSaver;
            checked.screenSaver = saver.refusal.empty()
                                      ? verdict(Aspect::saver, saver.name,
                                                paths_.screenSaver(saver.value, options_.allowScreenSavers))
                                      : (take(Aspect::saver, saver), std::nullopt);
            if (!checked.screenSaver)
                return;
        }
        if (take(Aspect::saver, theme.screenSaveActive))
            checked.screenSaveActive = theme.screenSaveActive->value;
    }

    PathCheck paths_;
    const CheckOptions& options_;
    Tally tally_;
};

} // namespace

std::string reportLine(Aspect aspect, const AspectReport& report) {
    const std::string name = aspectName(aspect);
    switch (report.state) {
    case AspectState::ok:
        return name + ": ok";
    case AspectState::absent:
        return name + ": absent";
    case AspectState::refused:
        return name + ": refused: " + report.reason;
    }
    return name;
}

std::string CheckedIcon::registryText() const {
    return hasIndex ? file.path() + "," + std::to_string(index) : file.path();
}

CheckedTheme checkTheme(const ThemeFile& theme, const Surroundings& surroundings,
                        const CheckOptions& options) {
    return Check(surroundings, options).run(theme);
}

} // namespace themefile
