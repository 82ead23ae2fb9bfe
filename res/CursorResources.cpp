#include "platform/ui/Cursors.h"
#include "res/Resource.h"
#include "res/Resources.h"

void RegisterCursors() {
    // The program's sizing cursors are the desktop's own of the same meaning.
    RegisterCursorResource(IDC_HSIZEBAR, IDC_SIZEWE);
    RegisterCursorResource(IDC_VSIZEBAR, IDC_SIZENS);
}
