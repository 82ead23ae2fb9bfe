#pragma once
// The property dialogs that commands open from EditProperties, one entry per dialog, each
// given what the command hands its dialog and answering IDOK or IDCANCEL. On OK the dialog has
// written the chosen values back (into the command, or into the texts and key passed). The
// command classes live below the editors, so the editors install the real dialogs at start-up;
// tests install their own. With none installed every dialog answers IDCANCEL.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/core/MessageBox.h"

class QZCommandBase;

class QZCommandDialogs {
public:
    virtual ~QZCommandDialogs() = default;

    // "Image Command": the image command, whether the image has an image-map file (set or
    // cleared on OK) and the leftover parameter text.
    virtual int ImageProps(QZCommandBase& command, BOOL& hasMap, const CString& rest);
    // The link command and its leftover parameter text.
    virtual int IntLinkProps(QZCommandBase& command, const CString& rest);
    // The form (query) command and the parameter text after its key.
    virtual int FormProps(QZCommandBase& command, const CString& rest);
    virtual int QueryProps(QZCommandBase& command, const CString& rest);
    // The ActiveX and Java commands, whose key and placement the dialogs read and write.
    virtual int ActiveXProps(QZCommandBase& command);
    virtual int JavaProps(QZCommandBase& command);
    // The command's key, changed in place on OK; the multimedia dialog also shows further
    // parameters, which it does not write back.
    virtual int MultiMediaProps(QZKeyCombo& key, const CString& parameters);
    virtual int ScriptProps(QZKeyCombo& key);
    virtual int AdSpaceProps(QZKeyCombo& key);
    // The command (through which the dialog reads and sets its key), and its key text and rest
    // text, filled before and read after the dialog: macro; addrow, delrow and editrow;
    // addrows and editrows (the rest without the source parameter); returnpage.
    virtual int MacroProps(QZCommandBase& command, CString& keyText, CString& rest);
    virtual int ActionProps(QZCommandBase& command, CString& keyText, CString& rest);
    virtual int MultiActionProps(QZCommandBase& command, CString& keyText, CString& rest);
    virtual int ReturnProps(QZCommandBase& command, CString& keyText, CString& rest);
};

// Installs `dialogs` (not owned) and returns the ones they replace; null restores the default,
// which cancels every dialog.
QZCommandDialogs* SetCommandDialogs(QZCommandDialogs* dialogs);
// The installed dialogs (the default when none is installed).
QZCommandDialogs& GetCommandDialogs();
