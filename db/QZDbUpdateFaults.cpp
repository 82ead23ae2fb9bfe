#include "db/QZDbUpdateFaults.h"

#include <string>

namespace {
std::string g_failingStep;
} // namespace

void QZDbUpdateFaults::SetFailingStep(LPCTSTR step) {
    g_failingStep = step ? step : "";
}

bool QZDbUpdateFaults::StepFails(const char* step) {
    return !g_failingStep.empty() && g_failingStep == step;
}
