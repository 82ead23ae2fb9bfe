// The key setters and getters of the recordset classes: a setter copies a key's DbID and KeyID
// into its pair of columns and nothing else; a getter fills the set's one scratch key, the same
// object GetKey fills.

#include "db/CActiveXSet.h"
#include "db/CAdSet.h"
#include "db/CAdSpaceSet.h"
#include "db/CAdvertiserSet.h"
#include "db/CDocumentSet.h"
#include "db/CEventsSet.h"
#include "db/CFormsSet.h"
#include "db/CImagesSet.h"
#include "db/CJavaSet.h"
#include "db/CMediaSet.h"
#include "db/CMessagesSet.h"
#include "db/CQuerySet.h"
#include "db/CScriptSet.h"
#include "db/CSectionsSet.h"
#include "db/CStylesSet.h"
#include "db/CTemplatesSet.h"
#include "tests/db/BoundMembers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct AccessorCase {
    std::string name; // class and accessor
    const char* dbIdColumn;
    const char* idColumn;
    std::function<std::unique_ptr<QZRecordset>(CDaoDatabase*)> make;
    std::function<void(QZRecordset&, const QZKeyCombo&)> set; // a setter, or
    std::function<QZKeyCombo&(QZRecordset&)> get;             // a getter
};

void PrintTo(const AccessorCase& c, std::ostream* os) {
    *os << c.name;
}

template <class T>
AccessorCase Setter(const char* name, void (T::*setter)(const QZKeyCombo&), const char* dbId,
                    const char* id) {
    return {name,
            dbId,
            id,
            [](CDaoDatabase* db) { return std::make_unique<T>(db); },
            [setter](QZRecordset& s, const QZKeyCombo& key) { (static_cast<T&>(s).*setter)(key); },
            nullptr};
}

template <class T>
AccessorCase Getter(const char* name, QZKeyCombo& (T::*getter)(), const char* dbId,
                    const char* id) {
    return {name,
            dbId,
            id,
            [](CDaoDatabase* db) { return std::make_unique<T>(db); },
            nullptr,
            [getter](QZRecordset& s) -> QZKeyCombo& { return (static_cast<T&>(s).*getter)(); }};
}

std::vector<AccessorCase> Cases() {
    const char* svc[] = {"ServiceDbID", "ServiceID"};
    const char* sec[] = {"SectionDbID", "SectionID"};
    return {
        Getter<CDocumentSet>("Document_GetSectionKey", &CDocumentSet::GetSectionKey, sec[0],
                             sec[1]),
        Setter<CDocumentSet>("Document_SetServiceKey", &CDocumentSet::SetServiceKey, svc[0],
                             svc[1]),
        Setter<CDocumentSet>("Document_SetSectionKey", &CDocumentSet::SetSectionKey, sec[0],
                             sec[1]),
        Setter<CDocumentSet>("Document_SetStyleKey", &CDocumentSet::SetStyleKey, "StyleDbID",
                             "StyleID"),
        Setter<CTemplatesSet>("Templates_SetServiceKey", &CTemplatesSet::SetServiceKey, svc[0],
                              svc[1]),
        Setter<CFormsSet>("Forms_SetServiceKey", &CFormsSet::SetServiceKey, svc[0], svc[1]),
        Setter<CEventsSet>("Events_SetServiceKey", &CEventsSet::SetServiceKey, svc[0], svc[1]),
        Setter<CMessagesSet>("Messages_SetServiceKey", &CMessagesSet::SetServiceKey, svc[0],
                             svc[1]),
        Setter<CScriptSet>("Script_SetServiceKey", &CScriptSet::SetServiceKey, svc[0], svc[1]),
        Setter<CScriptSet>("Script_SetSectionKey", &CScriptSet::SetSectionKey, sec[0], sec[1]),
        Getter<CImagesSet>("Images_GetSectionKey", &CImagesSet::GetSectionKey, sec[0], sec[1]),
        Setter<CImagesSet>("Images_SetServiceKey", &CImagesSet::SetServiceKey, svc[0], svc[1]),
        Setter<CImagesSet>("Images_SetSectionKey", &CImagesSet::SetSectionKey, sec[0], sec[1]),
        Getter<CMediaSet>("Media_GetSectionKey", &CMediaSet::GetSectionKey, sec[0], sec[1]),
        Setter<CMediaSet>("Media_SetServiceKey", &CMediaSet::SetServiceKey, svc[0], svc[1]),
        Setter<CMediaSet>("Media_SetSectionKey", &CMediaSet::SetSectionKey, sec[0], sec[1]),
        Setter<CActiveXSet>("ActiveX_SetServiceKey", &CActiveXSet::SetServiceKey, svc[0], svc[1]),
        Setter<CActiveXSet>("ActiveX_SetSectionKey", &CActiveXSet::SetSectionKey, sec[0], sec[1]),
        Getter<CJavaSet>("Java_GetSectionKey", &CJavaSet::GetSectionKey, sec[0], sec[1]),
        Setter<CJavaSet>("Java_SetServiceKey", &CJavaSet::SetServiceKey, svc[0], svc[1]),
        Setter<CJavaSet>("Java_SetSectionKey", &CJavaSet::SetSectionKey, sec[0], sec[1]),
        Setter<CSectionsSet>("Sections_SetServiceKey", &CSectionsSet::SetServiceKey, svc[0],
                             svc[1]),
        Setter<CSectionsSet>("Sections_SetStyleKey", &CSectionsSet::SetStyleKey, "StyleDbID",
                             "StyleID"),
        Setter<CSectionsSet>("Sections_SetDefaultDocKey", &CSectionsSet::SetDefaultDocKey,
                             "DefaultDocDbID", "DefaultDocID"),
        Setter<CStylesSet>("Styles_SetServiceKey", &CStylesSet::SetServiceKey, svc[0], svc[1]),
        Setter<CStylesSet>("Styles_SetBackImageKey", &CStylesSet::SetBackImageKey, "BackImageDbID",
                           "BackImageID"),
        Setter<CAdvertiserSet>("Advertiser_SetServiceKey", &CAdvertiserSet::SetServiceKey, svc[0],
                               svc[1]),
        Setter<CAdSet>("Ad_SetServiceKey", &CAdSet::SetServiceKey, svc[0], svc[1]),
        Setter<CAdSpaceSet>("AdSpace_SetServiceKey", &CAdSpaceSet::SetServiceKey, svc[0], svc[1]),
        Setter<CQuerySet>("Query_SetServiceKey", &CQuerySet::SetServiceKey, svc[0], svc[1]),
    };
}

class KeyAccessorTest : public ::testing::TestWithParam<AccessorCase> {
protected:
    CDaoDatabase m_db; // never opened: the accessors work on the members alone
};

TEST_P(KeyAccessorTest, TouchesOnlyItsPairOfColumns) {
    const AccessorCase& c = GetParam();
    auto set = c.make(&m_db);
    FillMembers(*set, 1, {});
    auto before = MemberValues(*set);
    if (c.set) {
        c.set(*set, QZKeyCombo(7, 70, OBJ_STYLE));
        EXPECT_EQ(std::get<LONG>(MemberValue(*set, c.dbIdColumn)), 7);
        EXPECT_EQ(std::get<LONG>(MemberValue(*set, c.idColumn)), 70);
    } else {
        QZKeyCombo& key = c.get(*set);
        EXPECT_EQ(key.m_DbID, std::get<LONG>(MemberValue(*set, c.dbIdColumn)));
        EXPECT_EQ(key.m_KeyID, std::get<LONG>(MemberValue(*set, c.idColumn)));
        EXPECT_EQ(key.m_ObjectType, OBJ_PAGE);
        // GetKey fills the same scratch key, overwriting what the getter gave.
        EXPECT_EQ(&set->GetKey(), &key);
        EXPECT_EQ(key.m_DbID, std::get<LONG>(MemberValue(*set, "DbID")));
    }
    for (const auto& [column, value] : MemberValues(*set)) {
        if (column != c.dbIdColumn && column != c.idColumn) {
            EXPECT_TRUE(before.at(column) == value) << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAccessor, KeyAccessorTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
