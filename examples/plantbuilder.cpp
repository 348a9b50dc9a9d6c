#include "examples/plantbuilder.h"

#include "engine/model/expression.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
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

void PlantBuilder::Memory(int k, const MemorySpec &spec)
{
    if (k < 15 || k > 96)
        throw std::runtime_error("M" + std::to_string(k) + ": only M15-M96 carry a unit");
    MemoryTable &m = m_plant.memories;
    const auto i = static_cast<std::size_t>(k);
    m.MemoryUnit[i] = spec.unit;
    m.MemoryUEMin[i] = spec.low;
    m.MemoryUEMax[i] = spec.high;
    m.MemoryLIE[i] = spec.alarmLow.empty() ? spec.low : spec.alarmLow;
    m.MemoryLSE[i] = spec.alarmHigh.empty() ? spec.high : spec.alarmHigh;
}

void PlantBuilder::Place(ObjectPool pool, int slot, int left, int top)
{
    SetInventoryChecked(m_plant, pool, slot, true);
    if (pool == ObjectPool::AnimatedTexts)
        MoveObject(m_plant, 72 + slot, left, top);
    else
        MoveObject(m_plant, ObjectIdOf(pool, slot), left, top);
}

void PlantBuilder::Process(int slot, const ProcessSpec &spec)
{
    Place(ObjectPool::Processes, slot, spec.left, spec.top);
    ProcessModel &p = m_plant.processes[slot];
    p.TagText = Checked(spec.tag);
    p.SetDescricaoText(Checked(spec.description));
    p.EntradaSelect = ListPosition(spec.input);
    p.GanhoText = spec.gain;
    p.TempoMorto = spec.deadTime;
    p.ComboBox2 = spec.transfer;
    p.LText.SetText(spec.tau1);
    p.Ctext.SetText(spec.tau2);
    p.NCText = spec.cycles;
    p.PeriodoText = spec.period;
    p.LEAD.SetText(spec.lead);
    p.LAG.SetText(spec.lag);
    p.SetValorInicialText(spec.initialValue);
    p.ComboBox1 = spec.valveCurve;
    p.Histerese = spec.backlash;
    p.valveStext = spec.stiction;
    p.tal = spec.actuatorLag;
    p.ratetext.SetText(spec.rate);
    p.CheckBox1 = spec.saturatorOff;
}

void PlantBuilder::Controller(int slot, const ControllerSpec &spec)
{
    Place(ObjectPool::Controllers, slot, spec.left, spec.top);
    zelvar::Controller &c = m_plant.controllers[slot];
    c.EditSettings([&spec](ControllerSettings &s) {
        s.TagText = Checked(spec.tag);
        s.Descricao = Checked(spec.description);
        s.VariavelSelect = ListPosition(spec.pv);
        s.KpText = spec.kc;
        s.KiText = spec.ti;
        s.KdText = spec.td;
        s.tfText = spec.filter;
        s.aText = spec.a;
        s.BiasText = spec.bias;
        s.COminText = spec.coMin;
        s.COmaxText = spec.coMax;
        s.Acaogroup = spec.reverse ? 0 : 1;
        s.EstruturaGroup = spec.parallel ? 0 : 1;
        s.DerivadaGroup = 1;
        s.PCHK = true;
        s.ICHK = spec.integral;
        s.DCHK = spec.derivative;
        s.FFwSelect = !spec.feedForward.empty();
        if (s.FFwSelect)
            s.FFwEquation = spec.feedForward;
        s.BackMVCheck = spec.backCalculation > 0;
        s.BackMV = ListPosition(spec.backCalculation);
    });
    if (spec.remoteSetpoint > 0) {
        c.SetCheckSPR(true);
        c.EditSettings([&spec](ControllerSettings &s) { s.SPRSelect = spec.remoteSetpoint - 1; });
    }
    c.automatic = spec.automatic;
    c.local = !spec.remote;
    c.Setpoint = spec.setpoint;
    c.co = spec.output;
}

void PlantBuilder::Block(int slot, const BlockSpec &spec)
{
    Place(ObjectPool::Blocks, slot, spec.left, spec.top);
    CalculationBlock &b = m_plant.blocks[slot];
    b.TagText = Checked(spec.tag);
    b.SetDescricaoText(Checked(spec.description));
    b.FuncaoTr = spec.expression;
    b.LimSupCheck = !spec.high.empty();
    if (b.LimSupCheck)
        b.LimSupText = spec.high;
    b.LimInfCheck = !spec.low.empty();
    if (b.LimInfCheck)
        b.LimInfText = spec.low;
}

void PlantBuilder::Recorder(int slot, const RecorderSpec &spec)
{
    Place(ObjectPool::Recorders, slot, spec.left, spec.top);
    zelvar::Recorder &r = m_plant.recorders[slot];
    r.EditSettings(m_plant.memories, [&spec](RecorderSettings &s) {
        s.TagText = Checked(spec.tag);
        s.DescricaoText = Checked(spec.description);
        s.Variavel1Select = ListPosition(spec.pen1);
        s.Variavel2Select = spec.pen2 > 0 ? spec.pen2 - 1 : kNoneListPosition;
        s.Variavel3Select = spec.pen3 > 0 ? spec.pen3 - 1 : kNoneListPosition;
        s.Edit1 = Checked(spec.name1);
        s.Edit2 = Checked(spec.name2);
        s.Edit3 = Checked(spec.name3);
    });
    r.trend.SetTimeBase(spec.timeBase);
}

void PlantBuilder::Text(int slot, const TextSpec &spec)
{
    Place(ObjectPool::AnimatedTexts, slot, spec.left, spec.top);
    AnimatedText &t = m_plant.animatedTexts[slot];
    t.Tipo = spec.kind == TextKind::Scalar   ? kEscalar
             : spec.kind == TextKind::Binary ? kBinario
                                             : kEquacao;
    t.DescricaoText = Checked(spec.description);
    t.SetDecimals(spec.decimals);
    if (spec.kind == TextKind::Equation) {
        t.FuncaoTr = spec.expression;
        t.Unidade = spec.unit;
        t.SetRangeHighText(spec.high);
        t.SetRangeLowText(spec.low);
    } else {
        if (spec.kind == TextKind::Binary)
            t.FuncaoTr = spec.expression;
        t.ComboBox1 = ListPosition(spec.memory);
    }
}

void PlantBuilder::Slider(int k, const SliderSpec &spec)
{
    SetSliderShown(m_plant, k, true);
    SetSliderName(m_plant, k, Checked(spec.name));
    PlaceSlider(m_plant, k, spec.top, spec.left);
    MoveSlider(m_plant, k, static_cast<int>(std::nearbyint(spec.percent * 100.0)));
}

void PlantBuilder::PushButton(int k, const PushButtonSpec &spec)
{
    SetPushButtonChecked(m_plant, k, true);
    zelvar::PushButton &button = m_plant.pushButtons[static_cast<std::size_t>(k)];
    button.name = Checked(spec.name, 15);
    button.textOff = Checked(spec.textOff, 16);
    button.textOn = Checked(spec.textOn, 16);
}

void PlantBuilder::CommandPanel(int left, int top)
{
    MoveObject(m_plant, 102, left, top);
}

void PlantBuilder::Shape(int k, const ShapeSpec &spec)
{
    SetShapeShown(m_plant, k, true);
    AnimatedShape &shape = m_plant.shapes[static_cast<std::size_t>(k)];
    shape.kind = spec.circle ? 0 : 1;
    shape.memoryIndex = spec.memory - 1;
    shape.width = spec.width;
    shape.colour1 = spec.colour1;
    shape.colour2 = spec.colour2;
    SetShapeSize(m_plant, k, spec.size);
    MoveObject(m_plant, 94 + k, spec.left, spec.top);
}

void PlantBuilder::Switch(int k, const SwitchSpec &spec)
{
    SetSwitchShown(m_plant, k, true);
    SetSwitchOrientation(m_plant, k, spec.orientation);
    m_plant.memories.SetValue(10 + k, spec.on ? 1.0 : 0.0);
    ShowSwitchPictureForValue(m_plant, k);
    MoveObject(m_plant, 99 + k, spec.left, spec.top);
}

void PlantBuilder::GeneratorRow(int n, const GeneratorRowSpec &spec)
{
    SignalGenerator &generator = m_plant.signalGenerator;
    m_generatorRows.push_back(n);
    generator.ChangeKind(n, spec.kind, m_plant.memories);
    if (!spec.description.empty())
        generator.SetText(n, SignalText::Desc, Checked(spec.description));
    if (!spec.min.empty())
        generator.SetText(n, SignalText::Min, spec.min);
    if (!spec.max.empty())
        generator.SetText(n, SignalText::Max, spec.max);
    if (!spec.value.empty())
        generator.SetText(n, SignalText::Valor, spec.value);
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
