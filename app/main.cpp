// The program mq30. Until the application shell exists it only says what it is.

#include "platform/core/CString.h"

#include <cstdio>

int main() {
    CString banner;
    banner.Format("Marquill %d.%d (mq30): site builder; the main window is not built yet.", 3, 0);
    std::puts(banner);
    return 0;
}
