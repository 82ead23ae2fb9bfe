#include "shell/QZFrameServices.h"

#include <utility>

namespace {
QZFrameServices* g_services = nullptr;
} // namespace

QZFrameServices* SetFrameServices(QZFrameServices* services) {
    return std::exchange(g_services, services);
}

QZFrameServices* GetFrameServices() {
    return g_services;
}
