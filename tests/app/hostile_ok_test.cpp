// The OK sequence on a hostile machine: folders at and beyond the longest
// that fits, with letters outside the ANSI code page, a deep Explorer
// record, missing shell folders, a desktop that does not exist. Each ends in
// its documented message and leaves no half-written association.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/create_from_template.h"
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
        const std::string refused = AnsweringAnyMessage(
            [&] { Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr); });
        if (!IsWindow(Window)) return "<no window> " + refused;
        if (!SetCurrentDirectoryW(folder.c_str())) return "<no folder>";
        MessageBoxAnswerer answerer;
        SendMessageA((HWND)GetControlHandle(Window, IdOk), BM_CLICK, 0, 0);
        SetCurrentDirectoryW(Previous);
        Icon = answerer.Icon;
        return answerer.Answered ? answerer.Text : "<no message>";
    }
    // A fresh installation folder, with the two executables in Bin.
    std::wstring Folder(const std::wstring &name) {
        std::wstring folder = MakeTempFolder(name.c_str());
        Folders.push_back(folder);
        CreateDirectoryW((folder + L"\\Bin").c_str(), nullptr);
        for (const char *name : {"\\Bin\\Quenlo.exe", "\\Bin\\Quenlo64.exe"})
            MakeFile(Utf8(folder) + name);
        return folder;
    }
    static std::string Text(int position) { return Utf8(ExpectedTexts()[position]); }
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
    UINT Icon = 0; // of the message after OK
    wchar_t Previous[MAX_PATH];
};

// A folder made level by level through the long-path form, so that it may
// be longer than MAX_PATH allows elsewhere, with the two executables in Bin.
std::wstring MakeLongInstallation(std::wstring folder, size_t length, const std::wstring &tail) {
    while (folder.size() + 11 + tail.size() < length)
        folder += L"\\" + std::wstring(10, L'q');
    folder += L"\\" + std::wstring(length - folder.size() - 1 - tail.size(), L'z') + tail;
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos;
         at = folder.find(L'\\', at + 1))
        CreateDirectoryW((L"\\\\?\\" + folder.substr(0, at)).c_str(), nullptr);
    CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
    CreateDirectoryW((L"\\\\?\\" + folder + L"\\Bin").c_str(), nullptr);
    for (const wchar_t *name : {L"\\Bin\\Quenlo.exe", L"\\Bin\\Quenlo64.exe"})
        CloseHandle(CreateFileW((L"\\\\?\\" + folder + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr));
    return folder;
}

// 243 characters: Bin\Quenlo64.exe no longer fits MAX_PATH, so no program
// could be started from that path; nothing is associated, and the message
// blames the folder's length, not rights nor a missing Quenlo. Bin\Quenlo.exe
// still fits, and its shortcut is made.
TEST_F(HostileOk, FolderWhoseExecutablePathDoesNotFit) {
    const std::wstring folder = MakeLongInstallation(Folder(L"qnlong"), 243, L"");
    ASSERT_EQ(243u, folder.size());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesW((L"\\\\?\\" + folder + L"\\Bin\\Quenlo64.exe").c_str()));
    EXPECT_EQ(Text(TextFolderTooLong), PressOkIn(folder));
    EXPECT_EQ(MB_ICONHAND, Icon);
    EXPECT_TRUE(NothingAssociated());
    EXPECT_EQ(Utf8(folder) + "\\Bin\\Quenlo.exe",
              ReadShortcut(CommonDesktop() + "\\Quenlo.lnk").Path);
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo 64.lnk"));
    EXPECT_FALSE(IsWindow(Window));
}

// 242 characters with letters no ANSI code page of the West can spell:
// associated and linked like any other folder.
TEST_F(HostileOk, LongestFolderWithLettersOutsideTheCodePage) {
    const std::wstring folder = MakeLongInstallation(Folder(L"qn\u03a9"), 242, L"\u03a9\u6f22");
    ASSERT_EQ(242u, folder.size());
    EXPECT_EQ(Text(TextSaved), PressOkIn(folder));
    const std::string executable = Utf8(folder) + "\\Bin\\Quenlo64.exe";
    EXPECT_EQ("\"" + executable + "\" \"%1\"",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Module\\shell\\open\\command", nullptr));
    EXPECT_EQ(executable + ",2",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Module\\DefaultIcon", nullptr));
    const LinkInfo link = ReadShortcut(CommonDesktop() + "\\Quenlo 64.lnk");
    EXPECT_EQ(executable, link.Path);
    EXPECT_EQ(Utf8(folder) + "\\Bin", link.WorkingDirectory);
}

// Twenty levels, with paths far longer than MAX_PATH.
TEST_F(HostileOk, ExplorerRecordTwentyLevelsDeep) {
    std::string key = FileExts + ".qnr";
    for (int level = 0; level < 20; ++level)
        key += "\\Level" + std::to_string(level) + "OfTheRecord";
    ASSERT_GT(key.size(), (size_t)MAX_PATH);
    RegWrite(HKEY_CURRENT_USER, key, "Deep", "x");
    ASSERT_TRUE(RegKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_EQ(Text(TextSaved), PressOkIn(Folder(L"qndeep")));
    EXPECT_EQ(std::vector<std::string>{"OpenWithList"},
              RegSubkeyNames(HKEY_CURRENT_USER, FileExts + ".qnr"));
    EXPECT_EQ("Quenlo.Resource", RegString(HKEY_CLASSES_ROOT, ".qnr", nullptr));
}

// A record that cannot be deleted keeps its UserChoice, and the program it
// names, in charge: that type is not associated and its classes are put
// back; the others are.
TEST_F(HostileOk, ExplorerRecordThatCannotBeReset) {
    const std::string record = FileExts + ".qnp";
    RegWrite(HKEY_CURRENT_USER, record + "\\UserChoice", "Progid", "Other.Program");
    // A link to a key that does not exist: neither it nor its record can be
    // deleted by their names.
    const std::wstring link = Wide(record + "\\Link");
    HKEY key;
    ASSERT_EQ(0, RegCreateKeyExW(HKEY_CURRENT_USER, link.c_str(), 0, nullptr,
                                 REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                                 KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr));
    const std::wstring target = L"\\Registry\\Machine\\Software\\QuenloTestsNoSuchKey";
    RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK, (const BYTE *)target.c_str(),
                   target.size() * sizeof(wchar_t));
    RegCloseKey(key);
    const std::string message = PressOkIn(Folder(L"qnchoice"));
    ASSERT_EQ(0,
              RegOpenKeyExW(HKEY_CURRENT_USER, link.c_str(), REG_OPTION_OPEN_LINK, DELETE, &key));
    EXPECT_EQ(0, RegDeleteKeyW(key, L""));
    RegCloseKey(key);
    EXPECT_EQ(Text(TextNoRights), message);
    EXPECT_EQ("Other.Program", RegString(HKEY_CURRENT_USER, record + "\\UserChoice", "Progid"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "Quenlo.Project"));
    EXPECT_EQ("Quenlo.Window", RegString(HKEY_CLASSES_ROOT, ".qnw", nullptr));
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
    EXPECT_EQ(Text(TextShortcutsFailed), message) << "the font file is skipped quietly";
    EXPECT_EQ(MB_ICONEXCLAMATION, Icon);
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
    EXPECT_EQ(Text(TextShortcutsFailed), message);
    EXPECT_EQ(MB_ICONEXCLAMATION, Icon);
    EXPECT_EQ("Quenlo.Project", RegString(HKEY_CLASSES_ROOT, ".qnp", nullptr))
        << "associated all the same";
    EXPECT_FALSE(FileExists("C:\\No Such Desktop"));
    EXPECT_TRUE(NoShortcuts());
}

} // namespace
