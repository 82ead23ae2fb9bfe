#include "shell/QZOptionFlags.h"

namespace {

// The flags in bit order, bit 0 first.
BOOL QZOptionFlags::*const kBits[] = {
    &QZOptionFlags::useWizards,  &QZOptionFlags::workbookMode, &QZOptionFlags::verboseMessages,
    &QZOptionFlags::spareOption, &QZOptionFlags::alwaysPrompt, &QZOptionFlags::confirmDeletes,
    &QZOptionFlags::confirmSave, &QZOptionFlags::helpRemote};

} // namespace

void QZOptionFlags::Unpack(DWORD codes) {
    for (int bit = 0; bit < 8; ++bit)
        this->*kBits[bit] = (codes & (1u << bit)) ? TRUE : FALSE;
}

DWORD QZOptionFlags::Pack() const {
    DWORD codes = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (this->*kBits[bit])
            codes |= 1u << bit;
    return codes;
}
