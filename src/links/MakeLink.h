// Link labels: a plain label that looks and acts like a hyperlink. Each window
// that shows links keeps its own visited flag and hands it in; the four actions
// are the same for every window.
//
//   1 set up       blue
//   2 follow       the shell opens the label's caption ("Open", owner window as
//                  parent, no parameters, the program folder as working folder,
//                  normal window; the outcome is not looked at), then purple and
//                  the window's links count as visited
//   3 mouse left   underline off; purple once visited, else blue
//   4 mouse over   red and underlined
//
// Any other action does nothing. Only action 2 uses the owner window.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/WindowSystem.h"

#include <string>

namespace win {
class WindowsApi;
}

namespace links {

constexpr win::COLORREF linkBlue = ui::RGB(0, 0, 255);
constexpr win::COLORREF linkPurple = ui::RGB(128, 0, 128);
constexpr win::COLORREF linkRed = ui::RGB(255, 0, 0);

enum LinkAction : int { LinkSetUp = 1, LinkFollow = 2, LinkMouseLeft = 3, LinkMouseOver = 4 };

void MakeLink(win::WindowsApi& api, const std::string& programFolder, bool& linkVisited, ui::Label& label,
              int action, ui::Window* owner);

} // namespace links
