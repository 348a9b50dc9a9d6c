// Random plants through the plant file: what is saved always reopens, and reopens as what ran.
#include "documents/model/plantfile.h"

#include "documents/model/plantoperations.h"
#include "documents/model/variablelist.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/randomsource.h"
#include "engine/model/steporder.h"
#include "engine/model/textlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace zelvar {
namespace {

// How many plants: a few thousand here, more with ZELVAR_RANDOM_PLANTS (ctest -L long).
int PlantCount(int normal)
{
    const char *count = std::getenv("ZELVAR_RANDOM_PLANTS");
    return count ? std::atoi(count) : normal;
}

// Pieces a user's text is made of, the awkward ones included: line breaks and other control
// characters, the file's separators and markers, characters outside Windows-1252.
constexpr std::array<std::string_view, 30> kPieces = {"a",
                                                      "Z",
                                                      "7",
                                                      " ",
                                                      "\r",
                                                      "\n",
                                                      "\r\n",
                                                      ";",
                                                      "|",
                                                      "x",
                                                      "/",
                                                      "ção",
                                                      "€",
                                                      "→",
                                                      "日本",
                                                      "\t",
                                                      "\x7f",
                                                      "1.5",
                                                      "M21",
                                                      "-",
                                                      ",",
                                                      "<FIM_COMENTARIOS>",
                                                      "<END_COMMENTS>",
                                                      "<INICIO_COMENTARIOS>",
                                                      "<BEGIN_COMMENTS>",
                                                      "<Controls>",
                                                      "TRUE",
                                                      "=====<<<LINEARIZADOR>>>=====)",
                                                      "\xc2\x85",
                                                      "\u2028"};

constexpr std::array<std::string_view, 14> kNumbers
    = {"0", "1", "2.5", "-3", "10", "0,5", "abc", "", "1e3", "M21*2", "M05+1", "6O", "0.25", "60"};

class RandomPlantMaker
{
public:
    // bars: whether bilingual texts may hold bars, which the first save resolves.
    RandomPlantMaker(std::uint32_t seed, bool bars)
        : m_engine(seed)
        , m_bars(bars)
    {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool Chance(int percent) { return Below(100) < percent; }

    // A text of up to eight pieces; a field whose file line gives a character a meaning of its
    // own (the ";" of a unit line) never holds it, as its edit refuses it.
    std::string Text(std::string_view excluded = "")
    {
        std::string text;
        const int pieces = Below(9);
        for (int i = 0; i < pieces; ++i) {
            const std::string_view piece = kPieces[static_cast<std::size_t>(Below(kPieces.size()))];
            if (piece.find_first_of(excluded) == std::string_view::npos || excluded.empty())
                text += piece;
        }
        return text;
    }
    // A text whose line is read as "Portuguese|English": often parts joined by bars, some of
    // them empty, sometimes more than two.
    std::string Bilingual()
    {
        if (!m_bars)
            return Text("|");
        if (!Chance(40))
            return Text();
        std::string text = Text("|");
        const int more = 1 + Below(3);
        for (int i = 0; i < more; ++i)
            text += "|" + (Chance(30) ? std::string() : Text("|"));
        return text;
    }
    // A text that is read as a number or an expression, as its edit lets it in: a control
    // character would otherwise change its meaning in the file (a tab is no blank to a number).
    std::string Entered() { return SingleLineText(Text()); }
    std::string Number() { return std::string(kNumbers[static_cast<std::size_t>(Below(14))]); }
    double Percent() { return Below(10001) / 100.0; }

    // Every kind of object, with random settings applied as a user would: some Applies reject.
    std::unique_ptr<Plant> Make()
    {
        auto plant = std::make_unique<Plant>();
        Plant &p = *plant;
        SetTitle(p, Bilingual());
        if (p.title.empty())
            SetTitle(p, "t");
        p.PictureFileName = Text();
        for (int k = 15; k <= 96; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!Chance(20))
                continue;
            p.memories.MemoryUnit[i] = Text(";");
            p.memories.MemoryUEMin[i] = "0";
            p.memories.MemoryUEMax[i] = Chance(50) ? "250" : "100";
            p.memories.MemoryLIE[i] = Chance(50) ? "5" : "0";
            p.memories.MemoryLSE[i] = "95";
        }
        for (int k = 1; k <= 6; ++k) {
            SetSliderShown(p, k, Chance(50));
            SetSliderName(p, k, Bilingual());
            PlaceSlider(p, k, Below(600), Below(800));
            p.sliders[static_cast<std::size_t>(k)].tallSlider = Chance(50);
            MoveSlider(p, k, Below(10001));
        }
        for (int slot = 1; slot <= 10; ++slot) {
            if (Chance(40))
                MakeController(p, slot);
        }
        for (int slot = 1; slot <= 24; ++slot) {
            if (Chance(40))
                MakeProcess(p, slot);
        }
        for (int slot = 1; slot <= 24; ++slot) {
            if (Chance(40))
                MakeBlock(p, slot);
        }
        for (int slot = 1; slot <= 10; ++slot) {
            if (Chance(20))
                MakeRecorder(p, slot);
        }
        for (int slot = 1; slot <= 20; ++slot) {
            if (Chance(30))
                MakeAnimatedText(p, slot);
        }
        MakeGenerator(p);
        TypeDescriptions(p);
        for (int k = 1; k <= 5; ++k) {
            AnimatedShape &shape = p.shapes[static_cast<std::size_t>(k)];
            SetShapeShown(p, k, Chance(50));
            shape.kind = Below(3);
            shape.memoryIndex = Below(99);
            shape.size = Below(300);
            shape.width = Below(300);
            shape.colour1 = static_cast<PlantColour>(Below(0x1000000));
            MoveObject(p, 94 + k, Below(800), Below(600));
        }
        for (int k = 1; k <= 2; ++k) {
            SetSwitchShown(p, k, Chance(50));
            SetSwitchOrientation(p, k, Below(4));
            p.memories.SetValue(10 + k, Below(2));
            ShowSwitchPictureForValue(p, k);
        }
        for (int k = 1; k <= 3; ++k) {
            PushButton &button = p.pushButtons[static_cast<std::size_t>(k)];
            SetPushButtonChecked(p, k, Chance(50));
            button.textOff = Bilingual();
            button.textOn = Bilingual();
            button.name = Bilingual();
            p.memories.SetValue(96 + k, Below(2));
        }
        MoveObject(p, 102, Below(800), Below(600));
        p.linearizer.Lin1Ativar = Chance(50);
        p.linearizer.Lin1EndEnt = Chance(50) ? "15 MV" : Entered();
        for (int i = 1; i <= Linearizer::kPoints; ++i) {
            p.linearizer.Lin1MV[static_cast<std::size_t>(i)] = Chance(80) ? Number() : Entered();
            p.linearizer.Lin1PV[static_cast<std::size_t>(i)] = Chance(80) ? Number() : Entered();
        }
        const int comments = Below(5);
        for (int i = 0; i < comments; ++i)
            p.comments.push_back(Text());
        p.commentDisplay = Chance(50);
        RefreshMainWindow(p);
        return plant;
    }

private:
    void MakeController(Plant &p, int slot)
    {
        SetInventoryChecked(p, ObjectPool::Controllers, slot, true);
        Controller &controller = p.controllers[slot];
        const auto edit = [&](ControllerSettings &s) {
            s.TagText = Chance(90) ? Bilingual() : "";
            s.Descricao = Bilingual();
            s.KpText = Number();
            s.KiText = Number();
            s.KdText = Number();
            s.aText = Number();
            s.tfText = Number();
            s.BiasText = Number();
            s.COminText = Number();
            s.COmaxText = Number();
            // The P, I and D switches have no line in the record: they reopen ticked.
            s.Acaogroup = Below(2);
            s.EstruturaGroup = Below(2);
            s.DerivadaGroup = Below(2);
            s.VariavelSelect = Below(99) - (Chance(10) ? 99 : 0);
            s.SPRSelect = Below(99);
            s.CheckSPR = Chance(30);
            s.BackMVCheck = Chance(30);
            s.BackMV = Below(99);
            s.FFwSelect = Chance(30);
            s.FFwEquation = Chance(80) ? "M21*0.5" : Entered();
        };
        // Some controllers are never applied and some have their first Apply refused (they run
        // their window's defaults); the others get one Apply that takes everything, then edits
        // that Apply may reject.
        const int start = Below(10);
        if (start < 2) {
            if (Chance(50))
                controller.EditSettings(edit);
        } else if (start < 4) {
            controller.EditSettings(edit);
            if (Chance(50))
                controller.EditSettings([](ControllerSettings &s) { s.KpText = "abc"; });
            controller.ApplyControllerSettings(p.memories, false);
        } else {
            controller.EditSettings(edit);
            controller.EditSettings([](ControllerSettings &s) {
                if (s.TagText.empty())
                    s.TagText = "T";
                if (s.VariavelSelect < 0)
                    s.VariavelSelect = 0;
                s.FFwEquation = "M21*0.5";
                for (std::string *number : {&s.KpText,
                                            &s.KiText,
                                            &s.KdText,
                                            &s.aText,
                                            &s.tfText,
                                            &s.BiasText,
                                            &s.COminText,
                                            &s.COmaxText}) {
                    if (ParseNumber(*number).errorPosition != 0 || number->empty())
                        *number = "1";
                }
            });
            controller.ApplyControllerSettings(p.memories, false);
            // Then an Apply that any entry may make fail, the feed-forward equation included.
            if (Chance(60)) {
                controller.EditSettings(edit);
                controller.ApplyControllerSettings(p.memories, false);
            }
        }
        // Remote needs a remote setpoint ticked; Apply brings any other back to local.
        controller.local = !controller.Settings().CheckSPR || Chance(50);
        controller.automatic = Chance(50);
        controller.Setpoint = Percent();
        controller.co = Percent();
        // What the step reads as it stands, changed without Apply: the remote setpoint ticked
        // or unticked (or both), the feed-forward equation, edits left pending.
        if (Chance(25))
            controller.SetCheckSPR(!controller.Settings().CheckSPR);
        if (Chance(15)) {
            controller.SetCheckSPR(!controller.Settings().CheckSPR);
            controller.SetCheckSPR(!controller.Settings().CheckSPR);
        }
        if (Chance(20))
            controller.EditSettings([&](ControllerSettings &s) { s.FFwEquation = Entered(); });
        if (Chance(20))
            controller.EditSettings(edit);
    }

    void MakeProcess(Plant &p, int slot)
    {
        SetInventoryChecked(p, ObjectPool::Processes, slot, true);
        ProcessModel &process = p.processes[slot];
        process.TagText = Bilingual();
        process.DescricaoText = Bilingual();
        // The settings read at every step, valid or not: an invalid one is reported again on
        // every reopening, as it was on every Apply, and costs nothing else.
        const auto live = [this](const char *a, const char *b) {
            return Chance(15) ? Number() : std::string(Chance(50) ? a : b);
        };
        process.LText.SetText(live("10", "2.5"));
        process.Ctext.SetText(live("0", "3"));
        process.LEAD.SetText(live("0", "1"));
        process.LAG.SetText(live("0", "4"));
        process.ratetext.SetText(live("0", "5"));
        process.CheckBox1 = Chance(30);
        process.ComboBox1 = Below(5);
        process.ComboBox2 = Below(4);
        process.EntradaSelect = Below(99);
        process.GanhoText = "1";
        ApplyProcessSettings(process, p.memories);
        if (Chance(70)) {
            process.EntradaSelect = Chance(10) ? -1 : Below(99);
            process.GanhoText = Number();
            process.TempoMorto = Number();
            process.NCText = Number();
            process.PeriodoText = Number();
            process.Histerese = Number();
            process.valveStext = Number();
            process.tal = Number();
            process.ComboBox1 = Below(5);
            process.ComboBox2 = Below(4);
            ApplyProcessSettings(process, p.memories);
        }
        if (Chance(30))
            process.DescricaoText = Bilingual(); // typed, not applied
        if (Chance(15))
            process.LAG.SetText(Number());
        if (Chance(15))
            process.ratetext.SetText(Number());
    }

    void MakeBlock(Plant &p, int slot)
    {
        SetInventoryChecked(p, ObjectPool::Blocks, slot, true);
        CalculationBlock &block = p.blocks[slot];
        block.TagText = Bilingual();
        block.DescricaoText = Bilingual();
        block.FuncaoTr = Chance(50) ? "M15" : "M21>M22";
        block.LimSupText = "60";
        block.LimSupCheck = Chance(50);
        block.LimInfCheck = Chance(50);
        ApplyBlockSettings(block, p.memories);
        if (Chance(60)) {
            block.FuncaoTr = Chance(50) ? Number() : "M15>M16>1";
            block.LimSupText = Number();
            block.LimInfText = Number();
            ApplyBlockSettings(block, p.memories);
        }
    }

    void MakeRecorder(Plant &p, int slot)
    {
        SetInventoryChecked(p, ObjectPool::Recorders, slot, true);
        Recorder &recorder = p.recorders[slot];
        recorder.LoadSettings([&](RecorderSettings &s) {
            s.TagText = Bilingual();
            s.DescricaoText = Bilingual();
            s.Variavel1Select = Below(100) - 1;
            s.Edit1 = Bilingual();
        });
        ApplyRecorderSettings(recorder, p.memories);
    }

    void MakeAnimatedText(Plant &p, int slot)
    {
        SetInventoryChecked(p, ObjectPool::AnimatedTexts, slot, true);
        AnimatedText &text = p.animatedTexts[slot];
        text.Tipo = Below(3);
        text.ComboBox1 = Below(100) - 1;
        text.DescricaoText = Bilingual();
        text.FuncaoTr = text.Tipo == kEquacao && Chance(70) ? "M21/2" : Bilingual();
        text.Unidade = Text();
        text.SetDecimals(Below(6));
        text.SetRangeHighText(Chance(70) ? "80" : Number());
        text.SetRangeLowText(Chance(70) ? "20" : Number());
        ApplyTextSettings(text, p.memories);
        if (Chance(50)) {
            text.DescricaoText = Bilingual();
            text.SetRangeHighText(Number());
            text.SetRangeLowText(Number());
            text.FuncaoTr = Bilingual();
            ApplyTextSettings(text, p.memories);
        }
    }

    void MakeGenerator(Plant &p)
    {
        SignalGenerator &generator = p.signalGenerator;
        for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
            if (!Chance(40))
                continue;
            const int kind = Below(SignalGenerator::KindCount(n));
            generator.ChangeKind(n, kind, p.memories);
            generator.SetText(n,
                              SignalText::Desc,
                              kind == kSine && Chance(70) ? "10" : SingleLineText(Bilingual()));
            if (n <= SignalGenerator::kLastSteppedRow) {
                generator.SetText(n, SignalText::Min, Number());
                generator.SetText(n, SignalText::Max, Number());
            }
            if (kind == kZeroOne)
                generator.ClickZeroOne(n, Below(2), p.memories);
            else if (kind == kMediumRandom)
                generator.SetText(n, SignalText::Valor, "0.00"); // what its lag shows
            else
                generator.SetText(n, SignalText::Valor, Chance(50) ? Number() : Entered());
        }
        generator.ApplySignalGeneratorSettings(p.memories);
        // Texts typed afterwards without Enter: not committed, not running, not saved.
        for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
            // (A random, sine or walk row's Valor shows its value, which each step rewrites.)
            const int kind = generator.Row(n).Tipo;
            if (Chance(20) && (kind == kConstant || kind >= kEquation))
                generator.SetText(n, SignalText::Valor, Number());
            if (Chance(20) && n <= SignalGenerator::kLastSteppedRow)
                generator.SetText(n, SignalText::Min, Number());
        }
    }

    // The user types descriptions into the variable list's rows of present processes and
    // blocks and of the signal generator, after it has refreshed itself (which applies the
    // controllers' pending edits).
    void TypeDescriptions(Plant &p)
    {
        using Grid = VariableList::Grid;
        VariableList list;
        if (Chance(50))
            list.Refresh(p);
        for (int row = 1; row <= VariableList::kProcessRows; ++row) {
            const int memory = VariableList::MemoryOfRow(Grid::ProcessVariables, row);
            const bool present
                = p.processes.IsPresent(ProcessSlot(memory))
                  || (memory >= 41 && memory <= 60 && p.blocks.IsPresent(memory - 40))
                  || (memory >= 75 && memory <= 78 && p.blocks.IsPresent(memory - 54));
            if (!present || !Chance(30))
                continue;
            list.SelectCell(Grid::ProcessVariables, row, 7);
            list.SetEditText(Grid::ProcessVariables, row, 7, Bilingual());
            list.PressEnter(Grid::ProcessVariables, p, Language::Portuguese);
        }
        // The generator's rows, except those whose Desc holds what the row runs on: the file
        // keeps their memory's description nowhere.
        for (int row = 1; row <= VariableList::kSignalRows; ++row) {
            const int n = VariableList::MemoryOfRow(Grid::ControlSignals, row);
            if (!SignalGenerator::IsRow(n)
                || SignalGenerator::DescIsParameter(n, p.signalGenerator.Row(n).Tipo)
                || !Chance(30))
                continue;
            list.SelectCell(Grid::ControlSignals, row, 7);
            list.SetEditText(Grid::ControlSignals, row, 7, Bilingual());
            list.PressEnter(Grid::ControlSignals, p, Language::Portuguese);
        }
    }

    std::mt19937 m_engine;
    bool m_bars = false;
};

std::string Number(double x)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x).ptr;
    return std::string(buffer.data(), end);
}

// What a bilingual text of a plant becomes through the file: its Portuguese part after it
// was saved, itself once reopened.
using TextForm = std::string (*)(const std::string &);
std::string AsSaved(const std::string &text)
{
    return std::string(PickLanguage(text, Language::Portuguese));
}
std::string AsReopened(const std::string &text)
{
    return text;
}

// The working configuration of every object and setting, as lines to compare; bilingual
// texts in the given form.
std::vector<std::string> Working(const Plant &p, TextForm bilingual)
{
    // A memory description made of a fixed beginning and a bilingual text.
    const auto prefixed = [bilingual](std::string_view prefix, const std::string &text) {
        if (!text.starts_with(prefix))
            return bilingual(text);
        return std::string(prefix) + bilingual(text.substr(prefix.size()));
    };
    std::vector<std::string> out;
    const auto add = [&out](std::string_view name, const std::string &value) {
        out.push_back(std::string(name) + "=" + value);
    };
    const auto num = [&add](std::string_view name, double value) {
        add(name, Number(value));
    };
    add("title", bilingual(p.title));
    add("picture", p.PictureFileName);
    for (int k = 1; k <= MemoryTable::kDescriptionCount; ++k) {
        if (k <= 99)
            num("value", p.memories.Value(k));
        const auto i = static_cast<std::size_t>(k);
        if (k >= 15 && k <= 96) {
            add("unit", p.memories.MemoryUnit[i]);
            add("range", p.memories.MemoryUEMin[i] + ";" + p.memories.MemoryUEMax[i]);
            add("limits", p.memories.MemoryLIE[i] + ";" + p.memories.MemoryLSE[i]);
        }
    }
    for (int k = 1; k <= 6; ++k) {
        const SliderInput &s = p.sliders[static_cast<std::size_t>(k)];
        add("slider", bilingual(s.name) + (s.shown ? "+" : "-") + (s.tallSlider ? "+" : "-"));
        num("sliderTop", s.top);
        num("sliderLeft", s.left);
        add("sliderMemory", bilingual(p.memories.Description(14 + k)));
    }
    for (int slot = 1; slot <= 10; ++slot) {
        if (!p.controllers.IsPresent(slot))
            continue;
        const Controller &c = p.controllers[slot];
        for (const double value : {c.kc,
                                   c.ti,
                                   c.td,
                                   c.setpointWeight,
                                   c.filterTime,
                                   c.OutputBias,
                                   c.outputMin,
                                   c.outputMax,
                                   c.scaleBegin,
                                   c.scaleEnd,
                                   c.Setpoint,
                                   c.co})
            num("controller", value);
        const auto flag = [&add](std::string_view name, bool value) {
            add(name, value ? "1" : "0");
        };
        flag("reverseProcess", c.reverseProcess);
        flag("derivativeOnPv", c.derivativeOnPv);
        flag("isa", c.isa);
        flag("feedForward", c.feedForward);
        flag("local", c.local);
        flag("automatic", c.automatic);
        flag("PCHK", c.Settings().PCHK);
        flag("ICHK", c.Settings().ICHK);
        flag("DCHK", c.Settings().DCHK);
        flag("CheckSPR", c.Settings().CheckSPR);
        flag("BackMVCheck", c.Settings().BackMVCheck);
        num("pvMemory", c.pvMemory);
        num("remoteSetpointMemory", c.remoteSetpointMemory);
        num("backMV", c.Settings().BackMV);
        add("feedForward", c.Settings().FFwEquation);
        add("caption", bilingual(c.faceplate.Caption));
        add("descriptions",
            prefixed(" MV ", p.memories.Description(slot)) + ";"
                + prefixed(" SP ", p.memories.Description(60 + slot)));
    }
    for (int slot = 1; slot <= 24; ++slot) {
        if (!p.processes.IsPresent(slot))
            continue;
        const ProcessModel &m = p.processes[slot];
        for (const double value : {m.Cycles,
                                   m.Period,
                                   m.HysteresisWidth,
                                   m.StictionBand,
                                   m.ActuatorTau,
                                   double(m.InputMemory),
                                   double(m.TransferType),
                                   double(m.ValveCurve)})
            num("process", value);
        for (const std::string &text : {m.GainText.Text(),
                                        m.DeadTimeText.Text(),
                                        m.LText.Text(),
                                        m.Ctext.Text(),
                                        m.LEAD.Text(),
                                        m.LAG.Text(),
                                        m.ratetext.Text(),
                                        bilingual(m.TagText)})
            add("processText", text);
        add("processFlag", m.CheckBox1 ? "1" : "0");
        add("description", bilingual(p.memories.Description(m.ObjectNumber)));
    }
    for (int slot = 1; slot <= 24; ++slot) {
        if (!p.blocks.IsPresent(slot))
            continue;
        const CalculationBlock &b = p.blocks[slot];
        for (const std::string &text : {b.FunctionText.Text(),
                                        b.UpperLimitText.Text(),
                                        b.LowerLimitText.Text(),
                                        bilingual(b.TagText),
                                        bilingual(p.memories.Description(b.ObjectNumber))})
            add("block", text);
        add("blockFlags", std::string(b.LimSupCheck ? "1" : "0") + (b.LimInfCheck ? "1" : "0"));
    }
    for (int slot = 1; slot <= 10; ++slot) {
        if (p.recorders.IsPresent(slot)) {
            const RecorderSettings &s = p.recorders[slot].Settings();
            add("recorder",
                bilingual(s.TagText) + ";" + bilingual(s.DescricaoText) + ";" + bilingual(s.Edit1));
            num("recorderPen", s.Variavel1Select);
        }
    }
    for (int slot = 1; slot <= 20; ++slot) {
        if (!p.animatedTexts.IsPresent(slot))
            continue;
        const AnimatedText &t = p.animatedTexts[slot];
        num("rangeHigh", t.rangeHigh);
        num("rangeLow", t.rangeLow);
        // The alarm band has no line in the record: it reopens as the range.
        num("kind", t.Tipo);
        num("signal", t.ComboBox1);
        num("decimals", t.CasasDecimais);
        add("textLabel", bilingual(t.Label4));
        add("textUnit", t.Unidade);
        add("textFunction", bilingual(t.Tipo == kEquacao ? t.Expression().Text() : t.FuncaoTr));
    }
    const SignalGenerator &g = p.signalGenerator;
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
        const SignalRow row = g.SavedRow(n);
        num("row", row.Tipo);
        num("rowZeroOne", row.ValorDig);
        // A Desc that holds the row's parameter is no text to translate.
        const TextForm desc
            = SignalGenerator::DescIsParameter(n, row.Tipo) ? AsReopened : bilingual;
        for (const std::string &text : {desc(row.Desc), row.Min, row.Max, row.Valor})
            add("rowText", text);
        add("rowMemory", desc(p.memories.Description(n)));
        if (n <= SignalGenerator::kLastSteppedRow) {
            const GeneratorWorkingValues &w = g.working[static_cast<std::size_t>(n - 81)];
            for (const double value : {w.GeneratorMin, w.GeneratorMax})
                num("rowWorking", value);
            // Only the rows whose Desc holds a parameter run on what the Desc reads as.
            if (SignalGenerator::DescIsParameter(n, row.Tipo))
                num("rowParameter", w.GeneratorParam);
            add("rowExpression", w.GeneratorExpression);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        const AnimatedShape &s = p.shapes[static_cast<std::size_t>(k)];
        for (const double value : {double(s.kind),
                                   double(s.memoryIndex),
                                   double(s.size),
                                   double(s.width),
                                   double(s.colour1),
                                   double(s.colour2),
                                   double(s.left),
                                   double(s.baseTop)})
            num("shape", value);
        add("shapeShown", s.shown ? "1" : "0");
    }
    for (int k = 1; k <= 2; ++k) {
        const PlantSwitch &s = p.switches[static_cast<std::size_t>(k)];
        for (const double value :
             {double(s.top), double(s.left), double(s.orientation), double(s.visiblePicture)})
            num("switch", value);
    }
    for (int k = 1; k <= 3; ++k) {
        const PushButton &b = p.pushButtons[static_cast<std::size_t>(k)];
        add("button",
            bilingual(b.textOff) + ";" + bilingual(b.textOn) + ";" + bilingual(b.name)
                + (b.checked ? "+" : "-"));
    }
    num("panel", p.commandPanelTop * 10000.0 + p.commandPanelLeft);
    const Linearizer &l = p.linearizer;
    add("linearizer", l.Lin1EndEnt + (l.Lin1Ativar ? "+" : "-"));
    for (int i = 1; i <= Linearizer::kPoints; ++i) {
        add("mv", l.Lin1MV[static_cast<std::size_t>(i)]);
        add("pv", l.Lin1PV[static_cast<std::size_t>(i)]);
    }
    for (const std::string &line : p.comments)
        add("comment", line);
    add("commentDisplay", p.commentDisplay ? "1" : "0");
    return out;
}

// What a one-line text becomes in the file: line breaks and control characters blank, a
// character outside Windows-1252 "?".
std::vector<std::string> InFileForm(std::vector<std::string> lines)
{
    for (std::string &line : lines)
        line = DecodeWindows1252(EncodeWindows1252(SingleLineText(line)));
    return lines;
}

// The first line where two files or two configurations part, or empty when they agree.
std::string FirstDifference(const std::vector<std::string> &got,
                            const std::vector<std::string> &expected)
{
    for (std::size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
        const std::string a = i < got.size() ? got[i] : "(none)";
        const std::string b = i < expected.size() ? expected[i] : "(none)";
        if (a != b) {
            std::string context;
            for (std::size_t k = i >= 8 ? i - 8 : 0; k < i && k < got.size(); ++k)
                context += got[k] + "\n";
            return context + "line " + std::to_string(i + 1) + ": got '" + a + "', expected '" + b
                   + "'";
        }
    }
    return {};
}

std::vector<std::string> FileLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(bytes))
        lines.emplace_back(line);
    return lines;
}

PlantReadResult Reopen(const std::string &bytes, const Plant &previous)
{
    PlantReadOptions options;
    options.previous = &previous;
    return ReadPlantText(bytes, options);
}

// What runs is what is saved: whatever was rejected, typed or left unapplied, the reopened
// plant has the configuration that ran. A plant without bilingual bars writes back its own
// file; with them, the file settles after one save. From the reopened plant on, every save
// and open writes the same file and reports the same messages.
TEST(PlantFileProperty, RandomPlantsReopenAsTheyRanAndWriteTheSameBytes)
{
    const int plants = PlantCount(2000);
    for (int seed = 1; seed <= plants; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const bool bars = seed % 2 == 1;
        RandomPlantMaker maker(static_cast<std::uint32_t>(seed), bars);
        const auto plant = maker.Make();
        // As the reader leaves a plant: the memories its objects imply.
        SettleLoadedPlant(*plant);
        const std::string first = WritePlantText(*plant, Language::Portuguese);

        const PlantReadResult read = Reopen(first, *plant);
        ASSERT_TRUE(read.Succeeded()) << read.errorLine << ": " << read.error;
        ASSERT_EQ(
            FirstDifference(Working(*read.plant, AsReopened), InFileForm(Working(*plant, AsSaved))),
            "");
        const std::string second = WritePlantText(*read.plant, Language::Portuguese);
        if (!bars) {
            ASSERT_EQ(FirstDifference(FileLines(second), FileLines(first)), "");
        }

        const PlantReadResult again = Reopen(second, *read.plant);
        ASSERT_TRUE(again.Succeeded()) << again.errorLine << ": " << again.error;
        ASSERT_EQ(again.applyMessages, read.applyMessages);
        ASSERT_EQ(FirstDifference(FileLines(WritePlantText(*again.plant, Language::Portuguese)),
                                  FileLines(second)),
                  "");
    }
}

// The plant that was never saved and the one saved and reopened, stepped side by side.
TEST(PlantFileProperty, RejectedAppliesDoNotChangeWhatRunsAfterReopening)
{
    const int plants = PlantCount(200) / 10;
    for (int seed = 1; seed <= plants; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomPlantMaker maker(static_cast<std::uint32_t>(seed), true);
        const auto running = maker.Make();
        // The reader's own start, so both start from the same states: the random plants' states
        // lie on the records' two-decimal grid, so the bound is exact equality.
        SettleLoadedPlant(*running);
        const PlantReadResult read
            = Reopen(WritePlantText(*running, Language::Portuguese), *running);
        ASSERT_TRUE(read.Succeeded()) << read.error;
        Plant &reopened = *read.plant;
        ASSERT_EQ(
            FirstDifference(Working(reopened, AsReopened), InFileForm(Working(*running, AsSaved))),
            "");
        StandardRandomSource runningDraws(static_cast<std::uint32_t>(seed));
        StandardRandomSource reopenedDraws(static_cast<std::uint32_t>(seed));
        StepContext runningContext;
        runningContext.random = &runningDraws;
        StepContext reopenedContext;
        reopenedContext.random = &reopenedDraws;
        for (int step = 0; step < 600; ++step) {
            StepPlant(*running, runningContext);
            StepPlant(reopened, reopenedContext);
            for (int k = 1; k <= MemoryTable::kMemoryCount; ++k)
                ASSERT_EQ(reopened.memories.Value(k), running->memories.Value(k))
                    << "M" << k << " at step " << step;
        }
    }
}

} // namespace
} // namespace zelvar
