#include "setupext/SiteDatabaseSelection.h"

#include "setupext/SetupVariables.h"

int32_t SelectSiteDatabase(SetupVariableTable* table, SetupFileChooser& chooser) {
    if (!table || table->active == 0 || !IsUsableSetupTable(table))
        return 0;
    char databaseFile[kSetupValueBufferSize];
    char dataFolder[kSetupValueBufferSize];
    GetSetupVariable(table, "VANTREL_DIR", databaseFile);
    GetSetupVariable(table, "DATA_DIR", dataFolder);
    std::string chosen;
    if (chooser.Choose(dataFolder, databaseFile, &chosen))
        SetSetupVariable(table, "VANTREL_DIR", chosen.c_str());
    return 0;
}
