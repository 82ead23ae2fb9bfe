#pragma once
// Failure injection for the tests of the creation and update runs: a step named here fails in
// both runs as if its work had failed, so every way out of a run can be driven. It stays out of
// QZDbUpdate's interface; nothing but tests sets it.

#include "platform/core/Types.h"

namespace QZDbUpdateFaults {
// The step of that name fails from now on ("Backup", "TemporaryCopy", "CreateTables",
// "DeleteQueryDefs", "CreateQueryDefs", "RestoreOriginalData", "SetVersion",
// "ReplaceDatabase"); nullptr fails none.
void SetFailingStep(LPCTSTR step);
// True when the run is to fail at that step.
bool StepFails(const char* step);
} // namespace QZDbUpdateFaults
