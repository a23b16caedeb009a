// Corvane's profile of the shared data entry: the parts of its forms whose flow is the same as
// the other programs' (see entry.h).
#include "corvane/core/globals.h"
#include "corvane/entry/entry.h"

namespace corvane {

namespace {

// Corvane's tables keep their texts in FormTexts; the module reads none of these.
entry::TableTexts UnusedTexts;

}  // namespace

std::string DataCaption() { return "   " + StructureType + " ANALYSIS.   JOB: " + JobSpec; }

entry::Profile& CorvaneEntry() {
  // Corvane draws its structure views through StructureViewHooks, not through the module.
  static entry::Profile p(&UnusedTexts, &DialogStatus, &FieldTexts, DataCaption, CorvaneGridProfile, nullptr);
  return p;
}

}  // namespace corvane
