#include "documents/model/plantfile.h"

#include "documents/model/colourtext.h"
#include "documents/model/plantoperations.h"
#include "engine/model/controllerrecord.h"
#include "engine/model/numbertext.h"
#include "engine/model/planttextfile.h"
#include "engine/model/signalgeneratorrecord.h"
#include "engine/model/textlines.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

// Looking at a file before opening it, creating one exclusively, keeping its owner and forcing
// it to the disk have no standard-library form.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvar {

namespace {

constexpr std::string_view kUnitsMarker = "<<<Unidades Engenharia>>>";
constexpr std::string_view kTracksMarker = "<<Tracks>>";
constexpr std::string_view kCoordinatesMarker = "=====<<<COORDENADAS>>>=====";
constexpr std::string_view kLinearizerMarker = "=====<<<LINEARIZADOR>>>=====)";
constexpr std::string_view kCommentsBegin = "<INICIO_COMENTARIOS>";
constexpr std::string_view kCommentsEnd = "<FIM_COMENTARIOS>";
constexpr std::string_view kEnglishCommentsBegin = "<BEGIN_COMMENTS>";
constexpr std::string_view kEnglishCommentsEnd = "<END_COMMENTS>";
constexpr std::string_view kControlsMarker = "<Controls>";
constexpr std::string_view kProcessMarker = "<Process>";
constexpr std::string_view kBlocksMarker = "<Blocs>";
constexpr std::string_view kRecordersMarker = "<Registers>";
constexpr std::string_view kTextsMarker = "<Textos Animados>";

// The lines that stand between the sections of every plant file, however old.
constexpr std::array<std::string_view, 12> kSectionLines = {kUnitsMarker,
                                                            kTracksMarker,
                                                            kControlsMarker,
                                                            kProcessMarker,
                                                            kBlocksMarker,
                                                            kRecordersMarker,
                                                            kTextsMarker,
                                                            kCoordinatesMarker,
                                                            kLinearizerMarker,
                                                            kCommentsBegin,
                                                            kCommentsEnd,
                                                            kEnglishCommentsBegin};

std::string Integer(int value)
{
    return FormatFixed(value, 0, 0);
}

int LenientInteger(const std::string &text)
{
    return ParseInteger(text).value;
}

// Head, units and slider inputs.

void WriteUnits(const Plant &plant, PlantTextWriter &writer)
{
    writer.WriteLine(kUnitsMarker);
    for (int k = 15; k <= 96; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const MemoryTable &m = plant.memories;
        writer.WriteLine("M" + Integer(k) + ":" + m.MemoryUnit[i] + ";" + m.MemoryUEMin[i] + ";"
                         + m.MemoryUEMax[i] + ";" + m.MemoryLIE[i] + ";" + m.MemoryLSE[i] + ";");
    }
}

void ReadUnitLine(MemoryTable &memories, int k, const std::string &line)
{
    // "Mkk:" is always four characters; the fields follow, each ended by ";".
    std::string_view rest = Utf8DropLeft(line, 4);
    const auto field = [&rest]() {
        const std::size_t end = rest.find(';');
        const std::string_view value = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return LimitMemoryText(value);
    };
    const auto i = static_cast<std::size_t>(k);
    const auto orDefault = [](std::string value, const char *fallback) {
        return value.empty() ? std::string(fallback) : value;
    };
    memories.MemoryUnit[i] = field();
    memories.MemoryUEMin[i] = orDefault(field(), "0.00");
    memories.MemoryUEMax[i] = orDefault(field(), "100.00");
    memories.MemoryLIE[i] = orDefault(field(), "0.00");
    memories.MemoryLSE[i] = orDefault(field(), "100.00");
    // A range no instrument can show (typed before such ranges were refused, or edited by
    // hand) opens as the default one rather than keep the plant from opening.
    if (!IsShowableRange(memories.RangeLow(k), memories.RangeHigh(k))) {
        memories.MemoryUEMin[i] = "0.00";
        memories.MemoryUEMax[i] = "100.00";
    }
}

void WriteSliders(const Plant &plant, PlantTextWriter &writer)
{
    writer.WriteLine(kTracksMarker);
    for (int i = 1; i <= 6; ++i) {
        const SliderInput &slider = plant.sliders[static_cast<std::size_t>(i)];
        writer.WriteUpperTrueFalse("", slider.shown);
        writer.WriteLine(slider.name);
        writer.WriteLine(Integer(slider.top));
        writer.WriteLine(Integer(slider.left));
        writer.WriteLine(FormatScientific(plant.memories.Value(14 + i)));
        writer.WriteUpperTrueFalse("", slider.tallSlider);
    }
}

void ReadSliders(Plant &plant, PlantTextReader &reader, Language language)
{
    for (int i = 1; i <= 6; ++i) {
        SliderInput &slider = plant.sliders[static_cast<std::size_t>(i)];
        slider.shown = reader.ReadUpperTrueFalse(0);
        SetSliderName(plant, i, PickLanguage(reader.ReadLine(), language));
        const int top = reader.ReadInteger(0);
        const int left = reader.ReadInteger(0);
        PlaceSlider(plant, i, top, left);
        const double value = ParseNumber(reader.ReadLine()).value;
        plant.memories.SetValue(14 + i, value);
        slider.position = std::clamp(RoundHalfEven(value * 100.0), 0, 10000);
        // A plant reopens as it was saved: a short group without its slider.
        SetSliderTall(plant, i, reader.ReadUpperTrueFalse(0));
    }
}

// Object pools and icon coordinates.

template<typename Pool> void WritePresence(const Pool &pool, PlantTextWriter &writer)
{
    for (int slot = 1; slot <= pool.kCount; ++slot)
        writer.WriteTrueFalse("", pool.IsPresent(slot));
}

template<typename Pool, typename Create>
void ReadPresence(Pool &pool, PlantTextReader &reader, Create create)
{
    for (int slot = 1; slot <= pool.kCount; ++slot) {
        if (reader.ReadTrueFalse(0))
            create(slot);
    }
}

void WriteIcon(const PlantIcon &icon, bool topFirst, bool last, PlantTextWriter &writer)
{
    writer.WriteLine(icon.caption);
    writer.WriteLine(Integer(topFirst ? icon.top : icon.left));
    writer.WriteLine(Integer(topFirst ? icon.left : icon.top));
    writer.WriteTrueFalse("", last);
}

// The last line of each object goes to its inventory box, not to the icon.
void ReadIcon(PlantIcon &icon, InventoryEntry &entry, bool topFirst, PlantTextReader &reader)
{
    icon.caption = reader.ReadLine();
    const int first = LenientInteger(reader.ReadLine());
    const int second = LenientInteger(reader.ReadLine());
    icon.top = topFirst ? first : second;
    icon.left = topFirst ? second : first;
    entry.checked = reader.ReadTrueFalse(0);
}

void WriteCoordinates(const Plant &plant, PlantTextWriter &writer)
{
    writer.WriteLine(kCoordinatesMarker);
    for (int k = 1; k <= 10; ++k) {
        if (plant.controllers.IsPresent(k))
            WriteIcon(plant.controllerIcons[static_cast<std::size_t>(k)],
                      true,
                      plant.controllerIcons[static_cast<std::size_t>(k)].visible,
                      writer);
    }
    for (int k = 1; k <= 24; ++k) {
        if (plant.processes.IsPresent(k))
            WriteIcon(plant.processIcons[static_cast<std::size_t>(k)],
                      false,
                      plant.processIcons[static_cast<std::size_t>(k)].visible,
                      writer);
    }
    for (int k = 1; k <= 10; ++k) {
        if (plant.recorders.IsPresent(k))
            WriteIcon(plant.recorderIcons[static_cast<std::size_t>(k)],
                      false,
                      plant.recorderIcons[static_cast<std::size_t>(k)].visible,
                      writer);
    }
    for (int k = 1; k <= 24; ++k) {
        if (plant.blocks.IsPresent(k))
            WriteIcon(plant.blockIcons[static_cast<std::size_t>(k)],
                      false,
                      plant.blockInventory[static_cast<std::size_t>(k)].checked,
                      writer);
    }
    for (int k = 1; k <= 20; ++k) {
        if (!plant.animatedTexts.IsPresent(k))
            continue;
        const PlantIcon &icon = plant.animatedTextIcons[static_cast<std::size_t>(k)];
        writer.WriteLine(Integer(icon.top));
        writer.WriteLine(Integer(icon.left));
        writer.WriteTrueFalse("", icon.visible);
    }
}

void ReadCoordinates(Plant &plant, PlantTextReader &reader)
{
    reader.SkipLine();
    for (int k = 1; k <= 10; ++k) {
        if (plant.controllers.IsPresent(k))
            ReadIcon(plant.controllerIcons[static_cast<std::size_t>(k)],
                     plant.controllerInventory[static_cast<std::size_t>(k)],
                     true,
                     reader);
    }
    for (int k = 1; k <= 24; ++k) {
        if (plant.processes.IsPresent(k))
            ReadIcon(plant.processIcons[static_cast<std::size_t>(k)],
                     plant.processInventory[static_cast<std::size_t>(k)],
                     false,
                     reader);
    }
    for (int k = 1; k <= 10; ++k) {
        if (plant.recorders.IsPresent(k))
            ReadIcon(plant.recorderIcons[static_cast<std::size_t>(k)],
                     plant.recorderInventory[static_cast<std::size_t>(k)],
                     false,
                     reader);
    }
    for (int k = 1; k <= 24; ++k) {
        if (plant.blocks.IsPresent(k))
            ReadIcon(plant.blockIcons[static_cast<std::size_t>(k)],
                     plant.blockInventory[static_cast<std::size_t>(k)],
                     false,
                     reader);
    }
    for (int k = 1; k <= 20; ++k) {
        if (!plant.animatedTexts.IsPresent(k))
            continue;
        PlantIcon &icon = plant.animatedTextIcons[static_cast<std::size_t>(k)];
        icon.top = LenientInteger(reader.ReadLine());
        icon.left = LenientInteger(reader.ReadLine());
        icon.labelTop = icon.top - 13; // as a move leaves it
        plant.animatedTextInventory[static_cast<std::size_t>(k)].checked = reader.ReadTrueFalse(0);
    }
}

// Shapes, switches, command panel, linearizer, comments.

void WriteShapes(const Plant &plant, PlantTextWriter &writer)
{
    for (int i = 1; i <= 5; ++i) {
        const AnimatedShape &shape = plant.shapes[static_cast<std::size_t>(i)];
        writer.WriteLine(Integer(shape.baseTop));
        writer.WriteLine(Integer(shape.left));
        writer.WriteUpperTrueFalse("", shape.shown);
        writer.WriteLine(Integer(shape.kind));
        writer.WriteLine(Integer(shape.memoryIndex));
        writer.WriteLine(Integer(shape.size));
        writer.WriteLine(Integer(shape.width));
        writer.WriteLine(ColourToText(shape.colour1));
        writer.WriteLine(ColourToText(shape.colour2));
    }
}

void ReadShapes(Plant &plant, PlantTextReader &reader)
{
    for (int i = 1; i <= 5; ++i) {
        AnimatedShape &shape = plant.shapes[static_cast<std::size_t>(i)];
        shape.baseTop = LenientInteger(reader.ReadLine());
        shape.left = LenientInteger(reader.ReadLine());
        SetShapeShown(plant, i, reader.ReadUpperTrueFalse(0));
        shape.kind = LenientInteger(reader.ReadLine());
        shape.memoryIndex = LenientInteger(reader.ReadLine());
        shape.size = LenientInteger(reader.ReadLine());
        shape.width = LenientInteger(reader.ReadLine());
        shape.colour1 = ColourFromText(reader.ReadLine());
        shape.colour2 = ColourFromText(reader.ReadLine());
    }
}

void WriteSwitches(const Plant &plant, PlantTextWriter &writer)
{
    for (int i = 1; i <= 2; ++i) {
        const PlantSwitch &plantSwitch = plant.switches[static_cast<std::size_t>(i)];
        writer.WriteLine(Integer(plantSwitch.top));
        writer.WriteLine(Integer(plantSwitch.left));
        writer.WriteUpperTrueFalse("", plantSwitch.shown);
        writer.WriteLine(Integer(plantSwitch.orientation));
        writer.WriteLine(FormatFixed(plant.memories.Value(10 + i), 1, 0));
    }
}

void ReadSwitches(Plant &plant, PlantTextReader &reader)
{
    for (int i = 1; i <= 2; ++i) {
        PlantSwitch &plantSwitch = plant.switches[static_cast<std::size_t>(i)];
        plantSwitch.top = LenientInteger(reader.ReadLine());
        plantSwitch.left = LenientInteger(reader.ReadLine());
        SetSwitchShown(plant, i, reader.ReadUpperTrueFalse(0));
        SetSwitchOrientation(plant, i, LenientInteger(reader.ReadLine()));
        plant.memories.SetValue(10 + i, ParseNumber(reader.ReadLine()).value);
        ShowSwitchPictureForValue(plant, i);
    }
}

void WritePushButtons(const Plant &plant, PlantTextWriter &writer)
{
    writer.WriteLine(Integer(plant.commandPanelTop));
    writer.WriteLine(Integer(plant.commandPanelLeft));
    for (int i = 1; i <= 3; ++i) {
        const PushButton &button = plant.pushButtons[static_cast<std::size_t>(i)];
        writer.WriteUpperTrueFalse("", button.checked);
        writer.WriteLine(button.textOff);
        writer.WriteLine(button.textOn);
        writer.WriteLine(button.name);
        writer.WriteLine(FormatFixed(plant.memories.Value(96 + i), 1, 0));
    }
}

void ReadPushButtons(Plant &plant, PlantTextReader &reader, Language language)
{
    plant.commandPanelTop = LenientInteger(reader.ReadLine());
    plant.commandPanelLeft = LenientInteger(reader.ReadLine());
    for (int i = 1; i <= 3; ++i) {
        PushButton &button = plant.pushButtons[static_cast<std::size_t>(i)];
        SetPushButtonChecked(plant, i, reader.ReadUpperTrueFalse(0));
        button.textOff = PickLanguage(reader.ReadLine(), language);
        button.textOn = PickLanguage(reader.ReadLine(), language);
        button.name = PickLanguage(reader.ReadLine(), language);
        plant.memories.SetValue(96 + i, ParseNumber(reader.ReadLine()).value);
    }
}

void WriteLinearizer(const Plant &plant, PlantTextWriter &writer)
{
    const Linearizer &linearizer = plant.linearizer;
    writer.WriteLine(kLinearizerMarker);
    writer.WriteLine(linearizer.Lin1EndEnt);
    writer.WriteUpperTrueFalse("", linearizer.Lin1Ativar);
    for (int i = 1; i <= Linearizer::kPoints; ++i)
        writer.WriteLine(linearizer.Lin1MV[static_cast<std::size_t>(i)]);
    for (int i = 1; i <= Linearizer::kPoints; ++i)
        writer.WriteLine(linearizer.Lin1PV[static_cast<std::size_t>(i)]);
}

void ReadLinearizer(Plant &plant, PlantTextReader &reader)
{
    Linearizer &linearizer = plant.linearizer;
    reader.SkipLine();
    linearizer.Lin1EndEnt = reader.ReadLine();
    linearizer.Lin1Ativar = reader.ReadUpperTrueFalse(0);
    for (int i = 1; i <= Linearizer::kPoints; ++i)
        linearizer.Lin1MV[static_cast<std::size_t>(i)] = reader.ReadLine();
    for (int i = 1; i <= Linearizer::kPoints; ++i)
        linearizer.Lin1PV[static_cast<std::size_t>(i)] = reader.ReadLine();
}

void WriteComments(const Plant &plant, PlantTextWriter &writer, Language language)
{
    writer.WriteUpperTrueFalse("", plant.commentDisplay);
    writer.WriteLine(kCommentsBegin);
    if (language == Language::Portuguese) {
        for (const std::string &line : plant.comments)
            writer.WriteLine(line);
    }
    writer.WriteLine(kCommentsEnd);
    writer.WriteLine(kEnglishCommentsBegin);
    if (language == Language::English) {
        for (const std::string &line : plant.comments)
            writer.WriteLine(line);
    }
    writer.WriteLine(kEnglishCommentsEnd);
}

// The comment blocks are the rest of the file. A file written by this program holds the
// comments of one language and leaves the other block empty, so the block of the reader's
// language is found from both ends and a comment line equal to a marker stays a comment.
// Any other file is read marker by marker, each block ending at its marker or at the end.
void ReadComments(Plant &plant, PlantTextReader &reader, Language language)
{
    plant.commentDisplay = reader.ReadUpperTrueFalse(0);
    reader.SkipLine();
    const std::vector<std::string> rest = reader.ReadRemainingLines();
    const std::size_t n = rest.size();
    const auto take = [&plant, &rest](std::size_t first, std::size_t last) {
        plant.comments.assign(rest.begin() + static_cast<std::ptrdiff_t>(first),
                              rest.begin() + static_cast<std::ptrdiff_t>(last));
    };
    if (n >= 3 && rest[n - 1] == kEnglishCommentsEnd) {
        if (language == Language::Portuguese && rest[n - 3] == kCommentsEnd
            && rest[n - 2] == kEnglishCommentsBegin) {
            take(0, n - 3);
            return;
        }
        if (language == Language::English && rest[0] == kCommentsEnd
            && rest[1] == kEnglishCommentsBegin) {
            take(2, n - 1);
            return;
        }
    }
    std::size_t i = 0;
    const auto block = [&rest, &i, n](std::string_view end) {
        const std::size_t first = i;
        while (i < n && rest[i] != end)
            ++i;
        const std::size_t last = i;
        if (i < n)
            ++i;
        return std::pair(first, last);
    };
    const auto [portugueseFirst, portugueseLast] = block(kCommentsEnd);
    if (language == Language::Portuguese) {
        take(portugueseFirst, portugueseLast);
        return;
    }
    if (i < n)
        ++i; // "<BEGIN_COMMENTS>"
    const auto [englishFirst, englishLast] = block(kEnglishCommentsEnd);
    take(englishFirst, englishLast);
}

std::string BaseName(const std::string &path)
{
    return std::filesystem::path(path).stem().string();
}

// An executable, a UTF-16 text or random bytes: no plant file holds a NUL byte, and every one
// holds its section lines.
bool PlainlyNotAPlant(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return true;
    for (const std::string_view line : SplitLines(bytes)) {
        if (std::find(kSectionLines.begin(), kSectionLines.end(), line) != kSectionLines.end())
            return false;
    }
    return true;
}

std::string TooLargeMessage(Language language)
{
    return std::string(Tr(language,
                          "O arquivo é grande demais para uma planta",
                          "The file is too large for a plant"));
}

std::string CannotReadMessage(Language language)
{
    return std::string(Tr(language, "Não foi possível ler o arquivo", "The file cannot be read"));
}

} // namespace

std::string WritePlantText(const Plant &plant, Language language)
{
    PlantTextWriter writer;
    writer.WriteLine(plant.caption);
    writer.WriteLine(plant.PictureFileName);
    WriteUnits(plant, writer);
    WriteSliders(plant, writer);

    writer.WriteLine(kControlsMarker);
    WritePresence(plant.controllers, writer);
    for (int slot = 1; slot <= 10; ++slot) {
        if (plant.controllers.IsPresent(slot))
            SaveControllerSection(plant.controllers[slot], writer);
    }
    writer.WriteLine(kProcessMarker);
    WritePresence(plant.processes, writer);
    for (int slot = 1; slot <= 24; ++slot) {
        if (plant.processes.IsPresent(slot))
            SaveProcessSection(plant.processes[slot], plant.memories, writer);
    }
    writer.WriteLine(kBlocksMarker);
    WritePresence(plant.blocks, writer);
    for (int slot = 1; slot <= 24; ++slot) {
        if (plant.blocks.IsPresent(slot))
            SaveBlockSection(plant.blocks[slot], plant.memories, writer);
    }
    writer.WriteLine(kRecordersMarker);
    WritePresence(plant.recorders, writer);
    for (int slot = 1; slot <= 10; ++slot) {
        if (plant.recorders.IsPresent(slot))
            SaveRecorderSection(plant.recorders[slot], writer);
    }
    writer.WriteLine(kTextsMarker);
    WritePresence(plant.animatedTexts, writer);
    for (int slot = 1; slot <= 20; ++slot) {
        if (plant.animatedTexts.IsPresent(slot))
            SaveTextSection(plant.animatedTexts[slot], writer);
    }

    WriteCoordinates(plant, writer);
    SalvaParametros(plant.xyRecorder, writer);
    for (int i = 0; i < 3; ++i)
        writer.WriteLine("vago");
    SaveSignalGeneratorSection(plant.signalGenerator, writer);
    WriteShapes(plant, writer);
    WriteSwitches(plant, writer);
    WritePushButtons(plant, writer);
    WriteLinearizer(plant, writer);
    WriteComments(plant, writer, language);
    return writer.ToFileBytes();
}

PlantReadResult ReadPlantText(std::string_view bytes, const PlantReadOptions &options)
{
    const Language language = options.language;
    PlantReadResult result;
    if (bytes.size() > kMaxPlantFileBytes) {
        result.error = TooLargeMessage(language);
        return result;
    }
    if (PlainlyNotAPlant(bytes)) {
        result.error = std::string(Tr(language, "Não é um arquivo de planta", "Not a plant file"));
        return result;
    }
    PlantTextReader reader = PlantTextReader::FromFileBytes(bytes);
    auto plant = std::make_unique<Plant>(language);
    if (options.previous)
        CarryOverLastingState(*plant, *options.previous);
    const auto progress = [&options](int percent) {
        if (options.progress)
            options.progress(percent);
    };
    progress(5);

    const std::string title(PickLanguage(reader.ReadLine(), language));
    SetTitle(*plant, title.empty() ? options.fileBaseName : title);
    plant->PictureFileName = reader.ReadLine();

    std::string line = reader.ReadLine();
    if (line == kUnitsMarker) {
        for (int k = 15; k <= 96; ++k)
            ReadUnitLine(plant->memories, k, reader.ReadLine());
        line = reader.ReadLine();
    } else {
        // A file older than the units section: the units of an empty plant.
        for (int k = 15; k <= 96; ++k) {
            const auto i = static_cast<std::size_t>(k);
            plant->memories.MemoryUnit[i] = "%";
            plant->memories.MemoryUEMin[i] = "0.00";
            plant->memories.MemoryUEMax[i] = "100.00";
            plant->memories.MemoryLIE[i] = "0.00";
            plant->memories.MemoryLSE[i] = "100.00";
        }
    }
    if (line == kTracksMarker) {
        ReadSliders(*plant, reader, language);
        reader.SkipLine(); // "<Controls>"
    }
    // Otherwise a file older than the slider section: the line read was "<Controls>".

    // Each record holds what ran when it was saved: its objects take every valid part of it,
    // so a setting that was rejected, or is read live and invalid, costs nothing else.
    std::vector<std::string> &messages = result.applyMessages;
    const auto keep = [&messages](std::vector<std::string> more) {
        messages.insert(messages.end(),
                        std::make_move_iterator(more.begin()),
                        std::make_move_iterator(more.end()));
    };

    const auto create = [&](ObjectPool pool) {
        return [&plant, pool](int slot) {
            CreateObject(*plant, pool, slot);
        };
    };
    progress(10);
    ReadPresence(plant->controllers, reader, create(ObjectPool::Controllers));
    for (int slot = 1; slot <= 10; ++slot) {
        if (!plant->controllers.IsPresent(slot))
            continue;
        LoadControllerSection(plant->controllers[slot], reader, language);
        keep(plant->controllers[slot].ApplyControllerSettings(
            plant->memories, true, TakeOver::EachValidPart));
    }
    progress(25);
    reader.SkipLine();
    ReadPresence(plant->processes, reader, create(ObjectPool::Processes));
    for (int slot = 1; slot <= 24; ++slot) {
        if (!plant->processes.IsPresent(slot))
            continue;
        LoadProcessSection(plant->processes[slot], reader, language);
        keep(
            ApplyProcessSettings(plant->processes[slot], plant->memories, TakeOver::EachValidPart));
    }
    progress(45);
    reader.SkipLine();
    ReadPresence(plant->blocks, reader, create(ObjectPool::Blocks));
    for (int slot = 1; slot <= 24; ++slot) {
        if (!plant->blocks.IsPresent(slot))
            continue;
        LoadBlockSection(plant->blocks[slot], reader, language);
        keep(ApplyBlockSettings(plant->blocks[slot], plant->memories));
    }
    progress(60);
    reader.SkipLine();
    ReadPresence(plant->recorders, reader, create(ObjectPool::Recorders));
    for (int slot = 1; slot <= 10; ++slot) {
        if (!plant->recorders.IsPresent(slot))
            continue;
        LoadRecorderSection(plant->recorders[slot], reader, language);
        ApplyRecorderSettings(plant->recorders[slot], plant->memories);
    }
    progress(70);
    reader.SkipLine();
    ReadPresence(plant->animatedTexts, reader, create(ObjectPool::AnimatedTexts));
    for (int slot = 1; slot <= 20; ++slot) {
        if (!plant->animatedTexts.IsPresent(slot))
            continue;
        LoadTextSection(plant->animatedTexts[slot], reader, language);
        ApplyTextSettings(plant->animatedTexts[slot], plant->memories, TakeOver::EachValidPart);
    }

    progress(85);
    ReadCoordinates(*plant, reader);
    LeParametros(plant->xyRecorder, reader);
    for (int i = 0; i < 3; ++i)
        reader.SkipLine();
    progress(95);
    LoadSignalGeneratorSection(plant->signalGenerator, reader, plant->memories, language);
    ReadShapes(*plant, reader);
    ReadSwitches(*plant, reader);
    ReadPushButtons(*plant, reader, language);
    progress(100);
    ReadLinearizer(*plant, reader);
    ReadComments(*plant, reader, language);

    if (reader.Failed()) {
        result.errorLine = reader.ErrorLine();
        result.error = reader.Error();
        result.applyMessages.clear();
        return result;
    }
    if (options.settleRestoredStates)
        SettleLoadedPlant(*plant);
    RefreshMainWindow(*plant);
    result.plant = std::move(plant);
    return result;
}

std::string PictureFileNameOf(std::string_view chosenPath)
{
    const std::size_t slash = chosenPath.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? chosenPath : chosenPath.substr(slash + 1));
}

PlantReadResult ReadPlantFile(const std::string &path, PlantReadOptions options)
{
    PlantReadResult result;
    const Language language = options.language;
    // Looked at before it is opened: opening a pipe waits for a writer, and a device may
    // never end or act on being opened.
    struct stat seen = {};
    if (::stat(path.c_str(), &seen) != 0) {
        result.error = errno == ENOENT || errno == ENOTDIR
                           ? Tr(language, "Arquivo não encontrado", "File not found")
                           : CannotReadMessage(language);
        return result;
    }
    if (!S_ISREG(seen.st_mode)) {
        result.error = CannotReadMessage(language);
        return result;
    }
    if (static_cast<std::uintmax_t>(seen.st_size) > kMaxPlantFileBytes) {
        result.error = TooLargeMessage(language);
        return result;
    }
    // The name may have changed between the look and the open: without blocking, and only
    // what is still a regular file is read, and never beyond the bound.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = CannotReadMessage(language);
        return result;
    }
    struct stat opened = {};
    bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    std::string bytes;
    std::array<char, 65536> buffer = {};
    while (ok && bytes.size() <= kMaxPlantFileBytes) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        ok = got >= 0;
        if (got <= 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!ok) {
        result.error = CannotReadMessage(language);
        return result;
    }
    options.fileBaseName = BaseName(path);
    return ReadPlantText(bytes, options);
}

PlantReadResult ReadPlantFile(const std::string &path, Language language)
{
    PlantReadOptions options;
    options.language = language;
    return ReadPlantFile(path, std::move(options));
}

namespace {

// Some eighty bits from the system's random source: nobody can place a file or a link at the name
// beforehand.
std::string UnpredictableName(std::string_view plantName)
{
    static constexpr std::string_view kAlphabet
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device source;
    std::string drawn;
    for (int i = 0; i < 14; ++i)
        drawn += kAlphabet[source() % kAlphabet.size()];
    return TemporaryFileName(plantName, drawn);
}

// Every byte, forced to the disk; false on any failure.
bool WriteDurably(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return ::fsync(fd) == 0;
}

// What a save replaces: the plant file, or the regular file a link at its name points to.
struct SaveTarget
{
    std::filesystem::path path;
    bool exists = false;
    struct stat status = {};
};

// False when the name holds something a save must not replace: a folder, a pipe, a device, a
// link to one of them, or a file nobody may write.
bool FindSaveTarget(const std::string &path, SaveTarget &target)
{
    target.path = path;
    struct stat own = {};
    if (::lstat(path.c_str(), &own) != 0)
        return errno == ENOENT;
    if (S_ISLNK(own.st_mode)) {
        std::error_code code;
        const std::filesystem::path resolved = std::filesystem::canonical(path, code);
        // A dangling link: the plant file takes its place, and nothing is created where it
        // pointed.
        if (code)
            return code == std::errc::no_such_file_or_directory;
        target.path = resolved;
        if (::stat(resolved.c_str(), &own) != 0)
            return false;
    }
    target.exists = true;
    target.status = own;
    // Checked on the bits as well: the superuser may write anything, yet a plant file that
    // nobody may write is meant to stay as it is.
    return S_ISREG(own.st_mode) && (own.st_mode & 0222) != 0
           && ::access(target.path.c_str(), W_OK) == 0;
}

} // namespace

std::string TemporaryFileName(std::string_view plantName, std::string_view drawn)
{
    const std::string ending = "." + std::string(drawn) + ".tmp";
    const std::size_t room = ending.size() < NAME_MAX ? NAME_MAX - ending.size() : 0;
    std::size_t kept = std::min(plantName.size(), room);
    // A cut inside a character would leave a name that is not text.
    while (kept > 0 && kept < plantName.size()
           && (static_cast<unsigned char>(plantName[kept]) & 0xC0) == 0x80)
        --kept;
    return std::string(plantName.substr(0, kept)) + ending;
}

bool SavePlantFile(const Plant &plant,
                   const std::string &path,
                   Language language,
                   std::string &error,
                   const TemporaryNameSource &temporaryNames)
{
    const std::string bytes = WritePlantText(plant, language);
    const auto fail = [&] {
        error = std::string(Tr(language, "Não foi possível gravar ", "Could not write ")) + path;
        return false;
    };
    SaveTarget target;
    if (!FindSaveTarget(path, target))
        return fail();
    const std::filesystem::path folder
        = target.path.has_parent_path() ? target.path.parent_path() : ".";
    const std::string plantName = target.path.filename().string();

    // Created new, never through a link; a name already taken is drawn again.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        try {
            temporary
                = (folder / (temporaryNames ? temporaryNames() : UnpredictableName(plantName)))
                      .string();
        } catch (const std::exception &) { // the system's random source may be unavailable
            return fail();
        }
        fd = ::open(temporary.c_str(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    target.exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail();
    bool ok = true;
    if (target.exists) {
        const struct stat &old = target.status;
        // The owner only the superuser may give; the group also the owner, when a member.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && WriteDurably(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return fail();
    }
    // The rename itself reaches the disk with its folder.
    const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

} // namespace zelvar
