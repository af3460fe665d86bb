#include "utilities/Sound_Engine.h"

#include "platform/WindowsApi.h"

namespace utilities {

namespace {

// mmsystem.h: return at once, and stay silent rather than play the default sound.
constexpr win::UINT SND_ASYNC = 0x0001;
constexpr win::UINT SND_NODEFAULT = 0x0002;

} // namespace

void PlaySound(win::WindowsApi& api, const std::string& path) {
    // The result tells only whether playing started; nothing is reported either way.
    api.sndPlaySoundA(path.c_str(), SND_ASYNC | SND_NODEFAULT);
}

} // namespace utilities
