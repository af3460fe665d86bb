#include "links/MakeLink.h"

#include "platform/WindowsApi.h"

namespace links {

namespace {

constexpr win::INT SW_SHOWNORMAL = 1;

} // namespace

void MakeLink(win::WindowsApi& api, const std::string& programFolder, bool& linkVisited, ui::Label& label,
              int action, ui::Window* owner) {
    switch (action) {
    case LinkSetUp:
        label.setForeColor(linkBlue);
        break;
    case LinkFollow: {
        // A caption the shell cannot open changes nothing here: the link still
        // counts as followed.
        const std::string target = label.caption();
        api.ShellExecuteA(owner == nullptr ? 0 : owner->handle(), "Open", target.c_str(), "",
                          programFolder.c_str(), SW_SHOWNORMAL);
        label.setForeColor(linkPurple);
        linkVisited = true;
        break;
    }
    case LinkMouseLeft:
        label.setUnderline(false);
        label.setForeColor(linkVisited ? linkPurple : linkBlue);
        break;
    case LinkMouseOver:
        label.setForeColor(linkRed);
        label.setUnderline(true);
        break;
    default:
        break;
    }
}

} // namespace links
