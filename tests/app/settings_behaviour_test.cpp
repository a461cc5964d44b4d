// The Settings window's behaviour in this process: its creation, the option
// buttons, the associations on both paths, the shortcuts, the obsolete
// files and the OK sequence with its message.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/app/language_texts.h"
#include "tests/support/machine_state.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/import_hook.h"
#include "tests/support/test_support.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

const std::string Classes = "Software\\Classes\\";
const std::string FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

class SettingsBehaviour : public testing::Test {
  protected:
    void SetUp() override {
        ForgetAssociations();
        RemoveShortcuts();
        Entries.assign(SettingsWindowTemplate, SettingsWindowTemplate + SettingsTemplateEntries);
        Entries[0].IsMainWindow = 0; // the test process keeps its own message loop
        Entries[0].TemplateStart = Entries.data();
    }
    void TearDown() override {
        if (IsWindow(Window)) DestroyWindow(Window);
        ReleaseSettingsResources();
        ForgetAssociations();
        RemoveShortcuts();
        AskIsAdministrator = IsUserAnAdmin;
        for (const std::wstring &folder : Folders)
            RemoveFolderTree(folder);
    }
    HWND Create() {
        EXPECT_EQ("", AnsweringAnyMessage([&] {
                      Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr);
                  }));
        return Window;
    }
    HWND Control(int id) { return (HWND)GetControlHandle(Window, id); }
    void Check(int id, bool on) {
        SendMessageA(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void UseBaseFolder(const std::string &folder) {
        lstrcpyW(WorkArea->BaseFolder, Wide(folder).c_str());
    }
    // The steps of OK on the check boxes as they are now.
    int AssociateCheckedTypes() {
        ReadChoices(WorkArea);
        return AssociateChosenTypes(*WorkArea);
    }
    bool AddDesktopShortcut(DesktopShortcut shortcut) {
        ReadChoices(WorkArea);
        return MakeChosenShortcut(*WorkArea, shortcut);
    }
    // A folder with the two executables in Bin, as the installer leaves it.
    std::string Installation() {
        const std::wstring folder = MakeTempFolder(L"qninstall");
        Folders.push_back(folder);
        CreateDirectoryW((folder + L"\\Bin").c_str(), nullptr);
        for (const char *name : {"\\Bin\\Quenlo.exe", "\\Bin\\Quenlo64.exe"})
            MakeFile(Utf8(folder) + name);
        return Utf8(folder);
    }
    // Presses OK with the process's current directory in folder; the text
    // of the message box that follows.
    std::string PressOkIn(const std::string &folder, MessageBoxAnswerer *answerer = nullptr) {
        wchar_t previous[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(Wide(folder).c_str());
        // One answerer only: a second one would race it for the box.
        std::unique_ptr<MessageBoxAnswerer> own;
        if (!answerer) answerer = (own = std::make_unique<MessageBoxAnswerer>()).get();
        SendMessageA(Control(IdOk), BM_CLICK, 0, 0);
        SetCurrentDirectoryW(previous);
        return answerer->Answered ? answerer->Text : "<no message>";
    }
    std::vector<WindowObject> Entries;
    std::vector<std::wstring> Folders;
    HWND Window = nullptr;
};

std::vector<std::pair<LONG, UINT>> ShellNotices;
void WINAPI RecordShellNotice(LONG event, UINT flags, LPCVOID, LPCVOID) {
    ShellNotices.push_back({event, flags});
}

int DesktopRedraws = 0;
BOOL WINAPI RecordDesktopRedraw(HWND window, const RECT *rect, HRGN region, UINT flags) {
    if (window != GetDesktopWindow()) return RedrawWindow(window, rect, region, flags);
    DesktopRedraws +=
        (flags & (RDW_INVALIDATE | RDW_ALLCHILDREN)) == (RDW_INVALIDATE | RDW_ALLCHILDREN);
    return TRUE;
}

std::string Text(int position) {
    return Utf8(ExpectedTexts()[position]);
}

std::string TextOfControl(HWND control) {
    return WindowTextOf(control);
}

TEST(AdministratorGuard, RefusesNonAdministratorsFromWindows81On) {
    EXPECT_EQ(0, AdministratorGuardRefuses(8, 0)) << "Windows 8";
    EXPECT_EQ(1, AdministratorGuardRefuses(9, 0)) << "Windows 8.1";
    EXPECT_EQ(1, AdministratorGuardRefuses(10, 0)) << "Windows 10";
    EXPECT_EQ(1, AdministratorGuardRefuses(13, 0)) << "Server 2008";
    EXPECT_EQ(1, AdministratorGuardRefuses(17, 0)) << "Server 2016";
    EXPECT_EQ(0, AdministratorGuardRefuses(10, 1));
    EXPECT_EQ(0, AdministratorGuardRefuses(5, 0)) << "Windows XP";
}

TEST_F(SettingsBehaviour, CreationSetsCaptionsAndChoices) {
    ASSERT_TRUE(Create());
    EXPECT_TRUE(IsWindowUnicode(Window)) << "the form Settings.exe gives its window";
    if (PRIMARYLANGID(GetUserDefaultLangID()) != LANG_ENGLISH) GTEST_SKIP() << "English only";
    EXPECT_EQ(" Quenlo 2 Settings", WindowTextOf(Window));
    EXPECT_EQ("Uncheck the files you do not wish to be associated to Quenlo",
              TextOfControl(Control(IdFileGroup)));
    EXPECT_EQ("Quenlo project files (*.qnp)", TextOfControl(Control(IdProjectFiles)));
    EXPECT_EQ("Quenlo window files (*.qnw)", TextOfControl(Control(IdWindowFiles)));
    EXPECT_EQ("Quenlo module files (*.asm)", TextOfControl(Control(IdModuleFiles)));
    EXPECT_EQ("Quenlo resource files (*.qnr)", TextOfControl(Control(IdResourceFiles)));
    EXPECT_EQ("A&ssociate to:", TextOfControl(Control(IdAssociateGroup)));
    EXPECT_EQ("&32-bit", TextOfControl(Control(Id32Bit)));
    EXPECT_EQ("&64-bit", TextOfControl(Control(Id64Bit)));
    EXPECT_EQ("&OK", TextOfControl(Control(IdOk)));
    // A 64-bit system with a writable machine: the 64-bit executable, machine-wide.
    ASSERT_EQ(1, Is64BitSystem());
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(Id64Bit), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(Id32Bit), BM_GETCHECK, 0, 0));
    EXPECT_STREQ(L"Quenlo64.exe", WorkArea->TargetExecutable);
    EXPECT_EQ(HKEY_LOCAL_MACHINE, WorkArea->RegistryScope);
    EXPECT_TRUE(IsWindowVisible(Control(IdAssociateGroup)));
    for (int id = IdProjectFiles; id <= IdShortcut64; ++id)
        EXPECT_EQ(BST_CHECKED, SendMessageA(Control(id), BM_GETCHECK, 0, 0)) << id;
}

TEST_F(SettingsBehaviour, ScopeIsTheUserWhenTheMachineCannotBeWritten) {
    {
        DeletedRootOverride machine(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(Create());
    }
    EXPECT_EQ(HKEY_CURRENT_USER, WorkArea->RegistryScope);
}

TEST_F(SettingsBehaviour, OptionButtonsChooseTheExecutable) {
    ASSERT_TRUE(Create());
    SendMessageA(Control(Id32Bit), BM_CLICK, 0, 0);
    EXPECT_STREQ(L"Quenlo.exe", WorkArea->TargetExecutable);
    SendMessageA(Control(Id64Bit), BM_CLICK, 0, 0);
    if (Is64BitSystem()) {
        EXPECT_STREQ(L"Quenlo64.exe", WorkArea->TargetExecutable);
    } else {
        // No 64-bit executable can run here: the choice falls back.
        EXPECT_STREQ(L"Quenlo.exe", WorkArea->TargetExecutable);
        EXPECT_EQ(BST_CHECKED, SendMessageA(Control(Id32Bit), BM_GETCHECK, 0, 0));
    }
    // Only clicks count: other notifications of the buttons are ignored.
    EXPECT_EQ(0, SettingsWindowProc(Window, WM_COMMAND, MAKEWPARAM(Id32Bit, BN_SETFOCUS),
                                    (LPARAM)Control(Id32Bit)));
    EXPECT_EQ(0, SettingsWindowProc(Window, WM_COMMAND, MAKEWPARAM(IdOk, BN_SETFOCUS),
                                    (LPARAM)Control(IdOk)));
    EXPECT_EQ(0, SettingsWindowProc(Window, WM_COMMAND, MAKEWPARAM(IdProjectFiles, BN_CLICKED),
                                    (LPARAM)Control(IdProjectFiles)));
    EXPECT_TRUE(IsWindow(Window));
}

TEST_F(SettingsBehaviour, MachineWideAssociationOfAllFourTypes) {
    ASSERT_TRUE(Create());
    UseBaseFolder("C:\\Program Files\\Quenlo");
    // An earlier Explorer record of the extension is replaced whole.
    RegWrite(HKEY_CURRENT_USER, FileExts + ".qnp\\UserChoice", "Progid", "Other.Program");
    RegWrite(HKEY_CURRENT_USER, FileExts + ".qnp", "Stale", "x");
    EXPECT_EQ(1, AssociateCheckedTypes());

    const char *types[] = {"Project", "Window", "Module", "Resource"};
    const char *extensions[] = {".qnp", ".qnw", ".asm", ".qnr"};
    const std::string executable = "C:\\Program Files\\Quenlo\\Bin\\Quenlo64.exe";
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(extensions[i]);
        const std::string progId = std::string("Quenlo.") + types[i];
        EXPECT_EQ(progId, RegString(HKEY_CLASSES_ROOT, extensions[i], nullptr));
        EXPECT_EQ(executable + "," + std::to_string(i),
                  RegString(HKEY_CLASSES_ROOT, progId + "\\DefaultIcon", nullptr));
        EXPECT_EQ("\"" + executable + "\" \"%1\"",
                  RegString(HKEY_CLASSES_ROOT, progId + "\\shell\\open\\command", nullptr));
        EXPECT_EQ(std::string("Quenlo ") + types[i], RegString(HKEY_CLASSES_ROOT, progId, nullptr));
        const std::string record = FileExts + extensions[i];
        EXPECT_EQ(std::vector<std::string>{"OpenWithList"},
                  RegSubkeyNames(HKEY_CURRENT_USER, record));
        EXPECT_TRUE(RegValueNames(HKEY_CURRENT_USER, record).empty()) << "no Progid machine-wide";
        EXPECT_EQ("Quenlo64.exe", RegString(HKEY_CURRENT_USER, record + "\\OpenWithList", "a"));
        EXPECT_EQ("NOTEPAD.EXE", RegString(HKEY_CURRENT_USER, record + "\\OpenWithList", "b"));
        EXPECT_EQ("ab", RegString(HKEY_CURRENT_USER, record + "\\OpenWithList", "MRUList"));
        // The per-user classes are not touched on this path.
        EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, Classes + extensions[i]));
    }
}

TEST_F(SettingsBehaviour, UserScopeAddsTheProgidToExplorersRecord) {
    ASSERT_TRUE(Create());
    WorkArea->RegistryScope = HKEY_CURRENT_USER;
    UseBaseFolder("C:\\Dev\\Quenlo");
    SendMessageA(Control(Id32Bit), BM_CLICK, 0, 0);
    for (int id : {IdProjectFiles, IdWindowFiles, IdResourceFiles})
        Check(id, false);
    EXPECT_EQ(1, AssociateCheckedTypes());
    EXPECT_EQ("Quenlo.Module", RegString(HKEY_CLASSES_ROOT, ".asm", nullptr));
    EXPECT_EQ("C:\\Dev\\Quenlo\\Bin\\Quenlo.exe,2",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Module\\DefaultIcon", nullptr));
    EXPECT_EQ("Quenlo.exe", RegString(HKEY_CURRENT_USER, FileExts + ".asm", "Progid"));
    EXPECT_EQ("Quenlo.exe", RegString(HKEY_CURRENT_USER, FileExts + ".asm\\OpenWithList", "a"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp")) << "cleared check boxes write nothing";
}

TEST_F(SettingsBehaviour, UnwritableClassesRootAssociatesForTheUser) {
    ASSERT_TRUE(Create());
    UseBaseFolder("C:\\Dev\\Quenlo");
    RegWrite(HKEY_CURRENT_USER, FileExts + ".qnw", "Kept", "yes");
    int result;
    {
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        result = AssociateCheckedTypes();
    }
    EXPECT_EQ(1, result);
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, Classes + ".qnw"));
    EXPECT_EQ("Quenlo.Window", RegString(HKEY_CURRENT_USER, Classes + ".qnw", nullptr));
    EXPECT_EQ("C:\\Dev\\Quenlo\\Bin\\Quenlo64.exe,1",
              RegString(HKEY_CURRENT_USER, Classes + "Quenlo.Window\\DefaultIcon", nullptr));
    EXPECT_EQ(
        "\"C:\\Dev\\Quenlo\\Bin\\Quenlo64.exe\" \"%1\"",
        RegString(HKEY_CURRENT_USER, Classes + "Quenlo.Window\\shell\\open\\command", nullptr));
    EXPECT_EQ("<missing>", RegString(HKEY_CURRENT_USER, Classes + "Quenlo.Window", nullptr))
        << "no description on the per-user path";
    EXPECT_EQ("yes", RegString(HKEY_CURRENT_USER, FileExts + ".qnw", "Kept"))
        << "the record is kept and written value by value";
    EXPECT_EQ("Quenlo64.exe", RegString(HKEY_CURRENT_USER, FileExts + ".qnw", "Progid"));
    EXPECT_EQ("ab", RegString(HKEY_CURRENT_USER, FileExts + ".qnw\\OpenWithList", "MRUList"));
}

TEST_F(SettingsBehaviour, NothingWritableMakesTheTypesFail) {
    ASSERT_TRUE(Create());
    UseBaseFolder("C:\\Dev\\Quenlo");
    int result;
    {
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        DeletedRootOverride user(HKEY_CURRENT_USER);
        result = AssociateCheckedTypes();
    }
    EXPECT_EQ(0, result);
    // With no type checked there is nothing to fail.
    for (int id = IdProjectFiles; id <= IdResourceFiles; ++id)
        Check(id, false);
    {
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        DeletedRootOverride user(HKEY_CURRENT_USER);
        result = AssociateCheckedTypes();
    }
    EXPECT_EQ(1, result);
}

TEST_F(SettingsBehaviour, ClearedCheckBoxLeavesAnEarlierAssociation) {
    ASSERT_TRUE(Create());
    UseBaseFolder("C:\\Dev\\Quenlo");
    RegWrite(HKEY_CLASSES_ROOT, ".asm", nullptr, "Assembler.File");
    RegWrite(HKEY_CURRENT_USER, FileExts + ".asm", "Progid", "asm.exe");
    Check(IdModuleFiles, false);
    EXPECT_EQ(1, AssociateCheckedTypes());
    EXPECT_EQ("Assembler.File", RegString(HKEY_CLASSES_ROOT, ".asm", nullptr));
    EXPECT_EQ("asm.exe", RegString(HKEY_CURRENT_USER, FileExts + ".asm", "Progid"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "Quenlo.Module"));
    EXPECT_EQ("Quenlo.Project", RegString(HKEY_CLASSES_ROOT, ".qnp", nullptr));
}

// An association needs no window: the executable's path, its name and the
// scope are all it takes.
TEST_F(SettingsBehaviour, DriveRootGetsNoDoubledBackslash) {
    wchar_t path[TextChars];
    ASSERT_TRUE(ExecutablePath(path, L"C:\\", L"Quenlo.exe"));
    EXPECT_STREQ(L"C:\\Bin\\Quenlo.exe", path);
    EXPECT_EQ(
        1, AssociateFileType(FileTypes[TypeResource], {path, L"Quenlo.exe", HKEY_LOCAL_MACHINE}));
    EXPECT_EQ("C:\\Bin\\Quenlo.exe,3",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Resource\\DefaultIcon", nullptr));
}

// What a program started by the shell heard on its command line: the stub
// writes it beside itself.
std::string StubCommandLine(const std::wstring &executable) {
    HANDLE file = CreateFileW((executable + L".args").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<not started>";
    char line[2048] = {};
    DWORD read = 0;
    ReadFile(file, line, sizeof line - 1, &read, nullptr);
    CloseHandle(file);
    return line;
}

// The shell reads %1, %L and %VAR% inside the open command; a folder that
// holds them still names the executable, and opening a project runs it.
TEST_F(SettingsBehaviour, PercentSignsInTheFolderStillOpenProjects) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"QNFOLDER", L"C:\\elsewhere"));
    const std::wstring projects = MakeTempFolder(L"qnprojects");
    Folders.push_back(projects);
    const std::wstring project = projects + L"\\My Project.qnp";
    MakeFile(Utf8(project));
    for (const wchar_t *name : {L"qn%1 ", L"qn %L", L"qn%QNFOLDER%x"}) {
        SCOPED_TRACE(Utf8(name));
        const std::wstring folder = MakeTempFolder(name);
        ASSERT_FALSE(folder.empty());
        Folders.push_back(folder);
        const std::wstring executable = folder + L"\\Bin\\Quenlo64.exe";
        CreateDirectoryW((folder + L"\\Bin").c_str(), nullptr);
        ASSERT_TRUE(
            CopyFileW(TestProgramPath(L"quenlo_stub.exe").c_str(), executable.c_str(), FALSE));
        wchar_t path[TextChars];
        ASSERT_TRUE(ExecutablePath(path, folder.c_str(), L"Quenlo64.exe"));
        ASSERT_EQ(1, AssociateFileType(FileTypes[TypeProject],
                                       {path, L"Quenlo64.exe", HKEY_LOCAL_MACHINE}));
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);

        ASSERT_EQ(0u, OpenThroughShell(project));
        const std::string line = StubCommandLine(executable);
        EXPECT_EQ(0u, line.find("\"" + Utf8(executable) + "\"")) << line;
        EXPECT_NE(std::string::npos, line.find("\"" + Utf8(project) + "\"")) << line;
    }
    SetEnvironmentVariableW(L"QNFOLDER", nullptr);
}

TEST_F(SettingsBehaviour, PathsThatDoNotFitFailWithoutWriting) {
    ASSERT_TRUE(Create());
    // 245 characters: the folder fits, its executable's path does not.
    const std::string longFolder = "C:\\" + std::string(242, 'q');
    UseBaseFolder(longFolder);
    wchar_t path[TextChars];
    EXPECT_FALSE(FindExecutable(path, Wide(longFolder).c_str(), L"Quenlo64.exe"));
    EXPECT_STREQ(L"", path) << "no cut path is left behind";
    EXPECT_EQ(0, AssociateCheckedTypes());
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, "Quenlo.Project"));
    AddDesktopShortcut(Shortcut32);
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
    // An empty folder is one that could not be read whole.
    lstrcpyW(path, L"C:\\Stale\\Bin\\Quenlo.exe");
    EXPECT_FALSE(FindExecutable(path, L"", L"Quenlo.exe"));
    EXPECT_STREQ(L"", path);
    EXPECT_EQ(0,
              AssociateFileType(FileTypes[TypeProject], {path, L"Quenlo.exe", HKEY_LOCAL_MACHINE}));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    // Nor is a path no program could be started from.
    const std::wstring tooLong = L"C:\\" + std::wstring(MAX_PATH - 3, L'q');
    EXPECT_EQ(0, AssociateFileType(FileTypes[TypeProject],
                                   {tooLong.c_str(), L"Quenlo.exe", HKEY_LOCAL_MACHINE}));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
}

TEST_F(SettingsBehaviour, ShortcutsGoToTheDesktopOfTheScope) {
    ASSERT_TRUE(Create());
    const std::string base = Installation();
    UseBaseFolder(base);
    EXPECT_TRUE(AddDesktopShortcut(Shortcut64));
    const std::string common = CommonDesktop() + "\\Quenlo 64.lnk";
    LinkInfo link = ReadShortcut(common);
    ASSERT_TRUE(link.Loaded) << common;
    EXPECT_EQ(base + "\\Bin\\Quenlo64.exe", link.Path);
    EXPECT_EQ(base + "\\Bin", link.WorkingDirectory);
    EXPECT_EQ(base + "\\Bin\\Quenlo64.exe", link.IconFile);
    EXPECT_EQ(0, link.IconIndex);
    EXPECT_EQ("Quenlo 64", link.Description);

    WorkArea->RegistryScope = HKEY_CURRENT_USER;
    EXPECT_TRUE(AddDesktopShortcut(Shortcut32));
    EXPECT_TRUE(ReadShortcut(UserDesktop() + "\\Quenlo.lnk").Loaded);
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));

    // A cleared check box makes none, and neither does a missing executable,
    // which fails the shortcut asked for.
    RemoveShortcuts();
    Check(IdShortcut32, false);
    EXPECT_TRUE(AddDesktopShortcut(Shortcut32));
    EXPECT_FALSE(FileExists(UserDesktop() + "\\Quenlo.lnk"));
    DeleteFileW(Wide(base + "\\Bin\\Quenlo64.exe").c_str());
    EXPECT_FALSE(AddDesktopShortcut(Shortcut64));
    EXPECT_FALSE(FileExists(UserDesktop() + "\\Quenlo 64.lnk"));
}

TEST_F(SettingsBehaviour, MissingDesktopFolderSkipsTheShortcut) {
    ASSERT_TRUE(Create());
    UseBaseFolder(Installation());
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string saved = CommonDesktop();
    HKEY opened;
    ASSERT_EQ(0, RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &opened));
    RegDeleteValueA(opened, "Common Desktop");
    wchar_t desktop[TextChars];
    EXPECT_FALSE(ReadDesktopFolder(HKEY_LOCAL_MACHINE, desktop));
    EXPECT_FALSE(AddDesktopShortcut(Shortcut32));
    RegCloseKey(opened);
    RegWrite(HKEY_LOCAL_MACHINE, key, "Common Desktop", saved);
    EXPECT_FALSE(FileExists(saved + "\\Quenlo.lnk"));
    EXPECT_FALSE(FileExists(UserDesktop() + "\\Quenlo.lnk"));
}

TEST(ShellLink, ReportsTheFirstFailure) {
    // A folder that does not exist: the link object cannot save there.
    HRESULT result = CreateShellLink(L"C:\\Dev\\Quenlo\\Bin\\Quenlo.exe",
                                     L"C:\\no such folder\\Quenlo.lnk", L"Quenlo");
    EXPECT_TRUE(FAILED(result));
    std::wstring folder = MakeTempFolder(L"qnlink");
    std::wstring link = folder + L"\\plain.lnk";
    EXPECT_EQ(S_OK, CreateShellLink(L"C:\\Tools\\tool.exe", link.c_str(), nullptr));
    LinkInfo info = ReadShortcut(Utf8(link));
    EXPECT_EQ("C:\\Tools", info.WorkingDirectory);
    EXPECT_EQ("", info.Description);
    // A target without a backslash is its own working folder.
    EXPECT_EQ(S_OK, CreateShellLink(L"tool.exe", link.c_str(), L"Tool"));
    EXPECT_EQ("tool.exe", ReadShortcut(Utf8(link)).WorkingDirectory);
    // A target the link object would cut is refused, and nothing is saved.
    const std::wstring longTarget = L"C:\\" + std::wstring(MAX_PATH - 3, L'x');
    const std::wstring refused = folder + L"\\long.lnk";
    EXPECT_EQ(E_INVALIDARG, CreateShellLink(longTarget.c_str(), refused.c_str(), L"Long"));
    EXPECT_FALSE(FileExists(Utf8(refused)));
    RemoveFolderTree(folder);
}

// The shortcut maker alone: the desktop of each scope, the link it saves on
// the desktop it is given, and what it tells when it cannot.
TEST(DesktopShortcut, IsSavedOnTheDesktopItIsGiven) {
    wchar_t desktop[TextChars];
    ASSERT_TRUE(ReadDesktopFolder(HKEY_LOCAL_MACHINE, desktop));
    EXPECT_EQ(CommonDesktop(), Utf8(desktop));
    ASSERT_TRUE(ReadDesktopFolder(HKEY_CURRENT_USER, desktop));
    EXPECT_EQ(UserDesktop(), Utf8(desktop));

    const std::wstring folder = MakeTempFolder(L"qndesk");
    const wchar_t *target = L"C:\\Tools\\tool.exe";
    EXPECT_EQ(ShortcutMade, MakeDesktopShortcut(folder.c_str(), target, L"Tool"));
    const LinkInfo link = ReadShortcut(Utf8(folder) + "\\Tool.lnk");
    EXPECT_EQ("C:\\Tools\\tool.exe", link.Path);
    EXPECT_EQ("Tool", link.Description);
    // folder\name.lnk in 259 characters is made; in 260 it does not fit.
    const std::wstring longest(TextChars - 1 - folder.size() - 5, L'n');
    EXPECT_EQ(ShortcutMade, MakeDesktopShortcut(folder.c_str(), target, longest.c_str()));
    EXPECT_TRUE(FileExists(Utf8(folder + L"\\" + longest + L".lnk")));
    const std::wstring tooLong = longest + L"n";
    EXPECT_EQ(ShortcutPathTooLong, MakeDesktopShortcut(folder.c_str(), target, tooLong.c_str()));
    EXPECT_EQ(ShortcutNotSaved, MakeDesktopShortcut(L"C:\\No Such Desktop", target, L"Tool"));
    EXPECT_FALSE(FileExists("C:\\No Such Desktop"));
    RemoveFolderTree(folder);
}

TEST(ObsoleteFiles, AreDeletedWhateverTheirAttributes) {
    const std::string system = SystemFolder(), fonts = FontsFolder();
    MakeFile(system + "\\QNDllMsd.dll", FILE_ATTRIBUTE_READONLY);
    MakeFile(system + "\\QNDllMsr.dll", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    MakeFile(fonts + "\\LDisplay.ttf", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    MakeFile(fonts + "\\Other.ttf");
    RemoveObsoleteFiles();
    EXPECT_FALSE(FileExists(system + "\\QNDllMsd.dll"));
    EXPECT_FALSE(FileExists(system + "\\QNDllMsr.dll"));
    EXPECT_FALSE(FileExists(fonts + "\\LDisplay.ttf"));
    EXPECT_TRUE(FileExists(fonts + "\\Other.ttf"));
    DeleteFileA((fonts + "\\Other.ttf").c_str());
    // Missing files are no failure.
    RemoveObsoleteFiles();
}

TEST(ObsoleteFiles, OneThatCannotBeDeletedKeepsItsAttributes) {
    const std::string path = SystemFolder() + "\\QNDllMsd.dll";
    const DWORD attributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    MakeFile(path, attributes);
    // Held open without sharing deletion: the deletion fails.
    HANDLE held = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RemoveObsoleteFiles();
    CloseHandle(held);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(attributes, FileAttributes(path) & (attributes | FILE_ATTRIBUTE_NORMAL));
    RemoveObsoleteFiles();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(SettingsBehaviour, OkSavesReportsAndCloses) {
    ASSERT_TRUE(Create());
    const std::string base = Installation();
    MessageBoxAnswerer answerer;
    EXPECT_EQ(Text(TextSaved), PressOkIn(base, &answerer));
    EXPECT_EQ(" Settings", answerer.Caption) << "the application title";
    EXPECT_EQ(MB_ICONASTERISK, answerer.Icon);
    EXPECT_FALSE(IsWindow(Window)) << "OK closes the window";
    EXPECT_EQ(nullptr, WorkArea);
    EXPECT_EQ(nullptr, TextList);
    EXPECT_EQ("\"" + base + "\\Bin\\Quenlo64.exe\" \"%1\"",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Project\\shell\\open\\command", nullptr));
    EXPECT_TRUE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
    EXPECT_TRUE(FileExists(CommonDesktop() + "\\Quenlo 64.lnk"));
}

TEST_F(SettingsBehaviour, OkWithoutRightsReportsText11) {
    ASSERT_TRUE(Create());
    const std::string base = Installation();
    std::string text;
    {
        MessageBoxAnswerer answerer;
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        DeletedRootOverride user(HKEY_CURRENT_USER);
        text = PressOkIn(base, &answerer);
        EXPECT_EQ(MB_ICONASTERISK, answerer.Icon) << "the shortcuts were made";
    }
    EXPECT_EQ(Text(TextNoRights), text);
    EXPECT_FALSE(IsWindow(Window));

    // Without the shortcuts either, both are told, with a warning.
    ASSERT_TRUE(Create());
    const std::string folders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string common = CommonDesktop();
    RegWrite(HKEY_LOCAL_MACHINE, folders, "Common Desktop", "C:\\No Such Desktop");
    MessageBoxAnswerer answerer;
    {
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        DeletedRootOverride user(HKEY_CURRENT_USER);
        text = PressOkIn(base, &answerer);
    }
    RegWrite(HKEY_LOCAL_MACHINE, folders, "Common Desktop", common);
    EXPECT_EQ(Text(TextNoRights) + "\n\n" + Text(TextShortcutsFailed), text);
    EXPECT_EQ(MB_ICONEXCLAMATION, answerer.Icon);

    // One shortcut of the two failing is told as well.
    if (!Is64BitSystem()) return; // the associations' executable is the 64-bit one
    ASSERT_TRUE(Create());
    DeleteFileW(Wide(base + "\\Bin\\Quenlo.exe").c_str());
    {
        MessageBoxAnswerer one;
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        DeletedRootOverride user(HKEY_CURRENT_USER);
        text = PressOkIn(base, &one);
    }
    EXPECT_EQ(Text(TextNoRights) + "\n\n" + Text(TextShortcutsFailed), text);
}

TEST_F(SettingsBehaviour, OkWithEverythingClearedStillRemovesObsoleteFiles) {
    ASSERT_TRUE(Create());
    for (int id = IdProjectFiles; id <= IdShortcut64; ++id)
        Check(id, false);
    const std::string obsolete = SystemFolder() + "\\QNDllMsr.dll";
    MakeFile(obsolete, FILE_ATTRIBUTE_READONLY);
    ImportHook hook("shell32.dll", "SHChangeNotify", (void *)RecordShellNotice);
    ASSERT_EQ(1, hook.Patched);
    ImportHook redraws("user32.dll", "RedrawWindow", (void *)RecordDesktopRedraw);
    ShellNotices.clear();
    DesktopRedraws = 0;
    EXPECT_EQ(Text(TextSaved), PressOkIn(Installation()));
    EXPECT_EQ(1, DesktopRedraws) << "the desktop and its icons repainted";
    const std::vector<std::pair<LONG, UINT>> told = {{SHCNE_ASSOCCHANGED, SHCNF_FLUSH}};
    EXPECT_EQ(told, ShellNotices) << "the shell is told once, and waited for";
    EXPECT_FALSE(FileExists(obsolete));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
}

// Run from a folder without Quenlo, nothing may point into it: anyone able
// to create Bin\Quenlo64.exe there would have it run for every user.
TEST_F(SettingsBehaviour, OkOutsideTheInstallationFolderWritesNothing) {
    ASSERT_TRUE(Create());
    const std::string base = Installation();
    for (const char *name : {"\\Bin\\Quenlo.exe", "\\Bin\\Quenlo64.exe"})
        DeleteFileW(Wide(base + name).c_str());
    const std::string obsolete = SystemFolder() + "\\QNDllMsd.dll";
    MakeFile(obsolete);
    MessageBoxAnswerer answerer;
    EXPECT_EQ(Text(TextNotInstalled), PressOkIn(base, &answerer));
    EXPECT_EQ(MB_ICONHAND, answerer.Icon);
    EXPECT_FALSE(IsWindow(Window));
    for (const char *key : {".qnp", ".qnw", ".asm", ".qnr", "Quenlo.Project"}) {
        EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, key)) << key;
        EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, FileExts + key)) << key;
    }
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
    EXPECT_FALSE(FileExists(obsolete));
}

// A 32-bit-only installation on a 64-bit system, where Settings starts: its
// executable is preselected and OK associates it and makes its shortcut.
TEST_F(SettingsBehaviour, ThirtyTwoBitOnlyInstallationPreselectsItsExecutable) {
    if (!Is64BitSystem()) GTEST_SKIP() << "the 64-bit choice";
    const std::string base = Installation();
    DeleteFileW(Wide(base + "\\Bin\\Quenlo64.exe").c_str());
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(Wide(base).c_str());
    const bool created = Create() != nullptr;
    SetCurrentDirectoryW(previous);
    ASSERT_TRUE(created);
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(Id32Bit), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(Id64Bit), BM_GETCHECK, 0, 0));
    EXPECT_STREQ(L"Quenlo.exe", WorkArea->TargetExecutable);
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(IdShortcut32), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Control(IdShortcut64), BM_GETCHECK, 0, 0));
    EXPECT_EQ(Text(TextSaved), PressOkIn(base));
    EXPECT_EQ("\"" + base + "\\Bin\\Quenlo.exe\" \"%1\"",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Project\\shell\\open\\command", nullptr));
    EXPECT_TRUE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo 64.lnk"));

    // With the missing executable chosen, nothing is associated, but the
    // shortcut that can be made still is.
    ForgetAssociations();
    RemoveShortcuts();
    ASSERT_TRUE(Create());
    EXPECT_STREQ(L"Quenlo64.exe", WorkArea->TargetExecutable) << "created outside the installation";
    EXPECT_EQ(Text(TextNotInstalled), PressOkIn(base));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_TRUE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
}

// A key that cannot take a subkey stands in for a read-only one: a
// volatile key refuses lasting subkeys.
void MakeVolatileKey(HKEY root, const std::string &key) {
    HKEY made;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(root, Wide(key).c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &made, nullptr));
    RegCloseKey(made);
}

TEST_F(SettingsBehaviour, AnUnwritableCommandLeavesTheTypeAsItWas) {
    ASSERT_TRUE(Create());
    UseBaseFolder("C:\\Dev\\Quenlo");
    for (int id : {IdWindowFiles, IdModuleFiles, IdResourceFiles})
        Check(id, false);
    // Machine-wide: the extension had another program, the ProgID a key.
    RegWrite(HKEY_CLASSES_ROOT, ".qnp", nullptr, "Other.Project");
    MakeVolatileKey(HKEY_CLASSES_ROOT, "Quenlo.Project\\shell");
    EXPECT_EQ(0, AssociateCheckedTypes());
    EXPECT_EQ("Other.Project", RegString(HKEY_CLASSES_ROOT, ".qnp", nullptr));
    EXPECT_EQ(std::vector<std::string>{"shell"},
              RegSubkeyNames(HKEY_CLASSES_ROOT, "Quenlo.Project"));
    EXPECT_EQ("<missing>", RegString(HKEY_CLASSES_ROOT, "Quenlo.Project", nullptr));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, FileExts + ".qnp"));

    // Per user, with the classes root unwritable: the Explorer record and
    // the user's classes go too.
    ForgetAssociations();
    MakeVolatileKey(HKEY_CURRENT_USER, Classes + "Quenlo.Project\\shell");
    int result;
    {
        DeletedRootOverride classes(HKEY_CLASSES_ROOT);
        result = AssociateCheckedTypes();
    }
    EXPECT_EQ(0, result);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, FileExts + ".qnp"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, Classes + ".qnp"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, Classes + "Quenlo.Project\\DefaultIcon"));
}

TEST(EnvironmentGuard, SeesEachGenerationAndWidthOfQuenlo) {
    EXPECT_FALSE(EnvironmentIsRunning());
    for (const wchar_t *name :
         {L"QNRUNMDIWINDOWQuenlo", L"QN2RUNMDIWINDOWQuenlo", L"QN2RUNMDIWINDOWQuenlo64"}) {
        WNDCLASSW environment = {};
        environment.lpfnWndProc = DefWindowProcW;
        environment.hInstance = GetModuleHandleW(nullptr);
        environment.lpszClassName = name;
        RegisterClassW(&environment);
        HWND window = CreateWindowExW(0, name, L"Quenlo", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                      nullptr, environment.hInstance, nullptr);
        EXPECT_TRUE(EnvironmentIsRunning()) << Utf8(name);
        DestroyWindow(window);
        UnregisterClassW(name, environment.hInstance);
    }
    EXPECT_FALSE(EnvironmentIsRunning());
}

BOOL WINAPI NotAnAdministrator() {
    return FALSE;
}
BOOL WINAPI AnAdministrator() {
    return TRUE;
}

// With Quenlo running, an administrator hears that it runs; a user without
// rights hears only that they need them, since that guard comes first.
TEST_F(SettingsBehaviour, GuardsRefuseInTheirOrder) {
    WNDCLASSW environmentClass = {};
    environmentClass.lpfnWndProc = DefWindowProcW;
    environmentClass.hInstance = GetModuleHandleW(nullptr);
    environmentClass.lpszClassName = L"QN2RUNMDIWINDOWQuenlo64";
    RegisterClassW(&environmentClass);
    HWND environment = CreateWindowExW(0, environmentClass.lpszClassName, L"Quenlo", WS_OVERLAPPED,
                                       0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    AskIsAdministrator = AnAdministrator;
    auto create = [&] { return (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr); };
    {
        MessageBoxAnswerer answerer;
        EXPECT_EQ(nullptr, create());
        EXPECT_EQ(Text(TextEnvironmentRunning), answerer.Text);
        EXPECT_EQ(MB_ICONHAND, answerer.Icon);
    }
    if (GetOsVersion(nullptr) > 8) {
        AskIsAdministrator = NotAnAdministrator;
        MessageBoxAnswerer answerer;
        EXPECT_EQ(nullptr, create());
        EXPECT_EQ(Text(TextNeedsAdministrator), answerer.Text);
        EXPECT_EQ(MB_ICONHAND, answerer.Icon);
    }
    EXPECT_EQ(nullptr, WorkArea);
    DestroyWindow(environment);
    UnregisterClassW(environmentClass.lpszClassName, environmentClass.hInstance);
}

} // namespace
