// decocmd.exe: the console program beside decorama.exe. The real Windows behind
// the Windows calls and the runtime, the console for output and message boxes;
// everything else is console::decocmd.
#include "console/Decocmd.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    win32::Win32Api api;
    win32::Win32Runtime runtime;
    console::StreamMessages messages(std::cerr);
    rt::Platform platform{api, runtime, messages};
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return console::decocmd(arguments, platform, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "decocmd: " << error.what() << "\n";
        return console::nothingDone;
    }
}
