#pragma once
// One recorded copy of an object: its key where it came from, the key of the row made for it,
// and its object type.

#include "db/QZKeyCombo.h"

class QZKeyTableEntry {
public:
    QZKeyTableEntry() = default;
    virtual ~QZKeyTableEntry() = default;

    QZKeyCombo m_OldKey;
    QZKeyCombo m_NewKey;
    SHORT m_ObjectType = 0;
};
