// Small text helpers of the fake: ASCII case folding, as Windows compares the
// names of keys, values, files and profile sections.
#pragma once

#include <string>
#include <vector>

namespace fake {

std::string upper(std::string text);
bool equalsIgnoreCase(const std::string& a, const std::string& b);
bool startsWithIgnoreCase(const std::string& text, const std::string& prefix);
std::string trim(const std::string& text);
// Splits at every separator; empty parts are kept.
std::vector<std::string> split(const std::string& text, char separator);

} // namespace fake
