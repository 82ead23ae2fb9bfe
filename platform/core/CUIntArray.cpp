#include "platform/core/CUIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)
