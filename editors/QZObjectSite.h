#pragma once
// The site whose objects an attribute form lists: the object's own, or the application's
// selected site while the object has none yet.

#include "db/QZKeyCombo.h"

class QZVantrelBase;

QZKeyCombo SiteOrSelected(const QZVantrelBase& object);
