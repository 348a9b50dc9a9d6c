#pragma once

// Test rows over every registered example plant in each language.
#include "engine/model/language.h"
#include "examples/example.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zelvar::examples {

struct LanguageRow
{
    std::string picture;
    Language language;
};

inline std::vector<LanguageRow> LanguageRows()
{
    std::vector<LanguageRow> rows;
    for (const ExamplePlant &example : RegisteredExamples()) {
        rows.push_back({example.picture, Language::Portuguese});
        rows.push_back({example.picture, Language::English});
    }
    return rows;
}

inline void PrintTo(const LanguageRow &row, std::ostream *out)
{
    *out << row.picture << (row.language == Language::English ? " in English" : " in Portuguese");
}

inline std::string LanguageRowName(const ::testing::TestParamInfo<LanguageRow> &info)
{
    return info.param.picture + (info.param.language == Language::English ? "_en" : "_pt");
}

} // namespace zelvar::examples
