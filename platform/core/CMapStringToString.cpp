#include "platform/core/CMapStringToString.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)

void CMapStringToString::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        CString key;
        CString value;
        for (POSITION pos = GetStartPosition(); pos;) {
            GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    } else {
        // Loading adds to (or replaces values in) what the map holds already.
        for (DWORD count = ar.ReadCount(); count > 0; --count) {
            CString key;
            CString value;
            ar >> key;
            ar >> value;
            SetAt(key, value);
        }
    }
}
