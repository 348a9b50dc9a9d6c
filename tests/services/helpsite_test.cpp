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

} // namespace
} // namespace zelvar
