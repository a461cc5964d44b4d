// Settings.exe run the way a user runs it: from an installation folder whose
// name has a space and an accented letter, driven through its window.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "tests/app/language_texts.h"
#include "tests/support/machine_state.h"
#include "tests/support/test_support.h"

#include <shellapi.h>

namespace {

const std::string FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

std::string ReadUtf8File(const std::wstring &path) {
    HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    char bytes[4096] = {};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
    CloseHandle(file);
    return bytes;
}

// One run of Settings.exe in an installation folder of its own.
class SettingsRun : public testing::Test {
  protected:
    void SetUp() override {
        ForgetAssociations();
        RemoveShortcuts();
        Top = MakeTempFolder(FolderPrefix());
        ASSERT_FALSE(Top.empty());
        // A long folder: 230 characters. Longer ones are associated and
        // linked too (see the tests of the OK sequence), but Wine 8.0's
        // shell cannot run an open command of 256 characters or more, which
        // the shell-open check below needs.
        Install = Top + L"\\install ";
        Install += std::wstring(230 - Install.size(), L'z');
        ASSERT_TRUE(CreateDirectoryW(Install.c_str(), nullptr));
        InstallA = Utf8(Install);
        CreateDirectoryW((Install + L"\\Bin").c_str(), nullptr);
        for (const wchar_t *name : {L"\\Bin\\Quenlo.exe", L"\\Bin\\Quenlo64.exe"})
            ASSERT_TRUE(CopyFileW(TestProgramPath(L"quenlo_stub.exe").c_str(),
                                  (Install + name).c_str(), FALSE));
    }
    void TearDown() override {
        if (Process) {
            TerminateProcess(Process, 1);
            CloseHandle(Process);
        }
        ForgetAssociations();
        RemoveShortcuts();
        RemoveFolderTree(Top);
    }
    // The installation folder's name: a space, an accented letter and
    // letters outside every Western code page.
    virtual const wchar_t *FolderPrefix() { return L"Qu\u00e9nlo \u03a9\u6f22 "; }
    // Starts Settings.exe and waits for its window.
    bool Start() {
        Process = StartProgram(L"\"" + SettingsExePath() + L"\"", Install.c_str());
        if (!Process) return false;
        Window = WaitForProcessWindow(Process, "QN2RUNWINDOWSettings");
        return Window != nullptr;
    }
    HWND Control(int id) { return FindDescendant(Window, id); }
    bool Checked(int id) { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    // Presses OK, answers the message box and waits for the program's end.
    void PressOk() {
        PostMessageA(Control(IdOk), BM_CLICK, 0, 0);
        HWND box = WaitForProcessWindow(Process, "#32770");
        ASSERT_NE(nullptr, box) << "no message after OK";
        Message = MessageBoxText(box);
        Caption = WindowTextOf(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ExitCode = WaitForExitCode(Process);
        CloseHandle(Process);
        Process = nullptr;
    }
    std::wstring Top, Install;
    std::string InstallA;
    HANDLE Process = nullptr;
    HWND Window = nullptr;
    std::string Message, Caption;
    DWORD ExitCode = STILL_ACTIVE;
};

TEST_F(SettingsRun, DoesItsWholeJob) {
    if (!Is64BitSystem()) GTEST_SKIP() << "the 64-bit run";
    const std::string system = SystemFolder(), fonts = FontsFolder();
    MakeFile(system + "\\QNDllMsd.dll", FILE_ATTRIBUTE_READONLY);
    MakeFile(system + "\\QNDllMsr.dll", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    MakeFile(fonts + "\\LDisplay.ttf", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    RegWrite(HKEY_CURRENT_USER, FileExts + ".qnp\\UserChoice", "Progid", "Other.Program");

    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsWindowVisible(Window));
    EXPECT_TRUE(Checked(Id64Bit));
    EXPECT_FALSE(Checked(Id32Bit));
    EXPECT_TRUE(IsWindowVisible(Control(IdAssociateGroup)));
    PressOk();
    EXPECT_EQ(Utf8(ExpectedTexts()[TextSaved]), Message);
    EXPECT_EQ(" Settings", Caption);
    EXPECT_EQ(0u, ExitCode);

    // Machine-wide (Wine's HKEY_CLASSES_ROOT is the machine's classes).
    const char *types[] = {"Project", "Window", "Module", "Resource"};
    const char *extensions[] = {".qnp", ".qnw", ".asm", ".qnr"};
    const std::string executable = InstallA + "\\Bin\\Quenlo64.exe";
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(extensions[i]);
        const std::string progId = std::string("Quenlo.") + types[i];
        const std::string classes = "Software\\Classes\\";
        EXPECT_EQ(progId, RegString(HKEY_LOCAL_MACHINE, classes + extensions[i], nullptr));
        EXPECT_EQ(executable + "," + std::to_string(i),
                  RegString(HKEY_LOCAL_MACHINE, classes + progId + "\\DefaultIcon", nullptr));
        EXPECT_EQ(
            "\"" + executable + "\" \"%1\"",
            RegString(HKEY_LOCAL_MACHINE, classes + progId + "\\shell\\open\\command", nullptr));
        EXPECT_EQ(std::string("Quenlo ") + types[i],
                  RegString(HKEY_LOCAL_MACHINE, classes + progId, nullptr));
        EXPECT_EQ(std::vector<std::string>{"OpenWithList"},
                  RegSubkeyNames(HKEY_CURRENT_USER, FileExts + extensions[i]));
        EXPECT_EQ("Quenlo64.exe",
                  RegString(HKEY_CURRENT_USER, FileExts + extensions[i] + "\\OpenWithList", "a"));
    }

    for (const char *name : {"Quenlo", "Quenlo 64"}) {
        SCOPED_TRACE(name);
        const std::string exe = std::string(name) == "Quenlo" ? "Quenlo.exe" : "Quenlo64.exe";
        LinkInfo link = ReadShortcut(CommonDesktop() + "\\" + name + ".lnk");
        ASSERT_TRUE(link.Loaded);
        EXPECT_EQ(InstallA + "\\Bin\\" + exe, link.Path);
        EXPECT_EQ(InstallA + "\\Bin", link.WorkingDirectory);
        EXPECT_EQ(InstallA + "\\Bin\\" + exe, link.IconFile);
        EXPECT_EQ(0, link.IconIndex);
        EXPECT_EQ(name, link.Description);
    }

    EXPECT_FALSE(FileExists(system + "\\QNDllMsd.dll"));
    EXPECT_FALSE(FileExists(system + "\\QNDllMsr.dll"));
    EXPECT_FALSE(FileExists(fonts + "\\LDisplay.ttf"));

    // The shell now opens a project file with the 64-bit executable.
    const std::wstring project = Install + L"\\My Project.qnp";
    MakeFile(Utf8(project));
    ASSERT_EQ(0u, OpenThroughShell(project));
    const std::string line = ReadUtf8File(Install + L"\\Bin\\Quenlo64.exe.args");
    EXPECT_NE(std::string::npos, line.find("Quenlo64.exe")) << line;
    EXPECT_NE(std::string::npos, line.find("\"" + Utf8(project) + "\"")) << line;
}

TEST_F(SettingsRun, ClearedChoicesAndASecondRun) {
    if (!Is64BitSystem()) GTEST_SKIP() << "the 64-bit run";
    RegWrite(HKEY_LOCAL_MACHINE, "Software\\Classes\\.asm", nullptr, "Assembler.File");
    ASSERT_TRUE(Start());
    Click(Id32Bit);
    EXPECT_TRUE(Checked(Id32Bit));
    Click(IdModuleFiles);
    EXPECT_FALSE(Checked(IdModuleFiles));
    PressOk();
    EXPECT_EQ(0u, ExitCode);
    EXPECT_EQ("Assembler.File", RegString(HKEY_LOCAL_MACHINE, "Software\\Classes\\.asm", nullptr));
    EXPECT_EQ("\"" + InstallA + "\\Bin\\Quenlo.exe\" \"%1\"",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Window\\shell\\open\\command", nullptr));

    // Running again replaces the shortcuts instead of adding copies.
    ASSERT_TRUE(Start());
    Click(IdShortcut64);
    PressOk();
    EXPECT_EQ(0u, ExitCode);
    WIN32_FIND_DATAA found;
    int links = 0;
    HANDLE search = FindFirstFileA((CommonDesktop() + "\\Quenlo*.lnk").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            ++links;
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(2, links);
}

// The tests the runs in other languages and ANSI code pages take (see
// runs.cmake).
class SettingsLanguageRun : public SettingsRun {};

TEST_F(SettingsLanguageRun, ShowsTheUsersLanguage) {
    // The runs in other locales say which language they meant to choose.
    char expected[8] = {};
    if (GetEnvironmentVariableA("QN_EXPECTED_LANGUAGE", expected, sizeof expected)) {
        const LANGID language = PRIMARYLANGID(GetUserDefaultLangID());
        EXPECT_EQ(lstrcmpA(expected, "ca") == 0 ? LANG_CATALAN : LANG_SPANISH, language);
    }
    char codePage[8] = {};
    if (GetEnvironmentVariableA("QN_EXPECTED_CODE_PAGE", codePage, sizeof codePage)) {
        EXPECT_EQ((UINT)atoi(codePage), GetACP());
    }
    ASSERT_TRUE(Start());
    const wchar_t *const *texts = ExpectedTexts();
    EXPECT_EQ(Utf8(texts[TextWindowCaption]), WindowTextOf(Window));
    const struct {
        int Id, Position;
    } captions[] = {{IdFileGroup, TextFileGroup},
                    {IdProjectFiles, TextProjectFiles},
                    {IdWindowFiles, TextWindowFiles},
                    {IdModuleFiles, TextModuleFiles},
                    {IdResourceFiles, TextResourceFiles},
                    {IdShortcut32, TextShortcut32},
                    {IdShortcut64, TextShortcut64},
                    {IdAssociateGroup, TextAssociateGroup},
                    {Id32Bit, Text32Bit},
                    {Id64Bit, Text64Bit},
                    {IdOk, TextOk}};
    for (const auto &c : captions)
        EXPECT_EQ(Utf8(texts[c.Position]), WindowTextOf(Control(c.Id))) << c.Id;
    // Closing the window writes nothing and ends the program with 0.
    PostMessageA(Window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(Process));
    CloseHandle(Process);
    Process = nullptr;
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
}

TEST_F(SettingsRun, RefusesWhileTheEnvironmentRuns) {
    WNDCLASSA environmentClass = {};
    environmentClass.lpfnWndProc = DefWindowProcA;
    environmentClass.hInstance = GetModuleHandleA(nullptr);
    environmentClass.lpszClassName = "QN2RUNMDIWINDOWQuenlo";
    RegisterClassA(&environmentClass);
    HWND environment =
        CreateWindowExA(0, "QN2RUNMDIWINDOWQuenlo", "Quenlo", WS_OVERLAPPED, 0, 0, 100, 100,
                        nullptr, nullptr, environmentClass.hInstance, nullptr);
    ASSERT_NE(nullptr, environment);
    Process = StartProgram(L"\"" + SettingsExePath() + L"\"", Install.c_str());
    ASSERT_NE(nullptr, Process);
    HWND box = WaitForProcessWindow(Process, "#32770");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(Utf8(ExpectedTexts()[TextEnvironmentRunning]), MessageBoxText(box));
    EXPECT_EQ(" Settings", WindowTextOf(box));
    EXPECT_EQ(nullptr, WaitForProcessWindow(Process, "QN2RUNWINDOWSettings", 200));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, WaitForExitCode(Process));
    CloseHandle(Process);
    Process = nullptr;
    DestroyWindow(environment);
    UnregisterClassA("QN2RUNMDIWINDOWQuenlo", environmentClass.hInstance);
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, ".qnp"));
    EXPECT_FALSE(FileExists(CommonDesktop() + "\\Quenlo.lnk"));
}

// The same program in a 32-bit-only Wine prefix.
TEST_F(SettingsRun, OnAThirtyTwoBitSystem) {
    if (Is64BitSystem()) GTEST_SKIP() << "runs in the 32-bit prefix";
    ASSERT_TRUE(Start());
    EXPECT_FALSE(IsWindowVisible(Control(IdAssociateGroup)));
    EXPECT_FALSE(IsWindowVisible(Control(Id64Bit)));
    EXPECT_TRUE(Checked(Id32Bit));
    EXPECT_TRUE(IsWindowVisible(Control(IdShortcut64)));
    EXPECT_TRUE(Checked(IdShortcut64));
    PressOk();
    EXPECT_EQ(0u, ExitCode);
    EXPECT_EQ(Utf8(ExpectedTexts()[TextSaved]), Message);
    EXPECT_EQ("\"" + InstallA + "\\Bin\\Quenlo.exe\" \"%1\"",
              RegString(HKEY_CLASSES_ROOT, "Quenlo.Project\\shell\\open\\command", nullptr));
    EXPECT_EQ("Quenlo.exe", RegString(HKEY_CURRENT_USER, FileExts + ".qnp\\OpenWithList", "a"));
    EXPECT_EQ(InstallA + "\\Bin\\Quenlo64.exe",
              ReadShortcut(CommonDesktop() + "\\Quenlo 64.lnk").Path);
    EXPECT_EQ(InstallA + "\\Bin\\Quenlo.exe", ReadShortcut(CommonDesktop() + "\\Quenlo.lnk").Path);
}

} // namespace
