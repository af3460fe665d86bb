// Decorama's entry point: the real Windows behind the program's Windows calls and
// runtime services, the native window system, and the main window, whose load
// event prepares everything before it is first shown. The program then runs on
// the window system's event thread until its close button (or the last window)
// ends it. A theme file named on the command line ("decorama.exe FILE.theme", as
// the shell opens one) is opened and selected before the window is shown; the
// kept settings join the theme list once it is.
#include "catalogue/Module1.h"
#include "app/frmMain.h"
#include "runtime/Error.h"
#include "platform/MessageBoxService.h"
#include "platform/Platform.h"
#include "platform/native/NativeWindowSystem.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"

#include "platform/native/WinHeaders.h"

#include <exception>
#include <string>

namespace {

// The one argument, its surrounding blanks and quotes taken off.
std::string themeFileArgument(const char* commandLine) {
    std::string argument = commandLine != nullptr ? commandLine : "";
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!argument.empty() && blank(argument.back()))
        argument.pop_back();
    std::size_t start = 0;
    while (start < argument.size() && blank(argument[start]))
        ++start;
    argument.erase(0, start);
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
    return argument;
}

} // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
    win32::Win32Api api;
    win32::Win32Runtime runtime;
    native::NativeWindowSystem windows(runtime);
    rt::Platform platform{api, runtime, windows};
    try {
        catalogue::Module1 module;
        app::frmMain form(platform, windows, module);
        form.Form_Load();
        const std::string themeFile = themeFileArgument(commandLine);
        if (!themeFile.empty())
            form.openThemeFile(themeFile);
        form.window().show();
        form.listKeptSettings();
        return windows.run();
    } catch (const rt::Error& error) {
        // Start-up reports its own errors; one that escapes it still gets told
        // instead of ending the program without a word.
        windows.MsgBox(std::to_string(error.number()) + error.description(), rt::vbCritical,
                       runtime.appTitle());
    } catch (const std::exception& error) {
        windows.MsgBox(error.what(), rt::vbCritical, runtime.appTitle());
    }
    return 1;
}
