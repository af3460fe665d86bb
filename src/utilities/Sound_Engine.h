// Sound_Engine: plays a wave file without holding up the window.
#pragma once

#include <string>

namespace win {
class WindowsApi;
}

namespace utilities {

// Starts playing the wave file at path and returns at once; a sound still
// playing is cut off, as sndPlaySoundA does for asynchronous sounds. A file that
// is missing or cannot be played plays nothing (not even the default sound) and
// reports nothing.
void PlaySound(win::WindowsApi& api, const std::string& path);

} // namespace utilities
