#include "content/import/QZHTMLContext.h"

#include "content/QZVantrelPage.h"
#include "content/import/QZImportPaths.h"
#include "db/CActiveXSet.h"
#include "db/CScriptSet.h"
#include "template/values/SymbolTable.h"

#include <cctype>
#include <cstring>

namespace {

constexpr int kEnd = QZVantrelCompileContext::kEndOfText;

struct TagName {
    const char* name;
    int token;
};

const TagName kTags[] = {
    {"img", QZHTMLContext::HTML_IMG},
    {"a", QZHTMLContext::HTML_A},
    {"/a", QZHTMLContext::HTML_END_A},
    {"form", QZHTMLContext::HTML_FORM},
    {"/form", QZHTMLContext::HTML_END_FORM},
    {"html", QZHTMLContext::HTML_HTML},
    {"/html", QZHTMLContext::HTML_END_HTML},
    {"head", QZHTMLContext::HTML_HEAD},
    {"/head", QZHTMLContext::HTML_END_HEAD},
    {"title", QZHTMLContext::HTML_TITLE},
    {"/title", QZHTMLContext::HTML_END_TITLE},
    {"meta", QZHTMLContext::HTML_META},
    {"body", QZHTMLContext::HTML_BODY},
    {"script", QZHTMLContext::HTML_SCRIPT},
    {"/script", QZHTMLContext::HTML_END_SCRIPT},
    {"applet", QZHTMLContext::HTML_APPLET},
    {"/applet", QZHTMLContext::HTML_END_APPLET},
    {"frame", QZHTMLContext::HTML_FRAME},
    {"/body", QZHTMLContext::HTML_END_BODY},
    {"object", QZHTMLContext::HTML_OBJECT},
    {"/object", QZHTMLContext::HTML_END_OBJECT},
};

int TagToken(CString name) {
    name.MakeLower();
    for (const TagName& tag : kTags)
        if (name == tag.name)
            return tag.token;
    return QZHTMLContext::HTML_OTHER;
}

bool IsLetter(int c) {
    return c != kEnd && std::isalpha(c);
}

bool IsSpace(int c) {
    return c != kEnd && std::isspace(c);
}

} // namespace

QZHTMLContext::QZHTMLContext(QZVantrelPage* page, SymbolTable* names, const CString& rootDirectory,
                             const CString& pageDirectory)
    : QZVantrelCompileContext(nullptr), m_pPage(page), m_strRootDirectory(rootDirectory),
      m_strPageDirectory(pageDirectory), m_pNameTable(names) {
    Parse(page->GetTemplateText());
}

QZHTMLContext::~QZHTMLContext() {
    delete m_pSymbolTable;
}

void QZHTMLContext::BeginScan(const CString& text) {
    m_text = text;
    m_nPosition = 0;
}

CString QZHTMLContext::GetTokenName(int) {
    return CString();
}

// The tokenizer's states: the characters after "<" up to the first letter or "/" are skipped,
// a tag name and an attribute name hold letters only, only double quotes delimit a value.
int QZHTMLContext::NextToken() {
    enum State { START, AFTER_ANGLE, TAG_NAME, ATTRIBUTE_NAME, AFTER_EQUALS, QUOTED, BARE, IN_TAG };
    m_nTokenStart = m_nNameStart = m_nPosition;
    delete m_pSymbolTable;
    m_pSymbolTable = new SymbolTable();

    int token = HTML_OTHER;
    int nameStart = 0;
    int valueStart = 0;
    CString attribute;
    State state = START;
    for (;;) {
        int c = GetChar();
        switch (state) {
        case START:
            if (c == '<') {
                state = AFTER_ANGLE;
                break;
            }
            if (c == kEnd)
                return HTML_END;
            // A text run up to the next "<" or the end.
            for (c = GetChar(); c != '<' && c != kEnd; c = GetChar()) {
            }
            UngetChar();
            return HTML_TEXT;
        case AFTER_ANGLE:
            UngetChar();
            SkipWhiteSpace();
            c = GetChar();
            if (IsLetter(c) || c == '/') {
                nameStart = m_nNameStart = m_nPosition - 1;
                state = TAG_NAME;
            } else if (c == '>') {
                return HTML_OTHER;
            } else if (c == kEnd) {
                UngetChar();
                return HTML_TEXT;
            }
            break;
        case TAG_NAME:
            if (!IsLetter(c)) {
                UngetChar();
                token = TagToken(m_text.Mid(nameStart, m_nPosition - nameStart));
                state = IN_TAG;
            }
            break;
        case IN_TAG:
            UngetChar();
            SkipWhiteSpace();
            c = GetChar();
            if (IsLetter(c)) {
                nameStart = m_nPosition - 1;
                state = ATTRIBUTE_NAME;
            } else if (c == '>') {
                return token;
            } else if (c == kEnd) {
                UngetChar();
                return token;
            }
            break;
        case ATTRIBUTE_NAME:
            if (!IsLetter(c)) {
                UngetChar();
                attribute = m_text.Mid(nameStart, m_nPosition - nameStart);
                SkipWhiteSpace();
                if (GetChar() == '=') {
                    state = AFTER_EQUALS;
                } else {
                    UngetChar();
                    m_pSymbolTable->SetString(attribute, CString());
                    state = IN_TAG;
                }
            }
            break;
        case AFTER_EQUALS:
            UngetChar();
            SkipWhiteSpace();
            c = GetChar();
            if (c == '"') {
                valueStart = m_nPosition;
                state = QUOTED;
            } else if (c == '>' || c == kEnd) {
                UngetChar();
                m_pSymbolTable->SetString(attribute, CString());
                state = IN_TAG;
            } else {
                valueStart = m_nPosition - 1;
                state = BARE;
            }
            break;
        case QUOTED:
            if (c == '"' || c == kEnd) {
                if (c == kEnd)
                    UngetChar();
                int length = m_nPosition - valueStart - (c == '"' ? 1 : 0);
                m_pSymbolTable->SetString(attribute, m_text.Mid(valueStart, length));
                state = IN_TAG;
            }
            break;
        case BARE:
            if (IsSpace(c) || c == '>' || c == kEnd) {
                UngetChar();
                m_pSymbolTable->SetString(attribute,
                                          m_text.Mid(valueStart, m_nPosition - valueStart));
                state = IN_TAG;
            }
            break;
        }
    }
}

const CString& QZHTMLContext::ResolveLocalPath(const CString& link) {
    CString rest = link;
    rest.Replace('\\', '/');
    CString result;
    if (rest.GetLength() > 0 && rest[0] == '/') {
        result = m_strRootDirectory + rest;
    } else {
        result = m_strPageDirectory;
        result.Replace('\\', '/');
        while (rest.Left(3) == "../") {
            rest = rest.Mid(3);
            int slash = result.ReverseFind('/');
            if (slash >= 0)
                result = result.Left(slash);
        }
        result += "/" + rest;
    }
    m_strResolved = NormaliseLocalPath(result);
    return m_strResolved;
}
