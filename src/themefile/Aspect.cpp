#include "themefile/Aspect.h"

#include "runtime/Error.h"
#include "runtime/TextConv.h"

#include <algorithm>
#include <string>

namespace themefile {

const char* aspectName(Aspect aspect) {
    switch (aspect) {
    case Aspect::colors:
        return "colors";
    case Aspect::pointers:
        return "pointers";
    case Aspect::icons:
        return "icons";
    case Aspect::wallpaper:
        return "wallpaper";
    case Aspect::sounds:
        return "sounds";
    case Aspect::saver:
        return "saver";
    case Aspect::fonts:
        return "fonts";
    case Aspect::sizes:
        return "sizes";
    case Aspect::pictures:
        return "pictures";
    }
    return "";
}

bool parseAspect(std::string_view name, Aspect& aspect) {
    const std::string wanted = rt::UCase(name);
    for (Aspect candidate : allAspects)
        if (rt::UCase(aspectName(candidate)) == wanted) {
            aspect = candidate;
            return true;
        }
    return false;
}

std::vector<Aspect> parseAspectList(std::string_view list) {
    std::vector<Aspect> aspects;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string word = rt::Trim(list.substr(start, comma - start));
        Aspect aspect;
        if (!parseAspect(word, aspect))
            throw rt::Error(rt::ErrInvalidProcedureCall, "unknown aspect: " + word);
        if (std::find(aspects.begin(), aspects.end(), aspect) == aspects.end())
            aspects.push_back(aspect);
        if (comma == list.size())
            return aspects;
        start = comma + 1;
    }
}

} // namespace themefile
