#include "documents/ui/variablelistwindow.h"

#include "tests/engine/ui/objectwindowtest.h"

#include <QTableWidget>

namespace zelvar {
namespace {

class VariableListWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::tempPath());
        m_session->SetRunning(false);
        m_session->HelpFolder = QStringLiteral("/opt/zelvar/help");
    }
    void TearDown() override
    {
        m_window.reset();
        m_session.reset();
    }

    void open()
    {
        m_window = std::make_unique<TDialogos>(*m_session, nullptr, &m_dialogs);
        m_window->show();
    }
    Plant &plant() { return m_session->plant(); }
    QTableWidget *grid(const char *name) const
    {
        auto *found = m_window->findChild<QTableWidget *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The text of a cell as the grids number them: row 1 is the first memory, column 1 "Tipo".
    QString cell(const char *name, int row, int column) const
    {
        return grid(name)->item(row - 1, column - 1)->text();
    }
    void click(const char *name) { m_window->findChild<QToolButton *>(name)->click(); }

    // Selects a cell, types over it in the cell editor and ends with a key.
    void type(const char *name, int row, int column, const char *text, int key = Qt::Key_Return)
    {
        QTableWidget *table = grid(name);
        table->setCurrentCell(row - 1, column - 1);
        table->editItem(table->item(row - 1, column - 1));
        auto *editor = table->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        typeInto(editor, QString::fromUtf8(text));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
    }

    std::unique_ptr<Session> m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TDialogos> m_window;
};

TEST_F(VariableListWindowTest, ActivationShowsTheMemoryTable)
{
    plant().memories.MemoryUnit[21] = "m3/h";
    plant().memories.SetValue(21, 5.0);
    open();
    ASSERT_EQ(grid("ListaVar")->rowCount(), 48);
    ASSERT_EQ(grid("ListaVar2")->rowCount(), 75);
    EXPECT_EQ(grid("ListaVar2")->verticalHeaderItem(16)->text(), QStringLiteral("M01"));

    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(m_window.get(), &activation);

    EXPECT_EQ(cell("ListaVar", 1, 2), QStringLiteral("m3/h"));
    EXPECT_EQ(cell("ListaVar", 1, 8), QStringLiteral("5.00"));
}

TEST_F(VariableListWindowTest, EnterStoresTheRangeLowAndMarksThePlantChanged)
{
    open();
    type("ListaVar", 1, 3, "20");

    EXPECT_EQ(plant().memories.MemoryUEMin[21], "20");
    EXPECT_EQ(plant().memories.MemoryLIE[21], "20");
    EXPECT_FALSE(m_session->SavedFlag());
    click("SpeedButton1");
    EXPECT_EQ(cell("ListaVar", 1, 5), QStringLiteral("20"));
}

TEST_F(VariableListWindowTest, RefusedRangeAndEscapeGiveTheCellItsTextBack)
{
    open();
    click("SpeedButton1");
    const QString before = cell("ListaVar", 1, 3);

    type("ListaVar", 1, 3, "150");
    EXPECT_EQ(cell("ListaVar", 1, 3), before);
    type("ListaVar", 1, 3, "30", Qt::Key_Escape);
    EXPECT_EQ(cell("ListaVar", 1, 3), before);

    EXPECT_EQ(plant().memories.MemoryUEMin[21], before.toStdString());
    EXPECT_TRUE(m_session->SavedFlag());
}

TEST_F(VariableListWindowTest, RefusalMessageIsShownInTheSessionsLanguage)
{
    m_session->SetEnglishFlag(true);
    open();
    type("ListaVar", 3, 2, "kg;h");

    ASSERT_EQ(m_dialogs.informations.size(), 1);
    EXPECT_TRUE(m_dialogs.informations.front().startsWith(QStringLiteral("The text")));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Variable List"));
    EXPECT_EQ(m_window->findChild<QLabel *>("StaticText2")->text(), "Control Signals");
    EXPECT_EQ(m_window->findChild<QToolButton *>("SpeedButton2")->text(), "Exit");
}

TEST_F(VariableListWindowTest, RefreshGivesTheSliderHintsAndSairHides)
{
    open();
    int announced = 0;
    QObject::connect(
        m_session.get(), &Session::variableListRefreshed, [&announced] { ++announced; });
    type("ListaVar2", 1, 4, "12.5");

    click("SpeedButton2");

    EXPECT_EQ(announced, 1);
    EXPECT_EQ(m_window->SliderHint(1), QStringLiteral("Faixa: de 0.0 a 12.5 %"));
    EXPECT_TRUE(m_window->isHidden());
}

TEST_F(VariableListWindowTest, FollowsAReplacedPlantAndOpensItsHelpPage)
{
    open();
    auto replacement = std::make_unique<Plant>();
    replacement->processes.present[1] = true;
    replacement->processes[1].TagText = "FIC-101";

    m_session->ReplacePlant(std::move(replacement));
    click("SpeedButton3");

    EXPECT_EQ(cell("ListaVar", 1, 1), QStringLiteral("FIC-101"));
    ASSERT_EQ(m_dialogs.urls.size(), 1u);
    EXPECT_EQ(m_dialogs.urls.front().fragment(), QStringLiteral("mapa_variaveis"));
    EXPECT_TRUE(m_dialogs.urls.front().path().contains(QStringLiteral("ferramentas")));
}

} // namespace
} // namespace zelvar
