// sysreport.exe: prints what the settings library reads from this Windows.
#include "platform/win32/Win32Api.h"
#include "sysreport/SystemReport.h"

#include <iostream>

int main() {
    win32::Win32Api api;
    sysreport::writeReport(api, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
