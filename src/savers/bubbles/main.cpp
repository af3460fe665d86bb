// Orlo Bubbles: the screen-saver program.
#include "BubblesScene.h"
#include "common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Bubbles", savers::drawBubbles);
}
