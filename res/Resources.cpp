#include "res/Resources.h"

void RegisterResources() {
    RegisterStringTable();
    RegisterDialogTemplates();
    RegisterCursors();
    RegisterSplashBitmap();
    RegisterMainMenu();
    RegisterTreeMenu();
    RegisterTextEditorMenu();
    RegisterEditorMenus();
    RegisterToolBars();
    RegisterHelpAndAboutResources();
}
