// The file routines on real files in a temporary folder.
#include <gtest/gtest.h>

#include "runtime/library/files.h"
#include "tests/library/text_forms.h"

namespace {

std::string ReadWholeFile(const std::wstring &path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char chunk[4096];
    DWORD read;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

// The bytes of a Latin-1 text as the text form Ch stores it in a file.
template <class Ch> std::string FileBytes(const std::string &latin1) {
    std::basic_string<Ch> text = TextOf<Ch>(latin1);
    return std::string((const char *)text.data(), text.size() * sizeof(Ch));
}

DWORD Position(HANDLE file) {
    return SetFilePointer(file, 0, nullptr, FILE_CURRENT);
}

class FileFolder {
  public:
    FileFolder() : Folder(MakeTempFolder(L"qnfiles")) {}
    ~FileFolder() { RemoveFolderTree(Folder); }
    // A new file with the given bytes, open for reading and writing at its start.
    HANDLE FileWith(const std::string &bytes) {
        std::wstring path = Folder + L"\\f" + std::to_wstring(++Count) + L".txt";
        HANDLE file = OpenFileHandleW(path.c_str(), GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
        DWORD written;
        WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        return file;
    }
    // The path of a file in the folder, in the text form Ch (temporary
    // folders have ASCII names).
    template <class Ch> std::basic_string<Ch> PathOf(const std::string &name) {
        return TextOf<Ch>(std::string(Folder.begin(), Folder.end()) + "\\" + name);
    }
    std::wstring Folder;
    int Count = 0;
};

template <class Ch> class FileRoutines : public TextForms<Ch> {
  protected:
    FileFolder Files;
};
TYPED_TEST_SUITE(FileRoutines, CharTypes);

TYPED_TEST(FileRoutines, ReadLineEndsLinesAtEveryLineEnd) {
    const struct {
        const char *Bytes;
        std::vector<std::string> Lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},     {"a\n\rb", {"a", "b"}},
        {"a\rb", {"a", "b"}},       {"a\nb", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}}, {"a\n\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},           {"a\r", {"a"}},
        {"\r\n\r\n", {"", ""}},     {"", {}},
        {"x\xE9y", {"x\xE9y"}},
    };
    for (const auto &c : cases) {
        HANDLE file = this->Files.FileWith(FileBytes<TypeParam>(c.Bytes));
        TypeParam buffer[16];
        for (const std::string &line : c.Lines) {
            EXPECT_EQ(0, IsEndOfFile(file));
            EXPECT_EQ(1, ReadLine(file, buffer)) << testing::PrintToString(c.Bytes);
            EXPECT_EQ(TextOf<TypeParam>(line), buffer) << testing::PrintToString(c.Bytes);
        }
        EXPECT_EQ(1, IsEndOfFile(file));
        EXPECT_EQ(0, ReadLine(file, buffer)) << testing::PrintToString(c.Bytes);
        EXPECT_EQ(TextOf<TypeParam>(""), buffer);
        CloseHandle(file);
    }
    // A handle that is no file is an error, not the end of a file.
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    for (HANDLE none : {INVALID_HANDLE_VALUE, (HANDLE) nullptr, event}) {
        TypeParam buffer[4] = {'x', 0};
        EXPECT_EQ(-1, ReadLine(none, buffer)) << none;
        EXPECT_EQ(TextOf<TypeParam>(""), buffer);
        EXPECT_EQ(-1, ReadLine(none, nullptr)) << none;
    }
    CloseHandle(event);
}

TYPED_TEST(FileRoutines, SizeQueryLeavesThePosition) {
    HANDLE file = this->Files.FileWith(FileBytes<TypeParam>("abc\r\nxy"));
    TypeParam buffer[8];
    EXPECT_EQ(4 * (int)sizeof(TypeParam), ReadLine(file, nullptr));
    EXPECT_EQ(0u, Position(file));
    EXPECT_EQ(1, ReadLine(file, buffer));
    EXPECT_EQ(3 * (int)sizeof(TypeParam), ReadLine(file, nullptr));
    EXPECT_EQ(5 * sizeof(TypeParam), Position(file));
    CloseHandle(file);
}

TEST(ReadLine, DecodesUtf8AfterItsMark) {
    FileFolder files;
    // x é CR LF € CR, then a broken sequence: C3 followed by A.
    HANDLE file = files.FileWith("\xEF\xBB\xBFx\xC3\xA9\r\n\xE2\x82\xAC\r\xC3"
                                 "A");
    EXPECT_EQ(6, ReadLineW(file, nullptr)); // two characters and the terminator
    EXPECT_EQ(0u, Position(file));
    wchar_t wide[8];
    const wchar_t *lines[] = {L"x\u00E9", L"\u20AC", L"\uFFFFA"};
    for (const wchar_t *line : lines) {
        EXPECT_EQ(1, ReadLineW(file, wide));
        EXPECT_STREQ(line, wide);
    }
    EXPECT_EQ(0, ReadLineW(file, wide));

    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char narrow[8];
    EXPECT_EQ(1, ReadLineA(file, narrow));
    EXPECT_STREQ("x\xE9", narrow); // the low byte of each character
    CloseHandle(file);

    file = files.FileWith(std::string("a\0b", 3));
    EXPECT_EQ(-1, ReadLineA(file, narrow)); // a zero character is an error
    CloseHandle(file);

    // A long single line is read whole, not cut at half the file's size;
    // DEL, the highest one-byte character, stays itself.
    file = files.FileWith("\xEF\xBB\xBFhello\x7F w\xC3\xB6rld");
    wchar_t line[32];
    EXPECT_EQ(1, ReadLineW(file, line));
    EXPECT_STREQ(L"hello\x007F w\u00F6rld", line);
    CloseHandle(file);

    // A byte that cannot start a sequence is one unknown character.
    file = files.FileWith("\xEF\xBB\xBF\x80z");
    EXPECT_EQ(1, ReadLineW(file, line));
    EXPECT_STREQ(L"\uFFFFz", line);
    CloseHandle(file);

    // Without the mark a wide read keeps every bit of its 16-bit characters.
    file = files.FileWith(std::string("\xAC\x20\x01\x04\r\0", 6));
    EXPECT_EQ(1, ReadLineW(file, line));
    EXPECT_STREQ(L"\u20AC\u0401", line);
    CloseHandle(file);
}

TYPED_TEST(FileRoutines, WriteLineCompletesTheLineEnd) {
    const struct {
        const char *Text, *Written, *TextAfter;
    } cases[] = {
        {"x\r", "x\r\n", "x\r"},     {"x\n", "x\n\r\n", "x\n"},   {"x", "x\r\n", "x"},
        {"x\r\n", "x\r\n", "x\r\n"}, {"x\n\r", "x\n\r", "x\n\r"}, {"x\r\r", "x\r\r\n", "x\r\r"},
        {"\r", "\r\n", ""},          {"\n", "\r\n", ""},          {"", "\r\n", ""},
    };
    std::basic_string<TypeParam> path = this->Files.template PathOf<TypeParam>("line.txt");
    for (const auto &c : cases) {
        HANDLE file = OpenFileHandle(path.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
        TypeParam text[8];
        std::basic_string<TypeParam> given = TextOf<TypeParam>(c.Text);
        std::copy(given.c_str(), given.c_str() + given.size() + 1, text);
        EXPECT_EQ(1, WriteLine(file, text));
        CloseHandle(file);
        EXPECT_EQ(FileBytes<TypeParam>(c.Written),
                  ReadWholeFile(TextOf<wchar_t>(std::string(path.begin(), path.end()))))
            << testing::PrintToString(c.Text);
        EXPECT_EQ(TextOf<TypeParam>(c.TextAfter), text);
    }
    HANDLE readOnly = OpenFileHandle(path.c_str(), GENERIC_READ, OPEN_EXISTING);
    TypeParam x[2] = {'x', 0};
    EXPECT_EQ(0, WriteLine(readOnly, x));
    CloseHandle(readOnly);
}

TYPED_TEST(FileRoutines, OpenFileHandleSharesWhatItAsksFor) {
    CloseHandle(this->Files.FileWith(""));
    std::basic_string<TypeParam> path = this->Files.template PathOf<TypeParam>("f1.txt");
    std::wstring widePath = this->Files.Folder + L"\\f1.txt";
    auto opens = [&](DWORD access) {
        HANDLE other = CreateFileW(widePath.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        return other != INVALID_HANDLE_VALUE;
    };
    const struct {
        DWORD Access;
        bool OthersRead, OthersWrite;
    } cases[] = {{GENERIC_READ, true, false},
                 {GENERIC_WRITE, false, true},
                 {GENERIC_READ | GENERIC_WRITE, true, true}};
    for (const auto &c : cases) {
        HANDLE file = OpenFileHandle(path.c_str(), c.Access, OPEN_EXISTING);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        EXPECT_EQ(c.OthersRead, opens(GENERIC_READ)) << c.Access;
        EXPECT_EQ(c.OthersWrite, opens(GENERIC_WRITE)) << c.Access;
        CloseHandle(file);
    }
    std::basic_string<TypeParam> missing = this->Files.template PathOf<TypeParam>("none.txt");
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenFileHandle(missing.c_str(), GENERIC_READ, OPEN_EXISTING));
}

TYPED_TEST(FileRoutines, PathExistsUnquotesAndTestsDriveRoots) {
    CloseHandle(this->Files.FileWith("x"));
    std::string folder(this->Files.Folder.begin(), this->Files.Folder.end());
    std::string file = folder + "\\f1.txt";
    // The first folder of the path, on the drive's root.
    std::string top = folder.substr(0, folder.find('\\', 3));
    const struct {
        std::string Path;
        int Result;
    } cases[] = {
        {file, 1},
        {folder, 1},
        {"\"" + file + "\"", 1},
        {"\"" + file, 1},
        {"\"" + file + "\" /x", 1},
        {file + "x", -1},
        {"\"" + file + "x\"", -1},
        {"\"\"", -1},
        // A separator at the end asks for a folder.
        {folder + "\\", 1},
        {folder + "/", 1},
        {"\"" + folder + "\\\"", 1},
        {file + "\\", -1},
        // Wildcards match names; they name no path of their own.
        {folder + "\\*", -1},
        {folder + "\\*.txt", -1},
        {folder + "\\f1.tx?", -1},
        {folder + "\\f1<", -1},
        {"\\\\?\\" + file, 1}, // the prefix is no wildcard
        // . and .. are resolved, also to a drive root.
        {top + "\\..", 1},
        {folder + "\\..", 1},
        {folder + "\\.", 1},
        {folder.substr(0, 2), 1}, // the drive's current folder
        {folder + "\\..\\" + folder.substr(folder.rfind('\\') + 1) + "\\f1.txt", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.Result, PathExists(TextOf<TypeParam>(c.Path).c_str())) << c.Path;
    const void *root = sizeof(TypeParam) == 1 ? (const void *)"C:\\" : (const void *)L"C:\\";
    EXPECT_EQ(1, PathExists(root));
    EXPECT_EQ(-1, PathExists(TextOf<TypeParam>("Q:\\").c_str()));
    EXPECT_EQ(-1, PathExists(nullptr));
}

TEST(WriteBinFile, DumpsAtMostOneMebibyteBesideTheExecutable) {
    std::wstring bin = TestProgramPath(L"library_tests.bin");
    DeleteFileW(bin.c_str());
    std::string data(2000000, 0);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (char)(i * 7 + i / 251);
    EXPECT_EQ(-1, WriteBinFile(data.data(), 0));
    EXPECT_EQ(-1, WriteBinFile(nullptr, 10));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(bin.c_str()));
    EXPECT_EQ(1048576, WriteBinFile(data.data(), 2000000));
    std::string written = ReadWholeFile(bin);
    EXPECT_EQ(1048576u, written.size());
    EXPECT_TRUE(written == data.substr(0, 1048576));
    {
        TextFormScope wide(1);
        EXPECT_EQ(5, WriteBinFile("hello", 5));
    }
    EXPECT_EQ("hello", ReadWholeFile(bin));
    DeleteFileW(bin.c_str());
}

TEST(WriteBinFile, DotInAFolderNameDoesNotCutThePath) {
    FileFolder files;
    std::wstring tools = files.Folder + L"\\My.Tools";
    ASSERT_TRUE(CreateDirectoryW(tools.c_str(), nullptr));
    std::wstring probe = tools + L"\\bin_probe.exe";
    ASSERT_TRUE(CopyFileW(TestProgramPath(L"bin_probe.exe").c_str(), probe.c_str(), FALSE));
    for (const wchar_t *form : {L"", L" w"}) {
        DeleteFileW((tools + L"\\bin_probe.bin").c_str());
        EXPECT_EQ(16u, RunProgram(L"\"" + probe + L"\"" + form));
        EXPECT_EQ(std::string("0123456789abcde", 16), ReadWholeFile(tools + L"\\bin_probe.bin"));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
                  GetFileAttributesW((files.Folder + L"\\My.bin").c_str()));
    }
}

} // namespace
