#include "content/CreateVantrelObject.h"

#include "content/QZSection.h"
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
#include "content/QZVantrelQuery.h"
#include "content/QZVantrelScript.h"
#include "content/QZVantrelTemplate.h"
#include "platform/core/CException.h"

namespace {

template <class Kind> QZVantrelBase* Build(const QZKeyCombo& key) {
    return new Kind(key, TRUE);
}

struct FactoryEntry {
    SHORT type;
    QZVantrelBase* (*build)(const QZKeyCombo& key);
};

// Services, photos, styles and authors are built by their own constructors where needed.
constexpr FactoryEntry kKinds[] = {
    {OBJ_SECTION, Build<QZSection>},        {OBJ_PAGE, Build<QZVantrelPage>},
    {OBJ_MACRO, Build<QZVantrelTemplate>},  {OBJ_IMAGE, Build<QZVantrelImage>},
    {OBJ_ACTIVEX, Build<QZVantrelActiveX>}, {OBJ_JAVA, Build<QZVantrelJava>},
    {OBJ_MEDIA, Build<QZVantrelMedia>},     {OBJ_ADVERTISER, Build<QZVantrelAdvertiser>},
    {OBJ_ADSPACE, Build<QZVantrelAdSpace>}, {OBJ_AD, Build<QZVantrelAd>},
    {OBJ_QUERY, Build<QZVantrelQuery>},     {OBJ_MESSAGE, Build<QZVantrelMessage>},
    {OBJ_FORM, Build<QZVantrelForm>},       {OBJ_SCRIPT, Build<QZVantrelScript>},
    {OBJ_EVENT, Build<QZVantrelEvent>},
};

} // namespace

QZVantrelBase* CreateVantrelObject(const QZKeyCombo& key) {
    for (const FactoryEntry& entry : kKinds) {
        if (entry.type != key.m_ObjectType)
            continue;
        try {
            return entry.build(key);
        } catch (CException* e) {
            e->Delete();
            return nullptr;
        }
    }
    return nullptr;
}
