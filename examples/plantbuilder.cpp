#include "examples/plantbuilder.h"

#include "engine/model/expression.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "examples/recorderlabels.h"
#include "instruments/model/memorylist.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

namespace zelvar::examples {

namespace {

// A memory list position stands for memory position + 1; -1 is no choice.
int ListPosition(int memory)
{
    return memory > 0 ? memory - 1 : -1;
}

void Refuse(std::string_view object, const std::vector<std::string> &messages)
{
    if (messages.empty())
        return;
    std::string text = std::string(object) + ":";
    for (const std::string &message : messages)
        text += " " + message + ";";
    throw std::runtime_error(text);
}

// A text the plant file can hold: Windows-1252 only, at most one language bar, and each language
// part within the edit's length (0 for no limit).
const std::string &Checked(const std::string &text, std::size_t maxPartLength = 0)
{
    if (DecodeWindows1252(EncodeWindows1252(text)) != text)
        throw std::runtime_error("\"" + text + "\" has a character outside Windows-1252");
    const std::size_t bar = text.find('|');
    if (bar != std::string::npos && text.find('|', bar + 1) != std::string::npos)
        throw std::runtime_error("\"" + text + "\" has more than one language bar");
    if (maxPartLength > 0) {
        for (const std::string &part :
             {text.substr(0, bar), bar == std::string::npos ? "" : text.substr(bar + 1)}) {
            // One byte per character in Windows-1252.
            if (EncodeWindows1252(part).size() > maxPartLength)
                throw std::runtime_error("\"" + part + "\" is longer than the edit takes");
        }
    }
    return text;
}

// The process and the animated text read an invalid expression as 0 without a word, and a
// memory written with one digit ("M5") reads as 0: refuse both here.
void CheckExpression(std::string_view object, const std::string &text, const MemoryTable &memories)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((text[i] == 'M' || text[i] == 'm')
            && (i + 2 >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i + 1]))
                || !std::isdigit(static_cast<unsigned char>(text[i + 2]))))
            throw std::runtime_error(std::string(object) + ": \"" + text
                                     + "\" names a memory without two digits");
    }
    if (!EvaluateLiteral(text, memories).EvaluatorError.empty())
        throw std::runtime_error(std::string(object) + ": \"" + text + "\" is no expression");
}

// The commit reads a number that does not parse as its leading digits, and an expression row's
// text as 0: refuse both.
void CheckGeneratorRow(int n, const SignalRow &row, const MemoryTable &memories)
{
    const std::string object = "M" + std::to_string(n);
    if (row.Tipo == kNoSignalKind)
        throw std::runtime_error(object + ": no kind the row's list holds");
    const auto number = [&object](const std::string &text) {
        if (ParseNumber(text).errorPosition != 0)
            throw std::runtime_error(object + ": \"" + text + "\" is no number");
    };
    switch (row.Tipo) {
    case kConstant:
    case kEquation:
    case kLogarithm:
    case kExponential:
        CheckExpression(object, row.Valor, memories);
        break;
    case kSine:
        CheckExpression(object, row.Desc, memories);
        number(row.Min);
        number(row.Max);
        break;
    case kFastRandom:
    case kSlowRandom:
        number(row.Min);
        number(row.Max);
        break;
    case kMediumRandom:
    case kRandomWalk:
        number(row.Desc);
        number(row.Min);
        number(row.Max);
        break;
    default:
        break;
    }
}

} // namespace

PlantBuilder::PlantBuilder(Plant &plant)
    : m_plant(plant)
{}

void PlantBuilder::Title(std::string_view title)
{
    SetTitle(m_plant, Checked(std::string(title)));
}

void PlantBuilder::Memory(int k, const MemorySetup &setup)
{
    if (k < 15 || k > 96)
        throw std::runtime_error("M" + std::to_string(k) + ": only M15-M96 carry a unit");
    MemoryTable &m = m_plant.memories;
    const auto i = static_cast<std::size_t>(k);
    m.MemoryUnit[i] = setup.unit;
    m.MemoryUEMin[i] = setup.low;
    m.MemoryUEMax[i] = setup.high;
    m.MemoryLIE[i] = setup.alarmLow.empty() ? setup.low : setup.alarmLow;
    m.MemoryLSE[i] = setup.alarmHigh.empty() ? setup.high : setup.alarmHigh;
}

void PlantBuilder::Place(ObjectPool pool, int slot, int left, int top)
{
    SetInventoryChecked(m_plant, pool, slot, true);
    if (pool == ObjectPool::AnimatedTexts)
        MoveObject(m_plant, 72 + slot, left, top);
    else
        MoveObject(m_plant, ObjectIdOf(pool, slot), left, top);
}

void PlantBuilder::Process(int slot, const ProcessSetup &setup)
{
    Place(ObjectPool::Processes, slot, setup.left, setup.top);
    ProcessModel &p = m_plant.processes[slot];
    p.TagText = Checked(setup.tag);
    p.SetDescricaoText(Checked(setup.description));
    p.EntradaSelect = ListPosition(setup.input);
    p.GanhoText = setup.gain;
    p.TempoMorto = setup.deadTime;
    p.ComboBox2 = setup.transfer;
    p.LText.SetText(setup.tau1);
    p.Ctext.SetText(setup.tau2);
    p.NCText = setup.cycles;
    p.PeriodoText = setup.period;
    p.LEAD.SetText(setup.lead);
    p.LAG.SetText(setup.lag);
    p.SetValorInicialText(setup.initialValue);
    p.ComboBox1 = setup.valveCurve;
    p.Histerese = setup.backlash;
    p.valveStext = setup.stiction;
    p.tal = setup.actuatorLag;
    p.ratetext.SetText(setup.rate);
    p.CheckBox1 = setup.saturatorOff;
}

void PlantBuilder::Controller(int slot, const ControllerSetup &setup)
{
    Place(ObjectPool::Controllers, slot, setup.left, setup.top);
    zelvar::Controller &c = m_plant.controllers[slot];
    c.EditSettings([&setup](ControllerSettings &s) {
        s.TagText = Checked(setup.tag);
        s.Descricao = Checked(setup.description);
        s.VariavelSelect = ListPosition(setup.pv);
        s.KpText = setup.kc;
        s.KiText = setup.ti;
        s.KdText = setup.td;
        s.tfText = setup.filter;
        s.aText = setup.a;
        s.BiasText = setup.bias;
        s.COminText = setup.coMin;
        s.COmaxText = setup.coMax;
        s.Acaogroup = setup.reverse ? 0 : 1;
        s.EstruturaGroup = setup.parallel ? 0 : 1;
        s.DerivadaGroup = 1;
        s.PCHK = true;
        s.ICHK = setup.integral;
        s.DCHK = setup.derivative;
        s.FFwSelect = !setup.feedForward.empty();
        if (s.FFwSelect)
            s.FFwEquation = setup.feedForward;
        s.BackMVCheck = setup.backCalculation > 0;
        s.BackMV = ListPosition(setup.backCalculation);
    });
    if (setup.remoteSetpoint > 0) {
        c.SetCheckSPR(true);
        c.EditSettings([&setup](ControllerSettings &s) { s.SPRSelect = setup.remoteSetpoint - 1; });
    }
    c.automatic = setup.automatic;
    c.local = !setup.remote;
    c.Setpoint = setup.setpoint;
    c.co = setup.output;
}

void PlantBuilder::Block(int slot, const BlockSetup &setup)
{
    Place(ObjectPool::Blocks, slot, setup.left, setup.top);
    CalculationBlock &b = m_plant.blocks[slot];
    b.TagText = Checked(setup.tag);
    b.SetDescricaoText(Checked(setup.description));
    b.FuncaoTr = setup.expression;
    b.LimSupCheck = !setup.high.empty();
    if (b.LimSupCheck)
        b.LimSupText = setup.high;
    b.LimInfCheck = !setup.low.empty();
    if (b.LimInfCheck)
        b.LimInfText = setup.low;
}

void PlantBuilder::Recorder(int slot, const RecorderSetup &setup)
{
    Place(ObjectPool::Recorders, slot, setup.left, setup.top);
    zelvar::Recorder &r = m_plant.recorders[slot];
    r.EditSettings(m_plant.memories, [&setup](RecorderSettings &s) {
        s.TagText = Checked(setup.tag);
        s.DescricaoText = Checked(setup.description);
        s.Variavel1Select = ListPosition(setup.pen1);
        s.Variavel2Select = setup.pen2 > 0 ? setup.pen2 - 1 : kNoneListPosition;
        s.Variavel3Select = setup.pen3 > 0 ? setup.pen3 - 1 : kNoneListPosition;
        s.Edit1 = Checked(setup.name1);
        s.Edit2 = Checked(setup.name2);
        s.Edit3 = Checked(setup.name3);
    });
    r.trend.SetTimeBase(setup.timeBase);
}

void PlantBuilder::Text(int slot, const TextSetup &setup)
{
    Place(ObjectPool::AnimatedTexts, slot, setup.left, setup.top);
    AnimatedText &t = m_plant.animatedTexts[slot];
    t.Tipo = setup.kind == TextKind::Scalar   ? kEscalar
             : setup.kind == TextKind::Binary ? kBinario
                                              : kEquacao;
    t.DescricaoText = Checked(setup.description);
    t.SetDecimals(setup.decimals);
    if (setup.kind == TextKind::Equation) {
        t.FuncaoTr = setup.expression;
        t.Unidade = setup.unit;
        t.SetRangeHighText(setup.high);
        t.SetRangeLowText(setup.low);
    } else {
        if (setup.kind == TextKind::Binary)
            t.FuncaoTr = setup.expression;
        t.ComboBox1 = ListPosition(setup.memory);
    }
}

void PlantBuilder::Slider(int k, const SliderSetup &setup)
{
    SetSliderShown(m_plant, k, true);
    SetSliderName(m_plant, k, Checked(setup.name));
    PlaceSlider(m_plant, k, setup.top, setup.left);
    MoveSlider(m_plant, k, static_cast<int>(std::nearbyint(setup.percent * 100.0)));
}

void PlantBuilder::PushButton(int k, const PushButtonSetup &setup)
{
    SetPushButtonChecked(m_plant, k, true);
    zelvar::PushButton &button = m_plant.pushButtons[static_cast<std::size_t>(k)];
    button.name = Checked(setup.name, 15);
    button.textOff = Checked(setup.textOff, 16);
    button.textOn = Checked(setup.textOn, 16);
}

void PlantBuilder::CommandPanel(int left, int top)
{
    MoveObject(m_plant, 102, left, top);
}

void PlantBuilder::Shape(int k, const ShapeSetup &setup)
{
    SetShapeShown(m_plant, k, true);
    AnimatedShape &shape = m_plant.shapes[static_cast<std::size_t>(k)];
    shape.kind = setup.circle ? 0 : 1;
    shape.memoryIndex = setup.memory - 1;
    shape.width = setup.width;
    shape.colour1 = setup.colour1;
    shape.colour2 = setup.colour2;
    SetShapeSize(m_plant, k, setup.size);
    MoveObject(m_plant, 94 + k, setup.left, setup.top);
}

void PlantBuilder::Switch(int k, const SwitchSetup &setup)
{
    SetSwitchShown(m_plant, k, true);
    SetSwitchOrientation(m_plant, k, setup.orientation);
    m_plant.memories.SetValue(10 + k, setup.on ? 1.0 : 0.0);
    ShowSwitchPictureForValue(m_plant, k);
    MoveObject(m_plant, 99 + k, setup.left, setup.top);
}

void PlantBuilder::GeneratorRow(int n, const GeneratorRowSetup &setup)
{
    SignalGenerator &generator = m_plant.signalGenerator;
    m_generatorRows.push_back(n);
    generator.ChangeKind(n, setup.kind, m_plant.memories);
    if (!setup.description.empty())
        generator.SetText(n, SignalText::Desc, Checked(setup.description));
    if (!setup.min.empty())
        generator.SetText(n, SignalText::Min, setup.min);
    if (!setup.max.empty())
        generator.SetText(n, SignalText::Max, setup.max);
    if (!setup.value.empty())
        generator.SetText(n, SignalText::Valor, setup.value);
}

void PlantBuilder::Finish()
{
    Plant &plant = m_plant;
    // The reader's order: controllers, processes, blocks, recorders, texts, generator.
    for (int slot = 1; slot <= 10; ++slot) {
        if (!plant.controllers.IsPresent(slot))
            continue;
        zelvar::Controller &c = plant.controllers[slot];
        if (c.Settings().FFwSelect)
            CheckExpression(c.Settings().TagText, c.Settings().FFwEquation, plant.memories);
        const double setpoint = c.Setpoint;
        Refuse(c.Settings().TagText, c.ApplyControllerSettings(plant.memories, true));
        c.Setpoint = setpoint;
        plant.memories.SetValue(60 + slot, setpoint);
        plant.memories.SetValue(slot, c.co);
    }
    for (int slot = 1; slot <= 24; ++slot) {
        if (!plant.processes.IsPresent(slot))
            continue;
        ProcessModel &p = plant.processes[slot];
        for (const std::string &text : {p.GanhoText,
                                        p.TempoMorto,
                                        p.LText.Text(),
                                        p.Ctext.Text(),
                                        p.LEAD.Text(),
                                        p.LAG.Text(),
                                        p.ratetext.Text()})
            CheckExpression(p.TagText, text, plant.memories);
        Refuse(p.TagText, ApplyProcessSettings(p, plant.memories));
    }
    for (int slot = 1; slot <= 24; ++slot) {
        if (plant.blocks.IsPresent(slot))
            Refuse(plant.blocks[slot].TagText,
                   ApplyBlockSettings(plant.blocks[slot], plant.memories));
    }
    for (int slot = 1; slot <= 10; ++slot) {
        if (plant.recorders.IsPresent(slot))
            ApplyRecorderSettings(plant.recorders[slot], plant.memories);
    }
    Refuse("Registrador", MisstatedRecorderPens(plant));
    for (int slot = 1; slot <= 20; ++slot) {
        if (!plant.animatedTexts.IsPresent(slot))
            continue;
        AnimatedText &text = plant.animatedTexts[slot];
        if (text.Tipo == kEscalar)
            ChooseTextMemory(text, text.ComboBox1, plant.memories);
        if (text.Tipo == kEquacao)
            CheckExpression(text.DescricaoText, text.FuncaoTr, plant.memories);
        if (!ApplyTextSettings(text, plant.memories))
            Refuse("Texto animado " + std::to_string(100 + slot), {"settings refused"});
        StepAnimatedText(text, plant);
    }
    for (const int n : m_generatorRows)
        CheckGeneratorRow(n, plant.signalGenerator.Row(n), plant.memories);
    plant.signalGenerator.ApplySignalGeneratorSettings(plant.memories);
    RefreshObjectCaptions(plant);
    RefreshMainWindow(plant);
}

} // namespace zelvar::examples
