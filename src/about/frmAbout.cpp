#include "about/frmAbout.h"

#include "links/MakeLink.h"
#include "runtime/Error.h"
#include "platform/WinHolders.h"

#include <string>

namespace about {

namespace {

// Design size of the box, in twips.
constexpr int boxWidth = 7680;
constexpr int boxHeight = 6300;

// The help text, line by line, each with the line feeds that follow it (line
// feeds only: the box shows them as line breaks).
struct HelpLine {
    const char* text;
    const char* after;
};

constexpr HelpLine helpText[] = {
    {"Themes Tab", "\n"},
    {"Select a Theme from the list by clicking on a selection with your mouse then click on the Apply Theme "
     "button, or press the Enter key.",
     "\n\n"},
    {"Mix - N - Match Tab", "\n"},
    {"Make your Wallpaper by clicking on a selection with your mouse and then click on the Apply Wallpaper "
     "button, or press the Enter key.",
     "\n\n"},
    {"Make your Color Scheme by clicking on a selection with your mouse and then click on the Apply Color "
     "button, or press the Enter key.",
     "\n\n"},
    {"Screen Saver Tab", "\n"},
    {"1) Set the number of minutes to wait for the screen saver to launch.", "\n"},
    {"2) Select a Screen Saver from the list by clicking on a selection with your mouse.", "\n"},
    {"3) Click on the Set Screen Saver button, or press the Enter key and See a Preview   - (in Windows "
     "Display Properties).  Your selection is set as the current screen saver.",
     "\n\n"},
    {"     * USER NOTE: The Orlo LE Screen Savers are a lite edition screen saver that uses", "\n"},
    {"                                   less system resources.", "\n\n"},
    {"Utilities Tab", "\n"},
    {"     Background Properties - click on it and", "\n"},
    {"          Windows Display Properties is called on the Windows Background Properties tab.", "\n\n"},
    {"     Screen Saver - click on it and", "\n"},
    {"          Windows Display Properties is called on the Windows Screen Saver tab.", "\n\n"},
    {"     Appearance - click on it and", "\n"},
    {"          Windows Display Properties is called on the Windows Appearance tab.", "\n\n"},
    {"     Settings - click on it and", "\n"},
    {"          Windows Display Properties is called on the Windows Settings tab.", "\n\n"},
    {"     Restore Graphics", "\n"},
    {"         Click on the button and the original Windows default Start Up, Shut Down, and ", "\n"},
    {"         Final Shut Down graphics are called.", "\n\n"},
    {"     Windows Start-up Audio preview", "\n"},
    {"         Hear a preview of the sound, which occurs at Windows start-up.", "\n\n"},
    {"Log Off Windows", "\n"},
    {"To ensure that changes have been made, your system will need to reboot or relogon to Windows.  Click "
     "on this button to relogon to Windows and return to this application.  There is no need to shut down "
     "Decorama to relogon to WIndows.  To ensure the integrity of other application, shut down all other "
     "applications before clicking on this buton.",
     ""},
};

// Headings emphasised in the help text, in the order they appear, with the
// length of text emphasised from each match.
struct Heading {
    const char* text;
    int length;
};

constexpr Heading headings[] = {
    {"Themes Tab", 10},   {"Mix - N - Match Tab", 19}, {"Screen Saver Tab", 16},
    {"* USER NOTE:", 12}, {"Utilities Tab", 13},
};

constexpr const char* linkQuestion =
    "If you are connected to the internet, or after a connection to the internet is "
    "established, click OK, otherwise Cancel.";
constexpr const char* sysInfoUnavailable = "System Information Is Unavailable At This Time";

// Where the system information tool records itself: its full path, or failing
// that the folder that holds MSINFO32.EXE.
constexpr const char* sysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* sysInfoValue = "PATH";
constexpr const char* sysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* sysInfoLocationValue = "MSINFO";

// Query, set, create sub-key, enumerate, notify, create link and read control.
constexpr win::REGSAM keyAccess = 0x2003F;
constexpr win::DWORD valueBufferSize = 1024;

// A program path as one command-line word.
std::string quoted(const std::string& path) {
    if (!path.empty() && path.front() == '"')
        return path;
    return '"' + path + '"';
}

} // namespace

frmAbout::frmAbout(rt::Platform& platform, ui::WindowSystem& windows, const catalogue::Module1& module)
    : platform_(platform), module_(module) {
    ui::Screen& screen = windows.screen();
    const ui::Rect bounds{(screen.width() - boxWidth) / 2, (screen.height() - boxHeight) / 2, boxWidth,
                          boxHeight};
    window_ = windows.createWindow("About", ui::Window::Style::FixedDialog, bounds);
    buildControls();
    wireEvents();
    Form_Load();
}

void frmAbout::buildControls() {
    ui::Window& form = *window_;
    Image1 = &form.addPictureBox("Image1", {240, 240, 960, 960});
    lblTitle = &form.addLabel("lblTitle", "", {1440, 300, 5880, 345});
    lblVersion = &form.addLabel("lblVersion", "", {1440, 780, 5880, 285});
    RichTextBox1 = &form.addRichTextBox("RichTextBox1", {240, 1440, 7080, 3000});
    Label5 = &form.addLabel("Label5", "Click on the hyperlink", {240, 4620, 1680, 255});
    Label4 = &form.addLabel("Label4", helpAddress, {1980, 4620, 2760, 255});
    Label6 = &form.addLabel("Label6", "for additional help.", {4800, 4620, 1560, 255});
    cmdSysInfo = &form.addButton("cmdSysInfo", "&System Info...", {4320, 5100, 1440, 375});
    cmdOK = &form.addButton("cmdOK", "Close", {5880, 5100, 1440, 375});

    // The program's picture ships beside it; without it the box shows none.
    try {
        Image1->loadPicture(platform_.runtime.appPath() + "\\ui\\about.bmp");
    } catch (const rt::Error&) {
    }
}

void frmAbout::wireEvents() {
    window_->onMouseMove = [this](const ui::MouseEvent& event) { Form_MouseMove(event); };
    window_->onClosed = [this] { Form_Closed(); };
    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdSysInfo->onClick = [this] { cmdSysInfo_Click(); };
    Label4->onClick = [this] { Label4_Click(); };
    Label4->onMouseMove = [this](const ui::MouseEvent& event) { Label4_MouseMove(event); };
}

void frmAbout::Show() {
    window_->show();
}

void frmAbout::MakeLink(ui::Label& label, int action, ui::Window* owner) {
    links::MakeLink(platform_.api, module_.programFolder, linkVisited, label, action, owner);
}

void frmAbout::Form_Load() {
    // 1. Title and version.
    const std::string title = platform_.runtime.appTitle();
    const rt::AppVersion version = platform_.runtime.appVersion();
    window_->setCaption("About " + title);
    lblVersion->setCaption("Version " + std::to_string(version.major) + "." + std::to_string(version.minor) +
                           "." + std::to_string(version.revision));
    lblTitle->setCaption(title);

    // 2. The link's resting look.
    MakeLink(*Label4, links::LinkSetUp, nullptr);

    // 3. The help text.
    for (const HelpLine& line : helpText)
        RichTextBox1->append(std::string(line.text) + line.after);

    // 4. The headings in bold, each searched from where the previous one was found.
    int position = 0;
    for (const Heading& heading : headings) {
        position = RichTextBox1->find(heading.text, position);
        if (position != -1) {
            RichTextBox1->setSelStart(position);
            RichTextBox1->setSelLength(heading.length);
            RichTextBox1->setSelBold(true);
        }
    }
    RichTextBox1->setSelStart(0);
    RichTextBox1->setSelLength(0);
}

void frmAbout::Form_MouseMove(const ui::MouseEvent&) {
    MakeLink(*Label4, links::LinkMouseLeft, nullptr);
}

void frmAbout::Form_Closed() {
    loaded_ = false;
}

void frmAbout::cmdOK_Click() {
    window_->close();
    loaded_ = false;
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::Label4_Click() {
    if (platform_.messages.MsgBox(linkQuestion, rt::vbOKCancel, platform_.runtime.appTitle()) == rt::vbOK)
        MakeLink(*Label4, links::LinkFollow, window_.get());
}

void frmAbout::Label4_MouseMove(const ui::MouseEvent&) {
    MakeLink(*Label4, links::LinkMouseOver, nullptr);
}

void frmAbout::StartSysInfo() {
    bool started = false;
    try {
        // 1. The tool's full path, as recorded; started without looking for it first.
        std::string SysInfoPath;
        bool found = GetKeyValue(win::HKEY_LOCAL_MACHINE, sysInfoKey, sysInfoValue, SysInfoPath);
        // 2. Otherwise the tool's folder, as recorded, when the tool is in it.
        if (!found) {
            found =
                GetKeyValue(win::HKEY_LOCAL_MACHINE, sysInfoLocationKey, sysInfoLocationValue, SysInfoPath) &&
                !platform_.runtime.Dir(SysInfoPath + "\\MSINFO32.EXE").empty();
            SysInfoPath += "\\MSINFO32.EXE";
        }
        // 3. A normal window with the focus; not waited for. The path is quoted:
        // it usually lies under "Program Files", and unquoted, the blank would
        // let Windows try "C:\Program.exe" first.
        if (found) {
            platform_.runtime.Shell(quoted(SysInfoPath), rt::ShowNormalFocus);
            started = true;
        }
    } catch (const rt::Error&) {
        // The start itself failed, or the recorded folder is not a valid path.
    }
    // 4. Not recorded, not there, or not started.
    if (!started)
        platform_.messages.MsgBox(sysInfoUnavailable, rt::vbOKOnly, platform_.runtime.appTitle());
}

bool frmAbout::GetKeyValue(win::HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                           std::string& KeyVal) {
    // 1. Open the key.
    win::HKEY hKey = 0;
    if (platform_.api.RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, keyAccess, &hKey) != win::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    const win::KeyCloser closer(platform_.api, hKey);

    // 2. Read the value.
    std::string tmpVal(valueBufferSize, '\0');
    win::DWORD KeyValSize = valueBufferSize;
    win::DWORD KeyValType = win::REG_NONE;
    if (platform_.api.RegQueryValueExA(hKey, SubKeyRef.c_str(), nullptr, &KeyValType,
                                       reinterpret_cast<win::BYTE*>(tmpVal.data()),
                                       &KeyValSize) != win::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    // 3. Cut to the size read, without the terminating NUL when there is one.
    tmpVal.resize(KeyValSize < valueBufferSize ? KeyValSize : valueBufferSize);
    if (!tmpVal.empty() && tmpVal.back() == '\0')
        tmpVal.pop_back();

    // 4. Only string values are read as text; the callers read nothing else.
    KeyVal = (KeyValType == win::REG_SZ || KeyValType == win::REG_EXPAND_SZ) ? tmpVal : std::string();
    return true;
}

} // namespace about
