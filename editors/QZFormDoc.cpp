#include "editors/QZFormDoc.h"

IMPLEMENT_DYNCREATE(QZFormDoc, QZKindDocument)

QZFormDoc::QZFormDoc() : QZKindDocument(OBJ_FORM) {}
