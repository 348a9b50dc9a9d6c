#include "workspace/ui/preferencesfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelvar {
namespace {

TEST(PreferencesFile, WritesOneLineThatReadsBackAsItsLanguage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("preferences.cfg"));

    for (const Language language : {Language::English, Language::Portuguese}) {
        QString error;
        ASSERT_TRUE(WriteLanguagePreference(path, language, error)) << error.toStdString();
        const PreferencesReading reading = ReadLanguagePreference(path);
        EXPECT_TRUE(reading.exists);
        EXPECT_TRUE(reading.readable);
        EXPECT_EQ(reading.language, language);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<language> Portuguese\r\n"));
}

TEST(PreferencesFile, MissingFileIsPortugueseAndSaysSo)
{
    const PreferencesReading reading = ReadLanguagePreference(QStringLiteral("/no/such/file.cfg"));

    EXPECT_FALSE(reading.exists);
    EXPECT_EQ(reading.language, Language::Portuguese);
}

TEST(PreferencesFile, AFolderInPlaceOfTheFileIsUnreadable)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    const PreferencesReading reading = ReadLanguagePreference(folder.path());

    EXPECT_TRUE(reading.exists);
    EXPECT_FALSE(reading.readable);
    EXPECT_FALSE(reading.error.isEmpty());
    EXPECT_EQ(reading.language, Language::Portuguese);
}

TEST(PreferencesFile, WritingIntoAMissingFolderFailsWithAReason)
{
    QString error;

    EXPECT_FALSE(WriteLanguagePreference(
        QStringLiteral("/no/such/folder/preferences.cfg"), Language::English, error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace zelvar
