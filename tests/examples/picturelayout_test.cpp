// Every example plant's picture as a trainee sees it, in both languages: no tag cut by its icon,
// no icon or label over another or over a drawn line or text, nothing drawn across a written
// text, everything inside the picture.
#include "documents/model/plantpicture.h"
#include "documents/model/slotindex.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/pidpainter.h"
#include "instruments/model/animatedtext.h"
#include "tests/examples/openedexample.h"
#include "workspace/ui/plantview.h"

#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

// A pixel of drawn ink (lines, outlines, text), not ground or a light fill.
bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 150;
}

// Ink pixels inside the area, one pixel in from its edges so that anti-aliasing beside it does
// not count.
int InkIn(const QImage &picture, const QRectF &area)
{
    const QRect inner = area.toAlignedRect().adjusted(1, 1, -1, -1).intersected(picture.rect());
    int ink = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x)
            ink += IsInk(picture.pixel(x, y)) ? 1 : 0;
    }
    return ink;
}

struct Shown
{
    QString name;
    QRect area;
    int pair = 0; // an animated text's number, shared by its name and its value
};

QString Describe(const QWidget *widget)
{
    QString text;
    if (const auto *button = qobject_cast<const QToolButton *>(widget))
        text = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    return widget->objectName() + (text.isEmpty() ? QString() : " \"" + text + "\"");
}

// The picture's shown objects, each slider input as its frame.
std::vector<Shown> ShownObjects(PlantView &view)
{
    std::vector<Shown> shown;
    for (QWidget *child : view.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (child->isHidden() || name == QStringLiteral("Image1")
            || name.startsWith(QStringLiteral("TrackLabel"))
            || name.startsWith(QStringLiteral("TrackText"))
            || name.startsWith(QStringLiteral("TrackBar")))
            continue;
        int pair = 0;
        for (const QString &prefix : {QStringLiteral("Label"), QStringLiteral("Texto")}) {
            if (name.startsWith(prefix))
                pair = name.mid(prefix.size()).toInt();
        }
        shown.push_back({Describe(child), child->geometry(), pair});
    }
    return shown;
}

class ExamplePictureTest : public OpenedExampleTest
{
};

TEST_P(ExamplePictureTest, EveryTagFitsItsIcon)
{
    for (QToolButton *icon : opened->view().findChildren<QToolButton *>()) {
        if (icon->isHidden())
            continue;
        // The style writes the tag beside the icon, inside the button's frame, and elides what
        // does not fit.
        const int frame = icon->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, icon);
        const int room = icon->width() - 2 * frame - icon->iconSize().width() - 4;
        EXPECT_LE(icon->fontMetrics().horizontalAdvance(icon->text()), room)
            << Describe(icon).toStdString() << " is cut";
    }
}

TEST_P(ExamplePictureTest, ObjectsLieInsideThePictureApartFromEachOther)
{
    const QRect picture
        = QRect(0, 0, PidPainter::kWidth, PidPainter::kHeight).adjusted(2, 2, -2, -2);
    const std::vector<Shown> shown = ShownObjects(opened->view());
    ASSERT_FALSE(shown.empty());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(picture.contains(shown[i].area))
            << shown[i].name.toStdString() << " at the edge";
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            // An animated text's name sits just above its value by the program's own layout.
            if (shown[i].pair != 0 && shown[i].pair == shown[j].pair)
                continue;
            EXPECT_FALSE(shown[i].area.intersects(shown[j].area))
                << shown[i].name.toStdString() << " and " << shown[j].name.toStdString()
                << " overlap";
        }
    }
}

TEST_P(ExamplePictureTest, NoObjectLiesOverALineOrAText)
{
    const QImage background = BackgroundPicture(*example);
    for (const Shown &object : ShownObjects(opened->view()))
        EXPECT_EQ(InkIn(background, object.area), 0) << object.name.toStdString() << " covers ink";
}

// A two-state text shows either message in the same place: both must stay clear.
TEST_P(ExamplePictureTest, BothMessagesOfATwoStateTextStayClear)
{
    const QImage background = BackgroundPicture(*example);
    PlantView &view = opened->view();
    const std::vector<Shown> shown = ShownObjects(view);
    for (int k = 1; k <= AnimatedText::kCount; ++k) {
        auto *value = view.findChild<QLabel *>(QStringLiteral("Texto%1").arg(k));
        if (value == nullptr || value->isHidden() || !opened->plant().animatedTexts.IsPresent(k))
            continue;
        const AnimatedText &text = opened->plant().animatedTexts[k];
        if (text.Tipo != kBinario)
            continue;
        const QString shownNow = value->text();
        for (const QString &message : QString::fromStdString(text.FuncaoTr).split('/')) {
            value->setText(message);
            value->adjustSize();
            const QRect area = value->geometry();
            EXPECT_EQ(InkIn(background, area), 0)
                << "\"" << message.toStdString() << "\" covers ink";
            for (const Shown &other : shown) {
                EXPECT_TRUE(other.pair == k || !area.intersects(other.area))
                    << "\"" << message.toStdString() << "\" and " << other.name.toStdString()
                    << " overlap";
            }
        }
        value->setText(shownNow);
        value->adjustSize();
    }
}

TEST_P(ExamplePictureTest, NothingIsDrawnAcrossAWrittenText)
{
    PidPainter painter(true);
    example->drawBackground(painter);
    const QImage withoutTexts = painter.Finish();
    for (const QRectF &area : painter.TextAreas())
        EXPECT_EQ(InkIn(withoutTexts, area), 0)
            << "the text at " << area.x() << ", " << area.y() << " is crossed";
}

// A bar moves with its memory: from empty to full it must stay on clear ground, not only at the
// value the plant opened with.
TEST_P(ExamplePictureTest, EveryBarStaysClearOverItsWholeTravel)
{
    const QImage background = BackgroundPicture(*example);
    const std::vector<Shown> shown = ShownObjects(opened->view());
    for (int k = 1; k <= 5; ++k) {
        const AnimatedShape &shape = opened->plant().shapes[Index(k)];
        if (!shape.shown || shape.kind != 1)
            continue;
        const auto full = AppearanceOf(shape, 100.0);
        ASSERT_TRUE(full.has_value());
        const QRect travel(full->left, full->top, full->width, full->height);
        EXPECT_EQ(InkIn(background, travel), 0) << "Shape" << k << " full covers ink";
        const QString self = QStringLiteral("Shape%1").arg(k);
        for (const Shown &other : shown) {
            EXPECT_TRUE(other.name == self || !travel.intersects(other.area))
                << "Shape" << k << " full covers " << other.name.toStdString();
        }
    }
}

TEST_P(ExamplePictureTest, SliderNamesStayClearOfTheirValues)
{
    PlantView &view = opened->view();
    for (int k = 1; k <= 6; ++k) {
        auto *name = view.findChild<QWidget *>(QStringLiteral("TrackLabel%1").arg(k));
        auto *value = view.findChild<QWidget *>(QStringLiteral("TrackText%1").arg(k));
        auto *back = view.findChild<QWidget *>(QStringLiteral("TrackBack%1").arg(k));
        if (name == nullptr || name->isHidden())
            continue;
        const auto *label = qobject_cast<QLabel *>(name);
        ASSERT_NE(label, nullptr);
        const int written = label->x() + label->contentsRect().left()
                            + label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(written, value->x()) << Describe(name).toStdString()
                                       << " runs into its value: " << written << " " << value->x();
        EXPECT_TRUE(back->geometry().contains(name->geometry()))
            << Describe(name).toStdString() << " leaves its frame";
    }
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExamplePictureTest,
                         ::testing::ValuesIn(LanguageRows()),
                         LanguageRowName);

} // namespace

} // namespace zelvar::examples
