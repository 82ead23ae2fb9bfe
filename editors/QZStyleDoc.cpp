#include "editors/QZStyleDoc.h"

IMPLEMENT_DYNCREATE(QZStyleDoc, QZKindDocument)

QZStyleDoc::QZStyleDoc() : QZKindDocument(OBJ_STYLE) {}
