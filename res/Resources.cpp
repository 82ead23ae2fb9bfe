#include "res/Resources.h"

void RegisterResources() {
    RegisterStringTable();
    RegisterDialogTemplates();
    RegisterCursors();
    RegisterSplashBitmap();
    RegisterMainMenu();
    RegisterTextEditorMenu();
    RegisterToolBars();
    RegisterHelpAndAboutResources();
}
