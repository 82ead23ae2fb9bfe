// The running program on the test's display, seen as a user sees it: the splash picture on the
// screen (read back with ImageMagick's import) for its time and not with --no-splash, a key
// pressed on the real keyboard (the XTest extension) taking the splash away unseen by the main
// frame, and the end of the program asked during a long run that pumps.

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/shell/ProgramCopy.h"
#include "tests/shell/StartupFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/RealKeyboard.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// One screenshot of the whole display.
struct Screen {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    bool Take(const std::string& folder, const std::string& keepAs = "") {
        const std::string path = folder + "/screen.ppm";
        const std::string command = "import -window root -depth 8 ppm:" + path + " 2>/dev/null";
        if (std::system(command.c_str()) != 0)
            return false;
        if (!keepAs.empty())
            std::system(("convert " + path + " " + keepAs + " 2>/dev/null").c_str());
        std::ifstream in(path, std::ios::binary);
        std::string magic;
        int maximum = 0;
        in >> magic >> width >> height >> maximum;
        in.get();
        rgb.resize(static_cast<size_t>(width) * height * 3);
        in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
        return magic == "P6" && maximum == 255 && in.good();
    }
    const unsigned char* At(int x, int y) const {
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }
};

// Bitmap 113 as it was registered: 24 bits, rows bottom-up.
struct SplashPicture {
    SplashPicture() {
        RegisterResources();
        size_t size = 0;
        dib = FindBitmapResource(MAKEINTRESOURCE(IDB_SPLASH), &size);
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
        width = header->biWidth;
        height = header->biHeight;
        rowBytes = ((24 * width + 31) / 32) * 4;
    }
    // Red, green, blue of the picture's pixel.
    void At(int x, int y, unsigned char out[3]) const {
        const unsigned char* row =
            dib + sizeof(BITMAPINFOHEADER) + static_cast<size_t>(height - 1 - y) * rowBytes;
        out[0] = row[3 * x + 2];
        out[1] = row[3 * x + 1];
        out[2] = row[3 * x];
    }
    // TRUE when the picture is on the screen at its centre, every sampled pixel the same.
    bool IsOn(const Screen& screen) const {
        const int left = (screen.width - width) / 2;
        const int top = (screen.height - height) / 2;
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; x += 7) {
                unsigned char expected[3];
                At(x, y, expected);
                if (std::memcmp(screen.At(left + x, top + y), expected, 3) != 0)
                    return false;
            }
        }
        return true;
    }

    const BYTE* dib = nullptr;
    int width = 0;
    int height = 0;
    int rowBytes = 0;
};

class ProgramWindowsTest : public StartupTest {
protected:
    ProgramWindowsTest() {
        setenv("XDG_RUNTIME_DIR", folders.file("run").c_str(), 1);
        std::filesystem::create_directories(folders.file("run"));
        std::filesystem::permissions(folders.file("run"), std::filesystem::perms::owner_all);
        std::filesystem::create_directories(folders.file("child"));
        SetSetting("VantrelDatabase", databasePath.c_str());
    }
    ~ProgramWindowsTest() override { unsetenv("XDG_RUNTIME_DIR"); }

    std::string ChildFile(const char* name) const {
        return folders.file("child/" + std::string(name));
    }
    bool Exists(const char* name) const { return std::filesystem::exists(ChildFile(name)); }

    // Takes screenshots until the splash is on the screen or `ms` have passed.
    bool SplashAppears(const std::string& keepAs, int ms) {
        for (auto end = Clock::now() + std::chrono::milliseconds(ms); Clock::now() < end;) {
            Screen screen;
            if (screen.Take(folders.file(""), keepAs) && picture.IsOn(screen))
                return true;
        }
        return false;
    }
    bool SplashOnScreen() {
        Screen screen;
        return screen.Take(folders.file("")) && picture.IsOn(screen);
    }

    using Clock = std::chrono::steady_clock;
    SplashPicture picture;
};

// The splash shows for its time over the main frame; MQ_SPLASH_SHOT names a file that keeps a
// screenshot of it.
TEST_F(ProgramWindowsTest, TheSplashIsOnTheScreenForItsTimeAndNotWithNoSplash) {
    const char* keep = std::getenv("MQ_SPLASH_SHOT");
    {
        Copy copy({});
        ASSERT_TRUE(SplashAppears(keep ? keep : "", 20000)) << "the splash picture never showed";
        bool gone = false;
        for (int i = 0; i < 100 && !gone; ++i) {
            gone = !SplashOnScreen();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        EXPECT_TRUE(gone) << "the splash stayed";
        EXPECT_EQ(copy.Wait(200), -1) << "the program runs on";
        copy.Signal(SIGTERM);
        EXPECT_EQ(copy.Wait(), 0);
    }
    Copy quiet({"--no-splash"});
    // From before the frame until well after it shows.
    EXPECT_FALSE(SplashAppears("", 4000));
    quiet.Signal(SIGTERM);
    EXPECT_EQ(quiet.Wait(), 0);
}

TEST_F(ProgramWindowsTest, AKeyPressTakesTheSplashAwayAndTheFrameNeverSeesIt) {
    RealKeyboard keyboard;
    ASSERT_TRUE(keyboard.IsUsable()) << "no XTest on the display";
    ChildProcess program("splash-key", {{"DIR", folders.file("child")}});
    std::istringstream frame(WaitForFile(ChildFile("ready")));
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_TRUE(frame >> x >> y >> width >> height) << "the splash and the frame never showed";
    EXPECT_TRUE(SplashOnScreen());
    // The pointer over the frame, away from the splash: the key goes to the frame.
    keyboard.Press(x + 20, y + height - 20, "x");
    EXPECT_NE(WaitForFile(ChildFile("splash-gone")), "") << "the key did not take the splash";
    EXPECT_FALSE(SplashOnScreen());
    EXPECT_FALSE(Exists("frame-key")) << "the frame saw the key that took the splash";
    // Without a splash the frame gets the keys.
    keyboard.Press(x + 20, y + height - 20, "x");
    EXPECT_NE(WaitForFile(ChildFile("frame-key")), "");
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(), 0);
}

// The import of five directories is held inside the first when SIGTERM comes: it stops after
// that step, and the program then ends as it always does.
TEST_F(ProgramWindowsTest, TheEndAskedDuringAPumpedRunStopsItAfterItsStepAndEndsCleanly) {
    const std::string root = folders.file("web/acme");
    for (const char* directory : {"a", "b", "c", "d", "e"}) {
        std::filesystem::create_directories(root + "/" + directory);
        std::ofstream(root + "/" + directory + "/page.html") << "<html>" << directory << "</html>";
    }
    ChildProcess program("pumped-run", {{"DIR", folders.file("child")}, {"ROOT", root}});
    ASSERT_NE(WaitForFile(ChildFile("running")), "") << "the run never pumped";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(), 0);
    EXPECT_TRUE(Exists("imported")) << "the run returned before the program ended";
    EXPECT_EQ(Count("SELECT * FROM Sections WHERE SectionName IN ('a','b','c','d','e')"), 1);
    EXPECT_EQ(Count("SELECT * FROM Documents"), 0);
    EXPECT_TRUE(HasSetting("UserName")) << "the settings were written";
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
}

} // namespace
