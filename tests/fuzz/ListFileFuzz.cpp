// libFuzzer target for the list-file reader: each input is read as every one of
// the nine catalogue files. Reading must either reach the end or stop with one of
// the catalogue errors (9, 13, 6, 62); anything else, a crash, a leak or
// undefined behaviour is a finding. A list-filling file must also end the same
// way whether or not a list is attached, except that only with a list can the
// item data (f1's numeric value) overflow before the index is converted.
#include "catalogue/ListFiles.h"

#include "fake/FakeWindows.h"
#include "headless/Controls.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr const char* folder = "C:\\Decorama";

bool isCatalogueError(int number) {
    return number == rt::ErrSubscriptOutOfRange || number == rt::ErrTypeMismatch ||
           number == rt::ErrOverflow || number == rt::ErrInputPastEndOfFile;
}

// The error that ends reading, 0 when the file is read to its end.
// One module serves every read: what earlier inputs left in the tables does not
// change how a file reads, and building the tables anew would dominate the run.
int readAs(const catalogue::ListFileFormat& format, rt::Runtime& runtime, ui::ComboBox* list) {
    static catalogue::Module1 module;
    module.programFolder = folder;
    try {
        catalogue::ReadListFile(format.kind, runtime, module, list);
    } catch (const rt::Error& e) {
        if (!isCatalogueError(e.number()))
            __builtin_trap();
        return e.number();
    }
    return 0;
}

// Nothing handles the list's events, so no error can reach a message box.
class NoMessages : public rt::MessageBoxService {
    int MsgBox(const std::string&, int, const std::string&) override { __builtin_trap(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fake::FakeWindows runtime;
    NoMessages messages;
    headless::HeadlessWindowSystem windows(runtime, messages);
    const auto window = windows.createWindow("List", ui::Window::Style::Borderless, {});
    for (const catalogue::ListFileFormat& format : catalogue::listFileFormats) {
        runtime.makeFile(std::string(folder) + "\\" + format.fileName, bytes);
        ui::ComboBox& list = window->addComboBox(format.fileName, ui::ComboBox::Style::DropDown, {});
        const int withList = readAs(format, runtime, &list);
        if (format.fillsList) {
            const int withoutList = readAs(format, runtime, nullptr);
            const bool itemDataOverflow = format.setsItemData && withList == rt::ErrOverflow;
            if (withoutList != withList && !itemDataOverflow)
                __builtin_trap();
        }
    }
    return 0;
}
