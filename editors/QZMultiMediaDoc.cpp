#include "editors/QZMultiMediaDoc.h"

IMPLEMENT_DYNCREATE(QZMultiMediaDoc, QZKindDocument)

QZMultiMediaDoc::QZMultiMediaDoc() : QZKindDocument(OBJ_MEDIA) {}
