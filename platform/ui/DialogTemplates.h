#pragma once
// The dialog templates the program knows, by resource id; the resource folder registers them at
// start-up and CDialog::Create finds them here.

#include "platform/ui/DialogTemplate.h"

class DialogTemplates {
public:
    // Sets the template of `id` (not copied: it must outlive its use), replacing any earlier
    // one; a null template removes the entry.
    static void Register(UINT id, const DialogTemplate* dialog);
    // The template of `id`, or nullptr when none is registered.
    static const DialogTemplate* Lookup(UINT id);
};
