#include "platform/core/CWordArray.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)

void CWordArray::Serialize(CArchive& ar) {
    SerializeElements(ar);
}
