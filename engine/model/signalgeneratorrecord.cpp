#include "engine/model/signalgeneratorrecord.h"

#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/signalgenerator.h"

#include <string>
#include <string_view>

namespace zelvar {

namespace {

constexpr std::size_t kPrefixLength = 7; // "{P/NN} "

// A whole number, blanks around it allowed; fallback for anything else.
int StrictInteger(std::string_view text, int fallback)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const ParsedInteger parsed = ParseInteger(text);
    return parsed.errorPosition == 0 ? parsed.value : fallback;
}

// The 0/1 choice a stored value selects: 1 and above "1", -1 and below nothing.
int ZeroOnePosition(std::string_view text)
{
    const int value = StrictInteger(text, 0);
    if (value >= 1)
        return 1;
    return value == 0 ? 0 : -1;
}

} // namespace

void SaveSignalGeneratorSection(const SignalGenerator &generator, PlantTextWriter &writer)
{
    writer.WriteLine("<Parametros>");
    int line = 0;
    const auto write = [&](std::string_view value) {
        ++line;
        std::string prefix = "{P/";
        if (line < 10)
            prefix += '0';
        prefix += FormatFixed(line, 0, 0);
        prefix += "} ";
        writer.WriteLine(prefix, value);
    };
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
        const SignalRow row = generator.SavedRow(n);
        const bool hasBounds = n <= SignalGenerator::kLastSteppedRow;
        write(FormatFixed(row.Tipo, 0, 0));
        write(row.Desc);
        write(hasBounds ? row.Min : "/");
        write(hasBounds ? row.Max : "/");
        if (row.Tipo == kZeroOne)
            write(row.ValorDig == 0 ? "0" : "1");
        else
            write(row.Valor);
    }
}

void LoadSignalGeneratorSection(SignalGenerator &generator,
                                PlantTextReader &reader,
                                MemoryTable &memories,
                                Language language)
{
    reader.SkipLine();
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n) {
        const bool hasBounds = n <= SignalGenerator::kLastSteppedRow;
        const std::string kindText = reader.ReadValue(kPrefixLength);
        // Rows 81 and 82 were read strictly; a bad kind there is the row's default.
        const int kind
            = n <= 82 ? StrictInteger(kindText, kConstant) : ParseInteger(kindText).value;
        generator.SelectKind(n, kind);
        // A Desc that holds the row's parameter runs as it stands: it is no text to translate.
        // It comes back as its edit holds it.
        const std::string desc = LimitMemoryText(reader.ReadValue(kPrefixLength));
        generator.SetText(n,
                          SignalText::Desc,
                          SignalGenerator::DescIsParameter(n, generator.Row(n).Tipo)
                              ? desc
                              : std::string(PickLanguage(desc, language)));
        if (hasBounds) {
            generator.SetText(n, SignalText::Min, reader.ReadValue(kPrefixLength));
            generator.SetText(n, SignalText::Max, reader.ReadValue(kPrefixLength));
        } else {
            reader.SkipLine();
            reader.SkipLine();
        }
        const std::string valor = reader.ReadValue(kPrefixLength);
        generator.SetText(n, SignalText::Valor, valor);
        const int selected = generator.Row(n).Tipo;
        if (hasBounds && selected == kMediumRandom)
            generator.LagOutput[static_cast<std::size_t>(n - SignalGenerator::kFirstRow)]
                = ParseNumber(valor).value;
        else if (selected == kZeroOne)
            generator.SelectZeroOne(n, ZeroOnePosition(valor));
    }
    generator.GeneratorLoadingFlag = true;
    for (int n = SignalGenerator::kFirstRow; n <= SignalGenerator::kLastRow; ++n)
        generator.ArrangeSignalRow(n, memories);
    generator.GeneratorLoadingFlag = false;
    generator.ApplySignalGeneratorSettings(memories);
}

} // namespace zelvar
