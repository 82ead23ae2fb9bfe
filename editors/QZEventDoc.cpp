#include "editors/QZEventDoc.h"

IMPLEMENT_DYNCREATE(QZEventDoc, QZKindDocument)

QZEventDoc::QZEventDoc() : QZKindDocument(OBJ_EVENT) {}
