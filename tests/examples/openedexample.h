#pragma once

// A fixture over every example plant in each language: the plant opened from its committed file
// as the program opens it, on its picture.
#include "examples/example.h"
#include "examples/generator.h"
#include "tests/examples/languagerows.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace zelvar::examples {

class OpenedExampleTest : public ::testing::TestWithParam<LanguageRow>
{
protected:
    void SetUp() override
    {
        example = FindExample(GetParam().picture);
        ASSERT_NE(example, nullptr);
        opened = std::make_unique<OpenedPicture>(QStringLiteral(ZELVAR_SOURCE_DIR "/resources/")
                                                     + FilesOf(*example).plantFile,
                                                 GetParam().language);
    }

    const ExamplePlant *example = nullptr;
    std::unique_ptr<OpenedPicture> opened;
};

} // namespace zelvar::examples
