#include "platform/core/CObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
    } else {
        // Loading adds to what the list holds already.
        for (DWORD count = ar.ReadCount(); count > 0; --count) {
            CObject* element = nullptr;
            ar >> element;
            AddTail(element);
        }
    }
}
