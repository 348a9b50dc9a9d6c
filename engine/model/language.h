#pragma once

#include <string_view>

namespace zelvar {

// The language of texts and messages, fixed at start-up (EnglishFlag).
enum class Language { Portuguese, English };

// A stored text may hold "Portuguese|English"; readers keep the part of the current language.
// A text without a bar is the same in both.
inline std::string_view PickLanguage(std::string_view bilingual, Language language)
{
    const std::size_t bar = bilingual.find('|');
    if (bar == std::string_view::npos)
        return bilingual;
    return language == Language::English ? bilingual.substr(bar + 1) : bilingual.substr(0, bar);
}

// Chooses between the two texts of a caption or message.
inline std::string_view Tr(Language language, std::string_view portuguese, std::string_view english)
{
    return language == Language::English ? english : portuguese;
}

} // namespace zelvar
