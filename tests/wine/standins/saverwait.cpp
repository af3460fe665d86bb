// Looks at Windows' live screen-saver wait for the end-to-end tests: prints
// SPI_GETSCREENSAVETIMEOUT in seconds. Given a number of seconds, it first makes
// that the live wait of this session only (neither stored nor broadcast), as a
// session keeps a wait that differs from the stored one until the next log-on.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc > 1 &&
        !SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(std::atoi(argv[1])), nullptr, 0))
        return 1;
    UINT seconds = 0;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0))
        return 1;
    std::printf("%u\n", seconds);
    return 0;
}
