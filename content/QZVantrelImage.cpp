#include "content/QZVantrelImage.h"

#include "content/QZLocalPath.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "db/QZRecordsetCaches.h"

IMPLEMENT_DYNAMIC(QZVantrelImage, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[ImageID]", "[Name]", "[FileName]"};
} // namespace

QZVantrelImage::QZVantrelImage(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_IMAGE) {
    BindImageColumns(*LoadRow<CImagesSet>(key, bOpen, &g_ImagesCache, kColumns));
}

QZVantrelImage::QZVantrelImage() : QZVantrelBase(OBJ_IMAGE) {
    BindImageColumns(*AddNewRow<CImagesSet>(kColumns));
    TakeCurrentServiceAndSection();
}

QZVantrelImage::QZVantrelImage(SHORT nObjectType) : QZVantrelBase(nObjectType) {}

QZVantrelImage::~QZVantrelImage() = default;

QZVantrelImage& QZVantrelImage::operator=(const QZVantrelImage& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

short QZVantrelImage::SetWidth(short width) {
    Write(m_Image.width, width);
    return width;
}

short QZVantrelImage::SetHeight(short height) {
    Write(m_Image.height, height);
    return height;
}

CString QZVantrelImage::GetFileURL() const {
    QZService service(GetServiceKey(), FALSE);
    QZSection section(GetSectionKey(), FALSE);
    CString path = JoinLocalPath(service.GetRecordset()->m_DevelopPath, service.GetDirectory());
    path = JoinLocalPath(path, section.GetDirectory());
    path = JoinLocalPath(path, GetDirectory());
    return LocalFileUrl(JoinLocalPath(path, GetFileName()));
}

void QZVantrelImage::TakeCurrentServiceAndSection() {
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
}
