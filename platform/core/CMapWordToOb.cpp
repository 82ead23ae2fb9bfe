#include "platform/core/CMapWordToOb.h"

IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)

void CMapWordToOb::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        WORD key = 0;
        CObject* value = nullptr;
        for (POSITION pos = GetStartPosition(); pos;) {
            GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    } else {
        // Loading adds to (or replaces values in) what the map holds already.
        for (DWORD count = ar.ReadCount(); count > 0; --count) {
            WORD key = 0;
            CObject* value = nullptr;
            ar >> key;
            ar >> value;
            SetAt(key, value);
        }
    }
}
