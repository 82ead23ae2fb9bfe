#include "editors/QZScriptsDoc.h"

IMPLEMENT_DYNCREATE(QZScriptsDoc, QZKindDocument)

QZScriptsDoc::QZScriptsDoc() : QZKindDocument(OBJ_SCRIPT) {}
