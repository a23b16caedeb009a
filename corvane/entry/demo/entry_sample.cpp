// Corvane's forms to look at:
//   corvane_entry_sample.exe grid       the element table of a tank's shell roof (25 elements)
//   corvane_entry_sample.exe beam       the element table of a beam (8 elements)
//   corvane_entry_sample.exe nodal      the nodal load table of a beam with unyielding nodes 1 and 3
//   corvane_entry_sample.exe load       the load data form generating a nodal load column
//   corvane_entry_sample.exe thermal    the wall's thermal and shrinkage/swelling form
//   corvane_entry_sample.exe shell      the roof shell dialog
//   corvane_entry_sample.exe geometry   the geometry dialog of a new beam job, then its element table
//   corvane_entry_sample.exe roof       the geometry dialog of a tank's roof
//   corvane_entry_sample.exe generate   the generation dialog of a beam's element widths
//   corvane_entry_sample.exe uniform    the uniform value dialog of a beam's element lengths
//   corvane_entry_sample.exe tank       the tank substructure choice of the geometry
//   corvane_entry_sample.exe table      the element table of a beam of 8 elements
//   corvane_entry_sample.exe supports   the support types of a beam, then its data dialogs
//   corvane_entry_sample.exe wall       the support types of a tank's wall below a shell roof
//   corvane_entry_sample.exe checklist  the unyielding supports' check list of a beam of 20 elements
//   corvane_entry_sample.exe elastic    the elastic-support table of a beam of 8 elements
//   corvane_entry_sample.exe winkler    the Winkler table of a tank's base plate
//   corvane_entry_sample.exe beamsoil   the Winkler table of a beam, its remarks under the buttons
//   corvane_entry_sample.exe halfspace  the cross-anisotropic half-space dialog
//   corvane_entry_sample.exe beamloads  the load type choice of a beam
//   corvane_entry_sample.exe wallloads  the load type choice of a tank's wall
//   corvane_entry_sample.exe roofloads  the load type choice of a tank's shell roof
//   corvane_entry_sample.exe roofload   the shell roof's table of normal loads (6 elements)
//   corvane_entry_sample.exe hydrostatic  the hydrostatic load form of a tank
#include <windows.h>

#include <string>

#include "core/numbers.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/tests/formsamples.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  corvane::UseCorvaneGrid();
  corvane::OpenFormSample(Trim(commandLine ? commandLine : ""));
  return 0;
}
