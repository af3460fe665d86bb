// Stands in for a Windows program in the end-to-end tests: appends its whole
// command line as one line to a file beside itself, named like the program
// with ".log" added (themes.exe writes themes.exe.log), and ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
    char path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::strcat(path, ".log");
    FILE* log = std::fopen(path, "a");
    if (!log)
        return 1;
    std::fprintf(log, "%s\n", GetCommandLineA());
    std::fclose(log);
    return 0;
}
