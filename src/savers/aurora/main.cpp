// Orlo Aurora: the screen-saver program.
#include "AuroraScene.h"
#include "common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Aurora", savers::drawAurora);
}
