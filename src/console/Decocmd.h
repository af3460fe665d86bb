// decocmd, the console program beside decorama.exe: the themes on offer, the check
// of a theme file, and applying a theme, whole or aspect by aspect, with the same
// code as the window. Its whole logic is here, over the Windows layer; the program
// itself (src/main/decocmd.cpp) only hands it the real Windows and the console.
//
//   decocmd list
//   decocmd check FILE [/saver]
//   decocmd apply THEME [/only ASPECTS] [/skip ASPECTS] [/saver]
//   decocmd restore previous|original|default [/only ASPECTS] [/skip ASPECTS]
//   decocmd save FILE
//   decocmd /?
//
// Switches are taken as Windows programs take them: "/only" or "-only", in any
// letter case. THEME is a catalogue theme's name, a number from "list", or a theme
// file (a full path, or a name in the program folder's "Themes" folder).
#pragma once

#include "platform/MessageBoxService.h"

#include <string>
#include <vector>

namespace rt {
struct Platform;
}

namespace console {

// Exit codes.
enum ExitCode : int {
    allDone = 0,     // check: nothing refused; apply: all that was asked applied
    someTrouble = 1, // check: something refused; apply: some aspect refused or failed
    nothingDone = 2, // not a readable theme file, an unknown theme, bad arguments, no snapshot
};

// arguments: the command line's words after the program's name; what it prints on
// standard output and standard error is added to out and err.
int decocmd(const std::vector<std::string>& arguments, rt::Platform& platform, std::string& out,
            std::string& err);

// Message boxes of a console program: the prompt added to what goes to standard
// error, answered OK.
class ConsoleMessages : public rt::MessageBoxService {
public:
    explicit ConsoleMessages(std::string& err) : err_(err) {}
    int MsgBox(const std::string& prompt, int, const std::string& title) override;

private:
    std::string& err_;
};

} // namespace console
