// decocmd.exe: the console program beside decorama.exe. The real Windows behind
// the Windows calls and the runtime, the console for output and message boxes;
// everything else is console::decocmd.
#include "console/Decocmd.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    win32::Win32Api api;
    win32::Win32Runtime runtime;
    std::string out, err;
    console::ConsoleMessages messages(err);
    rt::Platform platform{api, runtime, messages};
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    int status = console::nothingDone;
    try {
        status = console::decocmd(arguments, platform, out, err);
    } catch (const std::exception& error) {
        err += std::string("decocmd: ") + error.what() + "\n";
    }
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}
