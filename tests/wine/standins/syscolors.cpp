// Stands in for a look at the screen's colours in the end-to-end tests: prints
// each of the 29 system colours as GetSysColor gives it, one line each,
// "<index> <red> <green> <blue>", and ends.
#include <windows.h>

#include <cstdio>

int main() {
    for (int index = 0; index <= 28; ++index) {
        const DWORD colour = GetSysColor(index);
        std::printf("%d %lu %lu %lu\n", index, colour & 0xFFUL, (colour >> 8) & 0xFFUL,
                    (colour >> 16) & 0xFFUL);
    }
    return 0;
}
