#include "platform/ui/CDC.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/gdicmn.h>

int CDC::GetDeviceCaps(int nIndex) const {
    const bool screen = wxTheApp != nullptr;
    switch (nIndex) {
    case BITSPIXEL:
        return screen ? wxDisplayDepth() : 24;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case HORZRES:
        return screen ? wxGetDisplaySize().GetWidth() : 1024;
    case VERTRES:
        return screen ? wxGetDisplaySize().GetHeight() : 768;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}
