// The process's record in the plant file: a header line and 25 items.
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/processmodel.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zelvar {

namespace {

enum Item {
    kTag,
    kDescription,
    kInputList,
    kTau1,
    kTau2,
    kSaturationOff,
    kHysteresis,
    kDeadTime,
    kGain,
    kValveCurve,
    kStiction,
    kRateLimit,
    kActuatorTau,
    kTransferFunction,
    kCyclesAndPeriod,
    kLead,
    kLag,
    kInputValue,
    kProcessOutput,
    kDelayedPositionPrev,
    kFilterOutputPrev,
    kFilterOutputPrev2,
    kStictionRoundedPrev,
    kLagStage1,
    kLagStage2,
    kItemCount
};

constexpr std::array<std::string_view, kItemCount> kLabels = {
    "Tag:",
    "Desc:",
    "Indice lista PV:",
    "Tal 1:",
    "Tal 2:",
    "Habilita Desat Sat:",
    "Histerese:",
    "Tempo Morto:",
    "Ganho:",
    "Tipo Valv:",
    "Agarramento:",
    "RateLimiter:",
    "Const. Tempo Atuador:",
    "Tipo FT:",
    "Num.Ciclos:",
    "Lead:",
    "Lag:",
    "X0:",
    "Y2:",
    "Y0old:",
    "Y1old:",
    "Y1old2:",
    "x5old:",
    "IntAc1:",
    "IntAc2:",
};

// "{P21/01} Tag:"; the reader skips as many characters as the writer put in front.
std::string ItemPrefix(int objectNumber, Item item)
{
    return "{P" + TwoDigits(objectNumber) + "/" + TwoDigits(item + 1) + "} "
           + std::string(kLabels[static_cast<std::size_t>(item)]);
}

std::size_t PrefixLength(Item item)
{
    return 9 + Utf8Length(kLabels[static_cast<std::size_t>(item)]);
}

std::string StateText(double value)
{
    return FormatFixed(value, 4, 2);
}

// A list position outside the list reads as no choice.
int ReadListPosition(PlantTextReader &reader, Item item, int itemCount)
{
    const int position = reader.ReadInteger(PrefixLength(item));
    return position >= 0 && position < itemCount ? position : -1;
}

double ReadState(PlantTextReader &reader, Item item)
{
    return ParseNumber(reader.ReadValue(PrefixLength(item))).value;
}

} // namespace

void SaveProcessSection(const ProcessModel &process,
                        const MemoryTable &memories,
                        PlantTextWriter &writer)
{
    const int number = process.ObjectNumber;
    const auto write = [&](Item item, std::string_view value) {
        writer.WriteLine(ItemPrefix(number, item), value);
    };
    writer.WriteLine("=====<<<PROCESSO:" + TwoDigits(number) + ">>>=====");
    write(kTag, process.TagText);
    const ProcessModel::AppliedSettings &applied = process.applied;
    write(kDescription, memories.Description(number));
    write(kInputList, FormatFixed(applied.EntradaSelect, 0, 0));
    write(kTau1, process.LText.Text());
    write(kTau2, process.Ctext.Text());
    writer.WriteTrueFalse(ItemPrefix(number, kSaturationOff), process.CheckBox1);
    write(kHysteresis, applied.Histerese);
    write(kDeadTime, applied.TempoMorto);
    write(kGain, applied.GanhoText);
    write(kValveCurve, FormatFixed(applied.ComboBox1, 0, 0));
    write(kStiction, applied.valveStext);
    write(kRateLimit, process.ratetext.Text());
    write(kActuatorTau, applied.tal);
    write(kTransferFunction, FormatFixed(applied.ComboBox2, 0, 0));
    write(kCyclesAndPeriod, applied.NCText + "x" + applied.PeriodoText);
    write(kLead, process.LEAD.Text());
    write(kLag, process.LAG.Text());
    write(kInputValue, StateText(process.InputValue));
    write(kProcessOutput, StateText(process.ProcessOutput));
    write(kDelayedPositionPrev, StateText(process.DelayedPositionPrev));
    write(kFilterOutputPrev, StateText(process.FilterOutputPrev));
    write(kFilterOutputPrev2, StateText(process.FilterOutputPrev2));
    write(kStictionRoundedPrev, StateText(process.StictionRoundedPrev));
    write(kLagStage1, StateText(process.LagStage1));
    write(kLagStage2, StateText(process.LagStage2));
}

void LoadProcessSection(ProcessModel &process, PlantTextReader &reader, Language language)
{
    reader.SkipLine();
    // Tag and description come back as their edits hold them.
    process.TagText = LimitMemoryText(PickLanguage(reader.ReadValue(PrefixLength(kTag)), language));
    process.DescricaoText
        = LimitMemoryText(PickLanguage(reader.ReadValue(PrefixLength(kDescription)), language));
    process.EntradaSelect = ReadListPosition(reader, kInputList, MemoryTable::kMemoryCount);
    process.LText.SetText(reader.ReadValue(PrefixLength(kTau1)));
    process.Ctext.SetText(reader.ReadValue(PrefixLength(kTau2)));
    process.CheckBox1 = reader.ReadTrueFalse(PrefixLength(kSaturationOff));
    process.Histerese = reader.ReadValue(PrefixLength(kHysteresis));
    process.TempoMorto = reader.ReadValue(PrefixLength(kDeadTime));
    process.GanhoText = reader.ReadValue(PrefixLength(kGain));
    process.ComboBox1 = ReadListPosition(reader, kValveCurve, 5);
    process.valveStext = reader.ReadValue(PrefixLength(kStiction));
    process.ratetext.SetText(reader.ReadValue(PrefixLength(kRateLimit)));
    process.tal = reader.ReadValue(PrefixLength(kActuatorTau));
    process.ComboBox2 = ReadListPosition(reader, kTransferFunction, 4);

    const std::string cyclesAndPeriod = reader.ReadValue(PrefixLength(kCyclesAndPeriod));
    const std::size_t x = cyclesAndPeriod.find('x');
    process.NCText = cyclesAndPeriod.substr(0, x);
    if (x != std::string::npos)
        process.PeriodoText = cyclesAndPeriod.substr(x + 1);

    process.LEAD.SetText(reader.ReadValue(PrefixLength(kLead)));
    process.LAG.SetText(reader.ReadValue(PrefixLength(kLag)));
    process.InputValue = ReadState(reader, kInputValue);
    process.ProcessOutput = ReadState(reader, kProcessOutput);
    process.DelayedPositionPrev = ReadState(reader, kDelayedPositionPrev);
    process.FilterOutputPrev = ReadState(reader, kFilterOutputPrev);
    process.FilterOutputPrev2 = ReadState(reader, kFilterOutputPrev2);
    process.StictionRoundedPrev = ReadState(reader, kStictionRoundedPrev);
    process.LagStage1 = ReadState(reader, kLagStage1);
    process.LagStage2 = ReadState(reader, kLagStage2);

    process.DescricaoTextEdited = false;
    process.btnatualizaEnabled = false;
    process.SairButtonEnabled = true;

    // The ring is not in the record: start it full of the delayed position it stopped at.
    std::fill(
        process.DeadTimeRing.begin(), process.DeadTimeRing.end(), process.DelayedPositionPrev);
}

} // namespace zelvar
