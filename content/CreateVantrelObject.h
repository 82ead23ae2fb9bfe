#pragma once
// The object factory: builds the content object of a key's kind (its type code), loaded for
// editing (with a claim). The object trees and lists open their items through it.

#include "content/QZVantrelBase.h"
#include "db/QZKeyCombo.h"

// A new object owned by the caller, or null when the type code names no kind the factory
// builds (without touching the database) or when loading threw.
QZVantrelBase* CreateVantrelObject(const QZKeyCombo& key);
