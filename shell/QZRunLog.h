#pragma once
// The log lines of the dialogs' long runs (generate, publish, import): engine messages to the
// output pane, and the text of an error that escaped a step.

#include "platform/core/CString.h"

class CException;

// Hands a line of the kind (0 error, 2 the start and end lines) to the application.
void PostRunMessage(int kind, const CString& text);
// The exception's text (a general one when it has none); the exception is deleted.
CString TakeExceptionText(CException* e);
// The text of running out of memory.
CString MemoryErrorText();
