#include "editors/QZPhotoDoc.h"

IMPLEMENT_DYNCREATE(QZPhotoDoc, QZKindDocument)

QZPhotoDoc::QZPhotoDoc() : QZKindDocument(OBJ_PHOTO) {}
