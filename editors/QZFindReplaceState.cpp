#include "editors/QZFindReplaceState.h"

QZFindReplaceState& QZFindReplaceState::Get() {
    static QZFindReplaceState state;
    return state;
}
