#include "wintoolkit/tabs/SECTab.h"

IMPLEMENT_DYNCREATE(SECTab, CObject)
