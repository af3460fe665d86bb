// Orlo Ribbons: the screen-saver program.
#include "savers/ribbons/RibbonsScene.h"
#include "savers/common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Ribbons", savers::drawRibbons);
}
