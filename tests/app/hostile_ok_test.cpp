// The OK sequence on a hostile machine: folders too long or not spellable in
// the ANSI code page, a deep Explorer record, missing shell folders, a
// desktop that does not exist. Each ends in its documented message and
// leaves no half-written association.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/creation.h"
#include "runtime/base/window_object.h"
#include "tests/app/language_texts.h"
#include "tests/support/machine_state.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/test_support.h"

namespace {

const std::string FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
const std::string ShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class HostileOk : public testing::Test {
  protected:
    void SetUp() override {
        ForgetAssociations();
        RemoveShortcuts();
        Entries.assign(SettingsWindowTemplate, SettingsWindowTemplate + SettingsTemplateEntries);
        Entries[0].IsMainWindow = 0;
        Entries[0].TemplateStart = Entries.data();
        GetCurrentDirectoryW(MAX_PATH, Previous);
    }
    void TearDown() override {
        SetCurrentDirectoryW(Previous);
        if (IsWindow(Window)) DestroyWindow(Window);
        ForgetAssociations();
        RemoveShortcuts();
        for (const std::wstring &folder : Folders)
            RemoveFolderTree(folder);
    }
    // Creates the window in the given installation folder and presses OK.
    std::string PressOkIn(const std::wstring &folder) {
        Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr);
        if (!IsWindow(Window)) return "<no window>";
        if (!SetCurrentDirectoryW(folder.c_str())) return "<no folder>";
        MessageBoxAnswerer answerer;
        SendMessageA((HWND)GetControlHandle(Window, IdOk), BM_CLICK, 0, 0);
        SetCurrentDirectoryW(Previous);
        return answerer.Answered ? answerer.Text : "<no message>";
    }
    std::wstring Folder(const std::wstring &name) {
        std::wstring folder = MakeTempFolder(name.c_str());
        Folders.push_back(folder);
        return folder;
    }
    static std::string Text(int position) { return Cp1252(ExpectedTexts()[position]); }
    static bool NothingAssociated() {
        for (const char *key : {".qnp", ".qnw", ".asm", ".qnr", "Quenlo.Project", "Quenlo.Window",
                                "Quenlo.Module", "Quenlo.Resource"})
            if (RegKeyExists(HKEY_CLASSES_ROOT, key) ||
                RegKeyExists(HKEY_CURRENT_USER, std::string("Software\\Classes\\") + key))
                return false;
        for (const char *extension : {".qnp", ".qnw", ".asm", ".qnr"})
            if (RegKeyExists(HKEY_CURRENT_USER, FileExts + extension)) return false;
        return true;
    }
    static bool NoShortcuts() {
        for (const std::string &desktop : {CommonDesktop(), UserDesktop()})
            for (const char *name : {"\\Quenlo.lnk", "\\Quenlo 64.lnk"})
                if (FileExists(desktop + name)) return false;
        return true;
    }
    std::vector<WindowObject> Entries;
    std::vector<std::wstring> Folders;
    HWND Window = nullptr;
    wchar_t Previous[MAX_PATH];
};

TEST_F(HostileOk, InstallationFolderOf250Characters) {
    std::wstring folder = Folder(L"qnlong");
    while (folder.size() + 11 < 250)
        folder += L"\\" + std::wstring(10, L'q');
    folder += L"\\" + std::wstring(250 - folder.size() - 1, L'z');
    ASSERT_EQ(250u, folder.size());
    // Folders this long are made through the long-path form, level by level.
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos;
         at = folder.find(L'\\', at + 1))
        CreateDirectoryW((L"\\\\?\\" + folder.substr(0, at)).c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
    EXPECT_EQ(Text(TextNoRights), PressOkIn(folder));
    EXPECT_TRUE(NothingAssociated());
    EXPECT_TRUE(NoShortcuts());
    EXPECT_FALSE(IsWindow(Window));
}

TEST_F(HostileOk, FolderNameOutsideTheAnsiCodePage) {
    // Greek and Han letters have no Windows-1252 spelling: the ANSI form of
    // the folder would name another folder.
    const std::wstring folder = Folder(L"Quenlo \u03a9\u6f22 ");
    EXPECT_EQ(Text(TextNoRights), PressOkIn(folder));
    EXPECT_TRUE(NothingAssociated());
    EXPECT_TRUE(NoShortcuts());
}

TEST_F(HostileOk, ExplorerRecordTwentyLevelsDeep) {
    std::string key = FileExts + ".qnr";
    for (int level = 0; level < 20; ++level)
        key += "\\Level" + std::to_string(level);
    RegWrite(HKEY_CURRENT_USER, key, "Deep", "x");
    ASSERT_TRUE(RegKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_EQ(Text(TextSaved), PressOkIn(Folder(L"qndeep")));
    EXPECT_EQ(std::vector<std::string>{"OpenWithList"},
              RegSubkeyNames(HKEY_CURRENT_USER, FileExts + ".qnr"));
    EXPECT_EQ("Quenlo.Resource", RegString(HKEY_CLASSES_ROOT, ".qnr", nullptr));
}

TEST_F(HostileOk, ShellFoldersMissing) {
    const std::string common = CommonDesktop(), desktop = UserDesktop(), fonts = FontsFolder();
    HKEY machine, user;
    ASSERT_EQ(0,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE, ShellFolders.c_str(), 0, KEY_ALL_ACCESS, &machine));
    ASSERT_EQ(0, RegOpenKeyExA(HKEY_CURRENT_USER, ShellFolders.c_str(), 0, KEY_ALL_ACCESS, &user));
    RegDeleteValueA(machine, "Common Desktop");
    RegDeleteValueA(user, "Desktop");
    RegDeleteValueA(user, "Fonts");
    MakeFile(fonts + "\\LDisplay.ttf");
    const std::string message = PressOkIn(Folder(L"qnshell"));
    for (auto restore : {std::pair<HKEY, std::pair<const char *, std::string>>{
                             machine, {"Common Desktop", common}},
                         {user, {"Desktop", desktop}},
                         {user, {"Fonts", fonts}}})
        RegSetValueExA(restore.first, restore.second.first, 0, REG_SZ,
                       (const BYTE *)restore.second.second.c_str(),
                       restore.second.second.size() + 1);
    RegCloseKey(machine);
    RegCloseKey(user);
    EXPECT_EQ(Text(TextSaved), message) << "shortcuts and the font file are skipped quietly";
    EXPECT_TRUE(NoShortcuts());
    EXPECT_TRUE(FileExists(fonts + "\\LDisplay.ttf")) << "no fonts folder: the file is left";
    DeleteFileA((fonts + "\\LDisplay.ttf").c_str());
    EXPECT_EQ("Quenlo.Project", RegString(HKEY_CLASSES_ROOT, ".qnp", nullptr));
}

TEST_F(HostileOk, DesktopFolderThatDoesNotExist) {
    const std::string common = CommonDesktop();
    RegWrite(HKEY_LOCAL_MACHINE, ShellFolders, "Common Desktop", "C:\\No Such Desktop");
    const std::string message = PressOkIn(Folder(L"qnnodesk"));
    RegWrite(HKEY_LOCAL_MACHINE, ShellFolders, "Common Desktop", common);
    EXPECT_EQ(Text(TextSaved), message);
    EXPECT_FALSE(FileExists("C:\\No Such Desktop"));
    EXPECT_TRUE(NoShortcuts());
}

} // namespace
