#include "platform/core/CByteArray.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)

void CByteArray::Serialize(CArchive& ar) {
    SerializeElements(ar);
}
