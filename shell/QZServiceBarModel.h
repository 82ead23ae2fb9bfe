#pragma once
// The trees of the site browser bar as models, in the bar's member order, with the site they
// show: loading all of them for a site and refreshing the one that shows objects of a type
// code after a change. The bar's window holds one and shows each tree in its tab.

#include "shell/QZAdvertiserTreeModel.h"
#include "shell/QZFlatKindTreeModel.h"
#include "shell/QZImageTreeModel.h"
#include "shell/QZMultiMediaTreeModel.h"
#include "shell/QZPageTreeModel.h"
#include "shell/QZQueryTreeModel.h"

#include <vector>

class QZServiceBarModel {
public:
    explicit QZServiceBarModel(QZTreeActions* actions = nullptr);

    // Loads and fills every tree for the site (macros, forms, e-mail messages, queries,
    // styles, images, pages, multimedia, scheduled events, advertising), then makes it the
    // current site.
    void LoadAllTrees(const QZKeyCombo& site);
    // Reloads the tree (or trees) showing objects of the type code for the current site and
    // selects the key; a type code no tree shows changes nothing.
    void RefreshObjectTree(SHORT type, const QZKeyCombo& key);
    // The trees that show objects of the type code (none, one, or the page and image trees
    // for a section).
    std::vector<QZTreeModel*> TreesOfType(SHORT type);

    const QZKeyCombo& GetCurrentSiteKey() const { return m_SiteKey; }
    void SetCurrentSiteKey(const QZKeyCombo& site) { m_SiteKey = site; }

    QZFlatKindTreeModel m_Macros;
    QZPageTreeModel m_Pages;
    QZImageTreeModel m_Images;
    QZFlatKindTreeModel m_Forms;
    QZFlatKindTreeModel m_Messages;
    QZQueryTreeModel m_Queries;
    QZFlatKindTreeModel m_Styles;
    QZMultiMediaTreeModel m_MultiMedia;
    QZFlatKindTreeModel m_Events;
    QZAdvertiserTreeModel m_Advertising;

private:
    QZKeyCombo m_SiteKey;
};
