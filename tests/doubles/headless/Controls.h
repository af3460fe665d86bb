// The window system of the tests: headless windows and controls, a canvas that
// records what is drawn, and what is global in a real window system (the focused
// control, the active window, the screen); message boxes go to the message service
// it is given. Each control keeps the state its native counterpart keeps and raises
// the same events when a test acts as the user would (userClick, userSelect ...). A
// user can act only on a control of an open window that is visible with every frame
// or tab control holding it. headless::find<headless::ComboBox>(window, "Combo1")
// reaches a control by name.
#pragma once

#include "platform/Runtime.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/WindowSystem.h"
#include "runtime/Error.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace headless {

class Window;
class Label;
class Button;
class Frame;
class PictureBox;
class ComboBox;
class TabControl;
class RichTextBox;
class CheckBox;

// The headless canvas keeps every call; the picture it finishes is a copy of it, so a
// test reads what a picture box was given to show: headless::drawingOf(box.picture()).
struct Drawn {
    std::string what;        // "fill", "gradient", "edge", "text", "picture", "icon"
    ui::Rect area;           // a picture's clip
    win::COLORREF color = 0; // a gradient's or an edge's first colour
    win::COLORREF color2 = 0;
    std::string text; // an icon's file
    win::LOGFONTA font{};
    int index = 0; // an icon's index
    int pictureWidth = 0;
    std::vector<ui::Rect> places;
};
using Drawing = std::vector<Drawn>;

class RecordingCanvas : public ui::Canvas, public ui::Picture {
public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    void fill(const ui::Rect& area, win::COLORREF color) override { add("fill", area).color = color; }
    void gradient(const ui::Rect& area, win::COLORREF left, win::COLORREF right) override {
        add("gradient", area, left).color2 = right;
    }
    void edge(const ui::Rect& area, win::COLORREF topLeft, win::COLORREF bottomRight) override {
        add("edge", area, topLeft).color2 = bottomRight;
    }
    void text(const ui::Rect& area, const std::string& text, const win::LOGFONTA& font, win::COLORREF color,
              ui::TextAlign) override {
        Drawn& drawn = add("text", area, color, text);
        drawn.font = font;
    }
    // Half the font's height per character.
    int textWidth(const std::string& text, const win::LOGFONTA& font) override {
        return static_cast<int>(text.size()) * std::max(2, std::abs(static_cast<int>(font.lfHeight))) / 2;
    }
    void picture(const ui::DecodedImage& image, const std::vector<ui::Rect>& places,
                 const ui::Rect& clip) override {
        Drawn& drawn = add("picture", clip);
        drawn.pictureWidth = image.width;
        drawn.places = places;
    }
    void icon(const ui::Rect& area, const std::string& file, int index) override {
        add("icon", area, 0, file).index = index;
    }
    ui::PicturePtr finish() override { return std::make_shared<const RecordingCanvas>(*this); }

    const Drawing& drawing() const { return drawing_; }

private:
    Drawn& add(const char* what, const ui::Rect& area, win::COLORREF color = 0,
               const std::string& text = "") {
        drawing_.push_back(Drawn{what, area, color, 0, text, {}, 0, 0, {}});
        return drawing_.back();
    }

    int width_;
    int height_;
    Drawing drawing_;
};

// What drew a picture that a RecordingCanvas finished; nothing for any other.
inline const Drawing& drawingOf(const ui::PicturePtr& picture) {
    static const Drawing none;
    const auto* drawn = dynamic_cast<const RecordingCanvas*>(picture.get());
    return drawn == nullptr ? none : drawn->drawing();
}

class Screen : public ui::Screen {
public:
    Screen(int widthPixels, int heightPixels, int twipsPerPixel)
        : width_(widthPixels * twipsPerPixel), height_(heightPixels * twipsPerPixel), twips_(twipsPerPixel) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    int twipsPerPixelX() const override { return twips_; }
    int twipsPerPixelY() const override { return twips_; }
    void setMousePointer(int pointer) override { history_.push_back(pointer); }
    int mousePointer() const override { return history_.empty() ? ui::vbDefault : history_.back(); }
    const std::vector<int>& mousePointerHistory() const { return history_; }

private:
    int width_;
    int height_;
    int twips_;
    std::vector<int> history_;
};

class HeadlessWindowSystem : public ui::WindowSystem {
public:
    HeadlessWindowSystem(rt::Runtime& runtime, rt::MessageBoxService& messages, int widthPixels = 1024,
                         int heightPixels = 768, int twipsPerPixel = 15)
        : runtime_(runtime), messages_(messages), screen_(widthPixels, heightPixels, twipsPerPixel) {}
    ~HeadlessWindowSystem() override;
    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;
    std::unique_ptr<ui::Window> createWindow(const std::string& caption, ui::Window::Style,
                                             const ui::Rect& bounds) override {
        return open(caption, bounds, nullptr);
    }
    std::unique_ptr<ui::Window> createDialog(const std::string& caption, const ui::Rect& bounds,
                                             ui::Window& owner) override {
        return open(caption, bounds, &owner);
    }
    // The common file dialogs are Windows' own (the native tests type into them);
    // here each answers what a test gave for it with whenFileDialog.
    std::optional<std::string> chooseFile(const ui::FileDialog& dialog, ui::Window&) override {
        if (fileAnswers_.empty())
            throw std::logic_error("no answer for the file dialog " + dialog.title);
        fileDialogs.push_back(dialog);
        std::optional<std::string> answer = fileAnswers_.front();
        fileAnswers_.pop_front();
        return answer;
    }
    // The path the user chooses in the next file dialog, nothing for Cancel.
    void whenFileDialog(std::optional<std::string> answer) { fileAnswers_.push_back(std::move(answer)); }
    std::vector<ui::FileDialog> fileDialogs; // those shown
    std::unique_ptr<ui::Canvas> createCanvas(int widthPixels, int heightPixels) override {
        return std::make_unique<RecordingCanvas>(widthPixels, heightPixels);
    }
    // What the user does in the next modal dialog shown; the script must close it.
    void whenModal(std::function<void(Window&)> script) { modalScripts_.push_back(std::move(script)); }
    Screen& screen() override { return screen_; }
    int run() override { return 0; }
    void quit() override {}                   // run() has no loop to end
    void processPendingMessages() override {} // events run when they are raised
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        return messages_.MsgBox(prompt, style, title);
    }
    rt::Runtime& runtime() { return runtime_; }
    void reportUnhandled(std::exception_ptr error) {
        messages_.MsgBox(rt::unhandledErrorText(error), rt::vbCritical, runtime_.appTitle());
    }
    const ui::Control* focusedControl() const { return focused_; }
    // Windows created and not closed, in the order they were created.
    std::vector<Window*> openWindows() const;
    void setFocus(Window& window, const ui::Control& control) {
        focusWindow_ = &window;
        focused_ = &control;
    }
    void activate(Window& window) { active_ = &window; }
    void deactivate(Window& window) { active_ = active_ == &window ? nullptr : active_; }
    void release(Window& window);
    void forget(Window& window);

private:
    std::unique_ptr<ui::Window> open(const std::string& caption, const ui::Rect& bounds, ui::Window* owner);
    rt::Runtime& runtime_;
    rt::MessageBoxService& messages_;
    Screen screen_;
    std::vector<Window*> windows_;
    Window* active_ = nullptr;
    Window* focusWindow_ = nullptr;
    const ui::Control* focused_ = nullptr;
    std::deque<std::function<void(Window&)>> modalScripts_;
    std::deque<std::optional<std::string>> fileAnswers_;
    friend class Window;
};

// What holds controls: a window, a frame or a tab page. Controls are made with the
// window they live on and the control holding them (none for the window itself).
template <class Base> class ContainerOf : public Base {
public:
    ContainerOf(Window& window, const ui::Control* holder) : window_(window), holder_(holder) {}
    ui::Label& addLabel(const std::string& name, const std::string& caption,
                        const ui::Rect& bounds) override {
        return add<Label>(name, caption, bounds);
    }
    ui::Button& addButton(const std::string& name, const std::string& caption,
                          const ui::Rect& bounds) override {
        return add<Button>(name, caption, bounds);
    }
    ui::Frame& addFrame(const std::string& name, const std::string& caption,
                        const ui::Rect& bounds) override {
        return add<Frame>(name, caption, bounds);
    }
    ui::PictureBox& addPictureBox(const std::string& name, const ui::Rect& bounds) override {
        return add<PictureBox>(name, bounds);
    }
    ui::ComboBox& addComboBox(const std::string& name, ui::ComboBox::Style, const ui::Rect& bounds) override {
        return add<ComboBox>(name, bounds);
    }
    ui::TabControl& addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                  const ui::Rect& bounds) override {
        return add<TabControl>(name, captions, bounds);
    }
    ui::RichTextBox& addRichTextBox(const std::string& name, const ui::Rect& bounds) override {
        return add<RichTextBox>(name, bounds);
    }
    ui::CheckBox& addCheckBox(const std::string& name, const std::string& caption,
                              const ui::Rect& bounds) override {
        return add<CheckBox>(name, caption, bounds);
    }

private:
    template <class Control, class... Args> Control& add(Args&&... args) {
        controls_.push_back(std::make_unique<Control>(window_, holder_, std::forward<Args>(args)...));
        return static_cast<Control&>(*controls_.back());
    }
    Window& window_;
    const ui::Control* holder_;
    std::vector<std::unique_ptr<ui::Control>> controls_;
};

using Container = ContainerOf<ui::Container>;

class Window : public ContainerOf<ui::Window> {
public:
    Window(HeadlessWindowSystem& system, std::string caption, const ui::Rect& bounds, Window* owner)
        : ContainerOf(*this, nullptr), system_(&system), caption_(std::move(caption)), bounds_(bounds),
          owner_(owner) {}
    ~Window() override;
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void move(const ui::Rect& bounds) override { bounds_ = bounds; }
    ui::Rect bounds() const override { return bounds_; }
    void setBackColor(win::COLORREF color) override { backColor_ = color; }
    win::COLORREF backColor() const override { return backColor_; }
    void show() override;
    bool isShown() const override { return shown_; }
    bool isActive() const override { return system_ != nullptr && system_->active_ == this; }
    void minimize() override;
    bool isMinimized() const override { return minimized_; }
    void close() override;
    win::HWND handle() const override { return 0; }
    void setDefaultButton(ui::Button& button) override { defaultButton_ = &button; }
    void setCancelButton(ui::Button& button) override { cancelButton_ = &button; }
    // Runs the script the test gave HeadlessWindowSystem::whenModal, which must close it.
    void showModal() override;
    // Enter and Escape, as a dialog takes them from any control.
    void userPressKey(int keyCode);
    bool isClosed() const { return closed_; }
    ui::Control* control(const std::string& name) const {
        return named_.count(name) ? named_.at(name) : nullptr;
    }
    void userMouseMove(int x, int y, int button = 0);
    void userClose();
    HeadlessWindowSystem& system() const;
    bool attached() const { return system_ != nullptr; }
    void registerControl(ui::Control& control);
    void detach() { system_ = nullptr; }
    void requireOpen() const;

private:
    HeadlessWindowSystem* system_;
    std::string caption_;
    ui::Rect bounds_;
    win::COLORREF backColor_ = ui::RGB(212, 208, 200);
    bool shown_ = false;
    bool minimized_ = false;
    bool closed_ = false;
    Window* owner_;
    ui::Button* defaultButton_ = nullptr;
    ui::Button* cancelButton_ = nullptr;
    std::map<std::string, ui::Control*> named_;
};

// The frame or tab control a control is on, none for a window.
struct Held {
    const ui::Control* holder;
};

template <class Interface> class ControlBase : public Interface, public Held {
public:
    ControlBase(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds)
        : Held{holder}, window_(window), name_(std::move(name)), bounds_(bounds) {
        window.registerControl(*this);
    }
    const std::string& name() const override { return name_; }
    void move(const ui::Rect& bounds) override { bounds_ = bounds; }
    ui::Rect bounds() const override { return bounds_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setFocus() override { window_.system().setFocus(window_, *this); }
    bool hasFocus() const override { return window_.attached() && window_.system().focusedControl() == this; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }
    Window& window() const { return window_; }
    void userMouseMove(int x = 0, int y = 0, int button = 0) {
        requireReachable();
        raise(this->onMouseMove, ui::MouseEvent{button, 0, x, y});
    }
    void userClick() {
        requireReachable();
        raise(this->onClick);
    }

protected:
    template <class Handler, class... Args> void raise(const Handler& handler, const Args&... args) {
        if (!handler)
            return;
        const Handler copy = handler;
        HeadlessWindowSystem& system = window_.system();
        try {
            copy(args...);
        } catch (...) {
            system.reportUnhandled(std::current_exception());
        }
    }
    void requireReachable() const {
        window_.requireOpen();
        for (const ui::Control* control = this; control != nullptr;) {
            if (!control->visible() || !control->enabled())
                throw std::logic_error("control " + name_ + " is hidden or disabled (" + control->name() +
                                       ")");
            const auto* held = dynamic_cast<const Held*>(control);
            control = held == nullptr ? nullptr : held->holder;
        }
    }

private:
    Window& window_;
    std::string name_;
    ui::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
};

template <class Interface> class Captioned : public ControlBase<Interface> {
public:
    Captioned(Window& window, const ui::Control* holder, std::string name, std::string caption,
              const ui::Rect& bounds)
        : ControlBase<Interface>(window, holder, std::move(name), bounds), caption_(std::move(caption)) {}
    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }

private:
    std::string caption_;
};

class Label : public Captioned<ui::Label> {
public:
    using Captioned::Captioned;
    void setForeColor(win::COLORREF color) override { foreColor_ = color; }
    win::COLORREF foreColor() const override { return foreColor_; }
    void setUnderline(bool underline) override { underline_ = underline; }
    bool underline() const override { return underline_; }

private:
    win::COLORREF foreColor_ = ui::RGB(0, 0, 0);
    bool underline_ = false;
};

class Button : public Captioned<ui::Button> {
public:
    using Captioned::Captioned;
    void userClick() {
        requireReachable();
        setFocus();
        raise(onClick);
    }
};

class CheckBox : public Captioned<ui::CheckBox> {
public:
    using Captioned::Captioned;
    void setValue(bool checked) override { checked_ = checked; }
    bool value() const override { return checked_; }
    void userClick() {
        requireReachable();
        setFocus();
        checked_ = !checked_;
        raise(onClick);
    }

private:
    bool checked_ = false;
};

class Frame : public Captioned<ui::Frame> {
public:
    Frame(Window& window, const ui::Control* holder, std::string name, std::string caption,
          const ui::Rect& bounds)
        : Captioned(window, holder, std::move(name), std::move(caption), bounds), contents_(window, this) {}
    Container& contents() override { return contents_; }

private:
    Container contents_;
};

class PictureBox : public ControlBase<ui::PictureBox> {
public:
    using ControlBase::ControlBase;
    void loadPicture(const std::string& path) override;
    ui::PicturePtr picture() const override { return picture_; }
    void setPicture(ui::PicturePtr picture) override { picture_ = std::move(picture); }
    void refresh() override {}
    std::string picturePath() const;
    void userClick() {
        userMouseDown(ui::LeftButton);
        raise(onClick);
    }
    void userMouseDown(int button = ui::LeftButton, int x = 0, int y = 0) {
        requireReachable();
        raise(onMouseDown, ui::MouseEvent{button, 0, x, y});
    }

private:
    ui::PicturePtr picture_;
};

class ComboBox : public ControlBase<ui::ComboBox> {
public:
    using ControlBase::ControlBase;
    void clear() override {
        texts_.clear();
        data_.clear();
        index_ = -1;
        text_.clear();
    }
    void addItem(const std::string& text) override {
        texts_.push_back(text);
        data_.push_back(0);
    }
    int listCount() const override { return static_cast<int>(texts_.size()); }
    int listIndex() const override { return index_; }
    void setListIndex(int index) override { select(index); }
    std::string list(int index) const override { return inList(index) ? texts_[at(index)] : ""; }
    std::int32_t itemData(int index) const override { return data_[checked(index)]; }
    void setItemData(int index, std::int32_t data) override { data_[checked(index)] = data; }
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;
    const std::vector<std::string>& items() const { return texts_; }
    void userSelect(int index);
    void userPressKey(int keyCode);

private:
    bool inList(int index) const { return index >= 0 && index < listCount(); }
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }
    std::size_t checked(int index) const;
    void select(int index);
    std::vector<std::string> texts_;
    std::vector<std::int32_t> data_; // each item's data
    int index_ = -1;
    std::string text_;
};

class TabControl : public ControlBase<ui::TabControl> {
public:
    TabControl(Window& window, const ui::Control* holder, std::string name, std::vector<std::string> captions,
               const ui::Rect& bounds);
    int tabCount() const override { return static_cast<int>(captions_.size()); }
    int tab() const override { return tab_; }
    std::string tabCaption(int index) const override { return captions_[checked(index)]; }
    Container& page(int index) override { return *pages_[checked(index)]; }
    void setBackColor(win::COLORREF color) override { backColor_ = color; }
    win::COLORREF backColor() const override { return backColor_; }
    void userSelectTab(int index);

private:
    std::size_t checked(int index) const;
    std::vector<std::string> captions_;
    std::vector<std::unique_ptr<Container>> pages_;
    int tab_ = 0;
    win::COLORREF backColor_ = ui::RGB(212, 208, 200);
};

class RichTextBox : public ControlBase<ui::RichTextBox> {
public:
    using ControlBase::ControlBase;
    void append(const std::string& text) override {
        text_ += text;
        bold_.resize(text_.size(), false);
    }
    std::string text() const override { return text_; }
    int find(const std::string& text, int start) const override;
    int selStart() const override { return selStart_; }
    void setSelStart(int start) override;
    int selLength() const override { return selLength_; }
    void setSelLength(int length) override { selLength_ = std::clamp(length, 0, this->length() - selStart_); }
    void setSelBold(bool bold) override {
        std::fill(bold_.begin() + selStart_, bold_.begin() + selStart_ + selLength_, bold);
    }
    bool isBold(int offset) const override {
        return offset >= 0 && offset < length() && bold_[static_cast<std::size_t>(offset)];
    }

private:
    int length() const { return static_cast<int>(text_.size()); }
    std::string text_;
    std::vector<bool> bold_;
    int selStart_ = 0;
    int selLength_ = 0;
};

inline Window& as(ui::Window& window) {
    auto* headless = dynamic_cast<Window*>(&window);
    if (headless == nullptr)
        throw std::logic_error("not a headless window: " + window.caption());
    return *headless;
}

template <class T> T& as(ui::Control& control) {
    auto* typed = dynamic_cast<T*>(&control);
    if (typed == nullptr)
        throw std::logic_error("control " + control.name() + " is not a " + typeid(T).name());
    return *typed;
}

template <class T> T& find(ui::Window& window, const std::string& name) {
    ui::Control* control = as(window).control(name);
    if (control == nullptr)
        throw std::logic_error("window \"" + window.caption() + "\" has no control named " + name);
    return as<T>(*control);
}

} // namespace headless
