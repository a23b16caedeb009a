#pragma once
// Data the forms' tests and their demo open the forms with.
#include <string>

#include "core/globals.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "corvane/entry/entry.h"
#include "core/numbers.h"

namespace corvane {

// The generation texts of a nodal load table (FormTexts row 5, the table already sized).
inline void NodalGenerationTexts() {
  FormTexts(5, 0) = " Start Node No :";
  FormTexts(5, 1) = " End Node No :";
  FormTexts(5, 2) = " Step :";
  FormTexts(5, 3) = " NODAL LOAD";
  FormTexts(5, 4) = " Force Pvi [kN] =";
  FormTexts(5, 5) = " Moment Mi [kN.m] =";
}

// A tank job whose wall and roof have the same radius [m], the roof of `elements` elements; the
// roof shell dialog's three fields from 241.
inline void ShellRoofTank(const std::string& job, float radius, float elements) {
  StructureType = "TANK";
  JobSpec = job;
  JobDataTable.Redim(8, 6);
  JobDataTable(2, 2) = radius;
  JobDataTable(3, 1) = elements;
  JobDataTable(3, 2) = 0;
  JobDataTable(3, 3) = radius;
  SharedIntegers(kFieldCountSlot) = 3;
  SharedIntegers(kFirstFieldIdSlot) = 241;
}

inline void SampleElementTable(const char* type, const char* sub, int n, bool shell) {
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

inline void SampleNodalTable() {
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

inline void SampleLoadForm(int mode) {
  LoadCaseName = "Dead load";
  Substructure = mode == 7 ? "WALL" : "BEAM";
  FormTexts.Redim(6, 6);
  NodalGenerationTexts();
  SharedIntegers(kFieldCountSlot) = mode == 7 ? 8 : 4;
  SharedIntegers(kFirstFieldIdSlot) = mode == 7 ? 237 : 241;
  SharedIntegers(kTableRowsSlot) = 9;
  LoadTable.Redim(12, 4);
  LoadTable(10, 1) = 12.5f;
  LoadTable(7, 2) = -1.2e-4f;
  DialogAnswer = static_cast<int>(ShowModalDialog(LoadGenerationDialog(mode), nullptr, LoadDataDialogProc));
}

inline void SampleShellDialog() {
  ShellRoofTank("C:\\TANKS\\SAMPLE", 12, 25);
  DialogAnswer = static_cast<int>(ShowModalDialog(RoofShellDialog(), nullptr, RoofShellDialogProc));
}

// A beam job "SAMPLE" in the current folder, new, with the grid's generation texts.
inline void SampleBeamJob() {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "SAMPLE";
  GeometryAnswers.assign(8, std::string());
  JobDataTable.Redim(8, 6);
}

// The beam's element table of 8 elements from the work tables.
inline void SampleBeamTable() {
  SampleBeamJob();
  JobDataTable(1, 1) = 8;
  JobDataTable(1, 2) = 8;
  WorkTables[1].Redim(8, 3);
  for (int r = 1; r <= 8; ++r) WorkTables[1](r, 1) = 1, WorkTables[1](r, 2) = 0.5f, WorkTables[1](r, 3) = 0.6f;
}

inline void SampleGeneration(bool uniform) {
  SampleBeamTable();
  GeometryDetailsDialog();
  if (uniform) {
    RunUniformDialog(nullptr, 1);
  } else {
    RunGenerationDialog(nullptr, 2);
  }
}

// Support answers of a structure of n elements (a tank with a roof of 4), nothing on file.
inline void SampleSupportJob(const char* type, const char* sub, int n) {
  SampleBeamJob();
  StructureType = type;
  Substructure = sub;
  JobDataTable(1, 1) = n;
  JobDataTable(2, 1) = n;
  JobDataTable(3, 1) = 4;
  ClearSupportFlags(StructureType == "TANK" ? 3 : 1);
  UseGeometryEntry();
  UseSupportEntry();
}


// A load case "Dead load" of a tank or beam with six elements in every substructure.
inline void SampleLoadJob(const char* type, const char* sub, bool shell) {
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

// The sample forms by name, as corvane_entry_sample.exe names them; each returns when its windows
// have ended.
inline void OpenFormSample(const std::string& what) {
  if (what == "beam") {
    SampleElementTable("BEAM/STRIP", "BEAM", 8, false);
  } else if (what == "nodal") {
    SampleNodalTable();
  } else if (what == "load") {
    SampleLoadForm(4);
  } else if (what == "thermal") {
    SampleLoadForm(7);
  } else if (what == "shell") {
    SampleShellDialog();
  } else if (what == "geometry") {
    SampleBeamJob();
    UseGeometryEntry();
    EnterGeometry(nullptr);
  } else if (what == "roof") {
    SampleBeamJob();
    StructureType = "TANK";
    Substructure = "ROOF STRUCTURE";
    ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc);
  } else if (what == "generate" || what == "uniform") {
    SampleGeneration(what == "uniform");
  } else if (what == "table") {
    SampleBeamTable();
    UseGeometryEntry();
    ShowTableWindow(nullptr, GeometryDetailsDialog());
  } else if (what == "tank") {
    SampleBeamJob();
    StructureType = "TANK";
    UseGeometryEntry();
    EnterGeometry(nullptr);
  } else if (what == "supports") {
    SampleSupportJob("BEAM/STRIP", "BEAM", 8);
    SupportFlags[kUnyieldingSlot] = "Y";
    SupportFlags[kElasticSupportsSlot] = "Y";
    SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
    UnyieldingNodes = "1,9";
    RunSupportTypeDialog(nullptr, 0);
  } else if (what == "wall") {
    SampleSupportJob("TANK", "WALL", 8);
    GeometryAnswers[kShellRoofSlot] = "Y";
    SupportFlags[kWallWinklerSlot] = "Y";
    SupportFlags[kPlateWallJointSlot] = "H";
    RunSupportTypeDialog(nullptr, 1);
  } else if (what == "checklist") {
    SampleSupportJob("BEAM/STRIP", "BEAM", 20);
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = "1,3,6,11";
    TableRows = 21;
    FormTexts.Redim(kGenerationTextRow, 6);
    ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc);
  } else if (what == "elastic" || what == "winkler" || what == "beamsoil") {
    bool elastic = what == "elastic", beam = elastic || what == "beamsoil";
    SampleSupportJob(beam ? "BEAM/STRIP" : "TANK", beam ? "BEAM" : "BASE PLATE", 8);
    ElasticSupportTable.Redim(9, 2);
    ElasticSupportTable(5, 1) = 5000;
    WinklerTable.Redim(8, 2);
    for (int r = 1; r <= 8; ++r) WinklerTable(r, 1) = WinklerTable(r, 2) = 8000;
    ShowTableWindow(nullptr, SupportTableDialog(elastic ? "ELASTIC" : "WINKLER"));
  } else if (what == "halfspace") {
    SampleSupportJob("PLATE", "PLATE", 8);
    SupportFlags[kHalfSpaceModulusSlot] = "30000";
    ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc);
  } else if (what == "beamloads" || what == "wallloads" || what == "roofloads") {
    bool beam = what == "beamloads";
    SampleLoadJob(beam ? "BEAM/STRIP" : "TANK", beam ? "BEAM" : what == "wallloads" ? "WALL" : "ROOF STRUCTURE", !beam);
    ShowLoadTypeDialog(nullptr, beam ? 1 : 3);
  } else if (what == "roofload") {
    SampleLoadJob("TANK", "ROOF STRUCTURE", true);
    RoofLoadTables[6](2, 1) = 1.5f;
    RoofLoadTables[6](2, 2) = 2.25f;
    RoofLoadDialogs(nullptr, 6);
  } else if (what == "hydrostatic") {
    SampleLoadJob("TANK", "WALL", false);
    LoadDataDialogs(nullptr, 6);
  } else {
    SampleElementTable("TANK", "ROOF STRUCTURE", 25, true);
  }
}

}  // namespace corvane
