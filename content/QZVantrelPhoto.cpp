#include "content/QZVantrelPhoto.h"

IMPLEMENT_DYNAMIC(QZVantrelPhoto, QZVantrelImage)

namespace {
const QZColumnBinding::Names kColumns{"[PhotoID]", "[Name]", "[FileName]"};
} // namespace

QZVantrelPhoto::QZVantrelPhoto(const QZKeyCombo& key) : QZVantrelImage(OBJ_PHOTO) {
    BindImageColumns(*LoadRow<CPhotoImagesSet>(key, TRUE, nullptr, kColumns));
}

QZVantrelPhoto::QZVantrelPhoto() : QZVantrelImage(OBJ_PHOTO) {
    BindImageColumns(*AddNewRow<CPhotoImagesSet>(kColumns));
    TakeCurrentServiceAndSection();
}

QZVantrelPhoto::~QZVantrelPhoto() = default;

QZVantrelPhoto& QZVantrelPhoto::operator=(const QZVantrelPhoto& other) {
    QZVantrelImage::operator=(other);
    return *this;
}
