#include "services/userdialogs.h"

#include "services/session.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zelvar {
namespace {

// Runs the box the call opens, hands it to the check while it is open, then closes it.
void WithOpenBox(const std::function<void()> &open, const std::function<void(QMessageBox &)> &check)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        check(*box);
        box->done(0);
    });
    open();
    EXPECT_TRUE(seen);
}

// A message whose file name is one long word ran past the screen's edge, cut in the middle of the
// name, and the reason after it was never seen.
TEST(QtUserDialogs, ALongMessageIsShownWholeWithinTheScreen)
{
    const Session session(QDir::tempPath());
    const struct
    {
        const char *name;
        qsizetype nameLength;
    } rows[] = {{"wraps at the box's own width", 3000}, {"widens the box to fit", 4000}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString text = QString::fromUtf8("Não foi possível criar o arquivo /tmp/")
                             + QString(row.nameLength, QLatin1Char('n'))
                             + QStringLiteral(".txt: nome longo demais");
        QtUserDialogs dialogs;
        WithOpenBox([&] { dialogs.showError(nullptr, text); },
                    [&](QMessageBox &box) {
                        const QRect screen = box.screen()->availableGeometry();
                        EXPECT_TRUE(screen.contains(box.frameGeometry()));
                        const auto *label
                            = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                        ASSERT_NE(label, nullptr);
                        EXPECT_TRUE(box.rect().contains(label->geometry()));
                        // Wrapped at the label's width, the whole text fits the label.
                        const QRect needed = label->fontMetrics().boundingRect(
                            QRect(0, 0, label->width(), 1 << 20), Qt::TextWordWrap, label->text());
                        EXPECT_LE(needed.width(), label->width());
                        EXPECT_LE(needed.height(), label->height());
                        QString shown = label->text();
                        shown.remove(QChar(0x200B));
                        EXPECT_EQ(shown, text);
                    });
    }
}

} // namespace
} // namespace zelvar
