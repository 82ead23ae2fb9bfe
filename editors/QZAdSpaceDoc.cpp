#include "editors/QZAdSpaceDoc.h"

IMPLEMENT_DYNCREATE(QZAdSpaceDoc, QZKindDocument)

QZAdSpaceDoc::QZAdSpaceDoc() : QZKindDocument(OBJ_ADSPACE) {}
