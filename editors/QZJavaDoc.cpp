#include "editors/QZJavaDoc.h"

IMPLEMENT_DYNCREATE(QZJavaDoc, QZKindDocument)

QZJavaDoc::QZJavaDoc() : QZKindDocument(OBJ_JAVA) {}
