#include "engine/model/controllerrecord.h"

#include "engine/model/controller.h"
#include "engine/model/planttextfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvar {
namespace {

Controller ConfiguredController()
{
    Controller controller(3);
    controller.EditSettings([](ControllerSettings &s) {
        s.TagText = "FIC-03";
        s.Descricao = "Vazão";
        s.KpText = "2,5";
        s.KiText = "12";
        s.InicioEscala = "0";
        s.FimEscala = "250";
        s.BackMVCheck = true;
        s.VariavelSelect = 20;
        s.BackMV = 7;
        s.FFwEquation = "M05*2";
        s.Acaogroup = 0;
        s.DerivadaGroup = 1;
        s.EstruturaGroup = 0;
    });
    controller.SetCheckSPR(true);
    controller.EditSettings([](ControllerSettings &s) { s.SPRSelect = 4; });
    // The record holds what Apply took over; the scale follows the PV memory (M21).
    MemoryTable memories;
    memories.MemoryUEMin[21] = "0";
    memories.MemoryUEMax[21] = "250";
    controller.ApplyControllerSettings(memories, false);
    controller.previousIntegral = -12.5;
    controller.previousError = 3;
    controller.previousPv = 7.5;
    controller.local = false;
    controller.automatic = true;
    controller.Setpoint = 7.5;
    controller.co = 100;
    return controller;
}

std::vector<std::string> Written(const Controller &controller)
{
    PlantTextWriter writer;
    SaveControllerSection(controller, writer);
    return writer.Lines();
}

// Through the file's bytes, so the labels are counted after Windows-1252 decoding.
Controller ReadBack(const std::vector<std::string> &lines, Language language, int slot = 3)
{
    PlantTextWriter writer;
    for (const std::string &line : lines)
        writer.WriteLine(line);
    PlantTextReader reader = PlantTextReader::FromFileBytes(writer.ToFileBytes());
    Controller controller(slot);
    LoadControllerSection(controller, reader, language);
    EXPECT_FALSE(reader.Failed()) << reader.Error();
    EXPECT_TRUE(reader.AtEnd());
    return controller;
}

TEST(ControllerRecord, WritesTheLabelsAsStoredFilesHaveThem)
{
    const std::vector<std::string> expected = {
        "=====<<<CONTROLADOR:03>>>=====",
        "{C03/01} Tag:FIC-03",
        "{C03/02} Desc:Vazão",
        "{C03/03} Kc:2,5",
        "{C03/04} Ti:12",
        "{C03/05} Td:0",
        "{C03/06} Bias:50",
        "{C03/07} Fator a:1",
        "{C03/08} Tf Filtro:0",
        "{C03/09} COmim:0",
        "{C03/10} COMax:100",
        "{C03/11} Escala PVMax:0",
        "{C03/12} Escala PVmin:250",
        "{C03/13} BackMV CK:True",
        "{C03/14} Indice lista PV:20",
        "{C03/15} Indice lista SPR:4",
        "{C03/16} Endereço  BackMV:7",
        "{C03/17} Acao FF:M05*2",
        "{C03/18} Habilita SPR:True",
        "{C03/19} Habilita FF:False",
        "{C03/20} Tipo acao:0",
        "{C03/21} Derivada na PV:1",
        "{C03/22} Estrutura ISA:0",
        "{C03/23} Iant:-12.50",
        "{C03/24} Erroant:3.00",
        "{C03/25} PVant:7.50",
        "{C03/26} Habilita Modo Remoto:False",
        "{C03/27} Habilita Modo Auto:True",
        "{C03/28} 7.50",
        "{C03/29} 100.00",
    };
    EXPECT_EQ(Written(ConfiguredController()), expected);
}

TEST(ControllerRecord, ReadsBackWhatItWrote)
{
    const std::vector<std::string> lines = Written(ConfiguredController());
    Controller read = ReadBack(lines, Language::Portuguese);
    EXPECT_EQ(read.Settings().SPRSelect, 4);  // survives ticking "SPR"
    EXPECT_EQ(read.remoteSetpointMemory, 1);  // what the tick of "SPR" selects
    EXPECT_EQ(read.faceplate.SPText, "7.50"); // percent, until the settings are applied
    EXPECT_EQ(read.faceplate.MVText, "100.00");
    EXPECT_FALSE(read.faceplate.btnatualizaEnabled);
    EXPECT_EQ(read.previousIntegral, -12.5);
    // The plant reader applies the record next; then it writes what it read.
    MemoryTable memories;
    memories.MemoryUEMin[21] = "0";
    memories.MemoryUEMax[21] = "250";
    read.ApplyControllerSettings(memories, false);
    EXPECT_EQ(Written(read), lines);
}

TEST(ControllerRecord, BilingualTagAndDescriptionKeepTheLanguagePart)
{
    Controller controller = ConfiguredController();
    controller.EditSettings([](ControllerSettings &s) {
        s.TagText = "Vazão|Flow";
        s.Descricao = "Vazão de vapor|Steam flow";
    });
    MemoryTable memories;
    controller.ApplyControllerSettings(memories, false);
    const std::vector<std::string> lines = Written(controller);

    const Controller portuguese = ReadBack(lines, Language::Portuguese);
    EXPECT_EQ(portuguese.Settings().TagText, "Vazão");
    EXPECT_EQ(portuguese.Settings().Descricao, "Vazão de vapor");
    Controller english = ReadBack(lines, Language::English);
    EXPECT_EQ(english.Settings().TagText, "Flow");
    EXPECT_EQ(english.Settings().Descricao, "Steam flow");
    english.ApplyControllerSettings(memories, false);
    EXPECT_EQ(Written(english)[1], "{C03/01} Tag:Flow");
}

TEST(ControllerRecord, AListPositionThatIsNotAWholeNumberFailsTheRead)
{
    std::vector<std::string> lines = Written(ConfiguredController());
    lines[15] = "{C03/15} Indice lista SPR:";
    PlantTextWriter writer;
    for (const std::string &line : lines)
        writer.WriteLine(line);
    PlantTextReader reader = PlantTextReader::FromFileBytes(writer.ToFileBytes());
    Controller controller(3);
    LoadControllerSection(controller, reader, Language::Portuguese);
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.ErrorLine(), 16);
}

TEST(ControllerRecord, OtherBadContentsAreTakenAsTheyParse)
{
    std::vector<std::string> lines = Written(ConfiguredController());
    lines[20] = "{C03/20} Tipo acao:7";
    lines[23] = "{C03/23} Iant:12.5x";
    lines[26] = "{C03/26} Habilita Modo Remoto:true";
    lines[28] = "{C03/28}";
    const Controller read = ReadBack(lines, Language::Portuguese);
    EXPECT_EQ(read.Settings().Acaogroup, -1);
    EXPECT_EQ(read.previousIntegral, 125.0);
    EXPECT_FALSE(read.local);
    EXPECT_EQ(read.Setpoint, 0.0);
    EXPECT_EQ(read.faceplate.SPText, "");
}

} // namespace
} // namespace zelvar
