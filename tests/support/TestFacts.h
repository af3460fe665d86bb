// Numbers of the Windows and Basic protocols that the tests use and the product
// does not name in its platform headers, named once here.
#pragma once

namespace facts {

constexpr int keyEnter = 13; // the key code of Enter (vbKeyReturn)
constexpr int keyEscape = 27;

} // namespace facts
