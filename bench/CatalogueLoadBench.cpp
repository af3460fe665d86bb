// Catalogue load benchmark: writes the nine catalogue files with every table full
// (101 themes, 29 rows of 29 colours, 29 x 29 cursors and icons, 101 entries in
// each one-index file) to the fake drive, then loads all nine into fresh tables
// and lists, as start-up does, N times. Prints the mean and minimum time of one
// full load and the peak heap use above the program's baseline. Asserts nothing;
// the budget is 5 ms and 2 MiB per load.
//
//   catalogue_load_bench [loads]      (default 200)
#include "catalogue/ListFiles.h"
#include "catalogue/Module1.h"
#include "fake/FakeWindows.h"
#include "headless/Controls.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

// ---- heap accounting ------------------------------------------------------------
// Every operator new of the program goes through here; the usable size of each
// block is counted while it lives. One thread only, so plain counters will do.

namespace {
std::size_t heapInUse = 0;
std::size_t heapPeak = 0;

void* allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    heapInUse += malloc_usable_size(block);
    heapPeak = std::max(heapPeak, heapInUse);
    return block;
}
void release(void* block) noexcept {
    if (block == nullptr)
        return;
    heapInUse -= malloc_usable_size(block);
    std::free(block);
}
} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}

namespace {

// ---- full catalogue files ------------------------------------------------------------

std::string number(int value) {
    return std::to_string(value);
}

void writeFullCatalogue(rt::Runtime& runtime, const std::string& folder) {
    auto write = [&](const char* name, const std::string& text) {
        runtime.writeFile(folder + "\\" + name, text);
    };
    std::string colors, cursors, icons;
    for (int row = 0; row <= 28; ++row)
        for (int slot = 0; slot <= 28; ++slot) {
            const std::string key = number(row) + "," + number(slot) + ",";
            colors += key + number((row * 7) % 256) + "," + number((slot * 9) % 256) + "," +
                      number((row + slot) % 256) + "\r\n";
            cursors += key + "Theme " + number(row) + " Cursor " + number(slot) + ".ani\r\n";
            icons += key + "Theme " + number(row) + " Icon " + number(slot) + ".ico\r\n";
        }
    std::string audio, shortAudio, themes, wallpapers, colorNames, screenSavers;
    for (int i = 0; i <= 100; ++i) {
        const std::string name = "Theme Number " + number(i) + (i % 2 ? " 800x600" : " 1024x768");
        audio += number(i) + ",Theme Number " + number(i) + ".wav\r\n";
        shortAudio += number(i) + "," + (i % 3 ? "Zuve Zivi ziz Odida" : "\"\"") + "\r\n";
        themes += number(i) + "," + name + ",Category " + number(i % 7) + "," + name + ".jpg," + name +
                  ".bmp," + number(i % 29) + "\r\n";
        wallpapers += number(i) + "," + name + "\r\n";
        colorNames += number(i) + ",Scheme " + number(i) + ",Scheme " + number(i) + " Colors\r\n";
        screenSavers += number(i) + ",Saver " + number(i) + ",Saver " + number(i) + ".scr\r\n";
    }
    write("colors.txt", colors);
    write("cursors.txt", cursors);
    write("icons.txt", icons);
    write("audio.txt", audio);
    write("shortAudio.txt", shortAudio);
    write("themes.txt", themes);
    write("wallpapers.txt", wallpapers);
    write("colorNames.txt", colorNames);
    write("screenSavers.txt", screenSavers);
}

// ---- the runtime, with its file reads timed ------------------------------------------
// Forwards to the fake and adds up the time spent reading files, so that the
// reader's own share of a load can be told apart from the fake drive's.

using Clock = std::chrono::steady_clock;

class TimedRuntime : public rt::Runtime {
public:
    explicit TimedRuntime(rt::Runtime& inner) : inner_(inner) {}
    double readMillis = 0;

    std::string appPath() override { return inner_.appPath(); }
    std::string appTitle() override { return inner_.appTitle(); }
    rt::AppVersion appVersion() override { return inner_.appVersion(); }
    std::string Dir(const std::string& path) override { return inner_.Dir(path); }
    std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) override {
        return inner_.FilesIn(folder, extension);
    }
    void FileCopy(const std::string& source, const std::string& destination) override {
        inner_.FileCopy(source, destination);
    }
    void Kill(const std::string& path) override { inner_.Kill(path); }
    void Name(const std::string& oldPath, const std::string& newPath) override {
        inner_.Name(oldPath, newPath);
    }
    std::string readFile(const std::string& path) override {
        const auto start = Clock::now();
        std::string bytes = inner_.readFile(path);
        readMillis += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        return bytes;
    }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override {
        return inner_.readBytes(path, offset, count);
    }
    void writeFile(const std::string& path, const std::string& data) override {
        inner_.writeFile(path, data);
    }
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) override {
        inner_.writeBytes(path, offset, data);
    }
    std::uint32_t Shell(const std::string& commandLine, int showMode) override {
        return inner_.Shell(commandLine, showMode);
    }

private:
    rt::Runtime& inner_;
};

// ---- one load ------------------------------------------------------------------------

struct Lists {
    ui::ComboBox* themes;
    ui::ComboBox* wallpapers;
    ui::ComboBox* colorSchemes;
    ui::ComboBox* screenSavers;
};

// The nine files in start-up order, each list emptied before its file is read.
void loadAll(rt::Runtime& runtime, catalogue::Module1& module, const Lists& lists) {
    for (const catalogue::ListFileFormat& format : catalogue::listFileFormats) {
        ui::ComboBox* list = nullptr;
        switch (format.kind) {
        case catalogue::ListFileKind::Themes:
            list = lists.themes;
            break;
        case catalogue::ListFileKind::Wallpapers:
            list = lists.wallpapers;
            break;
        case catalogue::ListFileKind::ColorNames:
            list = lists.colorSchemes;
            break;
        case catalogue::ListFileKind::ScreenSavers:
            list = lists.screenSavers;
            break;
        default:
            break;
        }
        if (list != nullptr)
            list->clear();
        catalogue::ReadListFile(format.kind, runtime, module, list);
    }
}

int filledEntries(const catalogue::Module1& m) {
    int filled = 0;
    for (int row = 0; row <= 28; ++row)
        for (int slot = 0; slot <= 28; ++slot)
            filled += !m.themeColors(row, slot, 3).empty() + !m.themeCursors(row, slot).empty() +
                      !m.themeIcons(row, slot).empty();
    for (int i = 0; i <= 100; ++i)
        filled += !m.themeAudio(i).empty() + !m.themeShortAudio(i).empty() + !m.themeList(i).empty() +
                  !m.wallpaperList(i).empty() + !m.colorSchemeList(i).empty() + !m.screenSaverList(i).empty();
    return filled;
}

} // namespace

int main(int argc, char** argv) {
    const int loads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    fake::FakeWindows windows;
    headless::HeadlessWindowSystem windowSystem(windows, windows);
    auto form = windowSystem.createWindow("Decorama", ui::Window::Style::Borderless, {0, 0, 9600, 7200});
    const ui::Rect listBounds{120, 120, 3000, 315};
    const Lists lists{&form->addComboBox("Combo1", ui::ComboBox::Style::DropDown, listBounds),
                      &form->addComboBox("Combo2", ui::ComboBox::Style::DropDown, listBounds),
                      &form->addComboBox("Combo3", ui::ComboBox::Style::DropDown, listBounds),
                      &form->addComboBox("Combo4", ui::ComboBox::Style::DropDown, listBounds)};
    const std::string folder = windows.appPath();
    writeFullCatalogue(windows, folder);

    TimedRuntime runtime(windows);
    std::vector<double> millis;
    std::vector<double> readerMillis;
    std::size_t peakAbove = 0;
    std::size_t retained = 0;
    std::size_t moduleBytes = 0;
    int filled = 0;
    for (int n = 0; n < loads; ++n) {
        // Fresh tables and empty lists, as at program start; their own size is
        // part of the baseline.
        const std::size_t beforeModule = heapInUse;
        auto module = std::make_unique<catalogue::Module1>();
        module->programFolder = folder;
        moduleBytes = heapInUse - beforeModule;
        for (ui::ComboBox* list : {lists.themes, lists.wallpapers, lists.colorSchemes, lists.screenSavers})
            list->clear();
        // The fake's own call log would otherwise grow across loads and count.
        windows.clearLogs();

        const std::size_t baseline = heapInUse;
        heapPeak = heapInUse;
        runtime.readMillis = 0;
        const auto start = Clock::now();
        loadAll(runtime, *module, lists);
        const auto stop = Clock::now();
        millis.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        readerMillis.push_back(millis.back() - runtime.readMillis);
        peakAbove = std::max(peakAbove, heapPeak - baseline);
        retained = heapInUse - baseline;
        filled = filledEntries(*module);
    }

    auto mean = [](const std::vector<double>& values) {
        double sum = 0;
        for (double v : values)
            sum += v;
        return sum / static_cast<double>(values.size());
    };
    auto best = [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    };
    std::printf("catalogue load: %d full loads of the nine files (%d table entries filled, "
                "%d/%d/%d/%d list items)\n",
                loads, filled, lists.themes->listCount(), lists.wallpapers->listCount(),
                lists.colorSchemes->listCount(), lists.screenSavers->listCount());
    std::printf("  time per load:    mean %.3f ms, min %.3f ms (budget 5 ms)\n", mean(millis), best(millis));
    std::printf("    without the fake drive's file reads: mean %.3f ms, min %.3f ms\n", mean(readerMillis),
                best(readerMillis));
    std::printf("  peak heap above baseline: %.1f KiB (budget 2048 KiB); kept after the load: %.1f KiB\n",
                static_cast<double>(peakAbove) / 1024.0, static_cast<double>(retained) / 1024.0);
    std::printf("  empty tables themselves (baseline): %.1f KiB\n",
                static_cast<double>(moduleBytes) / 1024.0);
    return 0;
}
