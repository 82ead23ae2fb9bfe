#include "platform/ui/CDocument.h"

IMPLEMENT_DYNCREATE(CDocument, CObject)
