#include "platform/core/CMapStringToOb.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

void CMapStringToOb::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        CString key;
        CObject* value = nullptr;
        for (POSITION pos = GetStartPosition(); pos;) {
            GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    } else {
        // Loading adds to (or replaces values in) what the map holds already.
        for (DWORD count = ar.ReadCount(); count > 0; --count) {
            CString key;
            CObject* value = nullptr;
            ar >> key;
            ar >> value;
            SetAt(key, value);
        }
    }
}
