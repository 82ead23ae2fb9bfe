#include "platform/core/CMapWordToPtr.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
