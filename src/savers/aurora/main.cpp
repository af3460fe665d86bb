// Orlo Aurora: the screen-saver program.
#include "savers/aurora/AuroraScene.h"
#include "savers/common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Aurora", savers::drawAurora);
}
