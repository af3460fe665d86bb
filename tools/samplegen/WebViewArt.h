// The folder web-view pictures that a theme installs in the Windows "web"
// folder: the left panel (wvleft.bmp), the rule (wvline.gif) and the logo
// (wvlogo.gif).
#pragma once

#include "Canvas.h"

namespace samplegen {

Canvas webViewLeft();
Canvas webViewLine();
Canvas webViewLogo();

} // namespace samplegen
