// The library's one export. Nothing else leaves the library (hidden visibility and the version
// script seldlg32.map), and it keeps no state between calls.

#include "setupext/FileDialogChooser.h"
#include "setupext/SetupVariableTable.h"
#include "setupext/SiteDatabaseSelection.h"

extern "C" __attribute__((visibility("default"))) int32_t GetCPU(SetupVariableTable* table) {
    // Nothing may cross into the setup program but the answer, which is always 0.
    try {
        FileDialogChooser chooser;
        return SelectSiteDatabase(table, chooser);
    } catch (...) {
        return 0;
    }
}
