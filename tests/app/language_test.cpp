// The language tables: the resources, their parsing and the choice of table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/settings.h"
#include "tests/app/language_texts.h"

namespace {

struct Table {
    int Resource;
    const char *File;
    const wchar_t *const *Texts;
};
const Table Tables[] = {{101, "language_catalan.txt", Catalan},
                        {102, "language_english.txt", English},
                        {103, "language_spanish.txt", Spanish}};

std::string ResourceBytes(int resource) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(256));
    if (!found) return std::string();
    HGLOBAL loaded = LoadResource(nullptr, found);
    return std::string((const char *)LockResource(loaded), SizeofResource(nullptr, found));
}

std::string SourceFile(const char *name) {
    std::ifstream in(std::string("Z:") + QN_SOURCE_DIR + "/app/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Collect(void *list, const char *text) {
    ((std::vector<std::string> *)list)->push_back(text);
}

std::vector<std::string> Parse(const std::string &table) {
    std::vector<std::string> texts;
    ParseLanguageTable((const unsigned char *)table.c_str(), Collect, &texts);
    return texts;
}

TEST(LanguageTables, ResourcesAreTheCommittedFiles) {
    for (const Table &t : Tables) {
        std::string file = SourceFile(t.File);
        ASSERT_FALSE(file.empty()) << t.File;
        EXPECT_EQ(file, ResourceBytes(t.Resource)) << t.File;
        // Windows-1252, CR LF after every line, the last one too.
        EXPECT_EQ("\r\n", file.substr(file.size() - 2));
        EXPECT_EQ((size_t)LanguageTexts, (size_t)std::count(file.begin(), file.end(), '\n'));
        EXPECT_EQ((size_t)LanguageTexts, (size_t)std::count(file.begin(), file.end(), '\r'));
    }
    // The accented letters are single Windows-1252 bytes.
    EXPECT_NE(std::string::npos, ResourceBytes(101).find("inst\xe0ncia"));
    EXPECT_NE(std::string::npos, ResourceBytes(103).find("ci\xe9rrela"));
}

TEST(LanguageTables, EachParsesToItsTexts) {
    for (const Table &t : Tables) {
        std::vector<std::string> texts = Parse(ResourceBytes(t.Resource));
        ASSERT_EQ((size_t)LanguageTexts, texts.size()) << t.File;
        for (int i = 0; i < LanguageTexts; ++i)
            EXPECT_EQ(Cp1252(t.Texts[i]), texts[i]) << t.File << " position " << i;
    }
    EXPECT_EQ(" Quenlo 2 Settings", Parse(ResourceBytes(102))[9]) << "the leading space stays";
}

TEST(LanguageTables, EscapesAreTranslated) {
    struct Case {
        std::string Line, Text;
    } cases[] = {
        {"1=a\\tb", "a\tb"},
        {"1=a\\qb", "a\\qb"},
        {"1=a\\0b", "a"},
        {"1=\\n\\r\\\\\\'\\\"\\?\\b\\a\\f\\v", std::string("\n\r\\'\"?\b\a\f\v")},
        {"1=ends with \\", "ends with \\"},
        {"1=x=y", "x=y"},
        {"no equals sign", ""},
        {"1\\0=hidden", ""},
        {"=", ""},
    };
    for (const Case &c : cases) {
        std::vector<std::string> texts = Parse(c.Line + "\r\n2=next\r\n");
        ASSERT_EQ(2u, texts.size()) << c.Line;
        EXPECT_EQ(c.Text, texts[0]) << c.Line;
        EXPECT_EQ("next", texts[1]) << c.Line;
    }
}

TEST(LanguageTables, LineEndsAndBlankLinesTakeNoPosition) {
    std::vector<std::string> texts =
        Parse("1=a\r\n\r\n\r\n2=b\n3=c\r4=d\n\t\t5= e\r\n   6=f\r\n7=g");
    ASSERT_EQ(7u, texts.size());
    EXPECT_EQ("a", texts[0]);
    EXPECT_EQ("b", texts[1]);
    EXPECT_EQ("c", texts[2]);
    EXPECT_EQ("d", texts[3]);
    EXPECT_EQ(" e", texts[4]) << "tabs before a line are skipped, blanks after = are kept";
    EXPECT_EQ("f", texts[5]) << "a blank starts a line of its own";
    EXPECT_EQ("g", texts[6]);
    EXPECT_TRUE(Parse("").empty());
    // Line ends at the very start end an empty first line, and only that.
    EXPECT_EQ(std::vector<std::string>{""}, Parse("\r\n\r\n"));
}

TEST(LanguageTables, LongLinesAreCutAt259Characters) {
    std::string line = "10000=" + std::string(300, 'x');
    std::vector<std::string> texts = Parse(line + "\r\n10001=after\r\n");
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(std::string(259, 'x'), texts[0]);
    EXPECT_EQ("after", texts[1]);
    // A key so long that its "=" is far in still gives its text.
    std::vector<std::string> distant = Parse(std::string(5000, '9') + "=text\r\n");
    ASSERT_EQ(1u, distant.size());
    EXPECT_EQ("text", distant[0]);
}

TEST(LanguageChoice, PrimaryLanguageChoosesTheTable) {
    EXPECT_EQ(101, LanguageTableFor(MAKELANGID(LANG_CATALAN, SUBLANG_CATALAN_CATALAN)));
    EXPECT_EQ(101, LanguageTableFor(MAKELANGID(LANG_CATALAN, SUBLANG_NEUTRAL)));
    EXPECT_EQ(103, LanguageTableFor(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH)));
    EXPECT_EQ(103, LanguageTableFor(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN)));
    EXPECT_EQ(103, LanguageTableFor(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)));
    EXPECT_EQ(103, LanguageTableFor(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_ARGENTINA)));
    EXPECT_EQ(102, LanguageTableFor(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
    EXPECT_EQ(102, LanguageTableFor(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)));
    EXPECT_EQ(102, LanguageTableFor(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)));
    EXPECT_EQ(102, LanguageTableFor(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)));
    EXPECT_EQ(102, LanguageTableFor(MAKELANGID(LANG_BASQUE, SUBLANG_DEFAULT)));
    EXPECT_EQ(LanguageTableFor(GetUserDefaultLangID()), ChooseLanguageTable());
}

// The TextList: a hidden list box that keeps the texts in file order.
class TextListTest : public testing::Test {
  protected:
    void SetUp() override {
        Parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
        ASSERT_TRUE(CreateTextList(Parent));
    }
    void TearDown() override {
        DestroyWindow(TextList);
        TextList = nullptr;
        DestroyWindow(Parent);
    }
    HWND Parent = nullptr;
};

TEST_F(TextListTest, IsAHiddenUnsortedListBox) {
    char name[32] = {};
    GetClassNameA(TextList, name, sizeof name);
    EXPECT_STREQ("ListBox", name);
    EXPECT_EQ((LONG)WS_CHILD, GetWindowLongA(TextList, GWL_STYLE));
    EXPECT_EQ(0, GetWindowLongA(TextList, GWL_EXSTYLE));
    EXPECT_EQ(Parent, GetParent(TextList));
    EXPECT_EQ(0, GetDlgCtrlID(TextList));
    RECT at;
    GetWindowRect(TextList, &at);
    EXPECT_EQ(0, at.right - at.left);
}

TEST_F(TextListTest, LoadsATableAndFetchesByPosition) {
    EXPECT_EQ(1, LoadLanguageTable(102));
    EXPECT_EQ(LanguageTexts, SendMessageA(TextList, LB_GETCOUNT, 0, 0));
    wchar_t buffer[TextChars];
    GetLanguageText(TextSaved, buffer);
    EXPECT_STREQ(L"Quenlo settings successfully saved.", buffer);
    GetLanguageText(TextShortcut32, buffer);
    EXPECT_STREQ(L"&Add a shortcut of the 32-bit executable to the desktop", buffer);
    wmemset(buffer, L'x', TextChars);
    GetLanguageText(LanguageTexts, buffer);
    EXPECT_EQ(0, buffer[0]);
    wmemset(buffer, L'x', TextChars);
    GetLanguageText(-1, buffer);
    EXPECT_EQ(0, buffer[0]);
    // Without a list, as after the window's release, every text is empty.
    const HWND list = TextList;
    TextList = nullptr;
    wmemset(buffer, L'x', TextChars);
    GetLanguageText(TextSaved, buffer);
    TextList = list;
    EXPECT_EQ(0, buffer[0]);
}

// The tables are Windows-1252 whatever the system's ANSI code page: every
// accented letter arrives as the letter it is (the runs in other code pages
// are what this is for).
TEST_F(TextListTest, TextsAreTheLettersOfTheTableInAnyCodePage) {
    for (const Table &t : Tables) {
        SendMessageA(TextList, LB_RESETCONTENT, 0, 0);
        ASSERT_EQ(1, LoadLanguageTable(t.Resource));
        wchar_t buffer[TextChars];
        for (int i = 0; i < LanguageTexts; ++i) {
            GetLanguageText(i, buffer);
            EXPECT_STREQ(t.Texts[i], buffer) << t.File << " position " << i;
        }
    }
}

TEST_F(TextListTest, AMissingTableLeavesTheListEmpty) {
    EXPECT_EQ(0, LoadLanguageTable(104));
    EXPECT_EQ(0, SendMessageA(TextList, LB_GETCOUNT, 0, 0));
    wchar_t buffer[TextChars] = L"unchanged";
    GetLanguageText(0, buffer);
    EXPECT_STREQ(L"", buffer);
}

TEST_F(TextListTest, AnExtraLineIsLoadedAndUnused) {
    std::string table = ResourceBytes(102) + "10019=Extra\r\n";
    ParseLanguageTable((const unsigned char *)table.c_str(),
                       [](void *list, const char *text) {
                           SendMessageA((HWND)list, LB_ADDSTRING, 0, (LPARAM)text);
                       },
                       TextList);
    EXPECT_EQ(LanguageTexts + 1, SendMessageA(TextList, LB_GETCOUNT, 0, 0));
    wchar_t buffer[TextChars];
    GetLanguageText(LanguageTexts, buffer);
    EXPECT_STREQ(L"Extra", buffer);
    GetLanguageText(TextNotInstalled, buffer);
    EXPECT_STREQ(English[TextNotInstalled], buffer);
}

} // namespace
