#include "engine/ui/signalgeneratorwindow.h"

#include "services/picturewidgets.h"
#include "tests/engine/ui/objectwindowtest.h"

#include <QComboBox>
#include <QRadioButton>

namespace zelvar {
namespace {

class SignalGeneratorWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_session = std::make_unique<Session>(QDir::tempPath());
        m_session->SetRunning(false);
        m_session->HelpFolder = QStringLiteral("/opt/zelvar/help");
    }

    void open() { m_window = std::make_unique<TParmForm>(*m_session, nullptr, &m_dialogs); }

    Plant &plant() { return m_session->plant(); }
    const SignalRow &row(int n) { return plant().signalGenerator.Row(n); }

    // "M81Valor": a row's part; "Button1": the window's own.
    template<typename Widget = QWidget> Widget *widget(const QString &name) const
    {
        auto *found = m_window->findChild<Widget *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QString name(int n, const char *part)
    {
        return QStringLiteral("M%1%2").arg(n).arg(QLatin1String(part));
    }
    QLineEdit *edit(int n, const char *part) const { return widget<QLineEdit>(name(n, part)); }
    QComboBox *tipo(int n) const { return widget<QComboBox>(name(n, "Tipo")); }
    QPushButton *button(const char *part) const { return widget<QPushButton>(part); }

    void chooseKind(int n, int kind)
    {
        tipo(n)->setCurrentIndex(kind);
        emit tipo(n)->activated(kind);
    }
    void type(int n, const char *part, const char *text)
    {
        typeInto(edit(n, part), QString::fromUtf8(text));
    }
    void pressEnter(int n, const char *part)
    {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit(n, part), &enter);
    }

    std::unique_ptr<Session> m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TParmForm> m_window;
};

TEST_F(SignalGeneratorWindowTest, ZeroOneKindShowsItsChoiceWhoseClickCommits)
{
    open();
    m_window->show();
    m_session->MarkSaved();
    chooseKind(81, kZeroOne);
    EXPECT_EQ(row(81).Tipo, kZeroOne);
    EXPECT_EQ(plant().memories.Description(81), "Constante 0-1");
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_TRUE(widget(name(81, "ValorDig"))->isVisible());
    EXPECT_FALSE(widget(name(81, "Valor"))->isVisible());
    EXPECT_FALSE(widget(name(81, "UpDown"))->isVisible());

    const auto choices = widget(name(81, "ValorDig"))->findChildren<QRadioButton *>();
    ASSERT_EQ(choices.size(), 2);
    choices[1]->click();
    EXPECT_EQ(plant().memories.Value(81), 1.0);
    EXPECT_EQ(edit(81, "Valor")->text(), QStringLiteral("1"));
}

TEST_F(SignalGeneratorWindowTest, TypingWaitsForButton1EnterTheUpDownOrTheClose)
{
    open();
    button("Button1")->click();
    ASSERT_FALSE(button("Button1")->isEnabled());

    m_session->MarkSaved();
    type(81, "Valor", "42,5");
    EXPECT_TRUE(button("Button1")->isEnabled());
    EXPECT_FALSE(m_session->SavedFlag());
    EXPECT_EQ(plant().memories.Value(81), 0.0);

    pressEnter(81, "Valor");
    EXPECT_EQ(plant().memories.Value(81), 42.5);
    EXPECT_FALSE(button("Button1")->isEnabled());

    auto *upDown = widget<UpDown>(name(81, "UpDown"));
    EXPECT_EQ(upDown->Position(), 42);
    upDown->StepUp();
    EXPECT_EQ(edit(81, "Valor")->text(), QStringLiteral("43"));
    EXPECT_EQ(plant().memories.Value(81), 43.0);

    m_window->show();
    type(91, "Valor", "12");
    button("SairButton")->click();
    EXPECT_TRUE(m_window->isHidden());
    EXPECT_EQ(plant().memories.Value(91), 12.0);
}

TEST_F(SignalGeneratorWindowTest, EveryCloseMarksThePlantChanged)
{
    open();
    m_window->show();
    m_session->MarkSaved();
    button("SairButton")->click();
    EXPECT_FALSE(m_session->SavedFlag());

    m_window->show();
    m_session->MarkSaved();
    m_window->close();
    EXPECT_FALSE(m_session->SavedFlag());
}

TEST_F(SignalGeneratorWindowTest, ChoosingTheSameKindAgainStartsTheRowAfresh)
{
    open();
    chooseKind(82, kMediumRandom);
    type(82, "Min", "7");
    type(82, "Desc", "20");
    button("Button1")->click();
    ASSERT_EQ(plant().memories.Description(82), "20");

    chooseKind(82, kMediumRandom);
    EXPECT_EQ(edit(82, "Min")->text(), QStringLiteral("Min."));
    EXPECT_EQ(edit(82, "Desc")->text(), QStringLiteral("Tal(seg)"));
    EXPECT_EQ(row(82).Min, "Min.");
    EXPECT_EQ(plant().memories.Description(82), "Aleatório Médio");
}

TEST_F(SignalGeneratorWindowTest, RandomRowShowsItsBoundsAndItsValueOnTheTickWhileShown)
{
    open();
    chooseKind(82, kFastRandom);
    EXPECT_FALSE(edit(82, "Min")->isHidden());
    EXPECT_FALSE(edit(82, "Valor")->isEnabled());
    EXPECT_EQ(edit(82, "Min")->text(), QStringLiteral("Min."));
    // Equal bounds: every draw gives that value.
    type(82, "Min", "7");
    type(82, "Max", "7");
    button("Button1")->click();

    m_session->Timer1Timer();
    EXPECT_EQ(plant().memories.Value(82), 7.0);
    EXPECT_EQ(edit(82, "Valor")->text(), QStringLiteral("Valor"));
    m_window->show();
    EXPECT_EQ(edit(82, "Valor")->text(), QStringLiteral("7.00"));
}

TEST_F(SignalGeneratorWindowTest, EnglishChangesTheListsAndButtonsButNotWhatTheRowsWrite)
{
    m_session->SetEnglishFlag(true);
    open();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Gerador de Sinais"));
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("Refresh"));
    EXPECT_EQ(button("SairButton")->text(), QStringLiteral("Exit"));
    ASSERT_EQ(tipo(81)->count(), 10);
    EXPECT_EQ(tipo(81)->itemText(5), QStringLiteral("Sinusoidal signal"));
    EXPECT_EQ(tipo(81)->itemText(7), QStringLiteral("Equation"));
    EXPECT_EQ(tipo(86)->count(), 7);
    EXPECT_EQ(tipo(96)->itemText(1), QStringLiteral("Constant 0-1"));

    chooseKind(86, kRandomWalk);
    EXPECT_EQ(edit(86, "Min")->text(), QStringLiteral("Inicial"));
    EXPECT_EQ(edit(86, "Desc")->text(), QStringLiteral("Faixa"));
    EXPECT_EQ(plant().memories.Description(86), "Random Walk");
}

TEST_F(SignalGeneratorWindowTest, HelpButtonOpensTheGeneratorSectionOfTheToolsPage)
{
    open();
    widget<QToolButton>("SpeedButton1")->click();
    ASSERT_EQ(m_dialogs.urls.size(), 1u);
    EXPECT_EQ(m_dialogs.urls[0].toLocalFile(),
              QStringLiteral("/opt/zelvar/help/ferramentas/index.html"));
    EXPECT_EQ(m_dialogs.urls[0].fragment(), QStringLiteral("gerador_sinais"));
}

// The description a row's memory takes in the variable list is its Desc, which a save writes;
// the window shows it when it is activated again.
TEST_F(SignalGeneratorWindowTest, ShowsTheDescriptionTypedIntoTheVariableListWhenActivated)
{
    open();
    using Grid = VariableList::Grid;
    VariableList &list = m_session->variableList();
    int listRow = 1;
    while (VariableList::MemoryOfRow(Grid::ControlSignals, listRow) != 81)
        ++listRow;
    list.SelectCell(Grid::ControlSignals, listRow, 7);
    list.SetEditText(Grid::ControlSignals, listRow, 7, "Pressão do vapor");
    ASSERT_TRUE(list.PressEnter(Grid::ControlSignals, plant(), Language::Portuguese).stored);
    EXPECT_EQ(row(81).Desc, "Pressão do vapor");
    EXPECT_EQ(plant().signalGenerator.SavedRow(81).Desc, "Pressão do vapor");

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_window.get(), &activate);
    EXPECT_EQ(edit(81, "Desc")->text(), QString::fromUtf8("Pressão do vapor"));
}

TEST_F(SignalGeneratorWindowTest, ShowsTheRowsOfTheOpenedPlant)
{
    auto loaded = std::make_unique<Plant>();
    loaded->signalGenerator.ChangeKind(84, kEquation, loaded->memories);
    loaded->signalGenerator.SetText(84, SignalText::Valor, "M15*2");
    m_session->ReplacePlant(std::move(loaded));
    open();

    EXPECT_EQ(tipo(84)->currentIndex(), kEquation);
    EXPECT_EQ(edit(84, "Valor")->text(), QStringLiteral("M15*2"));
    // The equation takes the place of the bounds.
    EXPECT_EQ(edit(84, "Valor")->x(), edit(84, "Min")->x());
    EXPECT_TRUE(edit(84, "Min")->isHidden());
    type(84, "Desc", "Vazão");
    EXPECT_EQ(row(84).Desc, "Vazão");
}

} // namespace
} // namespace zelvar
