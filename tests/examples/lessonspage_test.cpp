// The page "Vídeo Aulas" opens: a guided walkthrough of three lessons in each language, each
// with its steps and pictures of the program in that language, every picture beside the page and
// taken by the screenshot program that follows the lessons' steps.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace {

const QString kPage = QStringLiteral(ZELVAR_SOURCE_DIR "/resources/help/video_aulas/index.html");
const QString kScreenshots = QStringLiteral(ZELVAR_SOURCE_DIR "/scripts/screenshots.cpp");

QString Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The inner text of every element of the tag in the text, in order.
QStringList Elements(const QString &text, const QString &tag, const QString &attributes = {})
{
    QStringList found;
    const QRegularExpression element(
        QStringLiteral("<%1%2[^>]*>(.*?)</%1>").arg(tag, QRegularExpression::escape(attributes)),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto match = element.globalMatch(text); match.hasNext();)
        found << match.next().captured(1);
    return found;
}

TEST(LessonsPage, WalksThroughThreeLessonsWithPicturesInEachLanguage)
{
    const QString page = Read(kPage);
    ASSERT_FALSE(page.isEmpty()) << kPage.toStdString();
    const QString screenshots = Read(kScreenshots);
    ASSERT_FALSE(screenshots.isEmpty()) << kScreenshots.toStdString();
    QStringList named;
    for (const auto &[language, suffix] :
         {std::pair{"pt-BR", "-pt.png"}, std::pair{"en", "-en.png"}}) {
        const QStringList sections = Elements(
            page, QStringLiteral("section"), QStringLiteral(" lang=\"%1\"").arg(language));
        ASSERT_EQ(sections.size(), 1) << language;
        const QStringList lessons = Elements(sections.front(), QStringLiteral("article"));
        ASSERT_EQ(lessons.size(), 3) << language;
        for (const QString &lesson : lessons) {
            EXPECT_GE(Elements(lesson, QStringLiteral("li")).size(), 2) << language;
            const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
            int pictures = 0;
            for (auto match = image.globalMatch(lesson); match.hasNext(); ++pictures) {
                const QString source = match.next().captured(1);
                named << source;
                EXPECT_TRUE(source.endsWith(QLatin1String(suffix))) << source.toStdString();
                EXPECT_TRUE(QFileInfo(QFileInfo(kPage).dir().filePath(source)).isFile())
                    << source.toStdString() << " is missing";
                // A picture the script does not take cannot show what the steps give.
                const QString shot = source.chopped(static_cast<int>(std::strlen(suffix)));
                EXPECT_TRUE(
                    screenshots.contains(QStringLiteral("QStringLiteral(\"%1\")").arg(shot)))
                    << shot.toStdString() << " is not taken by the screenshot program";
            }
            EXPECT_GE(pictures, 1) << language;
        }
    }
    // A picture left beside the page that the page no longer shows is one nobody retakes.
    for (const QString &file :
         QFileInfo(kPage).dir().entryList({QStringLiteral("*.png")}, QDir::Files))
        EXPECT_TRUE(named.contains(file)) << file.toStdString() << " is not on the page";
}

} // namespace
