#pragma once
// The private format "InternalZerin" as wx data objects (private to the ui layer): what a drag
// out of a tree offers, and what a drop target or a paste reads back.

#include "platform/core/CString.h"

#include <wx/dataobj.h>

// The wx format registered under the private name.
const wxDataFormat& InsertTextFormat();

// A composite of plain text and the private format, each `text`'s bytes and one zero byte;
// the private format is preferred.
wxDataObjectComposite* NewInsertTextDataObject(const CString& text);

// An empty composite accepting the private format and plain text, for a drop target or a paste.
wxDataObjectComposite* NewInsertTextReceiver();

// The text `received` got (a receiver after GetData): the private format's bytes up to their
// zero byte, else the plain text. FALSE when it got neither.
bool ReadInsertText(const wxDataObjectComposite& received, CString& text);
