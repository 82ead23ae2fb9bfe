#pragma once
// What GetCPU does, with the chooser given: while the table is active, asks for the site
// database file, starting from DATA_DIR and VANTREL_DIR, and stores the confirmed path as
// VANTREL_DIR. A table that cannot be used safely is left alone and no question is asked.
// Always 0.

#include "setupext/SetupFileChooser.h"
#include "setupext/SetupVariableTable.h"

int32_t SelectSiteDatabase(SetupVariableTable* table, SetupFileChooser& chooser);
