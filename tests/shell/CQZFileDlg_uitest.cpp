// The directory picker on a real display: the desktop's folder chooser opens in the initial
// directory; the answer is the directory the user confirmed followed by "Junk", which the
// caller cuts off at the file-name offset; the current directory never changes.

#include "platform/core/MessageBox.h"
#include "shell/CQZFileDlg.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/TestSupport.h"

#include <wx/dirdlg.h>

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace {

// Without a session bus (as under Xvfb) the chooser's settings stay in memory.
const int g_chooserSettingsInMemory = setenv("GSETTINGS_BACKEND", "memory", 0);

template <typename Function> Function Toolkit(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

std::string Owned(char* text) {
    std::string result = text ? text : "";
    Toolkit<void (*)(void*)>("g_free")(text);
    return result;
}

std::string CurrentFolder(wxDialog* chooser) {
    return Owned(
        Toolkit<char* (*)(void*)>("gtk_file_chooser_get_current_folder")(chooser->GetHandle()));
}

// Selects the folder in the chooser, as a click on it does, and confirms (or cancels).
void Answer(wxDialog* chooser, const std::string& folder, bool confirm) {
    void* widget = chooser->GetHandle();
    if (confirm) {
        Toolkit<int (*)(void*, const char*)>("gtk_file_chooser_select_filename")(widget,
                                                                                 folder.c_str());
        for (int tries = 0; tries < 100; ++tries) {
            if (Owned(Toolkit<char* (*)(void*)>("gtk_file_chooser_get_filename")(widget)) == folder)
                break;
            wxMilliSleep(20);
            wxTheApp->Yield(true);
        }
    }
    constexpr int kAccept = -3;
    constexpr int kCancel = -6;
    Toolkit<void (*)(void*, int)>("gtk_dialog_response")(widget, confirm ? kAccept : kCancel);
}

class DirectoryPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.file("site/images"));
        m_start = std::filesystem::current_path();
    }
    void TearDown() override { std::filesystem::current_path(m_start); }

    TempDir m_dir;
    std::filesystem::path m_start;
};

TEST_F(DirectoryPickerTest, AnswersTheChosenDirectoryFollowedByJunk) {
    const std::string site = m_dir.file("site");
    const std::string images = m_dir.file("site/images");
    std::string shownFolder;
    DialogScript script([&](wxDialog* chooser) {
        EXPECT_NE(dynamic_cast<wxDirDialog*>(chooser), nullptr);
        shownFolder = CurrentFolder(chooser);
        Answer(chooser, images, true);
    });
    CQZFileDlg picker(TRUE, nullptr, nullptr, OFN_HIDEREADONLY);
    picker.m_ofn.lpstrInitialDir = site.c_str();
    ASSERT_EQ(picker.DoModal(), IDOK);
    EXPECT_EQ(shownFolder, site);
    const CString path = picker.GetPathName();
    EXPECT_EQ(path, CString((images + "/Junk").c_str()));
    // The caller's cut: the separator before the file name ends the text.
    EXPECT_EQ(path.Left(picker.GetFileOffset() - 1), CString(images.c_str()));
    EXPECT_EQ(std::filesystem::current_path(), m_start);
}

TEST_F(DirectoryPickerTest, CancelAnswersNothing) {
    DialogScript script([](wxDialog* chooser) { Answer(chooser, "", false); });
    CQZFileDlg picker(TRUE);
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_EQ(script.opened, 1);
    EXPECT_EQ(picker.GetPathName(), CString());
}

} // namespace
