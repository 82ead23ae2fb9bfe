#include "platform/ui/CRichEditCtrl.h"

#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndBridge.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/settings.h>
#include <wx/stc/stc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

// The control behind an object; nullptr without one. (The control's readers are not const.)
wxStyledTextCtrl* TextOf(const CWnd& control) {
    return dynamic_cast<wxStyledTextCtrl*>(control.GetSafeHwnd());
}

wxColour ToColour(COLORREF colour) {
    return wxColour(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

COLORREF FromColour(const wxColour& colour) {
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

bool SameFormat(const CHARFORMAT& a, const CHARFORMAT& b) {
    return a.dwMask == b.dwMask && a.dwEffects == b.dwEffects && a.crTextColor == b.crTextColor &&
           std::strcmp(a.szFaceName, b.szFaceName) == 0;
}

// Fields the change names take its values; the others keep the base's.
CHARFORMAT Merge(const CHARFORMAT& base, const CHARFORMAT& change) {
    CHARFORMAT merged = base;
    if (change.dwMask & CFM_COLOR) {
        merged.crTextColor = change.crTextColor;
        merged.dwEffects = (merged.dwEffects & ~CFE_AUTOCOLOR) | (change.dwEffects & CFE_AUTOCOLOR);
    }
    if (change.dwMask & CFM_BOLD)
        merged.dwEffects = (merged.dwEffects & ~CFE_BOLD) | (change.dwEffects & CFE_BOLD);
    if (change.dwMask & CFM_FACE)
        std::memcpy(merged.szFaceName, change.szFaceName, sizeof merged.szFaceName);
    merged.dwMask |= change.dwMask;
    return merged;
}

// The number of styles the control offers below its predefined ones.
constexpr int kStyleCount = 32;

} // namespace

CRichEditCtrl::CRichEditCtrl() {
    m_defaultFormat.dwMask = CFM_COLOR | CFM_BOLD | CFM_FACE;
    std::snprintf(m_defaultFormat.szFaceName, sizeof m_defaultFormat.szFaceName, "%s",
                  kMonospaceFace);
    m_styles.push_back(m_defaultFormat);
}

CRichEditCtrl::~CRichEditCtrl() = default;

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    wxWindow* parent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!parent || GetSafeHwnd())
        return FALSE;
    long wxStyle = 0;
    if (dwStyle & WS_BORDER)
        wxStyle |= wxBORDER_SIMPLE;
    auto* text = new wxStyledTextCtrl(parent, WxIdOf(nID), wxPoint(rect.left, rect.top),
                                      wxSize(rect.right - rect.left, rect.bottom - rect.top),
                                      wxStyle | wxBORDER_NONE);
    text->Hide();
    text->SetLexer(wxSTC_LEX_CONTAINER);
    text->SetMarginWidth(1, 0);
    text->SetUseHorizontalScrollBar((dwStyle & WS_HSCROLL) != 0);
    text->SetUseVerticalScrollBar((dwStyle & WS_VSCROLL) != 0);
    text->SetWrapMode((dwStyle & ES_AUTOHSCROLL) ? wxSTC_WRAP_NONE : wxSTC_WRAP_WORD);
    text->SetEOLMode(wxSTC_EOL_LF);
    WindowInfo& info = EnsureInfo(text);
    info.controlId = nID;
    info.kind = WindowKind::native;
    info.style = dwStyle | WS_CHILD;
    Attach(text);
    ApplyStyle(0, m_defaultFormat);
    SetReadOnly((dwStyle & ES_READONLY) != 0);
    // Typed characters never reach a read-only log; the keys that delete are refused too.
    text->Bind(wxEVT_CHAR, [this](wxKeyEvent& event) {
        if (!m_bReadOnly)
            event.Skip();
    });
    // The right button's release reaches OnRButtonUp, where an owner may show its menu.
    text->Bind(wxEVT_RIGHT_UP, [this](wxMouseEvent& event) {
        const wxPoint at = event.GetPosition();
        SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        event.Skip();
    });
    CREATESTRUCT create{};
    create.style = static_cast<LONG>(dwStyle);
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (GetSafeHwnd() && (dwStyle & WS_VISIBLE))
        text->Show();
    return GetSafeHwnd() != nullptr;
}

long CRichEditCtrl::GetTextLength() const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? static_cast<long>(text->GetLength()) : 0;
}

void CRichEditCtrl::GetWindowText(CString& result) const {
    wxStyledTextCtrl* text = TextOf(*this);
    result = text ? FromWx(text->GetText()) : CString();
}

void CRichEditCtrl::SetWindowText(LPCTSTR value) {
    SetSel(0, -1);
    ReplaceSel(value);
    SetSel(0, 0);
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    const long length = text->GetLength();
    // (0, -1) selects everything; a negative start removes the selection.
    if (nStartChar < 0) {
        text->SetEmptySelection(text->GetCurrentPos());
        return;
    }
    if (nEndChar < 0 || nEndChar > length)
        nEndChar = length;
    text->SetSelection(std::min(nStartChar, length), nEndChar);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
    wxStyledTextCtrl* text = TextOf(*this);
    nStartChar = text ? text->GetSelectionStart() : 0;
    nEndChar = text ? text->GetSelectionEnd() : 0;
}

CString CRichEditCtrl::GetSelText() const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? FromWx(text->GetSelectedText()) : CString();
}

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    text->SetReadOnly(false);
    const long start = text->GetSelectionStart();
    const wxString value = ToWx(lpszNewText);
    text->ReplaceSelection(value);
    // New text takes the default format.
    const long end = text->GetCurrentPos();
    text->StartStyling(start);
    text->SetStyling(end - start, 0);
    text->SetReadOnly(m_bReadOnly != FALSE);
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL) {
    if (wxStyledTextCtrl* text = TextOf(*this))
        text->HideSelection(bHide != FALSE);
}

int CRichEditCtrl::LineFromChar(long nIndex) const {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return 0;
    return text->LineFromPosition(nIndex < 0 ? text->GetCurrentPos() : nIndex);
}

int CRichEditCtrl::LineIndex(int nLine) const {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return -1;
    if (nLine < 0)
        nLine = text->LineFromPosition(text->GetCurrentPos());
    if (nLine >= text->GetLineCount())
        return -1;
    return text->PositionFromLine(nLine);
}

int CRichEditCtrl::GetLineCount() const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? text->GetLineCount() : 0;
}

void CRichEditCtrl::LineScroll(int nLines, int nChars) {
    if (wxStyledTextCtrl* text = TextOf(*this))
        text->LineScroll(nChars, nLines);
}

int CRichEditCtrl::GetFirstVisibleLine() const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? text->GetFirstVisibleLine() : 0;
}

void CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
    m_bReadOnly = bReadOnly;
    if (wxStyledTextCtrl* text = TextOf(*this))
        text->SetReadOnly(bReadOnly != FALSE);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf) {
    m_defaultFormat = Merge(m_defaultFormat, cf);
    m_styles[0] = m_defaultFormat;
    ApplyStyle(0, m_defaultFormat);
    return GetSafeHwnd() != nullptr;
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return FALSE;
    const long start = text->GetSelectionStart();
    const long end = text->GetSelectionEnd();
    const CHARFORMAT& current =
        m_styles[static_cast<size_t>(text->GetStyleAt(start)) % m_styles.size()];
    const int style = StyleFor(Merge(current, cf));
    text->StartStyling(start);
    text->SetStyling(end - start, style);
    return TRUE;
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const {
    wxStyledTextCtrl* text = TextOf(*this);
    const int style = text ? text->GetStyleAt(text->GetSelectionStart()) : 0;
    cf = m_styles[static_cast<size_t>(style) < m_styles.size() ? style : 0];
    if (text)
        cf.crTextColor = FromColour(text->StyleGetForeground(style));
    return cf.dwMask;
}

void CRichEditCtrl::Copy() {
    if (wxStyledTextCtrl* text = TextOf(*this))
        text->Copy();
}

void CRichEditCtrl::Clear() {
    SetSel(0, -1);
    ReplaceSel("");
}

CString CRichEditCtrl::GetTextRangeRaw(long nStart, long nEnd) const {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text || nEnd <= nStart)
        return CString();
    const wxCharBuffer bytes = text->GetTextRangeRaw(nStart, nEnd);
    return CString(std::string(bytes.data(), static_cast<size_t>(nEnd - nStart)));
}

void CRichEditCtrl::ReplaceRangeRaw(long nStart, long nEnd, const CString& value) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    text->SetReadOnly(false);
    const std::string& bytes = value.str();
    text->SetTargetRange(nStart, nEnd);
    text->ReplaceTargetRaw(bytes.data(), static_cast<int>(bytes.size()));
    const long end = nStart + static_cast<long>(bytes.size());
    text->StartStyling(nStart);
    text->SetStyling(end - nStart, 0);
    text->SetEmptySelection(end);
    text->SetReadOnly(m_bReadOnly != FALSE);
}

int CRichEditCtrl::LineLength(int nLine) const {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text || nLine < 0 || nLine >= text->GetLineCount())
        return 0;
    return text->GetLineEndPosition(nLine) - text->PositionFromLine(nLine);
}

int CRichEditCtrl::StyleOfFormat(const CHARFORMAT& cf) {
    return StyleFor(Merge(m_defaultFormat, cf));
}

void CRichEditCtrl::SetRangeStyle(long nStart, long nLength, int style) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text || nLength <= 0)
        return;
    text->StartStyling(nStart);
    text->SetStyling(nLength, style);
}

int CRichEditCtrl::GetStyleAt(long nPosition) const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? text->GetStyleAt(nPosition) : 0;
}

void CRichEditCtrl::FreezeDrawing(BOOL bFreeze) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    if (bFreeze && m_nFrozen++ == 0)
        text->Freeze();
    else if (!bFreeze && m_nFrozen > 0 && --m_nFrozen == 0)
        text->Thaw();
}

namespace {

// The control's own key bindings that change the text behind an editor that records its
// edits: undo and redo, cut and paste, word and line commands, case changes and overtype.
void ClearEditingKeys(wxStyledTextCtrl& text) {
    const int ctrl = wxSTC_KEYMOD_CTRL, shift = wxSTC_KEYMOD_SHIFT, alt = wxSTC_KEYMOD_ALT;
    const int cs = ctrl | shift;
    const struct {
        int key;
        int modifiers;
    } keys[] = {{'Z', ctrl},        {'Y', ctrl},         {'Z', cs},
                {'X', ctrl},        {'V', ctrl},         {'L', ctrl},
                {'L', cs},          {'T', ctrl},         {'D', ctrl},
                {'U', ctrl},        {'U', cs},           {WXK_BACK, alt},
                {WXK_BACK, ctrl},   {WXK_BACK, cs},      {WXK_BACK, shift},
                {WXK_DELETE, ctrl}, {WXK_DELETE, cs},    {WXK_DELETE, shift},
                {WXK_INSERT, 0},    {WXK_INSERT, shift}, {WXK_BACK, 0},
                {WXK_DELETE, 0},    {WXK_RETURN, 0},     {WXK_RETURN, shift},
                {WXK_TAB, 0},       {WXK_TAB, shift},    {WXK_NUMPAD_ENTER, 0}};
    for (const auto& key : keys)
        text.CmdKeyClear(key.key, key.modifiers);
}

// UTF-8 bytes of a typed character.
CString Utf8Of(wxChar32 character) {
    const wxString value(static_cast<wxUniChar>(character));
    const wxScopedCharBuffer bytes = value.utf8_str();
    return CString(std::string(bytes.data(), bytes.length()));
}

} // namespace

void CRichEditCtrl::SetInputHandler(CRichEditInput* pInput) {
    wxStyledTextCtrl* text = TextOf(*this);
    const bool first = m_pInput == nullptr;
    m_pInput = pInput;
    if (!text || !first || !pInput)
        return;
    text->SetUndoCollection(false);
    text->EmptyUndoBuffer();
    text->UsePopUp(wxSTC_POPUP_NEVER);
    text->SetOvertype(false);
    ClearEditingKeys(*text);
    text->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const UINT key = VirtualKeyOf(event.GetKeyCode());
        if (!m_pInput || !key ||
            !m_pInput->OnEditKey(key, event.ControlDown(), event.ShiftDown(), event.AltDown()))
            event.Skip();
    });
    // Typed characters go to the handler; the control inserts none itself.
    text->Bind(wxEVT_CHAR, [this](wxKeyEvent& event) {
        const wxChar32 character = static_cast<wxChar32>(event.GetUnicodeKey());
        if (event.ControlDown() || event.AltDown() || character < 0x20 || character == 0x7F) {
            return;
        }
        if (m_pInput)
            m_pInput->OnEditChar(Utf8Of(character));
    });
    text->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) {
        if (!m_pInput || !m_pInput->OnEditDblClk(event.ControlDown()))
            event.Skip();
    });
}

int CRichEditCtrl::StyleFor(const CHARFORMAT& cf) {
    for (size_t i = 0; i < m_styles.size(); ++i)
        if (SameFormat(m_styles[i], cf))
            return static_cast<int>(i);
    // When the styles run out, the last one is reused.
    if (m_styles.size() < kStyleCount)
        m_styles.push_back(cf);
    else
        m_styles.back() = cf;
    const int style = static_cast<int>(m_styles.size()) - 1;
    ApplyStyle(style, cf);
    return style;
}

void CRichEditCtrl::ApplyStyle(int style, const CHARFORMAT& cf) {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    const wxFont desktop = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    const wxFont font(wxFontInfo(desktop.GetPointSize())
                          .Family(wxFONTFAMILY_TELETYPE)
                          .FaceName(ToWx(cf.szFaceName))
                          .Bold((cf.dwEffects & CFE_BOLD) != 0));
    text->StyleSetFont(style, font);
    text->StyleSetForeground(style, (cf.dwEffects & CFE_AUTOCOLOR)
                                        ? wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT)
                                        : ToColour(cf.crTextColor));
    if (style == 0)
        text->StyleSetFont(wxSTC_STYLE_DEFAULT, font);
}
