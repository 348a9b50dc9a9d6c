#pragma once

#include "engine/model/language.h"

#include <QString>

#include <string_view>

namespace zelvar {

// The program's texts are UTF-8 in the source.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text of the language in force, as a QString.
inline QString trText(Language language, std::string_view portuguese, std::string_view english)
{
    return toQString(Tr(language, portuguese, english));
}

} // namespace zelvar
