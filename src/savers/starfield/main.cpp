// Orlo Starfield: the screen-saver program.
#include "savers/starfield/StarfieldScene.h"
#include "savers/common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Starfield", savers::drawStarfield);
}
