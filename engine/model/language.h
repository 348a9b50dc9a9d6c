#pragma once

#include <initializer_list>
#include <string_view>

namespace zelvar {

// The language of texts and messages, fixed at start-up (EnglishFlag).
enum class Language { Portuguese, English };

// A stored text may hold "Portuguese|English": readers keep the part of the current language.
// A text without a bar is the same in both. Only the first two parts are languages; a
// language whose part is empty takes the other's (then any later part), and a text of bars
// alone is taken whole. So the text a save writes back reads the same again, and a bilingual
// text that holds anything never reads as empty.
inline std::string_view PickLanguage(std::string_view bilingual, Language language)
{
    std::size_t bar = bilingual.find('|');
    if (bar == std::string_view::npos)
        return bilingual;
    const std::string_view portuguese = bilingual.substr(0, bar);
    std::string_view rest = bilingual.substr(bar + 1);
    bar = rest.find('|');
    const std::string_view english = rest.substr(0, bar);
    const bool inEnglish = language == Language::English;
    for (const std::string_view part :
         {inEnglish ? english : portuguese, inEnglish ? portuguese : english}) {
        if (!part.empty())
            return part;
    }
    while (bar != std::string_view::npos) {
        rest = rest.substr(bar + 1);
        bar = rest.find('|');
        if (bar != 0 && !rest.empty())
            return rest.substr(0, bar);
    }
    return bilingual;
}

// Chooses between the two texts of a caption or message.
inline std::string_view Tr(Language language, std::string_view portuguese, std::string_view english)
{
    return language == Language::English ? english : portuguese;
}

} // namespace zelvar
