#include "platform/core/CArchive.h"
#include "platform/core/CArchiveException.h"
#include "platform/core/CFile.h"
#include "platform/registry/AppProfile.h"
#include "platform/registry/Registry.h"
#include "platform/ui/BarStyles.h"
#include "tests/platform/registry/SettingsFolder.h"
#include "wintoolkit/docking/SECControlBarInfo.h"
#include "wintoolkit/docking/SECDockState.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// The values of a profile section in the order they were written: "dword N" or "sz text".
Values SectionValues(const std::string& section) {
    Values values;
    HKEY key = nullptr;
    const std::string path = "Software\\Test\\Docking\\" + section;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof name;
        BYTE data[512] = {};
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValue(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        std::string value;
        if (type == REG_DWORD)
            value = "dword " + std::to_string(*reinterpret_cast<const DWORD*>(data));
        else
            value = "sz " + std::string(reinterpret_cast<const char*>(data));
        values.emplace_back(name, value);
    }
    RegCloseKey(key);
    return values;
}

// The output pane docked at the bottom, as the program leaves it.
SECControlBarInfo* OutputPane() {
    auto* info = new SECControlBarInfo;
    info->m_nBarID = 108;
    info->m_bVisible = TRUE;
    info->m_bHorz = TRUE;
    info->m_pointPos = CPoint(1, 5);
    info->m_nMRUWidth = 300;
    info->m_bDocking = TRUE;
    info->m_uMRUDockID = AFX_IDW_DOCKBAR_BOTTOM;
    info->m_rectMRUDockPos = CRect(1, 5, 601, 95);
    info->m_dwMRUFloatStyle = CBRS_ALIGN_TOP | CBRS_FLOAT_MULTI;
    info->m_ptMRUFloatPos = CPoint(100, 200);
    info->m_szMRUFloat = CSize(300, 180);
    info->m_szMRUHorzDock = CSize(600, 90);
    info->m_szMRUVertDock = CSize(300, 180);
    info->m_dwDockStyle = CBRS_ALIGN_ANY;
    info->m_fPctWidth = 0.333333f;
    info->m_dwExStyle = 0x31;
    return info;
}

// The bottom dock bar holding it.
SECControlBarInfo* BottomDockBar() {
    auto* info = new SECControlBarInfo;
    info->m_nBarID = AFX_IDW_DOCKBAR_BOTTOM;
    info->m_bVisible = TRUE;
    info->m_bHorz = TRUE;
    info->m_bDockBar = TRUE;
    info->m_pointPos = CPoint(0, 400);
    info->m_nMRUWidth = 32767;
    info->m_fPctWidth = 1.0f;
    for (const DWORD id : {108u, 0u, 215u | MQ_PLACEHOLDER_ID, 0u})
        info->m_arrBarID.Add(id);
    return info;
}

class DockStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetRegistryKey("Test\\Docking");
        SetProfileName("");
    }
    void TearDown() override { SetRegistryKey(nullptr); }

    std::vector<unsigned char> Archive(SECDockState& state) {
        const std::string path = m_settings.Folder() + "-state.bin";
        {
            CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
            CArchive ar(&file, CArchive::store);
            state.Serialize(ar);
            ar.Close();
        }
        std::ifstream in(path, std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
    }
    void Unarchive(SECDockState& state, const std::vector<unsigned char>& bytes) {
        const std::string path = m_settings.Folder() + "-load.bin";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        CFile file(path.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        state.Serialize(ar);
    }

    SettingsFolder m_settings;
};

void Le(std::vector<unsigned char>& bytes, uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void Text(std::vector<unsigned char>& bytes, const std::string& text) {
    bytes.push_back(static_cast<unsigned char>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

} // namespace

TEST_F(DockStateTest, EveryKeyOfTheProfileLayout) {
    SECDockState state;
    state.m_arrBarInfo.Add(OutputPane());
    state.m_arrBarInfo.Add(BottomDockBar());
    state.SaveState("Main");

    const Values pane = {
        {"BarID", "dword 108"},           {"Visible", "dword 1"},
        {"Horizontal", "dword 1"},        {"Floating", "dword 0"},
        {"Position", "sz 1,5"},           {"MRUWidth", "dword 300"},
        {"Docking", "dword 1"},           {"MRUDockID", "dword 59422"},
        {"MRUDockRect", "sz 1,5,601,95"}, {"MRUFloatStyle", "dword 8256"},
        {"MRUFloatPos", "sz 100,200"},    {"ExStyle", "dword 49"},
        {"PrevFloating", "dword 0"},      {"MDIChild", "dword 0"},
        {"PctWidth", "sz 333333"},        {"MRUFloatCX", "dword 300"},
        {"MRUFloatCY", "dword 180"},      {"MRUHorzDockCX", "dword 600"},
        {"MRUHorzDockCY", "dword 90"},    {"MRUVertDockCX", "dword 300"},
        {"MRUVertDockCY", "dword 180"},   {"MRUDockingState", "dword 0"},
        {"DockingStyle", "dword 61440"},
    };
    EXPECT_EQ(SectionValues("Main-Bar0"), pane);
    const Values dockBar = {
        {"BarID", "dword 59422"},       {"Visible", "dword 1"},
        {"Horizontal", "dword 1"},      {"Floating", "dword 0"},
        {"Position", "sz 0,400"},       {"MRUWidth", "dword 32767"},
        {"Docking", "dword 0"},         {"BarIDs", "sz 108 0 65751 0"},
        {"ExStyle", "dword 0"},         {"PrevFloating", "dword 0"},
        {"MDIChild", "dword 0"},        {"PctWidth", "sz 1000000"},
        {"MRUFloatCX", "dword 0"},      {"MRUFloatCY", "dword 0"},
        {"MRUHorzDockCX", "dword 0"},   {"MRUHorzDockCY", "dword 0"},
        {"MRUVertDockCX", "dword 0"},   {"MRUVertDockCY", "dword 0"},
        {"MRUDockingState", "dword 0"}, {"DockingStyle", "dword 0"},
    };
    EXPECT_EQ(SectionValues("Main-Bar1"), dockBar);
    const CSize screen = CDockState::GetScreenSize();
    EXPECT_EQ(SectionValues("Main-Summary"),
              (Values{{"Bars", "dword 2"},
                      {"ScreenCX", "dword " + std::to_string(screen.cx)},
                      {"ScreenCY", "dword " + std::to_string(screen.cy)}}));
}

TEST_F(DockStateTest, RecordThatCannotBeSavedDoesNotTakeANumber) {
    SECDockState state;
    SECControlBarInfo* unnamed = OutputPane();
    unnamed->m_nBarID = 0;
    state.m_arrBarInfo.Add(unnamed);
    state.m_arrBarInfo.Add(BottomDockBar());
    state.SaveState("Main");
    EXPECT_EQ(GetProfileInt("Main-Bar0", "BarID", 0), AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_TRUE(SectionValues("Main-Bar1").empty());
    EXPECT_EQ(GetProfileInt("Main-Summary", "Bars", -1), 1u);
}

TEST_F(DockStateTest, ProfileLayoutReadsBack) {
    SECDockState saved;
    saved.m_arrBarInfo.Add(OutputPane());
    saved.m_arrBarInfo.Add(BottomDockBar());
    saved.SaveState("Main");

    SECDockState loaded;
    loaded.LoadState("Main");
    ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 2);
    auto* pane = static_cast<SECControlBarInfo*>(loaded.m_arrBarInfo[0]);
    EXPECT_EQ(pane->m_nBarID, 108u);
    EXPECT_FALSE(pane->m_bDockBar);
    EXPECT_EQ(pane->m_rectMRUDockPos, CRect(1, 5, 601, 95));
    EXPECT_EQ(pane->m_ptMRUFloatPos, CPoint(100, 200));
    EXPECT_EQ(pane->m_szMRUHorzDock, CSize(600, 90));
    EXPECT_EQ(pane->m_dwExStyle, 0x31u);
    // 0.333333 is stored as "333333" and read back in single precision.
    EXPECT_EQ(pane->m_fPctWidth, 0.333333f);
    auto* dock = static_cast<SECControlBarInfo*>(loaded.m_arrBarInfo[1]);
    EXPECT_TRUE(dock->m_bDockBar);
    ASSERT_EQ(dock->m_arrBarID.GetSize(), 4);
    EXPECT_EQ(dock->m_arrBarID[2], 215u | MQ_PLACEHOLDER_ID);
}

TEST_F(DockStateTest, MissingKeysReadAsDefaults) {
    WriteProfileInt("Main-Summary", "Bars", 1);
    WriteProfileInt("Main-Bar0", "BarID", 108);
    SECDockState state;
    state.LoadState("Main");
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), 1);
    auto* info = static_cast<SECControlBarInfo*>(state.m_arrBarInfo[0]);
    EXPECT_EQ(info->m_fPctWidth, 0.0f);
    EXPECT_EQ(info->m_dwExStyle, 0u);
    EXPECT_TRUE(info->m_bVisible);

    SECDockState none;
    none.LoadState("Other");
    EXPECT_EQ(none.m_arrBarInfo.GetSize(), 0);
}

TEST_F(DockStateTest, LoadedLayoutIsCappedAt256Bars) {
    WriteProfileInt("Main-Summary", "Bars", 100000);
    std::string ids;
    for (int i = 0; i < 300; ++i)
        ids += std::to_string(100 + i) + " ";
    WriteProfileInt("Main-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP);
    WriteProfileString("Main-Bar0", "BarIDs", ids.c_str());
    SECDockState state;
    state.LoadState("Main");
    EXPECT_EQ(state.m_arrBarInfo.GetSize(), MQ_MAX_SAVED_BARS);
    EXPECT_EQ(static_cast<CControlBarInfo*>(state.m_arrBarInfo[0])->m_arrBarID.GetSize(),
              MQ_MAX_SAVED_BARS);
}

TEST_F(DockStateTest, PositionsScaleToTheScreenUnlessTheSavedSizeIsUnknown) {
    const CSize screen = CDockState::GetScreenSize();
    SECDockState state;
    state.SetSavedScreenSize(CSize(screen.cx / 2, screen.cy / 2));
    CPoint point(100, 50);
    state.ScalePoint(point);
    EXPECT_EQ(point, CPoint(200, 100));
    CRect rect(10, 10, 30, 40);
    state.ScaleRectPos(rect);
    EXPECT_EQ(rect, CRect(20, 20, 40, 50));

    state.SetSavedScreenSize(CSize(0, 0));
    point = CPoint(100, 50);
    state.ScalePoint(point);
    EXPECT_EQ(point, CPoint(100, 50));
    WriteProfileInt("Main-Summary", "Bars", 1);
    WriteProfileInt("Main-Bar0", "BarID", 108);
    WriteProfileString("Main-Bar0", "Position", "7,9");
    state.LoadState("Main");
    EXPECT_EQ(static_cast<CControlBarInfo*>(state.m_arrBarInfo[0])->m_pointPos, CPoint(7, 9));
}

TEST_F(DockStateTest, ArchiveOfVersion2) {
    SECDockState state;
    state.m_arrBarInfo.Add(OutputPane());
    state.m_arrBarInfo.Add(BottomDockBar());
    const CSize screen = CDockState::GetScreenSize();

    std::vector<unsigned char> expected;
    Le(expected, 2);
    Le(expected, static_cast<uint32_t>(screen.cx));
    Le(expected, static_cast<uint32_t>(screen.cy));
    Le(expected, 2, 2);
    // The output pane: the framework's fields with the most recent docking block.
    for (uint32_t v :
         {108u, 1u, 0u, 1u, 1u, 5u, 300u, 1u, 59422u, 1u, 5u, 601u, 95u, 0x2040u, 100u, 200u})
        Le(expected, v);
    for (uint32_t v : {0x31u, 0u, 0u})
        Le(expected, v);
    Text(expected, "333333");
    for (uint32_t v : {300u, 180u, 600u, 90u, 300u, 180u, 0u, 0xF000u})
        Le(expected, v);
    Le(expected, 0, 2);
    // The dock bar: no docking block, its contained ids last.
    for (uint32_t v : {59422u, 1u, 0u, 1u, 0u, 400u, 32767u, 0u, 0u, 0u, 0u})
        Le(expected, v);
    Text(expected, "1000000");
    for (int i = 0; i < 8; ++i)
        Le(expected, 0);
    Le(expected, 4, 2);
    for (uint32_t v : {108u, 0u, 215u | 0x10000u, 0u})
        Le(expected, v);
    EXPECT_EQ(Archive(state), expected);

    SECDockState loaded;
    Unarchive(loaded, expected);
    ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 2);
    auto* pane = static_cast<SECControlBarInfo*>(loaded.m_arrBarInfo[0]);
    EXPECT_EQ(pane->m_uMRUDockID, AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(pane->m_fPctWidth, 0.333333f);
    EXPECT_EQ(pane->m_szMRUVertDock, CSize(300, 180));
    EXPECT_EQ(static_cast<CControlBarInfo*>(loaded.m_arrBarInfo[1])->m_arrBarID.GetSize(), 4);
    EXPECT_EQ(loaded.m_dwVersion, 2u);
}

TEST_F(DockStateTest, ArchiveOfVersion1HasNoScreenNorDockingBlockButTheToolkitFields) {
    SECDockState state;
    state.m_dwVersion = 1;
    state.m_arrBarInfo.Add(OutputPane());
    std::vector<unsigned char> expected;
    Le(expected, 1);
    Le(expected, 1, 2);
    for (uint32_t v : {108u, 1u, 0u, 1u, 1u, 5u, 0x31u, 0u, 0u})
        Le(expected, v);
    Text(expected, "333333");
    for (uint32_t v : {300u, 180u, 600u, 90u, 300u, 180u, 0u, 0xF000u})
        Le(expected, v);
    Le(expected, 0, 2);
    EXPECT_EQ(Archive(state), expected);

    SECDockState loaded;
    Unarchive(loaded, expected);
    ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 1);
    auto* pane = static_cast<SECControlBarInfo*>(loaded.m_arrBarInfo[0]);
    EXPECT_FALSE(pane->m_bDocking);
    EXPECT_EQ(pane->m_dwExStyle, 0x31u);
    EXPECT_EQ(pane->m_szMRUHorzDock, CSize(600, 90));
    EXPECT_EQ(loaded.m_dwVersion, 2u);
}

TEST_F(DockStateTest, ArchiveFailures) {
    // Cut short: the end of the file.
    std::vector<unsigned char> cut;
    Le(cut, 2);
    Le(cut, 1024);
    Le(cut, 3, 2);
    SECDockState state;
    try {
        Unarchive(state, cut);
        FAIL() << "a short archive was read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
    // More records, or more contained ids, than a layout can have.
    std::vector<unsigned char> many;
    Le(many, 1);
    Le(many, 257, 2);
    try {
        Unarchive(state, many);
        FAIL() << "257 records were read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badIndex);
        e->Delete();
    }
    std::vector<unsigned char> ids;
    Le(ids, 1);
    Le(ids, 1, 2);
    for (uint32_t v : {59419u, 1u, 0u, 1u, 0u, 0u, 0u, 0u, 0u})
        Le(ids, v);
    Text(ids, "0");
    for (int i = 0; i < 8; ++i)
        Le(ids, 0);
    Le(ids, 300, 2);
    try {
        Unarchive(state, ids);
        FAIL() << "300 contained ids were read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badIndex);
        e->Delete();
    }
}
