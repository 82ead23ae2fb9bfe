#include "platform/core/CDWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)

void CDWordArray::Serialize(CArchive& ar) {
    SerializeElements(ar);
}
