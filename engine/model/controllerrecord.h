#pragma once

#include "engine/model/language.h"

namespace zelvar {

class Controller;
class PlantTextReader;
class PlantTextWriter;

// A controller's plant-file record: the header "=====<<<CONTROLADOR:nn>>>=====" and 29 lines
// "{Cnn/ii} " + label + content (nn the slot, ii the line, both with two digits). Lines 1-22
// hold the configuration that runs (Controller::SavedSettings); lines 23-29 the working values
// that let a loop resume (previous integral, error and PV, local and automatic flags,
// setpoint and output). Labels and their lengths are fixed by the files already written:
// line 11 carries the scale BEGIN under "Escala PVMax:", line 12 the END under
// "Escala PVmin:", and line 26 the LOCAL flag under "Habilita Modo Remoto:".
void SaveControllerSection(const Controller &controller, PlantTextWriter &writer);

// Reads the record into a controller whose ObjectNumber is set; the values are taken by
// position after each label's length, the labels are not compared. Tag and description keep
// the part of the language. A list position that is not a whole number is an error of the
// file (the reader records it). Nothing is left pending; the caller applies the settings next.
void LoadControllerSection(Controller &controller, PlantTextReader &reader, Language language);

} // namespace zelvar
