#include "res/Resources.h"

void RegisterResources() {
    RegisterStringTable();
    RegisterDialogTemplates();
    RegisterCursors();
    RegisterSplashBitmap();
    RegisterMainMenu();
    RegisterTreeMenu();
    RegisterTextEditorMenu();
    RegisterToolBars();
    RegisterHelpAndAboutResources();
}
