#include "platform/core/CMapPtrToWord.h"

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
