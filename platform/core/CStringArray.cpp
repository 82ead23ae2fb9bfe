#include "platform/core/CStringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CStringArray::Serialize(CArchive& ar) {
    SerializeElements(ar);
}
