#include "wintoolkit/docking/SECDockState.h"

#include "wintoolkit/docking/SECControlBarInfo.h"

IMPLEMENT_SERIAL(SECDockState, CDockState, 0)

CControlBarInfo* SECDockState::NewBarInfo() {
    return new SECControlBarInfo;
}
