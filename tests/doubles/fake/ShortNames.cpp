#include "fake/ShortNames.h"

#include "fake/TextUtil.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace fake {

namespace {

bool isDosCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7F && !std::strchr("\"*+,/:;<=>?[\\]|.", c);
}

struct Basis {
    std::string stem; // up to six characters
    std::string extension;
};

Basis basisOf(const std::string& name) {
    std::string base = name;
    std::string extension;
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        base = name.substr(0, dot);
        extension = name.substr(dot + 1);
    }
    auto clean = [](const std::string& text, std::size_t limit) {
        std::string out;
        for (char c : text) {
            if (out.size() == limit)
                break;
            if (c == ' ' || c == '.')
                continue;
            out += isDosCharacter(c) ? c : '_';
        }
        return upper(out);
    };
    Basis basis{clean(base, 6), clean(extension, 3)};
    if (basis.stem.empty())
        basis.stem = "_";
    return basis;
}

} // namespace

bool isLegal83Name(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    const auto dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3)
        return false;
    if (dot != std::string::npos && extension.empty())
        return false;
    auto legal = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(), isDosCharacter);
    };
    return legal(base) && legal(extension);
}

std::string shortNameAmong(const std::string& name, const std::vector<std::string>& folderEntries) {
    if (isLegal83Name(name))
        return name;
    const Basis basis = basisOf(name);
    std::vector<std::string> sharing;
    std::set<std::string> taken; // names that already are short names
    for (const std::string& entry : folderEntries) {
        if (isLegal83Name(entry)) {
            taken.insert(upper(entry));
            continue;
        }
        const Basis other = basisOf(entry);
        if (other.stem == basis.stem && other.extension == basis.extension)
            sharing.push_back(upper(entry));
    }
    if (std::find(sharing.begin(), sharing.end(), upper(name)) == sharing.end())
        sharing.push_back(upper(name));
    std::sort(sharing.begin(), sharing.end());
    auto candidate = [&](int number) {
        const std::string tail = "~" + std::to_string(number);
        const std::string stem = basis.stem.substr(0, std::min(basis.stem.size(), 8 - tail.size()));
        return basis.extension.empty() ? stem + tail : stem + tail + "." + basis.extension;
    };
    int number = 0;
    for (const std::string& entry : sharing) {
        std::string shortName;
        do {
            shortName = candidate(++number);
        } while (taken.count(shortName));
        if (entry == upper(name))
            return shortName;
    }
    return candidate(1);
}

} // namespace fake
