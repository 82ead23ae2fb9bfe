#include "editors/QZMessageDoc.h"

IMPLEMENT_DYNCREATE(QZMessageDoc, QZKindDocument)

QZMessageDoc::QZMessageDoc() : QZKindDocument(OBJ_MESSAGE) {}
