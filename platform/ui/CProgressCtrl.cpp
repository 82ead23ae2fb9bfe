#include "platform/ui/CProgressCtrl.h"

#include "platform/ui/WxProgressBar.h"

namespace {

// The bar behind a control object; nullptr when it has no window or another kind of window.
WxProgressBar* BarOf(const CWnd& control) {
    return dynamic_cast<WxProgressBar*>(control.GetSafeHwnd());
}

} // namespace

void CProgressCtrl::SetRange(short lower, short upper) {
    if (WxProgressBar* bar = BarOf(*this))
        bar->Update([&](ProgressRange& range) {
            range.SetRange(lower, upper);
            return 0;
        });
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    const WxProgressBar* bar = BarOf(*this);
    lower = bar ? bar->Range().GetLower() : 0;
    upper = bar ? bar->Range().GetUpper() : 0;
}

int CProgressCtrl::SetPos(int pos) {
    WxProgressBar* bar = BarOf(*this);
    return bar ? bar->Update([&](ProgressRange& range) { return range.SetPos(pos); }) : 0;
}

int CProgressCtrl::GetPos() const {
    const WxProgressBar* bar = BarOf(*this);
    return bar ? bar->Range().GetPos() : 0;
}

int CProgressCtrl::SetStep(int step) {
    WxProgressBar* bar = BarOf(*this);
    return bar ? bar->Update([&](ProgressRange& range) { return range.SetStep(step); }) : 0;
}

int CProgressCtrl::StepIt() {
    WxProgressBar* bar = BarOf(*this);
    return bar ? bar->Update([](ProgressRange& range) { return range.StepIt(); }) : 0;
}
