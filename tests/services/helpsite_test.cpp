#include "services/helpsite.h"

#include <QDir>
#include <QFile>
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

} // namespace
} // namespace zelvar
