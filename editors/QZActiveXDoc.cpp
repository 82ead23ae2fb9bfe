#include "editors/QZActiveXDoc.h"

IMPLEMENT_DYNCREATE(QZActiveXDoc, QZKindDocument)

QZActiveXDoc::QZActiveXDoc() : QZKindDocument(OBJ_ACTIVEX) {}
