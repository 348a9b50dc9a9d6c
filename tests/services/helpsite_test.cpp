#include "services/helpsite.h"

#include "engine/ui/objecthelp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelvar {
namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QString sourceFolder()
{
    return QDir(QStringLiteral(ZELVAR_TEST_DATA "/../..")).canonicalPath();
}

QString bundledSite()
{
    return sourceFolder() + QStringLiteral("/resources/help");
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool holdsSection(const QString &page, const QString &section)
{
    return readText(page).contains(QStringLiteral("id=\"%1\"").arg(section));
}

// The page paths the program opens, as the windows declare them: "k...Help...[] = "/...""
// constants anywhere in the program's folders. Read from the sources so that a window added
// later is checked without anyone listing it here.
QStringList helpPagesOfTheProgram()
{
    static const QRegularExpression declaration(
        QStringLiteral(R"re(constexpr\s+char\s+k\w*Help\w*\[\]\s*=\s*"([^"]*)")re"));
    QStringList pages;
    for (const char *folder :
         {"app", "engine", "workspace", "instruments", "documents", "services"}) {
        QDirIterator files(sourceFolder() + QLatin1Char('/') + QLatin1String(folder),
                           {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                           QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString text = readText(files.next());
            for (const auto &match : declaration.globalMatch(text))
                pages << match.captured(1);
        }
    }
    pages.removeDuplicates();
    return pages;
}

TEST(HelpSite, TheStartFolderSiteComesBeforeTheOneBesideTheProgram)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString start = root.filePath(QStringLiteral("start"));
    const QString program = root.filePath(QStringLiteral("source/build/release/app"));
    QDir().mkpath(start);
    QDir().mkpath(program);
    touch(root.filePath(QStringLiteral("source/resources/help/index.html")));

    EXPECT_EQ(FindHelpFolder(start, program),
              root.filePath(QStringLiteral("source/resources/help")));

    touch(start + QStringLiteral("/help/index.html"));
    EXPECT_EQ(FindHelpFolder(start, program), start + QStringLiteral("/help"));
}

TEST(HelpSite, NoSiteAnywhereIsNoConnection)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());

    const QString folder = FindHelpFolder(root.path(), root.path());

    EXPECT_TRUE(folder.isEmpty());
    EXPECT_FALSE(IsInternetConnected(folder));
    EXPECT_TRUE(IsInternetConnected(root.path()));
}

// Regression: the controller's help button opened a section the objects page did not have.
TEST(HelpSite, EveryPageTheProgramOpensIsBundledWithItsSection)
{
    const QStringList pages = helpPagesOfTheProgram();
    ASSERT_TRUE(pages.contains(QString::fromLatin1(kHelpLessonsPage)));

    for (const QString &pagePath : pages) {
        SCOPED_TRACE(pagePath.toStdString());
        const QUrl url = ObjectHelpPageUrl(bundledSite(), pagePath);
        const QString page = url.toLocalFile();
        ASSERT_TRUE(QFileInfo(page).isFile());
        if (url.hasFragment()) {
            EXPECT_TRUE(holdsSection(page, url.fragment()));
        }
    }
}

// The site opens without a network: every link and picture leads to a bundled page, and a
// link to a section finds it there.
TEST(HelpSite, EveryLinkOfTheBundledPagesLeadsToABundledPageAndSection)
{
    static const QRegularExpression reference(QStringLiteral(R"re((?:href|src)="([^"]*)")re"));
    QDirIterator pages(
        bundledSite(), {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    int checked = 0;
    while (pages.hasNext()) {
        const QString page = pages.next();
        for (const auto &match : reference.globalMatch(readText(page))) {
            const QString link = match.captured(1);
            SCOPED_TRACE((page + QStringLiteral(" -> ") + link).toStdString());
            const qsizetype hash = link.indexOf(QLatin1Char('#'));
            const QString path = hash < 0 ? link : link.left(hash);
            const QString target
                = path.isEmpty() ? page : QFileInfo(page).dir().absoluteFilePath(path);
            EXPECT_TRUE(QFileInfo(target).isFile());
            if (hash >= 0) {
                EXPECT_TRUE(holdsSection(target, link.mid(hash + 1)));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

} // namespace
} // namespace zelvar
