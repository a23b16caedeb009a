// Corvane's forms to look at:
//   corvane_forms_sample.exe grid       the element table of a tank's shell roof (25 elements)
//   corvane_forms_sample.exe beam       the element table of a beam (8 elements)
//   corvane_forms_sample.exe nodal      the nodal load table of a beam with unyielding nodes 1 and 3
//   corvane_forms_sample.exe load       the load data form generating a nodal load column
//   corvane_forms_sample.exe thermal    the wall's thermal and shrinkage/swelling form
//   corvane_forms_sample.exe shell      the roof shell dialog
//   corvane_forms_sample.exe geometry   the geometry dialog of a new beam job, then its element table
//   corvane_forms_sample.exe roof       the geometry dialog of a tank's roof
//   corvane_forms_sample.exe generate   the generation dialog of a beam's element widths
//   corvane_forms_sample.exe uniform    the uniform value dialog of a beam's element lengths
//   corvane_forms_sample.exe tank       the tank substructure choice of the geometry
//   corvane_forms_sample.exe table      the element table of a beam of 8 elements
//   corvane_forms_sample.exe supports   the support types of a beam, then its data dialogs
//   corvane_forms_sample.exe wall       the support types of a tank's wall below a shell roof
//   corvane_forms_sample.exe checklist  the unyielding supports' check list of a beam of 20 elements
//   corvane_forms_sample.exe elastic    the elastic-support table of a beam of 8 elements
//   corvane_forms_sample.exe winkler    the Winkler table of a tank's base plate
//   corvane_forms_sample.exe beamsoil   the Winkler table of a beam, its remarks under the buttons
//   corvane_forms_sample.exe halfspace  the cross-anisotropic half-space dialog
//   corvane_forms_sample.exe beamloads  the load type choice of a beam
//   corvane_forms_sample.exe wallloads  the load type choice of a tank's wall
//   corvane_forms_sample.exe roofloads  the load type choice of a tank's shell roof
//   corvane_forms_sample.exe roofload   the shell roof's table of normal loads (6 elements)
//   corvane_forms_sample.exe hydrostatic  the hydrostatic load form of a tank
#include <windows.h>

#include <string>

#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/forms/forms.h"
#include "corvane/forms/tests/formsamples.h"

using namespace corvane;

namespace {

void Geometry(const char* type, const char* sub, int n, bool shell) {
  StructureType = type;
  Substructure = sub;
  JobSpec = "C:\\TANKS\\SAMPLE";
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kShellRoofSlot] = shell ? "Y" : "N";
  GeometryAnswers[kCurvedSectionSlot] = "Y";
  JobDataTable.Redim(8, 6);
  JobDataTable(1, 1) = n;
  JobDataTable(1, 2) = 8;
  JobDataTable(2, 2) = 12;
  JobDataTable(3, 1) = n;
  JobDataTable(3, 3) = 12;
  int columns = shell || std::string(sub) == "BEAM" ? 3 : 2;
  CellTexts.Redim(columns + 1, n);
  for (int r = 1; r <= n; ++r) {
    CellTexts(1, r) = NumberToText(r);
    CellTexts(2, r) = shell ? "4.8000E-1" : "1";
    CellTexts(3, r) = shell ? "1.2000E-1" : "0.5";
    if (columns == 3) CellTexts(4, r) = shell ? "0.08" : "0.6";
  }
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = "GEOMETRY";
  TableKind = 0;
  SetTableLayout(1, n, columns);
  DialogAnswer = static_cast<int>(ShowModalDialog(BuildDataTable(), nullptr, DataTableProc));
}

void NodalTable() {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "C:\\BEAMS\\SAMPLE";
  LoadCaseName = "Dead load";
  UnyieldingNodes = "1,3";
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = "NODAL";
  FormTexts(0, 1) = " NODAL LOAD DATA. Load Case: " + LoadCaseName;
  FormTexts(1, 0) = "&INPUT SAME LOADS AT ALL NODES";
  FormTexts(1, 1) = "&GENERATE";
  FormTexts(2, 0) = "Node";
  FormTexts(2, 1) = "Nodal Loads";
  FormTexts(3, 0) = "i";
  FormTexts(3, 1) = "Pvi [kN] ";
  FormTexts(3, 2) = "Mi [kN.m] ";
  CellTexts.Redim(3, 9);
  for (int r = 1; r <= 9; ++r) {
    CellTexts(1, r) = "   " + Trim(NumberToText(r));
    CellTexts(2, r) = r == 5 ? "120" : "0";
    CellTexts(3, r) = "0";
  }
  TableKind = 2;
  SetTableLayout(1, 9, 2);
  DialogAnswer = static_cast<int>(ShowModalDialog(BuildDataTable(), nullptr, DataTableProc));
}

void LoadForm(int mode) {
  LoadCaseName = "Dead load";
  Substructure = mode == 7 ? "WALL" : "BEAM";
  FormTexts.Redim(6, 6);
  NodalGenerationTexts();
  SharedIntegers(4, 0) = mode == 7 ? 8 : 4;
  SharedIntegers(4, 1) = mode == 7 ? 237 : 241;
  SharedIntegers(4, 2) = 9;
  LoadTable.Redim(12, 4);
  LoadTable(10, 1) = 12.5f;
  LoadTable(7, 2) = -1.2e-4f;
  DialogAnswer = static_cast<int>(ShowModalDialog(LoadGenerationDialog(mode), nullptr, LoadDataDialogProc));
}

void Shell() {
  ShellRoofTank("C:\\TANKS\\SAMPLE", 12, 25);
  DialogAnswer = static_cast<int>(ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc));
}

// A beam job "SAMPLE" in the current folder, new, with the grid's generation texts.
void BeamJob() {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "SAMPLE";
  GeometryAnswers.assign(8, std::string());
  JobDataTable.Redim(8, 6);
}

// The beam's element table of 8 elements from the work tables.
void BeamTable() {
  BeamJob();
  JobDataTable(1, 1) = 8;
  JobDataTable(1, 2) = 8;
  WorkTables[1].Redim(8, 3);
  for (int r = 1; r <= 8; ++r) WorkTables[1](r, 1) = 1, WorkTables[1](r, 2) = 0.5f, WorkTables[1](r, 3) = 0.6f;
}

void GenerationSample(bool uniform) {
  BeamTable();
  GeometryDetailsDialog();
  if (uniform) {
    RunUniformDialog(nullptr, 1);
  } else {
    RunGenerationDialog(nullptr, 2);
  }
}

// Support answers of a structure of n elements (a tank with a roof of 4), nothing on file.
void SupportJob(const char* type, const char* sub, int n) {
  BeamJob();
  StructureType = type;
  Substructure = sub;
  JobDataTable(1, 1) = n;
  JobDataTable(2, 1) = n;
  JobDataTable(3, 1) = 4;
  ClearSupportFlags(StructureType == "TANK" ? 3 : 1);
  UseGeometryEntry();
  UseSupportEntry();
}

}  // namespace

// A load case "Dead load" of a tank or beam with six elements in every substructure.
void LoadJob(const char* type, const char* sub, bool shell) {
  StructureType = type;
  Substructure = sub;
  JobSpec = "C:\\TANKS\\SAMPLE";
  LoadCaseName = "Dead load";
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kShellRoofSlot] = shell ? "Y" : "N";
  JobDataTable.Redim(8, 6);
  for (int s = 1; s <= 3; ++s) JobDataTable(s, 1) = 6;
  JobDataTable(2, 3) = 8;
  LoadTable.Redim(12, 4);
  SizeLoadTables(StructureCode(), 6, 6, 6);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  UseCorvaneGrid();
  std::string what = Trim(commandLine ? commandLine : "");
  if (what == "beam") {
    Geometry("BEAM/STRIP", "BEAM", 8, false);
  } else if (what == "nodal") {
    NodalTable();
  } else if (what == "load") {
    LoadForm(4);
  } else if (what == "thermal") {
    LoadForm(7);
  } else if (what == "shell") {
    Shell();
  } else if (what == "geometry") {
    BeamJob();
    UseGeometryEntry();
    EnterGeometry(nullptr);
  } else if (what == "roof") {
    BeamJob();
    StructureType = "TANK";
    Substructure = "ROOF STRUCTURE";
    ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc);
  } else if (what == "generate" || what == "uniform") {
    GenerationSample(what == "uniform");
  } else if (what == "table") {
    BeamTable();
    UseGeometryEntry();
    ShowTableWindow(nullptr, GeometryDetailsDialog());
  } else if (what == "tank") {
    BeamJob();
    StructureType = "TANK";
    UseGeometryEntry();
    EnterGeometry(nullptr);
  } else if (what == "supports") {
    SupportJob("BEAM/STRIP", "BEAM", 8);
    SupportFlags[kUnyieldingSlot] = "Y";
    SupportFlags[kElasticSupportsSlot] = "Y";
    SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
    UnyieldingNodes = "1,9";
    RunSupportTypeDialog(nullptr, 0);
  } else if (what == "wall") {
    SupportJob("TANK", "WALL", 8);
    GeometryAnswers[kShellRoofSlot] = "Y";
    SupportFlags[kWallWinklerSlot] = "Y";
    SupportFlags[kPlateWallJointSlot] = "H";
    RunSupportTypeDialog(nullptr, 1);
  } else if (what == "checklist") {
    SupportJob("BEAM/STRIP", "BEAM", 20);
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = "1,3,6,11";
    TableRows = 21;
    FormTexts.Redim(kGenerationTextRow, 6);
    ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc);
  } else if (what == "elastic" || what == "winkler" || what == "beamsoil") {
    bool elastic = what == "elastic", beam = elastic || what == "beamsoil";
    SupportJob(beam ? "BEAM/STRIP" : "TANK", beam ? "BEAM" : "BASE PLATE", 8);
    ElasticSupportTable.Redim(9, 2);
    ElasticSupportTable(5, 1) = 5000;
    WinklerTable.Redim(8, 2);
    for (int r = 1; r <= 8; ++r) WinklerTable(r, 1) = WinklerTable(r, 2) = 8000;
    ShowTableWindow(nullptr, SupportTableDialog(elastic ? "ELASTIC" : "WINKLER"));
  } else if (what == "halfspace") {
    SupportJob("PLATE", "PLATE", 8);
    SupportFlags[kHalfSpaceModulusSlot] = "30000";
    ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc);
  } else if (what == "beamloads" || what == "wallloads" || what == "roofloads") {
    bool beam = what == "beamloads";
    LoadJob(beam ? "BEAM/STRIP" : "TANK", beam ? "BEAM" : what == "wallloads" ? "WALL" : "ROOF STRUCTURE", !beam);
    ShowLoadTypeDialog(nullptr, beam ? 1 : 3);
  } else if (what == "roofload") {
    LoadJob("TANK", "ROOF STRUCTURE", true);
    RoofLoadTables[6](2, 1) = 1.5f;
    RoofLoadTables[6](2, 2) = 2.25f;
    RoofLoadDialogs(nullptr, 6);
  } else if (what == "hydrostatic") {
    LoadJob("TANK", "WALL", false);
    LoadDataDialogs(nullptr, 6);
  } else {
    Geometry("TANK", "ROOF STRUCTURE", 25, true);
  }
  return 0;
}
