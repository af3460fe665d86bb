#include "SaverPreviewArt.h"

#include "savers/aurora/AuroraScene.h"
#include "savers/bubbles/BubblesScene.h"
#include "savers/ribbons/RibbonsScene.h"
#include "savers/starfield/StarfieldScene.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace samplegen {
namespace {

const int width = 256, height = 192;
// Three seconds into the animation (the savers draw 20 frames a second): every
// scene has filled the screen by then.
const unsigned previewFrame = 60;

} // namespace

// The preview is a frame of the saver itself, drawn by the saver's own scene.
Canvas saverPreview(const std::string& displayName) {
    static const std::map<std::string, savers::Scene> scenes = {{"Orlo Aurora", savers::drawAurora},
                                                                {"Orlo Starfield", savers::drawStarfield},
                                                                {"Orlo Bubbles", savers::drawBubbles},
                                                                {"Orlo Ribbons", savers::drawRibbons}};
    auto it = scenes.find(displayName);
    if (it == scenes.end())
        throw std::runtime_error("no screen saver called " + displayName);
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
    savers::Pixels picture{bits.data(), width, height};
    it->second(picture, previewFrame);
    Canvas c(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = bits[static_cast<std::size_t>(y) * width + x];
            c.at(x, y) = rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    return c;
}

} // namespace samplegen
