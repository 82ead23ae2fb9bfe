#include "shell/QZServiceBarModel.h"

QZServiceBarModel::QZServiceBarModel(QZTreeActions* actions)
    : m_Macros(QZFlatKindTreeModel::Macros(), actions), m_Pages(actions), m_Images(actions),
      m_Forms(QZFlatKindTreeModel::Forms(), actions),
      m_Messages(QZFlatKindTreeModel::Messages(), actions), m_Queries(actions),
      m_Styles(QZFlatKindTreeModel::Styles(), actions), m_MultiMedia(actions),
      m_Events(QZFlatKindTreeModel::Events(), actions), m_Advertising(actions), m_SiteKey(0, 0) {}

void QZServiceBarModel::LoadAllTrees(const QZKeyCombo& site) {
    QZTreeModel* order[] = {&m_Macros, &m_Forms, &m_Messages,   &m_Queries, &m_Styles,
                            &m_Images, &m_Pages, &m_MultiMedia, &m_Events,  &m_Advertising};
    for (QZTreeModel* tree : order)
        tree->LoadAndFill(site);
    m_SiteKey = site;
}

std::vector<QZTreeModel*> QZServiceBarModel::TreesOfType(SHORT type) {
    switch (type) {
    case OBJ_SECTION:
        return {&m_Pages, &m_Images};
    case OBJ_PAGE:
        return {&m_Pages};
    case OBJ_MACRO:
        return {&m_Macros};
    case OBJ_IMAGE:
        return {&m_Images};
    case OBJ_QUERY:
        return {&m_Queries};
    case OBJ_MESSAGE:
        return {&m_Messages};
    case OBJ_STYLE:
        return {&m_Styles};
    case OBJ_FORM:
        return {&m_Forms};
    case OBJ_ACTIVEX:
    case OBJ_JAVA:
    case OBJ_MEDIA:
    case OBJ_SCRIPT:
        return {&m_MultiMedia};
    case OBJ_ADVERTISER:
    case OBJ_ADSPACE:
    case OBJ_AD:
        return {&m_Advertising};
    case OBJ_EVENT:
        return {&m_Events};
    default:
        return {};
    }
}

void QZServiceBarModel::RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
    QZKeyCombo selected = key;
    // A section's key selects the section itself in the trees that show sections.
    if (type == OBJ_SECTION)
        selected.m_ObjectType = OBJ_SECTION;
    for (QZTreeModel* tree : TreesOfType(type))
        tree->Refill(m_SiteKey, selected);
}
