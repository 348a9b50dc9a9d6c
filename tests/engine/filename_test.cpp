#include "engine/model/filename.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

using namespace zelvar;

TEST(FileName, LosesWhatNoFileNameHolds)
{
    for (const auto &[text, expected] : {std::pair{"Caldeira/Forno", "Caldeira_Forno"},
                                         {"a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i"},
                                         {"../..", ".._.."},
                                         {"line\nend\x1f", "line_end_"},
                                         {"Coluna de destilação", "Coluna de destilação"}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FileNameFromText(text), expected);
    }
}

TEST(FileName, PathsAndTextsKeepTheirUtf8Bytes)
{
    const std::string text = "Pasta/Coluna de destilação_1.txt";
    const std::filesystem::path path = PathFromUtf8(text);
    EXPECT_TRUE(path.filename() == std::filesystem::path(u8"Coluna de destilação_1.txt"));
    EXPECT_EQ(Utf8FromPath(path), text);
    EXPECT_EQ(Utf8FromPath(path.filename()), "Coluna de destilação_1.txt");
}
