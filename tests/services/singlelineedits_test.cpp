// A line break typed or pasted into any single-line edit of any window reaches the plant, and
// its file, as a blank.
#include "services/singlelineedits.h"

#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "documents/ui/variablelistwindow.h"
#include "engine/ui/blockwindow.h"
#include "engine/ui/controllerwindow.h"
#include "engine/ui/processwindow.h"
#include "engine/ui/signalgeneratorwindow.h"
#include "instruments/ui/animatedtextwindow.h"
#include "services/session.h"
#include "tests/services/scripteddialogs.h"
#include "workspace/ui/configform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace zelvar {
namespace {

enum class Entry { Typed, Pasted };

struct EditCase
{
    const char *name;
    // Makes the window on the session (the plant already holds its object).
    std::function<std::unique_ptr<QWidget>(Session &, UserDialogs &)> window;
    const char *edit;  // the line edit's object name; empty for the variable list's cell
    const char *apply; // the button that applies, "Enter" for the key, empty when edits act at once
    const char *tick;  // a box that enables the edit, or empty
    Entry entry;
    // What the reopened plant shows in that setting.
    std::function<std::string(const Plant &)> shown;
};

void PrintTo(const EditCase &row, std::ostream *out)
{
    *out << row.name;
}

void PutObjects(Plant &plant)
{
    CreateObject(plant, ObjectPool::Processes, 1);
    plant.processes[1].EntradaSelect = 0;
    CreateObject(plant, ObjectPool::Blocks, 1);
    CreateObject(plant, ObjectPool::Controllers, 1);
    CreateObject(plant, ObjectPool::AnimatedTexts, 1);
    plant.animatedTexts[1].ComboBox1 = 20;
}

void Enter(QLineEdit *edit, Entry entry)
{
    edit->setFocus();
    edit->selectAll();
    const QString text = QStringLiteral("Vaz\u00e3o\r\nFlow");
    if (entry == Entry::Pasted) {
        QGuiApplication::clipboard()->setText(text);
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(edit, &paste);
    } else {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &key);
    }
}

class SingleLineEdits : public ::testing::TestWithParam<EditCase>
{
};

TEST_P(SingleLineEdits, ALineBreakBecomesABlankAndTheSavedPlantReopens)
{
    const EditCase &row = GetParam();
    Session session(QDir::tempPath());
    session.SetRunning(false);
    PutObjects(session.plant());
    ScriptedDialogs dialogs;
    const std::unique_ptr<QWidget> window = row.window(session, dialogs);
    window->show();

    if (*row.tick != '\0') {
        auto *box = window->findChild<QAbstractButton *>(QString::fromLatin1(row.tick));
        ASSERT_NE(box, nullptr) << row.tick;
        box->click();
    }
    QLineEdit *edit = nullptr;
    if (*row.edit != '\0') {
        edit = window->findChild<QLineEdit *>(QString::fromLatin1(row.edit));
    } else {
        auto *grid = window->findChild<QTableWidget *>(QStringLiteral("ListaVar"));
        ASSERT_NE(grid, nullptr);
        grid->setCurrentCell(0, 1); // unit of M21
        grid->editItem(grid->item(0, 1));
        edit = grid->viewport()->findChild<QLineEdit *>();
    }
    ASSERT_NE(edit, nullptr) << row.edit;
    Enter(edit, row.entry);
    EXPECT_EQ(edit->text(), QStringLiteral("Vaz\u00e3o  Flow"));
    if (std::string_view(row.apply) == "Enter") {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
    } else if (*row.apply != '\0') {
        auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(row.apply));
        ASSERT_NE(button, nullptr) << row.apply;
        button->click();
    }

    PlantReadOptions options;
    options.previous = &session.plant();
    const PlantReadResult read
        = ReadPlantText(WritePlantText(session.plant(), Language::Portuguese), options);
    ASSERT_TRUE(read.Succeeded()) << read.errorLine << ": " << read.error;
    EXPECT_TRUE(read.applyMessages.empty());
    EXPECT_EQ(row.shown(*read.plant), "Vazão  Flow");
}

template<typename Window> auto ObjectWindow()
{
    return [](Session &session, UserDialogs &dialogs) -> std::unique_ptr<QWidget> {
        return std::make_unique<Window>(session, 1, nullptr, &dialogs);
    };
}

std::unique_ptr<QWidget> ConfigurationWindow(Session &session, UserDialogs &dialogs)
{
    // The configuration window stays on top of the main window, its parent.
    auto holder = std::make_unique<QWidget>();
    new TConfigForm(session, dialogs, holder.get());
    return holder;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfWindow,
    SingleLineEdits,
    ::testing::Values(
        EditCase{"ProcessTag",
                 ObjectWindow<TProcesso>(),
                 "TagText",
                 "btnatualiza",
                 "",
                 Entry::Pasted,
                 [](const Plant &p) {
                     return p.processes[1].TagText;
                 }},
        EditCase{"ProcessDescription",
                 ObjectWindow<TProcesso>(),
                 "DescricaoText",
                 "btnatualiza",
                 "",
                 Entry::Typed,
                 [](const Plant &p) {
                     return p.memories.Description(21);
                 }},
        EditCase{"BlockTag",
                 ObjectWindow<TBloco>(),
                 "TagText",
                 "btnatualiza",
                 "",
                 Entry::Typed,
                 [](const Plant &p) {
                     return p.blocks[1].TagText;
                 }},
        EditCase{"ControllerDescription",
                 ObjectWindow<TControlador>(),
                 "Descricao",
                 "btnatualiza",
                 "",
                 Entry::Pasted,
                 [](const Plant &p) {
                     return p.controllers[1].Settings().Descricao;
                 }},
        EditCase{"AnimatedTextDescription",
                 ObjectWindow<TForm2>(),
                 "DescricaoText",
                 "SairButton",
                 "",
                 Entry::Typed,
                 [](const Plant &p) {
                     return p.animatedTexts[1].Label4;
                 }},
        EditCase{"GeneratorDesc",
                 [](Session &session, UserDialogs &dialogs) -> std::unique_ptr<QWidget> {
                     return std::make_unique<TParmForm>(session, nullptr, &dialogs);
                 },
                 "M91Desc",
                 "Enter",
                 "",
                 Entry::Pasted,
                 [](const Plant &p) {
                     return p.signalGenerator.Row(91).Desc;
                 }},
        EditCase{"VariableListUnit",
                 [](Session &session, UserDialogs &dialogs) -> std::unique_ptr<QWidget> {
                     return std::make_unique<TDialogos>(session, nullptr, &dialogs);
                 },
                 "",
                 "Enter",
                 "",
                 Entry::Typed,
                 [](const Plant &p) {
                     return p.memories.MemoryUnit[21];
                 }},
        EditCase{"Title",
                 ConfigurationWindow,
                 "Titulo",
                 "",
                 "",
                 Entry::Pasted,
                 [](const Plant &p) {
                     return p.title;
                 }},
        EditCase{"SliderName",
                 ConfigurationWindow,
                 "Ent1Label",
                 "",
                 "Ent1check",
                 Entry::Typed,
                 [](const Plant &p) {
                     return p.sliders[1].name;
                 }},
        EditCase{"PushButtonText",
                 ConfigurationWindow,
                 "Edit2",
                 "",
                 "Botao1_check",
                 Entry::Pasted,
                 [](const Plant &p) {
                     return p.pushButtons[1].textOff;
                 }}),
    [](const ::testing::TestParamInfo<EditCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvar
