#include "content/QZEngineMessage.h"

IMPLEMENT_DYNAMIC(QZEngineMessage, CObject)

namespace {

// The word that names an object of the type in a display line; "" for types without one.
const char* ObjectWord(SHORT type) {
    switch (type) {
    case OBJ_PAGE:
        return "Page ";
    case OBJ_MACRO:
        return "Macro ";
    case OBJ_IMAGE:
        return "Image ";
    case OBJ_MESSAGE:
        return "Message ";
    case OBJ_FORM:
        return "Form ";
    case OBJ_MEDIA:
        return "Multimedia Object ";
    default:
        return "";
    }
}

const char* KindWord(int kind) {
    switch (kind) {
    case QZEngineMessage::kindError:
        return "error: ";
    case QZEngineMessage::kindWarning:
        return "warning: ";
    default:
        return "";
    }
}

} // namespace

QZEngineMessage::QZEngineMessage(int nKind, CString text)
    : m_Key(0, 0), m_Text(text), m_nKind(nKind), m_nObjectType(OBJ_NONE), m_nLine(0),
      m_DisplayText(text) {}

QZEngineMessage::QZEngineMessage(int nKind, WORD nObjectType, QZKeyCombo key, CString text,
                                 int nLine)
    : m_Key(key), m_Text(text), m_nKind(nKind), m_nObjectType(static_cast<SHORT>(nObjectType)),
      m_nLine(nLine) {}

const CString& QZEngineMessage::GetDisplayText() {
    m_DisplayText.Empty();
    m_DisplayText += ObjectWord(m_nObjectType);
    if (m_Key.m_KeyID != 0)
        m_DisplayText += m_Key.Format();
    if (m_nLine > 0) {
        CString line;
        line.Format(", Line %d", m_nLine);
        m_DisplayText += line;
    }
    if (m_nObjectType != OBJ_NONE)
        m_DisplayText += ": ";
    m_DisplayText += KindWord(m_nKind);
    m_DisplayText += m_Text;
    return m_DisplayText;
}
