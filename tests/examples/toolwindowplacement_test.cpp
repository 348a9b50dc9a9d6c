// Every example's recorders and faceplates, opened from their icons, leave its push buttons,
// switches and sliders in view, in both languages and on the screens trainees have: the lessons
// ask for those controls right after opening the windows.
#include "documents/model/plant.h"
#include "documents/model/slotindex.h"
#include "engine/ui/controllerwindow.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/pidpainter.h"
#include "instruments/ui/recorderwindow.h"
#include "services/widgethelpers.h"
#include "services/windowsonscreen.h"
#include "tests/examples/openedexample.h"
#include "workspace/ui/plantview.h"

#include <QCoreApplication>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvar::examples {

namespace {

// A screen's free area and where the picture starts on it: the main window is maximised, its
// title bar and menu above the picture.
struct Desk
{
    const char *name;
    QRect screen;
    int pictureTop;
};

constexpr int kTitleAndMenu = 30 + 22;

const Desk kDesks[] = {
    {"a laptop with a panel", QRect(0, 0, 1366, 728), kTitleAndMenu},
    {"a laptop without a title bar", QRect(0, 0, 1366, 768), 22},
    {"a full HD screen", QRect(0, 0, 1920, 1040), kTitleAndMenu},
};

struct Control
{
    QString name;
    QRect area; // in the picture
};

// How far from a switch the picture's text that names it stands.
constexpr int kCaptionReach = 24;

// What the trainee operates on the picture: the command panel's push buttons, the switches and
// the slider groups; and the picture's texts beside a switch, which say what it switches.
std::vector<Control> Controls(const PlantView &view, const ExamplePlant &example)
{
    PidPainter painter(true);
    example.drawBackground(painter);
    std::vector<Control> controls;
    for (const QWidget *child : view.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (!child->isHidden()
            && (name == QStringLiteral("PainelComando") || name.startsWith(QStringLiteral("Chave"))
                || name.startsWith(QStringLiteral("TrackBack"))))
            controls.push_back({name, child->geometry()});
        if (child->isHidden() || !name.startsWith(QStringLiteral("Chave")))
            continue;
        const QRect reach = child->geometry().adjusted(
            -kCaptionReach, -kCaptionReach, kCaptionReach, kCaptionReach);
        for (const QRectF &text : painter.TextAreas()) {
            if (reach.intersects(text.toAlignedRect()))
                controls.push_back({name + QStringLiteral(" caption"), text.toAlignedRect()});
        }
    }
    return controls;
}

class ToolWindowPlacementTest : public OpenedExampleTest
{
protected:
    // The window that a click on the icon opens, at the size it shows with.
    QWidget *open(const QString &icon)
    {
        auto *button = opened->view().findChild<QToolButton *>(icon);
        if (button == nullptr)
            return nullptr;
        button->click();
        QCoreApplication::processEvents();
        for (QWidget *window : opened->view().findChildren<ObjectWindow *>()) {
            if (window->isVisible())
                return window;
        }
        return nullptr;
    }
};

TEST_P(ToolWindowPlacementTest, RecordersAndFaceplatesLeaveTheControlsInView)
{
    PlantView &view = opened->view();
    const Plant &plant = opened->plant();
    const std::vector<Control> controls = Controls(view, *example);
    std::vector<QString> icons;
    for (int k = 1; k <= 10; ++k) {
        if (plant.controllers.IsPresent(k))
            icons.push_back(QStringLiteral("Control%1").arg(k));
        if (plant.recorders.IsPresent(k))
            icons.push_back(QStringLiteral("Reg%1").arg(k));
    }
    ASSERT_FALSE(icons.empty());
    for (const QString &icon : icons) {
        QWidget *window = open(icon);
        ASSERT_NE(window, nullptr) << icon.toStdString() << " opens no window";
        const QSize frame = FrameGeometry(window).size();
        for (const Desk &desk : kDesks) {
            const QPoint origin(desk.screen.left(), desk.pictureTop);
            std::vector<QRect> keepClear;
            for (const QRect &area : KeptClearAreas(&view))
                keepClear.push_back(area.translated(origin));
            const QRect covered(OpeningPlace(frame, frame, desk.screen, desk.pictureTop, keepClear),
                                frame);
            EXPECT_TRUE(desk.screen.contains(covered))
                << icon.toStdString() << " leaves " << desk.name;
            for (const Control &control : controls) {
                EXPECT_FALSE(covered.intersects(control.area.translated(origin)))
                    << icon.toStdString() << " covers " << control.name.toStdString() << " on "
                    << desk.name;
            }
        }
        window->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ToolWindowPlacementTest,
                         ::testing::ValuesIn(LanguageRows()),
                         LanguageRowName);

} // namespace

} // namespace zelvar::examples
