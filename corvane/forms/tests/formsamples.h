#pragma once
// Data the forms' tests and their demo open the forms with.
#include <string>

#include "core/globals.h"
#include "corvane/core/globals.h"

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
  SharedIntegers(4, 0) = 3;
  SharedIntegers(4, 1) = 241;
}

}  // namespace corvane
