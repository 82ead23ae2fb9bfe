#pragma once
// <<image key, name=value, ...>>: writes the HTML image tag of a stored image at the place of
// the command, with its alternate text, alignment, border, size and spacing (missing values
// come from the image's row), an optional client- or server-side image map and free extra
// attributes. The image object is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>
#include <optional>

class QZSymbol;
class QZVantrelImage;

class QZCmdImage : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdImage)
public:
    QZCmdImage(QZVantrelContext* context, const CString& arguments);
    ~QZCmdImage() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<image :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Writes the tag and records the image as a dependency of the page.
    void Execute() override;
    // The "Image Command" dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters, builds the image object of the key and fills the fields; TRUE
    // when the image stands ready.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetImageKey() const { return m_imageKey; }
    void SetImageKey(const QZKeyCombo& key) { m_imageKey = key; }

private:
    // Builds the image of the key (reporting a key that names none, and a missing key only
    // while generating); TRUE when it stands.
    BOOL CheckImage(QZSymbol* keyEntry);
    void ReadParameters();
    // The back path of the running text and the image's service, section and own directory.
    CString ImagePath() const;
    // The rebuilt command text after the dialog's OK.
    CString BuildEditedText(const CString& keyText, const CString& rest, BOOL hasMap,
                            const std::optional<CString>& altDefault);

    std::unique_ptr<QZVantrelImage> m_pImage;
    QZKeyCombo m_imageKey;

public:
    // The values of the last check, which the dialog reads and writes in place. Align is 1
    // left, 2 top, 3 right, 4 bottom, 5 middle; a height or width of 0 is not written.
    LONG m_nVSpace = 0;
    LONG m_nHSpace = 0;
    LONG m_nHeight = 0;
    LONG m_nWidth = 0;
    LONG m_nBorder = 0;
    BOOL m_bIsMap = FALSE;
    LONG m_nAlign = 5;
    CString m_strOther;
    CString m_strAlt;
    CString m_strUseMap;

private:
    QZSymbol* m_pKeyEntry = nullptr;
};
