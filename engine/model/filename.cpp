#include "engine/model/filename.h"

namespace zelvar {

std::string FileNameFromText(std::string_view text)
{
    constexpr std::string_view forbidden = "/\\:*?\"<>|";
    std::string name(text);
    for (char &c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || forbidden.find(c) != std::string_view::npos)
            c = '_';
    }
    return name;
}

} // namespace zelvar
