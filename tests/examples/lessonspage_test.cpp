// The page "Vídeo Aulas" opens: a guided walkthrough of three lessons in each language, each
// with its steps and pictures of the program in that language, every picture beside the page and
// taken by the screenshot program that follows the lessons' steps.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

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

// The source of every picture on the page, in order.
QStringList Pictures(const QString &text)
{
    QStringList found;
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto match = image.globalMatch(text); match.hasNext();)
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
            const QStringList pictures = Pictures(lesson);
            for (const QString &source : pictures) {
                EXPECT_TRUE(source.endsWith(QLatin1String(suffix))) << source.toStdString();
                EXPECT_TRUE(QFileInfo(QFileInfo(kPage).dir().filePath(source)).isFile())
                    << source.toStdString() << " is missing";
            }
            EXPECT_GE(pictures.size(), 1) << language;
        }
    }
}

// The pictures come from the screenshot program, which follows the lessons' steps: a picture it
// does not take, or one left beside the page that nobody retakes, cannot show what the steps
// give.
TEST(LessonsPage, ShowsThePicturesTheLessonsStepsTakeAndNoOther)
{
    const QStringList shown = Pictures(Read(kPage));
    const QString screenshots = Read(kScreenshots);
    ASSERT_FALSE(shown.isEmpty()) << kPage.toStdString();
    ASSERT_FALSE(screenshots.isEmpty()) << kScreenshots.toStdString();
    for (const QString &source : shown) {
        const QString shot = source.left(source.size() - 7); // "-pt.png", "-en.png"
        EXPECT_TRUE(screenshots.contains(QStringLiteral("QStringLiteral(\"%1\")").arg(shot)))
            << shot.toStdString() << " is not taken by the screenshot program";
    }

    const QRegularExpression lessonBody(QStringLiteral("\\nvoid walkThrough\\w*\\(.*?\\n}\\n"),
                                        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression lessonShot(
        QStringLiteral("shoot\\(outFolder, QStringLiteral\\(\"([^\"]+)\"\\) \\+ suffix\\)"));
    int lessonShots = 0;
    for (auto body = lessonBody.globalMatch(screenshots); body.hasNext();) {
        const QString steps = body.next().captured(0);
        for (auto shot = lessonShot.globalMatch(steps); shot.hasNext(); ++lessonShots) {
            const QString name = shot.next().captured(1);
            for (const char *suffix : {"-pt.png", "-en.png"})
                EXPECT_TRUE(shown.contains(name + QLatin1String(suffix)))
                    << (name + QLatin1String(suffix)).toStdString() << " is not on the page";
        }
    }
    EXPECT_GE(lessonShots, 3) << "no lesson steps found in the screenshot program";

    for (const QString &file :
         QFileInfo(kPage).dir().entryList({QStringLiteral("*.png")}, QDir::Files))
        EXPECT_TRUE(shown.contains(file)) << file.toStdString() << " is not on the page";
}

} // namespace
