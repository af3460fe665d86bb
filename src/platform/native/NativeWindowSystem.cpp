#include "runtime/Error.h"

#include "platform/native/NativeWindowSystem.h"

#include "platform/native/NativeCanvas.h"
#include "platform/native/NativeWindow.h"
#include "platform/native/Surface.h"

#include "platform/win32/LateBound.h"

#include <algorithm>
#include <cctype>

namespace native {

namespace {

// The windows the Tab key visits in root, in order: visible, enabled windows with
// WS_TABSTOP, found depth first through the windows marked WS_EX_CONTROLPARENT
// (the program's frames and tab pages, and the tab control itself), the order in
// which the controls were created.
void collectTabStops(HWND root, std::vector<HWND>& stops) {
    for (HWND child = ::GetWindow(root, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child) || !::IsWindowEnabled(child))
            continue;
        if (::GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)
            stops.push_back(child);
        if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            collectTabStops(child, stops);
    }
}

std::string classOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

LONG buttonKind(HWND window) {
    if (window == nullptr || classOf(window) != "Button")
        return -1;
    return ::GetWindowLongA(window, GWL_STYLE) & 0x0F;
}

bool isPushButton(HWND window) {
    const LONG kind = buttonKind(window);
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

// A push button or a check box: what Alt with the access key of its caption clicks.
bool takesAccessKey(HWND window) {
    return isPushButton(window) || buttonKind(window) == BS_AUTOCHECKBOX;
}

// Clicks a button that is there and enabled; false when there is none to click.
bool clickButton(HWND button) {
    if (button == nullptr || !::IsWindowEnabled(button))
        return false;
    ::SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

// The key marked by an ampersand in a caption ("&System Info..." has S); "&&"
// is a plain ampersand.
char accessKeyOf(const std::string& caption) {
    for (std::size_t index = 0; index + 1 < caption.size(); ++index) {
        if (caption[index] != '&')
            continue;
        if (caption[index + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[index + 1])));
        ++index;
    }
    return '\0';
}

} // namespace

NativeWindowSystem::NativeWindowSystem(rt::Runtime& runtime)
    : runtime_(runtime), instance_(::GetModuleHandleA(nullptr)) {
    registerClasses();
    font_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (font_ == nullptr)
        font_ = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTA description = {};
    if (::GetObjectA(font_, sizeof(description), &description) == sizeof(description)) {
        description.lfUnderline = TRUE;
        underlinedFont_ = ::CreateFontIndirectA(&description);
    }
    if (underlinedFont_ == nullptr)
        underlinedFont_ = font_;
}

NativeWindowSystem::~NativeWindowSystem() {
    for (const auto& entry : brushes_)
        ::DeleteObject(entry.second);
    if (underlinedFont_ != font_)
        ::DeleteObject(underlinedFont_);
    // The rich edit library stays loaded: a window of the program may still hold
    // a control of it until the process ends.
}

void NativeWindowSystem::registerClasses() {
    // The tab control. InitCommonControlsEx arrived with Internet Explorer 3;
    // the first Windows 95 has only InitCommonControls, which registers it too.
    ::InitCommonControls();
    if (HMODULE commonControls = ::GetModuleHandleA("comctl32.dll")) {
        using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const FARPROC address = ::GetProcAddress(commonControls, "InitCommonControlsEx");
        if (address != nullptr) {
            INITCOMMONCONTROLSEX classes = {sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
            reinterpret_cast<InitEx>(reinterpret_cast<void (*)()>(address))(&classes);
        }
    }
    // No CS_DBLCLKS: two quick clicks on a picture are two clicks.
    for (const char* name : {TopWindowClass, PanelClass, PictureClass}) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &Surface::proc;
        windowClass.hInstance = instance_;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name;
        ::RegisterClassA(&windowClass);
    }
}

// The rich edit library is loaded when the first rich-text box is made (the
// About box), not at start: the main window does not need it.
const char* NativeWindowSystem::richEditClass() {
    if (!richEditTried_) {
        richEditTried_ = true;
        loadRichEdit();
    }
    return richEditClass_;
}

void NativeWindowSystem::loadRichEdit() {
    richEdit_ = ::LoadLibraryA("riched20.dll");
    if (richEdit_ != nullptr) {
        richEditClass_ = RICHEDIT_CLASSA;
        return;
    }
    richEdit_ = ::LoadLibraryA("riched32.dll");
    if (richEdit_ != nullptr)
        richEditClass_ = "RICHEDIT";
}

std::unique_ptr<ui::Window> NativeWindowSystem::createWindow(const std::string& caption,
                                                             ui::Window::Style style,
                                                             const ui::Rect& bounds) {
    return std::make_unique<NativeWindow>(*this, caption, style, bounds);
}

HBRUSH NativeWindowSystem::brush(COLORREF color) {
    const auto found = brushes_.find(color);
    if (found != brushes_.end())
        return found->second;
    HBRUSH created = ::CreateSolidBrush(color);
    brushes_.emplace(color, created);
    return created;
}

void NativeWindowSystem::windowOpened(NativeWindow& window) {
    windows_.push_back(&window);
}

void NativeWindowSystem::windowClosed(NativeWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
    // The program ends when its last window is gone, however it was closed.
    if (windows_.empty())
        ::PostQuitMessage(0);
}

std::unique_ptr<ui::Window> NativeWindowSystem::createDialog(const std::string& caption,
                                                             const ui::Rect& bounds, ui::Window& owner) {
    return std::make_unique<NativeWindow>(*this, caption, ui::Window::Style::FixedDialog, bounds,
                                          reinterpret_cast<HWND>(owner.handle()));
}

// The common dialogs of comdlg32, looked up at first use: the main window does
// not need them. The structure is the size Windows 95 and NT 4 take
// (OPENFILENAME_SIZE_VERSION_400); lpstrDefExt has Windows add the extension to a
// name typed without one.
std::optional<std::string> NativeWindowSystem::chooseFile(const ui::FileDialog& dialog, ui::Window& owner) {
    using FileDialogFn = BOOL(WINAPI*)(OPENFILENAMEA*);
    static const win32::LateFunction<FileDialogFn> getOpenFileName("comdlg32.dll", "GetOpenFileNameA");
    static const win32::LateFunction<FileDialogFn> getSaveFileName("comdlg32.dll", "GetSaveFileNameA");
    const bool open = dialog.kind == ui::FileDialog::Kind::open;
    // "name\0patterns\0\0"
    const std::string filter = dialog.filterName + '\0' + dialog.filterPatterns + '\0' + '\0';
    char file[MAX_PATH] = {};
    dialog.fileName.copy(file, sizeof(file) - 1);
    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = reinterpret_cast<HWND>(owner.handle());
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file;
    request.nMaxFile = sizeof(file);
    request.lpstrTitle = dialog.title.empty() ? nullptr : dialog.title.c_str();
    request.lpstrDefExt = dialog.defaultExtension.empty() ? nullptr : dialog.defaultExtension.c_str();
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                    (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    const BOOL chosen = (open ? getOpenFileName : getSaveFileName).callOr(FALSE, &request);
    if (!chosen)
        return std::nullopt;
    return std::string(file);
}

std::unique_ptr<ui::Canvas> NativeWindowSystem::createCanvas(int widthPixels, int heightPixels) {
    return std::make_unique<NativeCanvas>(widthPixels, heightPixels);
}

template <class Done> bool NativeWindowSystem::pumpUntil(const Done& done, int& exitCode) {
    MSG message;
    while (!done()) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            exitCode = got == 0 ? static_cast<int>(message.wParam) : -1;
            return false;
        }
        dispatch(message);
    }
    return true;
}

int NativeWindowSystem::run() {
    int exitCode = 0;
    pumpUntil([] { return false; }, exitCode);
    return exitCode;
}

void NativeWindowSystem::runUntilClosed(const NativeWindow& window) {
    int exitCode = 0;
    if (!pumpUntil([&window] { return window.hwnd() == nullptr; }, exitCode))
        ::PostQuitMessage(exitCode);
}

const NativeWindow* NativeWindowSystem::openWindow(HWND root) const {
    for (const NativeWindow* open : windows_) {
        if (open->hwnd() == root && root != nullptr)
            return open;
    }
    return nullptr;
}

void NativeWindowSystem::dispatch(MSG& message) {
    if (translateKeyboard(message))
        return;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

void NativeWindowSystem::quit() {
    ::PostQuitMessage(0);
}

void NativeWindowSystem::processPendingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Taken off the queue to be seen: put back for the loop it ends.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void NativeWindowSystem::focus(HWND control) {
    const HWND root = programWindowOf(control);
    for (NativeWindow* open : windows_) {
        if (open->hwnd() == root && !::IsWindowVisible(root)) {
            open->focusOnActivation(control);
            return;
        }
    }
    ::SetFocus(control);
}

HWND NativeWindowSystem::programWindowOf(HWND window) const {
    HWND root = window;
    while (root != nullptr && (::GetWindowLongA(root, GWL_STYLE) & WS_CHILD))
        root = ::GetParent(root);
    return openWindow(root) != nullptr ? root : nullptr;
}

// The keyboard of a dialog, for the program's windows: Tab and Shift+Tab move the
// focus, Enter on a button clicks it, Alt with an access key clicks the button or
// check box whose caption marks it. Enter anywhere else clicks the window's
// default button, Escape its cancel button; in a window without them (the main
// window) the key goes on to the focused control (a list's key-down handler
// applies the selection).
bool NativeWindowSystem::translateKeyboard(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSCHAR)
        return false;
    HWND root = programWindowOf(message.hwnd);
    if (root == nullptr)
        return false;
    if (message.message == WM_SYSCHAR)
        return clickAccessKey(root, static_cast<char>(message.wParam));
    switch (message.wParam) {
    case VK_TAB:
        if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
            return false;
        moveFocus(root, ::GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN: {
        if (isPushButton(message.hwnd))
            return clickButton(message.hwnd);
        const NativeWindow* window = openWindow(root);
        return window != nullptr && clickButton(window->defaultButton());
    }
    case VK_ESCAPE: {
        const NativeWindow* window = openWindow(root);
        return window != nullptr && clickButton(window->cancelButton());
    }
    default:
        return false;
    }
}

void NativeWindowSystem::moveFocus(HWND root, bool backwards) {
    std::vector<HWND> stops;
    collectTabStops(root, stops);
    if (stops.empty())
        return;
    // The focus may be on a part of a control (a combo box's edit line).
    HWND focus = ::GetFocus();
    auto current = stops.end();
    for (HWND window = focus; window != nullptr && window != root && current == stops.end();
         window = ::GetParent(window))
        current = std::find(stops.begin(), stops.end(), window);
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = 0;
    if (current == stops.end())
        next = backwards ? count - 1 : 0;
    else
        next = ((current - stops.begin()) + (backwards ? count - 1 : 1)) % count;
    HWND target = stops[static_cast<std::size_t>(next)];
    ::SetFocus(target);
    // An edit line shows its whole text selected when reached by the keyboard.
    HWND focused = ::GetFocus();
    if (focused != nullptr && classOf(focused) == "Edit" &&
        !(::GetWindowLongA(focused, GWL_STYLE) & ES_MULTILINE))
        ::SendMessageA(focused, EM_SETSEL, 0, -1);
}

void NativeWindowSystem::focusFirstControl(HWND root) {
    std::vector<HWND> stops;
    collectTabStops(root, stops);
    if (!stops.empty())
        ::SetFocus(stops.front());
}

bool NativeWindowSystem::clickAccessKey(HWND root, char key) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    std::vector<HWND> stops;
    collectTabStops(root, stops);
    for (HWND window : stops) {
        if (!takesAccessKey(window))
            continue;
        char caption[256] = {};
        ::GetWindowTextA(window, caption, sizeof(caption));
        if (accessKeyOf(caption) == wanted) {
            ::SetFocus(window);
            ::SendMessageA(window, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

HWND NativeWindowSystem::messageOwner() const {
    HWND active = programWindowOf(::GetActiveWindow());
    if (active != nullptr)
        return active;
    for (const NativeWindow* open : windows_) {
        if (::IsWindowVisible(open->hwnd()))
            return open->hwnd();
    }
    return nullptr;
}

int NativeWindowSystem::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const std::string caption = title.empty() ? runtime_.appTitle() : title;
    // The style bits are Windows' own: 1 OK and Cancel, 16 the critical-stop
    // icon, 256 the second button as default; the answer is IDOK 1 or IDCANCEL 2.
    return ::MessageBoxA(messageOwner(), prompt.c_str(), caption.c_str(), static_cast<UINT>(style));
}

void NativeWindowSystem::reportUnhandled(std::exception_ptr error) {
    std::string title = "Error";
    try {
        title = runtime_.appTitle();
    } catch (...) {
    }
    ::MessageBoxA(messageOwner(), rt::unhandledErrorText(error).c_str(), title.c_str(), MB_OK | MB_ICONHAND);
}

} // namespace native
