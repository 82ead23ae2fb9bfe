#include "db/QZNameAndKeyList.h"

void DeleteNameAndKeyList(QZNameAndKeyList* list) {
    if (list == nullptr)
        return;
    while (!list->IsEmpty())
        delete list->RemoveHead();
    delete list;
}
