#pragma once
// Work tables that the shared services read and write. Each program links one copy; a program's
// own tables live in its own globals file.
#include <string>
#include <vector>

#include "core/sharedslots.h"

// A two-dimensional table indexed from 0 that grows when an element past its end is written.
template <typename T>
class Table2D {
 public:
  void Redim(int n1, int n2) {
    n2_ = n2 + 1;
    cells_.assign(static_cast<size_t>(n1 + 1) * n2_, T());
    n1_ = n1 + 1;
  }
  T& operator()(int i, int j) {
    if (i >= n1_ || j >= n2_) Grow(i + 1, j + 1);
    return cells_[static_cast<size_t>(i) * n2_ + j];
  }
  T Get(int i, int j) const {
    return (i < 0 || j < 0 || i >= n1_ || j >= n2_) ? T() : cells_[static_cast<size_t>(i) * n2_ + j];
  }
  T& operator()(SlotIndex s) { return (*this)(s.row, s.column); }
  T Get(SlotIndex s) const { return Get(s.row, s.column); }
  int Rows() const { return n1_; }
  int Columns() const { return n2_; }

 private:
  void Grow(int n1, int n2) {
    n1 = n1 > n1_ ? n1 : n1_;
    n2 = n2 > n2_ ? n2 : n2_;
    std::vector<T> c(static_cast<size_t>(n1) * n2, T());
    for (int i = 0; i < n1_; ++i)
      for (int j = 0; j < n2_; ++j) c[static_cast<size_t>(i) * n2 + j] = cells_[static_cast<size_t>(i) * n2_ + j];
    cells_.swap(c);
    n1_ = n1;
    n2_ = n2;
  }
  int n1_ = 0, n2_ = 0;
  std::vector<T> cells_;
};

extern int DialogAnswer;                 // end value of the last modal dialog or message box
extern Table2D<int> SharedIntegers;      // field counts, first ids, form modes, column widths (sharedslots.h)
extern Table2D<std::string> CellTexts;   // grid cells: first index the column, second the row
extern std::vector<std::string> LoadCaseNames;  // load-case names, also a general list
extern std::vector<std::string> TextLines;      // the shared line array of the job files
extern std::string StructureType;        // "BEAM/STRIP", "PLATE", "TANK"
extern std::string Substructure;         // "BEAM"/"STRIP", "BASE PLATE"/"WALL"/"ROOF STRUCTURE"
extern std::string JobSpec;              // the open job, without extension
// Corvane's geometry values (substructure 0..8, item 0..6): substructure 1 the beam/strip, the
// circular plate or the tank's base plate, 2 the tank's wall, 3 its roof; item 1 the number of
// elements, the further items per structure type (the geometry readers fill it).
extern Table2D<double> JobDataTable;
