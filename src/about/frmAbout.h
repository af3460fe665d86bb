// frmAbout: the About and help box. It shows the application title and version,
// a tab-by-tab help text, a link to the product's web site, and a button that
// starts the Windows system information tool. It does not block the main window;
// its "Close" button unloads it, and the next opening loads it anew.
#pragma once

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/WinTypes.h"
#include "platform/ui/WindowSystem.h"

#include <memory>
#include <string>

namespace about {

// The product's help pages, the caption of the link label.
inline const std::string helpAddress = "http://www.decorama.example/help";

class frmAbout {
public:
    // Loads the box: builds its window and controls and runs Form_Load. It is
    // shown by Show().
    frmAbout(rt::Platform& platform, ui::WindowSystem& windows, const catalogue::Module1& module);
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Shows the box without blocking; a box already shown becomes the active window.
    void Show();
    // False once the box was closed: it must be loaded anew to be shown again.
    bool isLoaded() const { return loaded_; }
    ui::Window& window() { return *window_; }

    void MakeLink(ui::Label& label, int action, ui::Window* owner);
    // Starts the system information tool, or says that it is unavailable.
    void StartSysInfo();
    // Reads one string value under root\keyName; false (and the empty text) when
    // the key or the value cannot be read.
    bool GetKeyValue(win::HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

    // ---- controls -----------------------------------------------------------------
    ui::PictureBox* Image1 = nullptr;
    ui::Label* lblTitle = nullptr;
    ui::Label* lblVersion = nullptr;
    ui::RichTextBox* RichTextBox1 = nullptr;
    ui::Label* Label5 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::Label* Label6 = nullptr;
    ui::Button* cmdSysInfo = nullptr;
    ui::Button* cmdOK = nullptr;

    // ---- event handlers -------------------------------------------------------------
    void Form_Load();
    void Form_MouseMove(const ui::MouseEvent& event);
    void Form_Closed();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label4_Click();
    void Label4_MouseMove(const ui::MouseEvent& event);

private:
    void buildControls();
    void wireEvents();

    rt::Platform& platform_;
    const catalogue::Module1& module_;
    std::unique_ptr<ui::Window> window_;
    bool loaded_ = true;
    bool linkVisited = false;
};

} // namespace about
