#include "workspace/ui/examplecatalog.h"

namespace zelvar {

namespace {

// Descriptions keep the line breaks of the gallery's memos.
constexpr std::array<ExampleTab, 6> kTabs{{
    {"Vazão/Pressão", "Flow/Pressure"},
    {"Nível (integrador)", "Level Control"},
    {"Temperatura", "Temperature"},
    {"Multimalha", "Multiloop"},
    {"Combustão", "Combustion"},
    {"Outros", "Others"},
}};

constexpr std::array<ExampleEntry, 22> kEntries{{
    {0,
     "sim18",
     "Vazão em Duto",
     "Basic flow loop",
     "Controle retroalimentado\n\nResposta a variação no SP e \nvariação de carga.",
     "Feedback control\n\nLoad and SP-Change response",
     "\\examples\\basic flow loop\\basic flow loop.smp"},
    {0,
     "sim17",
     "Tubulação com By-pass",
     "Pipeline with Bypass",
     "Controle \"Grosso-Fino\".\n \nMelhoria de rangeabilidade e \nresolução em malha de \nvazão "
     "com acionamento \nsimultâneo de duas válvulas.",
     "Course-Fine Control\n\nResolution and rangeability improvement in flow loop with "
     "course-valve and fine-valve manipulation",
     "\\examples\\course-fine flow loop\\course-fine flow loop.smp"},
    {0,
     "sim8",
     "Pressão Header e 3 Consumidores",
     "Header pressure with 3 consumers",
     "Desacoplamento de malhas \nconsumidoras com regulação \nde pressão no header \n(cabeçote "
     "\nde linha).",
     "Decoupling of line consumers with tight header pressure regulation",
     "\\examples\\header pressure with 3 consumers\\header pressure with 3 consumers.smp"},
    {0,
     "sim9",
     "Processos Não Lineares",
     "Nonlinear processes",
     "Simulação de processos \noperando com agarramento, \nhisterese e curva não-linear \nem "
     "válvulas e limitador de \naceleração em variador de \nvelocidade",
     "Simulation of processes operating with stiction, hysteresis and non-linear curve valves and "
     "limited variable speed acceleration",
     "\\examples\\nonlinear flow processes\\nonlinear flow processes.smp"},
    {1,
     "sim5",
     "Tanque com Regulação de Nível",
     "Regulatory level",
     "Controle regulatório em \nprocesso integrador \n\nManipulação de bomba com \nvariador de "
     "velocidade não-\nlinear (limitação de \naceleração)",
     "Regulatory control in tank with nonlinear variable speed pump",
     "\\examples\\regulatory level\\regulatory level.smp"},
    {1,
     "sim6",
     "Tanque Pulmão",
     "Surge Tank",
     "Controle médio do nível em \ncaixa de absorção de carga",
     "Average Level Control applied in surge tank",
     "\\examples\\surge tank\\surge tank.smp"},
    {2,
     "sim11",
     "Trocador de Calor",
     "Heat exchanger",
     "Compensação Direta\n\nControle de temperatura em \ntrocador de calor com \ncompensação "
     "direta da \ntemperatura de chegada.",
     "Temperature control in heat exchanger with feedforward compensation on inflow temperature "
     "measure.",
     "\\examples\\heat exchanger\\heatexchanger.smp"},
    {2,
     "sim14",
     "Reator com Jaqueta",
     "Split range control",
     "Controle com Divisão de \nFaixa\n\nDivisão de faixa na saída do \ncontrolador de temperatura "
     "\nem reator com jaqueta de \nesfriamento e aquecimento",
     "Split range calculation on controller output of a reactor with heating and cooling valves.",
     "\\examples\\splitrange control\\splitrange.smp"},
    {2,
     "sim12",
     "Forno Tubular",
     "Furnace Temperature",
     "Controle retroalimentado \n\nResposta a variação de SP e \ndistúrbio em degrau (abertura "
     "\nde porta). Aplicação de filtro \nno transmissor para uso de \nação derivativa.",
     "Feedback control and noisy filtering for derivative action",
     "\\examples\\furnace\\furnace.smp"},
    {2,
     "sim13",
     "Forno Tubular II",
     "Furnace Temperature(Master-Slave)",
     "Controle Mestre-Escravo\n\nElo interno para \ncompensação de distúrbios \nna vazão. Resposta "
     "a \nvariação de SP e distúrbio em \ndegrau (abertura de porta).",
     "Uses of internal feedback (cascated loop) for flow regulation",
     "\\examples\\furnace masterslave\\furnace.smp"},
    {3,
     "sim10",
     "Reator",
     "Reactor",
     "Controle de nível, \ntemperatura e vazão de \nreator com elo interno e \ncompensação direta.",
     "Level, temperatura and flow control of reactor using internal loop and feed forward control.",
     "\\examples\\reactor\\reactor.smp"},
    {3,
     "sim15",
     "Planta de resfriamento",
     "Cooling plant",
     "Resfriamento de gás com \ncontrole de nível, pressão \ne temperatura.",
     "Gas cooling with level, pressure and temperature control.",
     "\\examples\\coolingplant\\coolingplant.smp"},
    {3,
     "sim16",
     "Torre deetanizadora",
     "Ethane extraction plant",
     "Controle-médio de nível \nem vaso separador; \ncontrole de temperatura e \nnível de "
     "condensado com \nelo interno e \ncompensação direta; \ncontrole de pressão de \ntopo.",
     "Average Level of surge vessel; temperature and level control of condensate with cascade and "
     "feedforward links; gas pressure control.",
     "\\examples\\ethaneplant\\ethaneplant.smp"},
    {3,
     "sim1",
     "Caldeira industrial",
     "Industrial Boiler",
     "Controle de nível do \ntubulão a três elementos; \nControle de combustão \ncom limites "
     "cruzados; \nControle de temperatura \ne vazão do vapor",
     "Cascade, FeedForward and Boiler Level Control (3-element control); Cross Limits Ratio "
     "control for combustion; Steam temperature and pressure control",
     "\\examples\\boiler\\boiler.smp"},
    {4,
     "sim3a",
     "Razão Ar/Gas básico",
     "Basic Ratio Control",
     "Controle da relação Ar/Gas \napenas com definição dos \nSP's. Não há proteção \ncontra "
     "excesso de gas.",
     "Application of basic ratio control (no protection againt excess gas)",
     "\\examples\\combustion\\ratio.smp"},
    {4,
     "sim3b",
     "Razão Ar/Gás com Limites Cruzados",
     "Ratio Control with Crossed Limits",
     "Controle da relação Ar/Gas \ncom aplicação de limites \ncruzados simples para \nsegurança "
     "contra excesso de \ngás.",
     "Application of single crossed limits for security against excess gas",
     "\\examples\\combustion\\cl.smp"},
    {4,
     "sim3c",
     "Razão Ar/Gás com Duplo Limites Cruzados",
     "Ratio Control with Double Crossed Limits",
     "Controle da relação Ar/Gas \ncom aplicação de limites \ncruzados duplos para \nsegurança "
     "contra excesso de \ngás e manutenção da \nrelação \nestequiométrica.",
     "Application of double crossed limits for security against excess gas and air",
     "\\examples\\combustion\\dcl.smp"},
    {4,
     "sim3d",
     "Queima com 2 combustíveis",
     "Combustion with two fuels",
     "Controle da relação Ar/Gas \ncom aplicação de dois \ncombustíveis sendo um\npreferencial "
     "(barato, porém\ncom disponibilidade limitada)\ne outro complementar.",
     "Ratio control with a preferencial and limited fuel and a complementar fuel",
     "\\examples\\combustion2fuels\\combustion2fuels.smp"},
    {5,
     "sim4",
     "Condutividade Linearizado",
     "Linearized pH control",
     "Controle de condutividade \nem processo não-linear de \nlixiviação. Uso de linearizador.",
     "Non-Linear pH Control for leaching. Application of characterizer",
     "\\examples\\Linearized pH control\\pHcontrol.smp"},
    {5,
     "sim7",
     "Preditor de Smith",
     "Smith predictor",
     "Uso de compensação de \ntempo morto em processo \ncom enorme atraso de \ntransporte",
     "Use of dead time compensation for process with great transport delay",
     "\\examples\\smith predictor\\smithpredictor.smp"},
    {5,
     "sim2",
     "4 Processos para Modelagem",
     "4 Processes for Modelling",
     "Processos com dinâmicas \nvariadas (ordem 1, 2  \nsubamortecido, 4 e \nintegrador) para "
     "estudos \nsobre técnicas de \nmodelagem.",
     "Processes with different structures for modeling exercises",
     "\\examples\\processes to model\\4processes.smp"},
    {5,
     "sim19",
     "Resposta em Frequência",
     "Frequency Response",
     "Simulação de uma malha \nde vazão submetida a SP e \ndistúrbio com perfil \nsenoidal. ",
     "Flow loop simulation with variable sinusoidal SP and load changes.",
     "\\examples\\frequency response\\frequencyresponse.smp"},
}};

} // namespace

const std::array<ExampleTab, 6> &ExampleTabs()
{
    return kTabs;
}

const std::array<ExampleEntry, 22> &ExampleEntries()
{
    return kEntries;
}

} // namespace zelvar
