#pragma once
// <<link key, name=value, ...>> body <</link>>: wraps the output of its body in an anchor to an
// object of the site. A page is linked by its path on the site, or through the server-side
// interpreter when the page is dynamic or the link passes parameters; an image is linked by
// the path of its file. A link is refused inside another link's body; the body is then
// written plain. The target object is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZTemplateRunOwner;
class QZVantrelImage;
class QZVantrelPage;

class QZCmdIntLink : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdIntLink)
public:
    QZCmdIntLink(QZVantrelContext* context, const CString& arguments);
    ~QZCmdIntLink() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<link :???"
               ">>\r\n"
               "<</link>>";
    }

    // The opening; the body and the closing word too, except in modes 1 and 2.
    void WriteSource(CString& text) override;
    // The anchor around the body's output; the target recorded as a dependency of the page.
    void Execute() override;
    // The link dialog: the new opening text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and builds the page or image of the key; TRUE when the link
    // can be written (a key of another kind links to nothing).
    virtual BOOL CheckParameters();

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

    const QZKeyCombo& GetTargetKey() const { return m_targetKey; }
    void SetTargetKey(const QZKeyCombo& key) { m_targetKey = key; }

private:
    BOOL CheckPage();
    BOOL CheckImage();
    // The object the page is generated for: the generated object, else the running text's.
    QZTemplateRunOwner* GeneratedObject() const;
    // The page's address on the site or through the interpreter; the image's file path.
    CString PageAddress();
    CString ImageAddress();
    // "&name=value" for every named parameter that is not one of the link's own.
    CString QueryText();

    QZKeyCombo m_targetKey;
    std::unique_ptr<QZVantrelPage> m_pPage;
    std::unique_ptr<QZVantrelImage> m_pImage;

public:
    // The texts of the last check, which the dialog reads and writes in place.
    CString m_strAnchor;
    CString m_strOther;
    CString m_strOnMouseOver;
    CString m_strOnClick;
    CString m_strTarget;

private:
    // The word secure among the parameters; its value true or false.
    BOOL m_bSecureGiven = FALSE;
    BOOL m_bSecureOn = FALSE;
    BOOL m_bSecureOff = FALSE;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
    QZSymbol* m_pKeyEntry = nullptr;
    // Set when the text closed the block; a block left open is written back open.
    BOOL m_bClosed = FALSE;
};
