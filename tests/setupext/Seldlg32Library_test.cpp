// The built library as a setup program sees it: one export, loaded with dlopen, and harmless
// where there is no display.

#include "tests/setupext/TestSetupTable.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace {

std::string Output(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

TEST(Seldlg32Library, ExportsGetCPUAndNothingElse) {
    const std::string symbols = Output("nm -D --defined-only '" MQ_SELDLG32 "'");
    // One line: address, type T (code) and the name.
    ASSERT_EQ(std::count(symbols.begin(), symbols.end(), '\n'), 1) << symbols;
    EXPECT_NE(symbols.find(" T GetCPU\n"), std::string::npos) << symbols;
}

// A setup program without a display: loads the library, calls GetCPU with an inactive table and
// with an active one, and checks that each comes back as it went in.
void HostWithoutDisplayRole() {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    void* library = dlopen(MQ_SELDLG32, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto getCpu = reinterpret_cast<GetCPUFunction>(dlsym(library, kSetupExtensionExport));
    ASSERT_NE(getCpu, nullptr);
    for (uint32_t active : {0u, 1u}) {
        TestSetupTable table(4);
        table.Add("VANTREL_DIR", "/old/site.mdb");
        table.Add("DATA_DIR", "/old");
        table.table.active = active;
        const std::vector<char> before = table.Bytes();
        EXPECT_EQ(getCpu(&table.table), 0) << "active " << active;
        EXPECT_TRUE(table.Bytes() == before) << "active " << active << ": the table changed";
    }
    dlclose(library);
}
MQ_CHILD_ROLE("host-without-display", HostWithoutDisplayRole);

TEST(Seldlg32Library, WithoutADisplayGetCPUAnswersZeroAndLeavesTheTable) {
    ChildProcess host("host-without-display", {});
    EXPECT_EQ(host.Wait(), 0);
}

} // namespace
