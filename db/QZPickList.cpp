#include "db/QZPickList.h"

#include "db/CPickListSet.h"
#include "db/QZApplication.h"

namespace {
constexpr const char* kPickQueries[pickKindCount] = {
    "MQ_PickDocsByService", "MQ_PickDocsMarkedToGenerate", "MQ_PickDocsBySection",
    "MQ_PickDocsByLinks",   "MQ_PickDocsByTemplate",       "MQ_PickDocsByImage",
    "MQ_PickDocsByForm",    "MQ_PickDocsByQuery",          "MQ_PickDocsByActiveX",
    "MQ_PickDocsByJava",    "MQ_PickDocsByScript",         "MQ_PickDocsByMultimedia",
    "MQ_PickDocsByStyle",
};
} // namespace

const char* PickListQueryName(int kind) {
    return kind >= 0 && kind < pickKindCount ? kPickQueries[kind] : nullptr;
}

QZNameAndKeyList* LoadPickList(int kind, const QZKeyCombo& key) {
    const char* query = PickListQueryName(kind);
    if (query == nullptr)
        return nullptr;
    CPickListSet set(&GetVantrelApp()->GetVantrelDb());
    return set.OpenList(key, query, FALSE);
}
