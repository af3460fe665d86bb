// Numbers of the Windows and Basic protocols that the tests use and the product
// does not name in its platform headers, named once here.
#pragma once

namespace facts {

// Tab, Escape, Space, Down and A: keys that do nothing where Enter applies.
constexpr int keysOtherThanEnter[] = {9, 27, 32, 40, 65};

} // namespace facts
