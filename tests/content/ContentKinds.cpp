#include "tests/content/ContentKinds.h"

#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelAd.h"
#include "content/QZVantrelAdSpace.h"
#include "content/QZVantrelAdvertiser.h"
#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "content/QZVantrelMessage.h"
#include "content/QZVantrelPage.h"
#include "content/QZVantrelPhoto.h"
#include "content/QZVantrelScript.h"
#include "content/QZVantrelTemplate.h"

#include <stdexcept>

namespace {

template <class Kind> auto Loader() {
    return [](const QZKeyCombo& key, BOOL bOpen) -> std::unique_ptr<QZVantrelBase> {
        return std::make_unique<Kind>(key, bOpen);
    };
}

template <class Kind> auto Creator() {
    return []() -> std::unique_ptr<QZVantrelBase> { return std::make_unique<Kind>(); };
}

} // namespace

const std::vector<ContentKind>& ContentKinds() {
    using K = ContentKind;
    static const std::vector<ContentKind> kinds{
        {"service", OBJ_SERVICE, "Services", "ServiceID", "Name", K::ownPlace, true, false,
         Loader<QZService>(), Creator<QZService>()},
        {"section", OBJ_SECTION, "Sections", "SectionID", "SectionTitle", K::inService, true, false,
         Loader<QZSection>(), Creator<QZSection>()},
        {"page", OBJ_PAGE, "Documents", "DocID", "Title", K::inServiceAndSection, true, false,
         Loader<QZVantrelPage>(), Creator<QZVantrelPage>()},
        {"macro", OBJ_MACRO, "Templates", "TemplateID", "TemplateName", K::inService, true, false,
         Loader<QZVantrelTemplate>(), Creator<QZVantrelTemplate>()},
        {"style", OBJ_STYLE, "Styles", "StyleID", "StyleName", K::inService, false, false,
         Loader<QZAttributes>(), Creator<QZAttributes>()},
        {"image", OBJ_IMAGE, "Images", "ImageID", "Name", K::inServiceAndSection, true, false,
         Loader<QZVantrelImage>(), Creator<QZVantrelImage>()},
        {"photo", OBJ_PHOTO, "PhotoImages", "PhotoID", "Name", K::inServiceAndSection, false, true,
         [](const QZKeyCombo& key, BOOL) -> std::unique_ptr<QZVantrelBase> {
             return std::make_unique<QZVantrelPhoto>(key);
         },
         Creator<QZVantrelPhoto>()},
        {"multimedia object", OBJ_MEDIA, "MQ_Media", "MediaID", "Title", K::inServiceAndSection,
         false, false, Loader<QZVantrelMedia>(), Creator<QZVantrelMedia>()},
        {"Java applet", OBJ_JAVA, "MQ_Java", "JavaID", "Title", K::inServiceAndSection, false,
         false, Loader<QZVantrelJava>(), Creator<QZVantrelJava>()},
        {"ActiveX object", OBJ_ACTIVEX, "MQ_ActiveX", "ObjectID", "Title", K::inServiceAndSection,
         false, false, Loader<QZVantrelActiveX>(), Creator<QZVantrelActiveX>()},
        {"advertiser", OBJ_ADVERTISER, "MQ_Advertiser", "AdvertiserID", "BusinessName",
         K::inService, false, false, Loader<QZVantrelAdvertiser>(), Creator<QZVantrelAdvertiser>()},
        {"ad", OBJ_AD, "MQ_Ad", "AdID", "Title", K::inService, false, false, Loader<QZVantrelAd>(),
         Creator<QZVantrelAd>()},
        {"ad space", OBJ_ADSPACE, "MQ_AdSpace", "AdSpaceID", "Title", K::inService, false, false,
         Loader<QZVantrelAdSpace>(), Creator<QZVantrelAdSpace>()},
        {"form", OBJ_FORM, "Forms", "FormID", "Title", K::inService, true, false,
         Loader<QZVantrelForm>(), Creator<QZVantrelForm>()},
        {"event", OBJ_EVENT, "MQ_Events", "EventID", "Title", K::inService, true, false,
         Loader<QZVantrelEvent>(), Creator<QZVantrelEvent>()},
        {"script", OBJ_SCRIPT, "MQ_Script", "ScriptID", "Title", K::inServiceAndSection, false,
         false, Loader<QZVantrelScript>(), Creator<QZVantrelScript>()},
        {"e-mail message", OBJ_MESSAGE, "Messages", "MessageID", "Title", K::inService, true, false,
         Loader<QZVantrelMessage>(), Creator<QZVantrelMessage>()},
    };
    return kinds;
}

const ContentKind& ContentKindOf(SHORT type) {
    for (const ContentKind& kind : ContentKinds())
        if (kind.type == type)
            return kind;
    throw std::invalid_argument("no content kind of that type");
}
