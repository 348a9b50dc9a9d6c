#pragma once

#include "engine/model/stepcontext.h"
#include "instruments/model/progress.h"

#include <string>
#include <vector>

namespace zelvar {

struct EnginePlant;
class PlantTextReader;
class PlantTextWriter;

struct XYPoint
{
    double x = 0.0;
    double y = 0.0;
};

// The XY recorder: one memory plotted against another while the plant runs a batch over a
// simulated window. Axis choices follow the instruments' memory lists (memorylist.h); none of
// them is stored in the plant file. The point cloud (Series1) is kept in ascending order of
// X and grows with every sweep until it is cleared.
class XYRecorder
{
public:
    static constexpr int kPresetCount = 21;

    // Presets: 0 "Seleção Individual"; 2n - 1 "COxPV [Malha n]"; 2n "COxMV [Malha n]"
    // (n = 1-10); -1 while nothing was chosen.
    int Presets = -1;
    int ComboX = 0;
    int ComboY = 0;
    int JanelaComboBox = 0; // "10 min", "30 min", "1 hora"

    // "Registra" needs a memory on both axes.
    bool Button1Enabled() const { return ComboX >= 0 && ComboY >= 0; }
    // The sweep's window in seconds by JanelaComboBox: 600, 1800, or 3600 for any other.
    int WindowSeconds() const;

    // ComboXDropDown / ComboYDropDown: the list is refilled and comes back to its first item,
    // and the presets to "Seleção Individual".
    void OpenXList();
    void OpenYList();

    const std::vector<XYPoint> &Series1() const { return m_points; }
    // Adds a sweep's points, keeping the cloud in ascending order of X (equal X in the order
    // they came).
    void AddPoints(const std::vector<XYPoint> &points);
    // "Limpar".
    void Clear() { m_points.clear(); }

private:
    std::vector<XYPoint> m_points;
};

// The item texts of the presets list.
std::string XYPresetItem(int index);

// PresetsChange: for loop n whose controller is present, COxPV puts X on the controller's
// output Mn and Y on its PV choice; COxMV puts X on Mn and Y on the actuator position of
// process n (list position 99 + n). An absent controller, and "Seleção Individual", change
// neither axis.
void SelectXYPreset(XYRecorder &recorder, int index, const EnginePlant &plant);

// The sweep: round(window / 0.1) steps of 0.1 s through the shared step order, without
// recorders and animated texts, with the fast-run flag set; after each step the point
// (signal x, signal y), x and y being signal numbers (list position + 1). The live plant
// advances; the time step stays 0.1 and the fast-run flag ends cleared.
std::vector<XYPoint> RunXYSweep(EnginePlant &plant,
                                StepContext &context,
                                int windowSeconds,
                                int x,
                                int y,
                                const ProgressCallback &progress = {});

// "Registra": sweeps the chosen window with the chosen axes and adds the points.
void RecordXYSweep(XYRecorder &recorder,
                   EnginePlant &plant,
                   StepContext &context,
                   const ProgressCallback &progress = {});

// The 19-line record: "=====<<<REGISTRADOR XY>>>=====" and "{X/01} " to "{X/18} "; the
// reader reads 19 lines and drops them.
void SalvaParametros(const XYRecorder &recorder, PlantTextWriter &writer);
void LeParametros(XYRecorder &recorder, PlantTextReader &reader);

} // namespace zelvar
