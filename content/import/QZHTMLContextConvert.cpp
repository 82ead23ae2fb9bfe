// The converter's part of QZHTMLContext: each token of an imported page becomes template text.

#include "content/QZVantrelPage.h"
#include "content/import/QZHTMLContext.h"
#include "content/import/QZImportText.h"
#include "db/CActiveXSet.h"
#include "db/CScriptSet.h"
#include "db/CStylesSet.h"
#include "db/QZApplication.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CaughtDaoError.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <strings.h>
#include <utility>

namespace {

// How a command's attribute is written.
enum AttributeForm { BARE, QUOTED, FLAG };
using AttributeList = std::vector<std::pair<LPCTSTR, int>>;

const AttributeList kImageAttributes = {
    {"height", BARE}, {"width", BARE}, {"hspace", BARE},   {"vspace", BARE}, {"border", BARE},
    {"alt", QUOTED},  {"align", BARE}, {"usemap", QUOTED}, {"ismap", FLAG},
};
const AttributeList kLinkAttributes = {
    {"target", BARE}, {"onMouseOver", QUOTED}, {"onClick", QUOTED}};
const AttributeList kFormAttributes = {{"target", BARE}, {"onSubmit", QUOTED}};
const AttributeList kJavaAttributes = {
    {"height", BARE},  {"width", BARE}, {"hspace", BARE}, {"vspace", BARE},
    {"title", QUOTED}, {"alt", QUOTED}, {"align", BARE},  {"download", BARE},
};
const AttributeList kActiveXAttributes = {
    {"height", BARE},    {"width", BARE},   {"hspace", BARE}, {"vspace", BARE}, {"border", BARE},
    {"standby", QUOTED}, {"align", BARE},   {"data", QUOTED}, {"type", QUOTED}, {"name", QUOTED},
    {"title", QUOTED},   {"declare", FLAG}, {"notab", FLAG},  {"shapes", FLAG},
};

// The body attributes that make the page's style, in the order of the style's colours, and
// its background.
const LPCTSTR kColourAttributes[5] = {"bgcolor", "text", "link", "vlink", "alink"};
const LPCTSTR kColourColumns[5] = {"BackColor", "TextColor", "LinkColor", "UsedLinkColor",
                                   "ActiveLinkColor"};

constexpr int kTitleCharacters = 43;

CDaoDatabase* SiteDatabase() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? &app->GetVantrelDb() : nullptr;
}

CString QuotedAttribute(LPCTSTR name, const CString& value) {
    return CString(",") + name + "=\"" + EscapeQuotedValue(value) + "\"";
}

// A bare value runs to white space or ">", but it may hold a double quote, which would open
// a string that swallows the end of the command: that one is written as an entity.
CString BareValue(const CString& value) {
    CString text = value;
    text.Replace("\"", "&quot;");
    return text;
}

// Runs the action and lets an engine error go: the conversion goes on with the next token.
template <typename Action> void IgnoringDaoErrors(Action action) {
    try {
        action();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
    }
}

} // namespace

void QZHTMLContext::Parse(const CString& text) {
    m_text = text;
    m_nPosition = 0;
    m_strConverted.Empty();
    m_strHead.Empty();
    m_strLastKeywords.Empty();
    m_bInHead = m_bInTitle = m_bInLink = m_bInExternalLink = m_bInApplet = FALSE;
    m_nLiteralObjects = 0;
    for (int token = NextToken(); token != HTML_END; token = NextToken()) {
        if (token != HTML_TEXT && token != HTML_OTHER)
            SplitSkippedText();
        m_strTokenText = m_text.Mid(m_nTokenStart, m_nPosition - m_nTokenStart);
        ConvertToken(token);
        if (!m_open.empty() && m_open.back().kind == OPEN_SCRIPT)
            GatherScriptText();
    }
    // What the text left open is closed as its closing tags would close it.
    while (!m_open.empty())
        CloseTop();
    if (m_bInHead)
        EndHead();
    m_pPage->SetText(m_strConverted);
}

void QZHTMLContext::SplitSkippedText() {
    int split = -1;
    for (int i = m_nTokenStart + 1; i < m_nNameStart; i++)
        if (m_text[i] == '<')
            split = i;
    if (split < 0)
        return;
    m_strTokenText = m_text.Mid(m_nTokenStart, split - m_nTokenStart);
    ConvertToken(HTML_TEXT);
    m_nTokenStart = split;
}

void QZHTMLContext::ConvertToken(int token) {
    switch (token) {
    case HTML_IMG:
        return ConvertImage();
    case HTML_A:
        return ConvertAnchor();
    case HTML_END_A:
        return CloseAnchor();
    case HTML_FORM:
        return ConvertForm();
    case HTML_END_FORM:
        if (!CloseOpen(OPEN_FORM))
            AppendToken();
        return;
    case HTML_HTML:
    case HTML_END_HTML:
    case HTML_END_BODY:
        return;
    case HTML_HEAD:
        m_bInHead = TRUE;
        return;
    case HTML_END_HEAD:
        return EndHead();
    case HTML_TITLE:
        m_bInTitle = TRUE;
        return;
    case HTML_END_TITLE:
        m_bInTitle = FALSE;
        return;
    case HTML_META:
        return ConvertMeta();
    case HTML_TEXT:
        return ConvertText();
    case HTML_BODY:
        return ConvertBody();
    case HTML_SCRIPT:
        return OpenScript();
    case HTML_END_SCRIPT:
        if (!CloseOpen(OPEN_SCRIPT))
            AppendToken();
        return;
    case HTML_APPLET:
        return ConvertApplet();
    case HTML_END_APPLET:
        Append(m_bInApplet ? "<</java>>" : "</applet>");
        m_bInApplet = FALSE;
        return;
    case HTML_OBJECT:
        return OpenObject();
    case HTML_END_OBJECT:
        return CloseObjectTag();
    default:
        return Keep();
    }
}

// ---- Literal text ----

void QZHTMLContext::Keep() {
    CurrentText() += EscapeTemplateText(m_strTokenText);
}

void QZHTMLContext::AppendToken() {
    Append(EscapeTemplateText(m_strTokenText));
}

void QZHTMLContext::GatherScriptText() {
    // A script's code runs to its closing tag whatever it holds, and is kept as written.
    const std::string& text = m_text.str();
    size_t end = static_cast<size_t>(m_nPosition);
    while (end < text.size() && strncasecmp(text.c_str() + end, "</script", 8) != 0)
        end++;
    int length = static_cast<int>(end) - m_nPosition;
    CString code = m_text.Mid(m_nPosition, length);
    WarnCommandStarts(code);
    (m_open.back().inHead ? m_strHead : m_strConverted) += code;
    m_nPosition += length;
}

void QZHTMLContext::WarnCommandStarts(const CString& text) {
    CString key = QZKeyCombo(m_pScriptSet->m_DbID, m_pScriptSet->m_ScriptID).FormatFull();
    for (int count = CountCommandStarts(text); count > 0; count--)
        Warn("The script " + key + " holds \"<<\", which runs as a template command");
}

void QZHTMLContext::Warn(const CString& text) {
    m_pPage->PostEngineMessage(QZTemplateOwner::MSG_WARNING, text, 0);
}

// ---- Attributes ----

BOOL QZHTMLContext::HasAttribute(LPCTSTR name) const {
    return m_pSymbolTable != nullptr && m_pSymbolTable->Lookup(name, TRUE) != nullptr;
}

CString QZHTMLContext::Attribute(LPCTSTR name) const {
    QZSymbol* entry = m_pSymbolTable != nullptr ? m_pSymbolTable->Lookup(name, TRUE) : nullptr;
    return entry != nullptr ? entry->GetString() : CString();
}

void QZHTMLContext::AppendAttributes(const std::vector<std::pair<LPCTSTR, int>>& list) {
    for (const auto& [name, form] : list) {
        if (!HasAttribute(name))
            continue;
        if (form == BARE)
            Append(CString(",") + name + "=" + BareValue(Attribute(name)));
        else if (form == QUOTED)
            Append(QuotedAttribute(name, Attribute(name)));
        else
            Append(CString(",") + name);
    }
}

BOOL QZHTMLContext::LookUp(const CString& link, QZKeyCombo& key) {
    if (m_pNameTable == nullptr)
        return FALSE;
    QZSymbol* entry = m_pNameTable->Find(ResolveLocalPath(link), TRUE);
    if (entry == nullptr)
        return FALSE;
    key = entry->GetKey();
    return TRUE;
}

// ---- Tags ----

void QZHTMLContext::ConvertImage() {
    CString source = Attribute("src");
    QZKeyCombo key;
    if (!HasAttribute("src") || source.IsEmpty() || IsRemote(source) || !LookUp(source, key))
        return AppendToken();
    Append("<<image " + key.FormatFull());
    AppendAttributes(kImageAttributes);
    Append(">>");
}

void QZHTMLContext::ConvertAnchor() {
    if (!HasAttribute("href"))
        return AppendToken();
    CString address = Attribute("href");
    CString href = address;
    CString anchor;
    int hash = href.ReverseFind('#');
    if (hash >= 0) {
        anchor = href.Mid(hash + 1);
        href = href.Left(hash);
    }
    if (IsRemote(href)) {
        // The whole address, fragment included.
        m_bInExternalLink = TRUE;
        m_bInLink = FALSE;
        Append("<<extlink \"" + EscapeQuotedValue(address) + "\">>");
        return;
    }
    QZKeyCombo key;
    // An anchor in the page itself works as written.
    if (href.IsEmpty() || !LookUp(href, key)) {
        m_bInLink = m_bInExternalLink = FALSE;
        return AppendToken();
    }
    m_bInLink = TRUE;
    m_bInExternalLink = FALSE;
    m_linkKey = key;
    if (key.m_ObjectType == OBJ_PAGE) {
        Append("<<link " + key.FormatFull());
        if (!anchor.IsEmpty())
            Append(QuotedAttribute("anchor", anchor));
    } else {
        Append("<<media " + key.FormatFull());
    }
    AppendAttributes(kLinkAttributes);
    Append(">>");
}

void QZHTMLContext::CloseAnchor() {
    if (m_bInLink) {
        m_bInLink = FALSE;
        Append(m_linkKey.m_ObjectType == OBJ_PAGE ? "<</link>>" : "<</media>>");
    } else if (m_bInExternalLink) {
        m_bInExternalLink = FALSE;
        Append("<</extlink>>");
    } else {
        Append("</a>");
    }
}

void QZHTMLContext::ConvertForm() {
    CString method = Attribute("method");
    method.MakeLower();
    if (!HasAttribute("method") || method != "post" || !HasAttribute("action"))
        return AppendToken();
    CloseOpen(OPEN_FORM);
    CString action = "<<run \"" + EscapeQuotedValue(Attribute("action")) + "\">>";
    m_pForm = std::make_unique<QZVantrelForm>();
    CString key = m_pForm->GetKey().FormatFull();
    Append("<<form " + key);
    AppendAttributes(kFormAttributes);
    Append(">>");
    m_strSavedForm = m_strConverted;
    m_strConverted.Empty();
    m_pForm->SetActionBody(action);
    m_pForm->SetTitle(LeftCharacters(m_pPage->GetName(), kTitleCharacters) + " - Form");
    m_open.push_back({OPEN_FORM, false});
    Warn("The action of form " + key + " became the run command " + action);
}

void QZHTMLContext::ConvertMeta() {
    // Attribute names hold letters only, so "http-equiv" reads as "http" and "equiv".
    CString tag = m_strTokenText;
    tag.MakeLower();
    if (tag.Find("http-equiv") < 0 || !HasAttribute("equiv"))
        return AppendToken();
    CString equiv = Attribute("equiv");
    equiv.MakeLower();
    if (equiv != "keywords")
        return Keep();
    if (HasAttribute("content"))
        m_strLastKeywords = Attribute("content");
    m_pPage->SetKeywords(m_strLastKeywords);
}

void QZHTMLContext::ConvertText() {
    if (m_bInTitle)
        m_pPage->SetTitle(m_strTokenText);
    else
        Keep();
}

void QZHTMLContext::EndHead() {
    // A script opened in the head gathers head text: it ends with the head.
    for (size_t i = 0; i < m_open.size(); i++) {
        if (m_open[i].kind == OPEN_SCRIPT && m_open[i].inHead) {
            while (m_open.size() > i)
                CloseTop();
            break;
        }
    }
    m_bInHead = FALSE;
    m_pPage->SetHeader(m_strHead);
}

void QZHTMLContext::ConvertBody() {
    // The body begins where the head ends, whether or not the head was closed.
    if (m_bInHead)
        EndHead();
    QZKeyCombo background(0, 0, OBJ_IMAGE);
    CString image = Attribute("background");
    QZKeyCombo found;
    if (!image.IsEmpty() && !IsRemote(image) && LookUp(image, found))
        background = found;
    CString colours[5];
    BOOL given[5];
    for (int i = 0; i < 5; i++) {
        given[i] = HasAttribute(kColourAttributes[i]);
        colours[i] = Attribute(kColourAttributes[i]).Right(6);
    }
    IgnoringDaoErrors([&] { FindBodyStyle(colours, given, background); });
    WarnOtherBodyAttributes();
}

void QZHTMLContext::WarnOtherBodyAttributes() {
    CString names;
    LONG seen = 0;
    for (QZSymbol* entry = m_pSymbolTable->GetFirst();
         entry != nullptr && seen < m_pSymbolTable->GetCount(); entry = m_pSymbolTable->GetNext()) {
        const CString& name = entry->GetName();
        if (name.IsEmpty())
            continue;
        seen++;
        bool style = name.CompareNoCase("background") == 0;
        for (LPCTSTR colour : kColourAttributes)
            style = style || name.CompareNoCase(colour) == 0;
        if (!style)
            names += (names.IsEmpty() ? "" : ", ") + name;
    }
    if (!names.IsEmpty())
        Warn("The body attributes " + names + " were not imported");
}

void QZHTMLContext::FindBodyStyle(const CString colours[5], const BOOL given[5],
                                  const QZKeyCombo& background) {
    CString parameters = "PARAMETERS pBackDbID Long, pBackID Long, pServiceDbID Long, "
                         "pServiceID Long";
    CString sql = " SELECT * FROM Styles WHERE BackImageDbID = pBackDbID AND BackImageID = "
                  "pBackID AND ServiceDbID = pServiceDbID AND ServiceID = pServiceID";
    for (int i = 0; i < 5; i++) {
        CString column = kColourColumns[i];
        if (given[i]) {
            parameters += ", p" + column + " Text";
            sql += " AND " + column + " = p" + column;
        } else {
            sql += " AND (IsNull(" + column + ") OR Len(" + column + ") = 0)";
        }
    }
    QZKeyCombo service = m_pPage->GetServiceKey();
    CDaoQueryDef query(SiteDatabase());
    query.Create(nullptr, parameters + ";" + sql);
    int index = 0;
    for (LONG number : {background.m_DbID, background.m_KeyID, service.m_DbID, service.m_KeyID})
        query.SetParamValue(index++, COleVariant(number, VT_I4));
    for (int i = 0; i < 5; i++)
        if (given[i])
            query.SetParamValue(index++, COleVariant(colours[i]));

    CStylesSet set(SiteDatabase());
    set.Open(&query, dbOpenDynaset, dbConsistent);
    if (set.IsEOF()) {
        set.Close();
        set.AddNewRecord(0);
        set.SetServiceKey(service);
        set.m_StyleName = "Style: " + LeftCharacters(m_pPage->GetName(), kTitleCharacters);
        CString* columns[5] = {&set.m_BackColor, &set.m_TextColor, &set.m_LinkColor,
                               &set.m_UsedLinkColor, &set.m_ActiveLinkColor};
        for (int i = 0; i < 5; i++)
            *columns[i] = colours[i];
        set.SetBackImageKey(background);
        set.SaveRecord(0);
    } else {
        set.MoveFirstRow();
    }
    m_pPage->SetStyleKey(QZKeyCombo(set.m_DbID, set.m_StyleID, OBJ_STYLE));
    set.Close();
}

void QZHTMLContext::OpenScript() {
    CloseOpen(OPEN_SCRIPT);
    m_pScriptSet = std::make_unique<CScriptSet>(SiteDatabase());
    CScriptSet& set = *m_pScriptSet;
    set.AddNewRecord(1);
    if (HasAttribute("language"))
        set.m_Language = Attribute("language");
    if (HasAttribute("type"))
        set.m_Type = Attribute("type");
    set.SetServiceKey(m_pPage->GetServiceKey());
    set.SetSectionKey(m_pPage->GetSectionKey());
    CString& text = CurrentText();
    text += "<<script " + QZKeyCombo(set.m_DbID, set.m_ScriptID).FormatFull();
    if (!set.m_Type.IsEmpty())
        text += QuotedAttribute("type", set.m_Type);
    m_strSavedScript = text;
    text.Empty();
    m_open.push_back({OPEN_SCRIPT, m_bInHead != FALSE});
}

void QZHTMLContext::ConvertApplet() {
    CString codebase = Attribute("codebase");
    if (!codebase.IsEmpty() && codebase.Right(1) != "/")
        codebase += "/";
    CString code = codebase + Attribute("code");
    QZKeyCombo key;
    if (!HasAttribute("code") || IsRemote(code) || !LookUp(code, key)) {
        m_bInApplet = FALSE;
        return AppendToken();
    }
    m_bInApplet = TRUE;
    Append("<<java " + key.FormatFull());
    AppendAttributes(kJavaAttributes);
    Append(">>");
}

void QZHTMLContext::OpenObject() {
    if (!HasAttribute("classid")) {
        // An object inside a converted one (its fallback) stays literal, closing tag and all.
        if (IsOpen(OPEN_OBJECT))
            m_nLiteralObjects++;
        return AppendToken();
    }
    CloseOpen(OPEN_OBJECT);
    m_nLiteralObjects = 0;
    m_pActiveXSet = std::make_unique<CActiveXSet>(SiteDatabase());
    CActiveXSet& set = *m_pActiveXSet;
    set.AddNewRecord(1);
    set.m_ClassID = Attribute("classid");
    set.SetServiceKey(m_pPage->GetServiceKey());
    set.SetSectionKey(m_pPage->GetSectionKey());
    Append("<<activex " + QZKeyCombo(set.m_DbID, set.m_ObjectID).FormatFull());
    AppendAttributes(kActiveXAttributes);
    Append(">>");
    m_open.push_back({OPEN_OBJECT, false});
}

void QZHTMLContext::CloseObjectTag() {
    if (m_nLiteralObjects > 0) {
        m_nLiteralObjects--;
        Append("</object>");
    } else if (!CloseOpen(OPEN_OBJECT)) {
        Append("</object>");
    }
}

// ---- Open forms, scripts and objects ----

bool QZHTMLContext::IsOpen(OpenKind kind) const {
    for (const OpenElement& open : m_open)
        if (open.kind == kind)
            return true;
    return false;
}

BOOL QZHTMLContext::CloseOpen(OpenKind kind) {
    for (size_t i = m_open.size(); i-- > 0;) {
        if (m_open[i].kind != kind)
            continue;
        while (m_open.size() > i)
            CloseTop();
        return TRUE;
    }
    return FALSE;
}

void QZHTMLContext::CloseTop() {
    OpenElement top = m_open.back();
    m_open.pop_back();
    if (top.kind == OPEN_FORM)
        CloseForm();
    else if (top.kind == OPEN_SCRIPT)
        CloseScript(top.inHead);
    else
        CloseObject();
}

void QZHTMLContext::CloseForm() {
    m_pForm->SetTemplateText(m_strConverted);
    m_pForm->Save();
    m_pForm.reset();
    m_strConverted = m_strSavedForm;
}

void QZHTMLContext::CloseScript(bool inHead) {
    CString& text = inHead ? m_strHead : m_strConverted;
    m_pScriptSet->m_ScriptBody = text;
    IgnoringDaoErrors([&] {
        m_pScriptSet->SaveRecord(0);
        if (m_pScriptSet->IsOpen())
            m_pScriptSet->Close();
    });
    m_pScriptSet.reset();
    text = m_strSavedScript + ">>";
}

void QZHTMLContext::CloseObject() {
    m_nLiteralObjects = 0;
    Append("<</activex>>");
    IgnoringDaoErrors([&] {
        m_pActiveXSet->SaveRecord(0);
        if (m_pActiveXSet->IsOpen())
            m_pActiveXSet->Close();
    });
    m_pActiveXSet.reset();
}
