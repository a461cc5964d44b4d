// Bounded conversions between the two text forms: a text too long for the
// buffer keeps its longest prefix of whole characters, and a buffer of one
// character still ends up as an empty, terminated text.
#include <gtest/gtest.h>
#include <string.h>

#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

namespace {

// UTF-8 as the conversion code page, so that one character can take two bytes.
class TextFormTest : public testing::Test {
  protected:
    void SetUp() override {
        SavedCodePage = CodePage;
        SavedUnicode = UnicodeFlag;
        CodePage = CP_UTF8;
    }
    void TearDown() override {
        CodePage = SavedCodePage;
        UnicodeFlag = SavedUnicode;
    }

  private:
    UINT SavedCodePage;
    int SavedUnicode;
};

TEST_F(TextFormTest, TooLongTextsKeepTheWholeCharactersThatFit) {
    char ansi[8];
    memset(ansi, 'x', sizeof ansi);
    EXPECT_EQ(3, WideToAnsiBounded(L"a\u00e9\u00e9\u00e9", ansi, 4));
    EXPECT_STREQ("a\xc3\xa9", ansi) << "the next two-byte character does not fit";
    EXPECT_EQ(1, WideToAnsiBounded(L"a\u00e9", ansi, 3));
    EXPECT_STREQ("a", ansi);
    EXPECT_EQ(0, WideToAnsiBounded(L"\u00e9", ansi, 2));
    EXPECT_STREQ("", ansi);

    wchar_t wide[8];
    wmemset(wide, L'x', 8);
    EXPECT_EQ(3, AnsiToWideBounded("a\xc3\xa9"
                                   "bcd",
                                   wide, 4));
    EXPECT_STREQ(L"a\u00e9b", wide) << "two bytes made one character";
    EXPECT_EQ(5, AnsiToWideBounded("a\xc3\xa9"
                                   "bcd",
                                   wide, 8));
    EXPECT_STREQ(L"a\u00e9bcd", wide);
}

TEST_F(TextFormTest, OneCharacterBuffersHoldTheEmptyText) {
    char ansi[1] = {'x'};
    EXPECT_EQ(0, WideToAnsiBounded(L"abc", ansi, 1));
    EXPECT_EQ(0, ansi[0]);
    wchar_t wide[1] = {L'x'};
    EXPECT_EQ(0, AnsiToWideBounded("abc", wide, 1));
    EXPECT_EQ(0, wide[0]);
    EXPECT_EQ(0, AnsiToWideBounded("abc", nullptr, 4));
    // No text empties the buffer.
    wchar_t held[4] = L"old";
    EXPECT_EQ(0, AnsiToWideBounded(nullptr, held, 4));
    EXPECT_EQ(0, held[0]);
    char kept[4] = "old";
    EXPECT_EQ(0, WideToAnsiBounded(nullptr, kept, 4));
    EXPECT_EQ(0, kept[0]);
}

TEST_F(TextFormTest, WholeConversionsFitOrLeaveNothing) {
    char ansi[4];
    EXPECT_EQ(3, WideToAnsiWhole(L"a\u00e9", ansi, 4));
    EXPECT_STREQ("a\xc3\xa9", ansi);
    EXPECT_EQ(-1, WideToAnsiWhole(L"a\u00e9", ansi, 3));
    EXPECT_STREQ("", ansi) << "no prefix is kept";
    EXPECT_EQ(-1, WideToAnsiWhole(L"a", nullptr, 4));
    wchar_t wide[4] = L"old";
    EXPECT_EQ(0, AnsiToWideWhole(nullptr, wide, 4));
    EXPECT_STREQ(L"", wide) << "no text is the empty text";
    EXPECT_EQ(3, AnsiToWideWhole("a\xc3\xa9"
                                 "b",
                                 wide, 4));
    EXPECT_STREQ(L"a\u00e9b", wide);
    EXPECT_EQ(-1, AnsiToWideWhole("abcd", wide, 4));
    EXPECT_STREQ(L"", wide);
    EXPECT_EQ(-1, AnsiToWideWhole("", wide, 0));
    wchar_t one = L'x';
    EXPECT_EQ(0, AnsiToWideWhole("", &one, 1)) << "one character holds the empty text";
    EXPECT_EQ(0, one);
}

TEST_F(TextFormTest, ASourceCutToItsFirstBytesKeepsTheCharactersTheyMake) {
    wchar_t wide[8];
    EXPECT_EQ(2, AnsiToWideBounded("a\xc3\xa9"
                                   "bcd",
                                   3, wide, 8));
    EXPECT_STREQ(L"a\u00e9", wide) << "three bytes make two characters";
    EXPECT_EQ(4, AnsiToWideBounded("abcd", 10, wide, 8)) << "a shorter text whole";
    EXPECT_EQ(3, AnsiToWideBounded("abcdef", 10, wide, 4)) << "and cut to the buffer";
    EXPECT_STREQ(L"abc", wide);
    EXPECT_EQ(0, AnsiToWideBounded(nullptr, 10, wide, 8));
    EXPECT_STREQ(L"", wide);
    EXPECT_EQ(0, AnsiToWideBounded("abc", 10, nullptr, 8));
}

TEST_F(TextFormTest, LiteralsConvertToTheActiveFormAndReportTheirLength) {
    char buffer[16];
    UnicodeFlag = 0;
    EXPECT_EQ(5, ConvertLiteral(L"Caf\u00e9", buffer, sizeof buffer)) << "in bytes";
    EXPECT_STREQ("Caf\xc3\xa9", buffer);
    UnicodeFlag = 1;
    EXPECT_EQ(4, ConvertLiteral(L"Caf\u00e9", buffer, sizeof buffer));
    EXPECT_STREQ(L"Caf\u00e9", (const wchar_t *)buffer);
    EXPECT_EQ(3, ConvertLiteral(L"Caf\u00e9", buffer, 8)) << "four wide characters hold three";
    EXPECT_STREQ(L"Caf", (const wchar_t *)buffer);
    // The smallest buffer still gets a terminated text: one 8-bit character,
    // or the empty wide text.
    wchar_t smallest = L'x';
    EXPECT_EQ(0, ConvertLiteral(L"Caf", &smallest, sizeof smallest));
    EXPECT_EQ(0, smallest);
    UnicodeFlag = 0;
    char two[2] = {'x', 'x'};
    EXPECT_EQ(1, ConvertLiteral(L"Caf", two, sizeof two));
    EXPECT_STREQ("C", two);
}

TEST_F(TextFormTest, EmptyTextsInEitherForm) {
    for (int unicode = 0; unicode < 2; ++unicode) {
        UnicodeFlag = unicode;
        EXPECT_TRUE(IsEmptyTextAW(nullptr));
        EXPECT_TRUE(IsEmptyTextAW(unicode ? (const void *)L"" : ""));
        EXPECT_FALSE(IsEmptyTextAW(unicode ? (const void *)L"A" : "A")) << "unicode " << unicode;
    }
}

} // namespace
