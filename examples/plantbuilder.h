#pragma once

#include "documents/model/plantoperations.h"

#include <string>
#include <string_view>

namespace zelvar::examples {

// What the variable list holds for a memory M15-M96: unit, range and alarm limits as typed.
struct MemorySetup
{
    std::string unit = "%";
    std::string low = "0";
    std::string high = "100";
    // Empty: the range end.
    std::string alarmLow{};
    std::string alarmHigh{};
};

// A process as its window's edits hold it. Numbers are texts as a user types them.
struct ProcessSetup
{
    std::string tag{};
    std::string description{}; // "Português|English"
    int input = 1;             // the memory it reads
    std::string gain = "1";
    std::string deadTime = "0";
    int transfer = 0;         // 0 two lags, 1 under-damped, 2 lead-lag, 3 integrator
    std::string tau1 = "10";  // two lags
    std::string tau2 = "0";   // two lags
    std::string cycles = "1"; // under-damped
    std::string period = "10";
    std::string lead = "0";
    std::string lag = "0";
    std::string initialValue = "0"; // integrator
    int valveCurve = 0;             // 0 linear, 1 quick opening, 2 equal %, 3 S1, 4 S2
    std::string backlash = "0";
    std::string stiction = "0";
    std::string actuatorLag = "0";
    std::string rate = "0";
    bool saturatorOff = false;
    int left = 0;
    int top = 0;
};

// A controller's configuration panel. The defaults are those of the examples: ISA, derivative
// on the PV, direct process, automatic, local setpoint.
struct ControllerSetup
{
    std::string tag{};
    std::string description{}; // "Português|English"
    int pv = 1;
    double setpoint = 50.0; // percent
    std::string kc = "1";
    std::string ti = "10";
    std::string td = "0";
    std::string filter = "0";
    std::string a = "1";
    std::string bias = "50";
    std::string coMin = "0";
    std::string coMax = "100";
    bool reverse = false;
    bool parallel = false;
    bool automatic = true;
    bool integral = true;
    bool derivative = true;
    int remoteSetpoint = 0;    // memory; 0 for none
    bool remote = false;       // start in remote
    int backCalculation = 0;   // memory; 0 for none
    std::string feedForward{}; // empty for none
    double output = 50.0;      // the starting output in manual
    int left = 0;
    int top = 0;
};

struct BlockSetup
{
    std::string tag{};
    std::string description{};
    std::string expression{};
    std::string high{}; // empty: no upper limit
    std::string low{};  // empty: no lower limit
    int left = 0;
    int top = 0;
};

struct RecorderSetup
{
    std::string tag{};
    std::string description{};
    int pen1 = 0; // memory; 0 for none
    int pen2 = 0;
    int pen3 = 0;
    std::string name1 = "PV";
    std::string name2 = "SP";
    std::string name3 = "MV";
    int timeBase = 0; // 0 "3 segundos", 1 "9 segundos", 2 "1 minuto"
    int left = 0;
    int top = 0;
};

enum class TextKind { Scalar, Binary, Equation };

struct TextSetup
{
    TextKind kind = TextKind::Scalar;
    std::string description{}; // "Português|English"
    int memory = 0;            // Scalar and Binary
    std::string expression{};  // Equation: the expression; Binary: "<text for 0>/<otherwise>"
    std::string unit{};        // Equation
    std::string low = "0";     // Equation's range
    std::string high = "100";
    int decimals = 1;
    int left = 0;
    int top = 0; // the value label's top; the description sits 13 px above
};

struct SliderSetup
{
    std::string name{}; // "Português|English"; the slider drives M(14 + k)
    double percent = 50.0;
    int left = 0;
    int top = 0;
};

struct PushButtonSetup
{
    std::string name{}; // the button drives M(96 + k)
    std::string textOff{};
    std::string textOn{};
};

struct ShapeSetup
{
    bool circle = true;
    int memory = 0;
    int size = 50; // a circle's height; a rectangle's height at 50 %, twice that full
    int width = 50;
    PlantColour colour1 = kColourRed;
    PlantColour colour2 = kColourLime;
    int left = 0;
    int top = 0;
};

struct SwitchSetup
{
    int orientation = 0; // 0 left, 1 up, 2 right, 3 down
    bool on = false;
    int left = 0;
    int top = 0;
};

struct GeneratorRowSetup
{
    int kind = kConstant; // SignalKind
    std::string description{};
    std::string min{};
    std::string max{};
    std::string value{};
};

// Builds an example plant through the same operations the configuration window and the object
// windows perform. Objects take their settings at once; Finish() applies every object as the
// plant reader does, and throws std::runtime_error naming the object when any Apply refuses a
// setting, so a plant that would open with a message never gets written.
class PlantBuilder
{
public:
    explicit PlantBuilder(Plant &plant);

    Plant &plant() { return m_plant; }

    void Title(std::string_view title);
    void Memory(int k, const MemorySetup &setup);
    void Process(int slot, const ProcessSetup &setup);
    void Controller(int slot, const ControllerSetup &setup);
    void Block(int slot, const BlockSetup &setup);
    void Recorder(int slot, const RecorderSetup &setup);
    void Text(int slot, const TextSetup &setup);
    void Slider(int k, const SliderSetup &setup);
    void PushButton(int k, const PushButtonSetup &setup);
    void CommandPanel(int left, int top);
    void Shape(int k, const ShapeSetup &setup);
    void Switch(int k, const SwitchSetup &setup);
    void GeneratorRow(int n, const GeneratorRowSetup &setup);

    void Finish();

private:
    void Place(ObjectPool pool, int slot, int left, int top);

    Plant &m_plant;
    std::vector<int> m_generatorRows;
};

} // namespace zelvar::examples
