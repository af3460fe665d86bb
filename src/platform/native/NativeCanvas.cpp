#include "platform/native/NativeCanvas.h"

#include "platform/native/NativePicture.h"

#include "platform/win32/LateBound.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

namespace native {

namespace {

int rowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

HBITMAP createBitmap(HDC dc, int width, int height, std::uint8_t** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as NativePicture keeps its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = bitmap != nullptr ? static_cast<std::uint8_t*>(memory) : nullptr;
    return bitmap;
}

RECT rectOf(const ui::Rect& area) {
    return RECT{area.left, area.top, area.left + area.width, area.top + area.height};
}

// A solid rectangle without a brush: ExtTextOut's opaque background.
void fillRect(HDC dc, const RECT& rect, COLORREF color) {
    ::SetBkColor(dc, color);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

COLORREF between(COLORREF from, COLORREF to, int step, int steps) {
    const auto mix = [&](int a, int b) { return a + (b - a) * step / std::max(steps, 1); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

bool endsWith(const std::string& file, const char* extension) {
    const std::size_t length = std::strlen(extension);
    if (file.size() < length)
        return false;
    return std::equal(file.end() - static_cast<std::ptrdiff_t>(length), file.end(), extension,
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// An icon or pointer handle, destroyed when the scope ends.
class LoadedIcon {
public:
    LoadedIcon(HICON icon, bool cursor) : icon_(icon), cursor_(cursor) {}
    ~LoadedIcon() {
        if (icon_ == nullptr)
            return;
        if (cursor_)
            ::DestroyCursor(icon_);
        else
            ::DestroyIcon(icon_);
    }
    LoadedIcon(const LoadedIcon&) = delete;
    LoadedIcon& operator=(const LoadedIcon&) = delete;
    HICON get() const { return icon_; }

private:
    HICON icon_;
    bool cursor_;
};

// A pointer file through LoadCursorFromFileA, which reads .cur and .ani on every
// Windows from 95 on; anything else through shell32's ExtractIconA (looked up at
// first use), which reads .ico files and the icons of modules. ExtractIconA
// answers 1 for a file that is not one of those.
HICON loadIcon(const std::string& file, int index, bool& cursor) {
    cursor = endsWith(file, ".cur") || endsWith(file, ".ani");
    if (cursor)
        return ::LoadCursorFromFileA(file.c_str());
    using ExtractIconFn = HICON(WINAPI*)(HINSTANCE, LPCSTR, UINT);
    static const win32::LateFunction<ExtractIconFn> extractIcon("shell32.dll", "ExtractIconA");
    HICON icon = extractIcon.callOr(static_cast<HICON>(nullptr), ::GetModuleHandleA(nullptr), file.c_str(),
                                    static_cast<UINT>(index));
    return reinterpret_cast<UINT_PTR>(icon) <= 1 ? nullptr : icon;
}

} // namespace

NativeCanvas::NativeCanvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      bitmap_(createBitmap(memory_.dc(), width_, height_, &bits_)), selected_(memory_.dc(), bitmap_.get()) {}

void NativeCanvas::fill(const ui::Rect& area, win::COLORREF color) {
    fillRect(memory_.dc(), rectOf(area), color);
}

void NativeCanvas::gradient(const ui::Rect& area, win::COLORREF left, win::COLORREF right) {
    // Column by column: GradientFill is in msimg32, which Windows 95 and NT 4 lack.
    for (int x = 0; x < area.width; ++x) {
        const RECT column{area.left + x, area.top, area.left + x + 1, area.top + area.height};
        fillRect(memory_.dc(), column, between(left, right, x, area.width - 1));
    }
}

void NativeCanvas::edge(const ui::Rect& area, win::COLORREF topLeft, win::COLORREF bottomRight) {
    const RECT r = rectOf(area);
    fillRect(memory_.dc(), RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    fillRect(memory_.dc(), RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    fillRect(memory_.dc(), RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fillRect(memory_.dc(), RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void NativeCanvas::text(const ui::Rect& area, const std::string& text, const win::LOGFONTA& font,
                        win::COLORREF color, ui::TextAlign align) {
    LOGFONTA description;
    static_assert(sizeof description == sizeof font, "LOGFONTA layouts differ");
    std::memcpy(&description, &font, sizeof description);
    const CreatedObject created(::CreateFontIndirectA(&description));
    const SelectedObject selected(
        memory_.dc(), created.get() != nullptr ? created.get() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetTextColor(memory_.dc(), color);
    ::SetBkMode(memory_.dc(), TRANSPARENT);
    RECT rect = rectOf(area);
    ::DrawTextA(memory_.dc(), text.c_str(), static_cast<int>(text.size()), &rect,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                    (align == ui::TextAlign::centre ? DT_CENTER : DT_LEFT));
}

int NativeCanvas::textWidth(const std::string& text, const win::LOGFONTA& font) {
    LOGFONTA description;
    std::memcpy(&description, &font, sizeof description);
    const CreatedObject created(::CreateFontIndirectA(&description));
    const SelectedObject selected(
        memory_.dc(), created.get() != nullptr ? created.get() : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32A(memory_.dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void NativeCanvas::picture(const ui::DecodedImage& image, const std::vector<ui::Rect>& places,
                           const ui::Rect& clip) {
    const NativePicture picture(image);
    const int saved = ::SaveDC(memory_.dc());
    ::IntersectClipRect(memory_.dc(), clip.left, clip.top, clip.left + clip.width, clip.top + clip.height);
    for (const ui::Rect& place : places)
        picture.paint(memory_.dc(), rectOf(place), RGB(0, 0, 0));
    ::RestoreDC(memory_.dc(), saved);
}

void NativeCanvas::icon(const ui::Rect& area, const std::string& file, int index) {
    bool cursor = false;
    const LoadedIcon loaded(loadIcon(file, index, cursor), cursor);
    if (loaded.get() != nullptr)
        ::DrawIconEx(memory_.dc(), area.left, area.top, loaded.get(), area.width, area.height, 0, nullptr,
                     DI_NORMAL);
}

ui::PicturePtr NativeCanvas::finish() {
    ::GdiFlush();
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(rowBytes(width_)) *
                                   static_cast<std::size_t>(height_));
    if (bits_ != nullptr)
        std::memcpy(rows.data(), bits_, rows.size());
    return std::make_shared<const NativePicture>(width_, height_, std::move(rows));
}

} // namespace native
