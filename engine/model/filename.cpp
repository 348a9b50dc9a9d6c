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

std::filesystem::path PathFromUtf8(std::string_view text)
{
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t *>(text.data()), text.size()));
}

std::string Utf8FromPath(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char *>(text.data()), text.size());
}

} // namespace zelvar
