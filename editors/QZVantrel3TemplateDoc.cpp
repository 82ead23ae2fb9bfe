#include "editors/QZVantrel3TemplateDoc.h"

IMPLEMENT_DYNCREATE(QZVantrel3TemplateDoc, QZKindDocument)

QZVantrel3TemplateDoc::QZVantrel3TemplateDoc() : QZKindDocument(OBJ_MACRO) {}
