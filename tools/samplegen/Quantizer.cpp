#include "Quantizer.h"

#include <algorithm>
#include <map>

namespace samplegen {
namespace {

struct Box {
    std::vector<Rgb> colors;
    int widestChannel() const {
        int best = 0, bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] =
                std::minmax_element(colors.begin(), colors.end(), [c](const Rgb& a, const Rgb& b) {
                    return a[static_cast<std::size_t>(c)] < b[static_cast<std::size_t>(c)];
                });
            int range = (*hi)[static_cast<std::size_t>(c)] - (*lo)[static_cast<std::size_t>(c)];
            if (range > bestRange) {
                bestRange = range;
                best = c;
            }
        }
        return bestRange <= 0 ? -1 : best;
    }
};

int distance2(const Rgb& a, int r, int g, int b) {
    int dr = a[0] - r, dg = a[1] - g, db = a[2] - b;
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

int nearest(const std::vector<Rgb>& palette, int r, int g, int b) {
    int best = 0, bestD = distance2(palette[0], r, g, b);
    for (std::size_t i = 1; i < palette.size(); ++i) {
        int d = distance2(palette[i], r, g, b);
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

IndexedImage mapPixels(const Canvas& canvas, std::vector<Rgb> palette, bool dither, const Color& background) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    IndexedImage out;
    out.width = canvas.width();
    out.height = canvas.height();
    std::vector<std::uint8_t> rgb = canvas.rgb8(background);
    std::map<std::uint32_t, std::uint8_t> cache;
    out.pixels.resize(rgb.size() / 3);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            std::size_t i = static_cast<std::size_t>(y) * out.width + x;
            int r = rgb[i * 3], g = rgb[i * 3 + 1], b = rgb[i * 3 + 2];
            if (dither) {
                int offset = (bayer[y & 3][x & 3] - 8) / 2;
                r = std::clamp(r + offset, 0, 255);
                g = std::clamp(g + offset, 0, 255);
                b = std::clamp(b + offset, 0, 255);
            }
            std::uint32_t key = (static_cast<std::uint32_t>(r) << 16) | (g << 8) | b;
            auto it = cache.find(key);
            if (it == cache.end())
                it = cache.emplace(key, static_cast<std::uint8_t>(nearest(palette, r, g, b))).first;
            out.pixels[i] = it->second;
        }
    }
    out.palette = std::move(palette);
    return out;
}

} // namespace

IndexedImage quantize(const Canvas& canvas, int maxColors, bool dither, const Color& background) {
    std::vector<std::uint8_t> rgb = canvas.rgb8(background);
    std::vector<Rgb> all;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        all.push_back(Rgb{rgb[i], rgb[i + 1], rgb[i + 2]});
    std::sort(all.begin(), all.end());
    std::vector<Box> boxes{Box{all}};
    // Split the box with the widest spread at its median until the budget is used.
    while (static_cast<int>(boxes.size()) < maxColors) {
        int pick = -1, pickRange = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            int c = boxes[i].widestChannel();
            if (c < 0 || boxes[i].colors.size() < 2)
                continue;
            auto [lo, hi] = std::minmax_element(
                boxes[i].colors.begin(), boxes[i].colors.end(), [c](const Rgb& a, const Rgb& b) {
                    return a[static_cast<std::size_t>(c)] < b[static_cast<std::size_t>(c)];
                });
            int range = ((*hi)[static_cast<std::size_t>(c)] - (*lo)[static_cast<std::size_t>(c)]) *
                        static_cast<int>(std::min<std::size_t>(boxes[i].colors.size(), 4096));
            if (range > pickRange) {
                pickRange = range;
                pick = static_cast<int>(i);
            }
        }
        if (pick < 0)
            break;
        Box& box = boxes[static_cast<std::size_t>(pick)];
        int c = box.widestChannel();
        std::stable_sort(box.colors.begin(), box.colors.end(), [c](const Rgb& a, const Rgb& b) {
            return a[static_cast<std::size_t>(c)] < b[static_cast<std::size_t>(c)];
        });
        std::size_t half = box.colors.size() / 2;
        Box upper{std::vector<Rgb>(box.colors.begin() + static_cast<long>(half), box.colors.end())};
        box.colors.resize(half);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        long sum[3] = {0, 0, 0};
        for (const Rgb& c : box.colors)
            for (int k = 0; k < 3; ++k)
                sum[k] += c[static_cast<std::size_t>(k)];
        long n = static_cast<long>(box.colors.size());
        palette.push_back(Rgb{static_cast<std::uint8_t>((sum[0] + n / 2) / n),
                              static_cast<std::uint8_t>((sum[1] + n / 2) / n),
                              static_cast<std::uint8_t>((sum[2] + n / 2) / n)});
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return mapPixels(canvas, std::move(palette), dither, background);
}

IndexedImage mapToPalette(const Canvas& canvas, const std::vector<Rgb>& palette, const Color& background) {
    return mapPixels(canvas, palette, false, background);
}

const std::vector<Rgb>& vgaPalette() {
    static const std::vector<Rgb> palette = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                             {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                             {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                             {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return palette;
}

} // namespace samplegen
