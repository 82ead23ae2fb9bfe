#pragma once
// Imported HTML as template text, and the copy of a remote site that is imported. As a
// converter it turns one imported page's HTML into template text: images, links, forms, scripts,
// applets and ActiveX objects that name imported files become commands naming the site's
// objects by key, the title, keywords, head and body colours go into the page's own fields and
// a style, and everything else stays literal, written so that none of it runs. As a retrieval it
// copies a site from an HTTP server into a local folder, following the links of its pages that
// stay in the start page's folder or below it. Both read HTML with the same tokenizer.

#include "content/QZVantrelForm.h"
#include "content/import/QZImportURL.h"
#include "db/QZKeyCombo.h"
#include "template/parser/QZVantrelCompileContext.h"

#include <memory>
#include <vector>

class CActiveXSet;
class CHttpFile;
class CScriptSet;
class QZVantrelPage;
class SymbolTable;

class QZHTMLContext : public QZVantrelCompileContext {
public:
    // Tokens of the HTML tokenizer.
    enum HtmlTagToken : int {
        HTML_END = -1,
        HTML_IMG = 100,
        HTML_A = 101,
        HTML_END_A = 102,
        HTML_FORM = 103,
        HTML_END_FORM = 104,
        HTML_HTML = 105,
        HTML_END_HTML = 106,
        HTML_HEAD = 107,
        HTML_END_HEAD = 108,
        HTML_TITLE = 109,
        HTML_END_TITLE = 110,
        HTML_META = 111,
        HTML_TEXT = 112,
        HTML_BODY = 113,
        HTML_OTHER = 114,
        HTML_SCRIPT = 115,
        HTML_END_SCRIPT = 116,
        HTML_APPLET = 117,
        HTML_END_APPLET = 118,
        HTML_FRAME = 119,
        HTML_END_BODY = 120,
        HTML_OBJECT = 121,
        HTML_END_OBJECT = 122,
    };

    // The converter: converts the page's text at once and stores the result as the page's
    // text. `names` maps the absolute, lexically normal local path of every imported file
    // (compared without regard to case) to the key of the object made from it; the root is the
    // imported site's folder and the page directory the folder of the page's file. The caller
    // saves the page afterwards.
    QZHTMLContext(QZVantrelPage* page, SymbolTable* names, const CString& rootDirectory,
                  const CString& pageDirectory);
    // The retrieval: copies the site of the page at `url` into the local directory, following
    // its links depth first in the order they are met, down to `depthLimit` (0 to 2) directory
    // levels below the page's own. A starting call passes no name table and an empty base;
    // its flag ends 1 only when the start page was saved. Progress and errors are logged.
    QZHTMLContext(const CString& url, const CString& localDirectory, int* pIsPage,
                  SymbolTable* names, int depthLimit, const CString& baseURL);
    ~QZHTMLContext() override;

    void Parse(const CString& text) override;
    // Reads one token from the position: a tag (its attributes in the context's symbol
    // table), a text run or the end.
    int NextToken() override;
    CString GetTokenName(int token) override;
    // Starts reading `text` from its beginning with NextToken, converting nothing.
    void BeginScan(const CString& text);

    // The absolute, lexically normal local path that a relative or root-relative link of the
    // page names (with "/", whatever separators the link used); also kept as the resolved
    // location.
    const CString& ResolveLocalPath(const CString& link);

    // Retrieves one URL into the local directory; a page's text becomes the context's text.
    // TRUE when its file was written.
    BOOL Download(const CString& url);
    // Retrieves every new link of the context's text, and theirs in turn, depth first.
    void FollowLinks();
    // The absolute URL of a link of the page last retrieved; empty when it may not be
    // retrieved (another site, above the base, deeper than the depth limit). Also kept as the
    // resolved location.
    const CString& ResolveURL(const CString& link);

    // The exact text of the current token.
    const CString& GetTokenText() const { return m_strTokenText; }

private:
    enum OpenKind { OPEN_FORM, OPEN_SCRIPT, OPEN_OBJECT };
    struct OpenElement {
        OpenKind kind;
        // Where a script gathers its text: the head text when it was opened in the head.
        bool inHead;
    };

    // ---- Conversion ----
    void ConvertToken(int token);
    // Text that the tokenizer skipped after a "<" on its way to a tag's name, up to the last
    // "<" before the name, is text, not part of the tag: it is converted as a text run first.
    void SplitSkippedText();
    // Adds the token's text as literal text to the text it goes to now.
    void Keep();
    // Adds the token's text as literal text to the converted text.
    void AppendToken();
    // Adds the open script's code, everything up to its closing tag, to the text it gathers.
    void GatherScriptText();
    void Append(const CString& text) { m_strConverted += text; }
    // The text that kept tokens and gathered contents go to now.
    CString& CurrentText() { return m_bInHead ? m_strHead : m_strConverted; }
    void ConvertImage();
    void ConvertAnchor();
    void CloseAnchor();
    void ConvertForm();
    void ConvertMeta();
    void ConvertText();
    void ConvertBody();
    void WarnOtherBodyAttributes();
    void EndHead();
    void OpenScript();
    void ConvertApplet();
    void OpenObject();
    void CloseObjectTag();
    // Closes the open element of that kind as its closing tag does, closing first whatever was
    // opened inside it; FALSE when none is open.
    BOOL CloseOpen(OpenKind kind);
    void CloseTop();
    void CloseForm();
    void CloseScript(bool inHead);
    void CloseObject();
    bool IsOpen(OpenKind kind) const;
    // Finds or makes the style of the body's colours and background and makes it the page's.
    void FindBodyStyle(const CString colours[5], const BOOL given[5], const QZKeyCombo& background);
    // Warns about every "<<" of a script's source text.
    void WarnCommandStarts(const CString& text);
    void Warn(const CString& text);

    // ---- Retrieval ----
    // The URLs that the links of the context's text resolve to, in order.
    std::vector<CString> FindLinks();
    // Downloads a URL whose local path is known to be safe; TRUE when written.
    BOOL Fetch(const CString& url, const std::vector<CString>& segments, BOOL isPage);
    // Reads the answer into the file (and a page's text into the context's text).
    BOOL Save(CHttpFile& answer, const CString& url, const std::vector<CString>& segments,
              BOOL isPage);
    // The local path segments of a URL under the base; FALSE when it has no safe one.
    BOOL LocalSegments(const QZImportURL& address, std::vector<CString>& segments) const;
    static void Log(int kind, const CString& text);

    // ---- Attributes of the tag last read ----
    BOOL HasAttribute(LPCTSTR name) const;
    CString Attribute(LPCTSTR name) const;
    // Appends the present attributes of the command's list, in the list's order.
    void AppendAttributes(const std::vector<std::pair<LPCTSTR, int>>& list);
    // The name table's entry for the link resolved locally; FALSE when there is none.
    BOOL LookUp(const CString& link, QZKeyCombo& key);
    static BOOL IsRemote(const CString& link) { return link.Find(":/") >= 0; }

    QZVantrelPage* m_pPage = nullptr;
    std::unique_ptr<QZVantrelForm> m_pForm;
    std::unique_ptr<CScriptSet> m_pScriptSet;
    std::unique_ptr<CActiveXSet> m_pActiveXSet;
    CString m_strTokenText;
    CString m_strConverted;
    CString m_strRootDirectory;
    CString m_strPageDirectory;
    CString m_strSavedForm;
    // Retrieval: the address of the page last retrieved (its server and object path).
    QZImportURL m_page;
    CString m_strSavedScript;
    CString m_strBaseURL;
    CString m_strResolved;
    SymbolTable* m_pNameTable = nullptr;
    int m_nDepthLimit = 0;
    // Retrieval: the name table of a starting call, which the context owns.
    std::unique_ptr<SymbolTable> m_pOwnNameTable;
    // Retrieval: the base URL taken apart.
    QZImportURL m_base;
    // Where the name of the tag last read begins; the token start for a text run.
    int m_nNameStart = 0;

    // State of one conversion.
    CString m_strHead;
    CString m_strLastKeywords;
    QZKeyCombo m_linkKey;
    BOOL m_bInHead = FALSE;
    BOOL m_bInTitle = FALSE;
    BOOL m_bInLink = FALSE;
    BOOL m_bInExternalLink = FALSE;
    BOOL m_bInApplet = FALSE;
    // Objects without a class id opened inside the converted object and not yet closed.
    int m_nLiteralObjects = 0;
    // Forms, scripts and objects open now, innermost last.
    std::vector<OpenElement> m_open;
};
