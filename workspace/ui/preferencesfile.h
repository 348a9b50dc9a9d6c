#pragma once

#include "engine/model/language.h"

#include <QString>

#include <string_view>

namespace zelvar {

// "preferences.cfg" in the start folder: one line that fixes the language of the next start.
inline constexpr std::string_view kPreferencesFileName = "preferences.cfg";
inline constexpr std::string_view kEnglishPreferenceLine = "<language> English";
inline constexpr std::string_view kPortuguesePreferenceLine = "<language> Portuguese";

// English when the first line holds "English" anywhere (case-sensitive); anything else,
// an empty line included, is Portuguese.
Language LanguageOfPreferencesLine(std::string_view firstLine);

struct PreferencesReading
{
    bool exists = false;
    // Only when the file exists: whether it could be read, and the error otherwise.
    bool readable = false;
    QString error;
    Language language = Language::Portuguese;
};

// Reads the language from the file's first line; a missing or unreadable file is Portuguese.
PreferencesReading ReadLanguagePreference(const QString &path);

// Replaces the file with the one line of the language. Returns false with error on failure.
bool WriteLanguagePreference(const QString &path, Language language, QString &error);

} // namespace zelvar
