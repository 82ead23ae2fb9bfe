#include "shell/CVantrel3App.h"

CVantrel3App::CVantrel3App() {
    SetVantrelApp(this);
}

CVantrel3App::~CVantrel3App() {
    if (GetVantrelApp() == this)
        SetVantrelApp(nullptr);
}

LONG CVantrel3App::GetDbID() {
    return m_VantrelDb.GetDbId();
}
