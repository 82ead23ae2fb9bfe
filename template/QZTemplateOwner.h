#pragma once
// What the template language needs of the object whose text it compiles and runs: where its
// error lines go and what names it in them. Content objects implement it; the template code
// knows them only through it.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZTemplateOwner {
public:
    // Kinds of engine messages.
    enum : int { MSG_ERROR = 0, MSG_WARNING = 1 };

    virtual ~QZTemplateOwner() = default;

    // Hands one log line (kind, text, line number; 0 for none) to the output pane.
    virtual void PostEngineMessage(int kind, const CString& text, LONG line) = 0;
    virtual SHORT GetObjectType() const = 0;
    virtual QZKeyCombo GetKey() const = 0;
    // The object's name; for a page, its title.
    virtual CString GetName() const = 0;
};
