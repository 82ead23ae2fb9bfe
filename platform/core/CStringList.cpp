#include "platform/core/CStringList.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)

void CStringList::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
    } else {
        // Loading adds to what the list holds already.
        for (DWORD count = ar.ReadCount(); count > 0; --count) {
            CString element;
            ar >> element;
            AddTail(element);
        }
    }
}
