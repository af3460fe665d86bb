// Orlo Ribbons: the screen-saver program.
#include "RibbonsScene.h"
#include "common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Ribbons", savers::drawRibbons);
}
