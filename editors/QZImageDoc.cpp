#include "editors/QZImageDoc.h"

IMPLEMENT_DYNCREATE(QZImageDoc, QZKindDocument)

QZImageDoc::QZImageDoc() : QZKindDocument(OBJ_IMAGE) {}
