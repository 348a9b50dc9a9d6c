#include "engine/model/controllerrecord.h"

#include "engine/model/controller.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"

#include <array>
#include <string>
#include <string_view>

namespace zelvar {

namespace {

constexpr int kLineCount = 29;
constexpr std::size_t kPrefixLength = 9; // "{Cnn/ii} "

// Labels of lines 01 to 29 (28 and 29 have none).
constexpr std::array<std::string_view, kLineCount + 1> kLabels = {
    "",
    "Tag:",
    "Desc:",
    "Kc:",
    "Ti:",
    "Td:",
    "Bias:",
    "Fator a:",
    "Tf Filtro:",
    "COmim:",
    "COMax:",
    "Escala PVMax:",
    "Escala PVmin:",
    "BackMV CK:",
    "Indice lista PV:",
    "Indice lista SPR:",
    "Endereço  BackMV:",
    "Acao FF:",
    "Habilita SPR:",
    "Habilita FF:",
    "Tipo acao:",
    "Derivada na PV:",
    "Estrutura ISA:",
    "Iant:",
    "Erroant:",
    "PVant:",
    "Habilita Modo Remoto:",
    "Habilita Modo Auto:",
    "",
    "",
};

std::string TrueFalse(bool value)
{
    return value ? "True" : "False";
}

// Positions of a two-item radio group; anything else selects nothing.
int RadioPosition(std::string_view text)
{
    const int position = ParseInteger(text).value;
    return position == 0 || position == 1 ? position : -1;
}

class RecordLines
{
public:
    explicit RecordLines(PlantTextReader &reader)
        : m_reader(reader)
    {}

    // The content of the next line, after its prefix and label (counted in characters).
    std::string Next()
    {
        ++m_line;
        return m_reader.ReadValue(PrefixLength());
    }
    int NextInteger()
    {
        ++m_line;
        return m_reader.ReadInteger(PrefixLength());
    }

private:
    std::size_t PrefixLength() const
    {
        return kPrefixLength + Utf8Length(kLabels[static_cast<std::size_t>(m_line)]);
    }

    PlantTextReader &m_reader;
    int m_line = 0;
};

} // namespace

void SaveControllerSection(const Controller &controller, PlantTextWriter &writer)
{
    const ControllerSettings s = controller.SavedSettings();
    const std::array<std::string, kLineCount + 1> contents = {
        "",
        s.TagText,
        s.Descricao,
        s.KpText,
        s.KiText,
        s.KdText,
        s.BiasText,
        s.aText,
        s.tfText,
        s.COminText,
        s.COmaxText,
        s.InicioEscala,
        s.FimEscala,
        TrueFalse(s.BackMVCheck),
        FormatFixed(s.VariavelSelect, 0, 0),
        FormatFixed(s.SPRSelect, 0, 0),
        FormatFixed(s.BackMV, 0, 0),
        s.FFwEquation,
        TrueFalse(s.CheckSPR),
        TrueFalse(s.FFwSelect),
        FormatFixed(s.Acaogroup, 0, 0),
        FormatFixed(s.DerivadaGroup, 0, 0),
        FormatFixed(s.EstruturaGroup, 0, 0),
        FormatFixed(controller.previousIntegral, 4, 2),
        FormatFixed(controller.previousError, 4, 2),
        FormatFixed(controller.previousPv, 4, 2),
        TrueFalse(controller.local),
        TrueFalse(controller.automatic),
        FormatFixed(controller.Setpoint, 4, 2),
        FormatFixed(controller.co, 4, 2),
    };
    const std::string nn = TwoDigits(controller.ObjectNumber);
    writer.WriteLine("=====<<<CONTROLADOR:" + nn + ">>>=====");
    for (int line = 1; line <= kLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        std::string prefix = "{C" + nn + "/" + TwoDigits(line) + "} ";
        prefix += kLabels[i];
        writer.WriteLine(prefix, contents[i]);
    }
}

void LoadControllerSection(Controller &controller, PlantTextReader &reader, Language language)
{
    reader.SkipLine();
    RecordLines lines(reader);
    ControllerSettings read = controller.Settings();
    // Tag and description come back as their edits hold them.
    read.TagText = LimitMemoryText(PickLanguage(lines.Next(), language));
    read.Descricao = LimitMemoryText(PickLanguage(lines.Next(), language));
    read.KpText = lines.Next();
    read.KiText = lines.Next();
    read.KdText = lines.Next();
    read.BiasText = lines.Next();
    read.aText = lines.Next();
    read.tfText = lines.Next();
    read.COminText = lines.Next();
    read.COmaxText = lines.Next();
    read.InicioEscala = lines.Next();
    read.FimEscala = lines.Next();
    read.BackMVCheck = lines.Next() == "True";
    read.VariavelSelect = lines.NextInteger();
    const int remoteSetpointPosition = lines.NextInteger();
    read.BackMV = lines.NextInteger();
    read.FFwEquation = lines.Next();
    const bool remoteSetpointAllowed = lines.Next() == "True";
    read.FFwSelect = lines.Next() == "True";
    read.Acaogroup = RadioPosition(lines.Next());
    read.DerivadaGroup = RadioPosition(lines.Next());
    read.EstruturaGroup = RadioPosition(lines.Next());
    const double previousIntegral = ParseNumber(lines.Next()).value;
    const double previousError = ParseNumber(lines.Next()).value;
    const double previousPv = ParseNumber(lines.Next()).value;
    const bool local = lines.Next() == "True";
    const bool automatic = lines.Next() == "True";
    const std::string setpointText = lines.Next();
    const std::string outputText = lines.Next();

    read.CheckSPR = controller.Settings().CheckSPR;
    controller.LoadSettings([&](ControllerSettings &s) { s = read; });
    // Ticking the box selects the first memory; the stored choice is put back afterwards.
    controller.SetCheckSPR(remoteSetpointAllowed);
    controller.LoadSettings([&](ControllerSettings &s) { s.SPRSelect = remoteSetpointPosition; });

    controller.previousIntegral = previousIntegral;
    controller.previousError = previousError;
    controller.previousPv = previousPv;
    controller.local = local;
    controller.automatic = automatic;
    controller.Setpoint = ParseNumber(setpointText).value;
    controller.faceplate.SPText = setpointText;
    controller.co = ParseNumber(outputText).value;
    controller.faceplate.MVText = outputText;
    controller.faceplate.btnatualizaEnabled = false;
    controller.faceplate.ConfigBTNEnabled = true;
}

} // namespace zelvar
