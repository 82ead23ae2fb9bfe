#pragma once
// One word that the spell check is to check: its text and the indexes of its first and last
// characters in the whole template text.

#include "platform/core/CString.h"

struct QZSpellWord {
    CString word;
    int first;
    int last;
};
