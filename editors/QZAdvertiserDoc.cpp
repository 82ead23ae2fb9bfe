#include "editors/QZAdvertiserDoc.h"

IMPLEMENT_DYNCREATE(QZAdvertiserDoc, QZKindDocument)

QZAdvertiserDoc::QZAdvertiserDoc() : QZKindDocument(OBJ_ADVERTISER) {}
