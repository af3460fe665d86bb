// DOS 8.3 names, as FAT and NTFS generate them for long names: spaces and extra
// dots dropped, characters that DOS refuses turned into '_', upper case, the
// first six characters of the name, "~" and a number, and the first three
// characters of the extension ("Program Files" -> "PROGRA~1",
// "Zuve Zivi ziz Odida.wav" -> "ZUVEZI~1.WAV"). A name that already is a legal
// 8.3 name is its own short name. The numbers go to the long names sharing a
// stem in the order of their names, so the result does not depend on the order
// the files were made in.
#pragma once

#include <string>
#include <vector>

namespace fake {

bool isLegal83Name(const std::string& name);

// The short name of name among the names of one folder (name included).
std::string shortNameAmong(const std::string& name, const std::vector<std::string>& folderEntries);

} // namespace fake
