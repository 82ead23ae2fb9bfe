#pragma once
// The sixteen kinds of site objects that open in an editor, in the order their document
// templates are registered.

#include "editors/QZDocumentKind.h"

#include <vector>

const std::vector<QZDocumentKind>& QZDocumentKinds();
// The kind of a type code, or null.
const QZDocumentKind* QZDocumentKindOf(SHORT type);
// The index of a type code's kind in the table, -1 for none.
int QZDocumentKindIndex(SHORT type);
