#include "platform/core/CObArray.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar) {
    SerializeElements(ar);
}
