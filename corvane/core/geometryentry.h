#pragma once
// What Corvane's geometry entry decides about the texts the user typed: the rows of the geometry
// and material dialog with their checks, the rebuild of <job>.geo when the dialog is accepted,
// the cell texts of the element table, the checks of the generation dialog and the options of
// the tank substructure choice. The dialogs (corvane/entry) only move texts between controls and
// these routines.
#include <string>
#include <vector>

#include "core/textfiles.h"
#include "corvane/core/globals.h"

namespace corvane {

// ---- Geometry and material dialog ----

// Substructure 1..3 of the dialog (StructureType and Substructure): 1 beam/strip, circular plate
// or base plate, 2 wall, 3 roof.
int GeometrySubstructure();
// Number of value rows N: 5 for a beam/strip and a base plate, 6 otherwise.
int GeometryItemCount();
// Label and unit of item i (1..N).
std::string GeometryItemLabel(int item);
std::string GeometryItemUnit(int item);
// The text field i shows when the dialog opens, from JobDataTable.
std::string GeometryFieldText(int item);
// The character set and kind of the number check of item i.
void GeometryItemRule(int item, std::string& allowed, int& kind);

// The item checks of OK on texts 1..N (index 0 unused; the texts are normalised in place): "" when
// they pass, else the warning text ("INCORRECT DATA of Item  i!" CR LF CR LF "ENTER NEW DATA." for
// the first failing item, or the radius message of a circular plate and a roof). A roof whose
// item 1 reads 0 gets "0" there and only the radius check. An element count whose files could not
// hold it (above kMaxElements, or a geometry, support or load listing past its line limit) fails
// item 1.
std::string GeometryItemsProblem(std::vector<std::string>& texts);

// The choices of the dialog's buttons.
struct GeometryChoices {
  bool strip = false;    // " &STRIP " (beam/strip)
  bool inPlane = false;  // box 130 (tank)
  bool shell = false;    // " &SHELL STRUCTURE " (roof)
};

// The dialog's OK once the items passed: the stored file (lines 1..storedCount, as loaded when OK
// was pressed) is read again, the texts and choices go into JobDataTable, GeometryAnswers and
// Substructure (beam/strip), the element tables (WorkTables) get their stored rows for the new
// counts (rows past the stored count zero; the beam's and strip's columns 2 and 3 exchanged when
// the choice changed from answer 0, the roof's when the shell choice changed from answer 5), and
// the new lines of the file (1..count) are built.
void RebuildGeometryLines(const TextLineArray& stored, int storedCount, const std::vector<std::string>& texts,
                          const GeometryChoices& choices, TextLineArray& lines, int& count);

// ---- Element table ----

// CellTexts of the element table of Substructure: rows 1..n (n its number of elements), column 1
// the element number, columns 2.. the values of WorkTables (3 for a beam and a shell roof, else 2).
// Returns the number of value columns.
int FillGeometryCells();
// The generation label of value column c (1..3) of the element table of Substructure.
std::string GeometryColumnLabel(int column);

// ---- Generation dialog ----

// The rule of the generation fields for a grid of the kind word: "GEOMETRY" NumberChars, kind 2
// (a shell roof's: SignedNumberChars, no range); "ELASTIC", "WINKLER" SignedNumberChars, kind 3;
// any other (the check list) SignedNumberChars, no range (kind 7).
void GenerationFieldRule(const std::string& kindWord, bool shellRoof, std::string& allowed, int& kind);
// The range of the accepted fields (1 start, 2 end, 3 step, 4 a value) against a table of rows:
// false when GenerationRangeValid refuses it, and for a shell roof's geometry when the value is
// negative.
bool GenerationFieldsValid(const std::vector<std::string>& fields, int rows, bool shellRoofGeometry);
// The message of a wrong range.
extern const char* const kGenerationRangeMessage;
// The whole roof in one step: FieldTexts 1 "1", 2 the roof's elements, 3 "1", 4 (outer radius -
// inner radius) / elements as "#.0000E+##".
void UniformRoofWidthFields(std::vector<std::string>& fields);

// ---- Tank substructure choice ----

// Options offered in a mode (1 geometry, 2 supports, 3 loads, 4 and more graphs) for a roof of nr
// elements between the radii inner and outer.
int TankOptionCount(int mode, double nr, double inner, double outer);
// The option (1 base plate, 2 wall, 3 roof) selected after option `current` of `count`.
int NextTankOption(int current, int count);
// "BASE PLATE", "WALL", "ROOF STRUCTURE" of option 1..3.
std::string TankSubstructureName(int option);

}  // namespace corvane
