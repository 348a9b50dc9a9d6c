// The page "Vídeo Aulas" opens: a guided walkthrough of three lessons in each language, each
// with its steps and pictures of the program in that language, every picture beside the page.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString kPage = QStringLiteral(ZELVAR_SOURCE_DIR "/resources/help/video_aulas/index.html");

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
                EXPECT_TRUE(source.endsWith(QLatin1String(suffix))) << source.toStdString();
                EXPECT_TRUE(QFileInfo(QFileInfo(kPage).dir().filePath(source)).isFile())
                    << source.toStdString() << " is missing";
            }
            EXPECT_GE(pictures, 1) << language;
        }
    }
}

} // namespace
