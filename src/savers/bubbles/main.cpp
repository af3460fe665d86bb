// Orlo Bubbles: the screen-saver program.
#include "savers/bubbles/BubblesScene.h"
#include "savers/common/SaverShell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return savers::runSaver("Orlo Bubbles", savers::drawBubbles);
}
