// The string routines through their entries, in both text forms.
#include <gtest/gtest.h>
#include <climits>
#include <cstring>

#include "runtime/library/strings.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "tests/library/text_forms.h"

namespace {

template <class Ch> class StringRoutines : public TextForms<Ch> {};
TYPED_TEST_SUITE(StringRoutines, CharTypes);

template <class Ch> void Put(Ch *buffer, const std::string &latin1) {
    std::basic_string<Ch> text = TextOf<Ch>(latin1);
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
}

TYPED_TEST(StringRoutines, FindCharAndFindLastChar) {
    auto t = TextOf<TypeParam>;
    EXPECT_EQ(1, FindChar(t("a.b.c").c_str(), '.'));
    EXPECT_EQ(3, FindLastChar(t("a.b.c").c_str(), '.'));
    EXPECT_EQ(-1, FindChar(t("abc").c_str(), '.'));
    EXPECT_EQ(-1, FindLastChar(t("abc").c_str(), '.'));
    EXPECT_EQ(3, FindChar(t("abc").c_str(), 0));
    EXPECT_EQ(-1, FindLastChar(t("abc").c_str(), 0));
}

TYPED_TEST(StringRoutines, AppendCharAndPathItem) {
    TypeParam buffer[32];
    Put(buffer, "ab");
    EXPECT_EQ(buffer + 3, AppendChar(buffer, 'c'));
    EXPECT_EQ(TextOf<TypeParam>("abc"), buffer);
    EXPECT_EQ(buffer + 3, AppendChar(buffer, 0));
    EXPECT_EQ(TextOf<TypeParam>("abc"), buffer);

    struct Case {
        const char *Path, *Item, *Result;
        int ItemAt;
    } cases[] = {
        {"C:\\a", "b", "C:\\a\\b", 5},
        {"C:\\a\\", "b", "C:\\a\\b", 5},
        {"", "b", "b", 0},
        {"C:\\a", nullptr, "C:\\a\\", 5},
    };
    for (const Case &c : cases) {
        Put(buffer, c.Path);
        std::basic_string<TypeParam> item = TextOf<TypeParam>(c.Item ? c.Item : "");
        void *at = AppendPathItem(buffer, c.Item ? item.c_str() : nullptr);
        EXPECT_EQ(TextOf<TypeParam>(c.Result), buffer) << c.Path;
        EXPECT_EQ((void *)(buffer + c.ItemAt), at) << c.Path;
    }
}

TYPED_TEST(StringRoutines, SearchTextRules) {
    struct Case {
        const char *Text, *Pattern;
        int Flags, Result;
    } cases[] = {
        {"Concatenate", "cat", 0, 3},
        {"Concatenate", "cat", SearchMatchCase, 3},
        {"Concatenate", "cat", SearchWholeWord, -1},
        {"Concatenate", "Cat", SearchMatchCase, -1},
        {"Concatenate", "CAT", 4, 3}, // unknown flags count as 0
        {"Concatenate", "CAT", -1, 3},
        {"a\rb", "b", 0, -1},      // only the first line is searched
        {"cat", "cat\rdog", 0, 0}, // the pattern ends at its CR too
        {"bobcat cat", "cat", SearchWholeWord, 7},
        {"cat,dog", "CAT", SearchWholeWord, 0},
        {"x[", "x{", 0, -1}, // only A-Z fold
        {"ab", "abc", 0, -1},
        {"", "a", 0, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.Result, SearchText(TextOf<TypeParam>(c.Text).c_str(),
                                       TextOf<TypeParam>(c.Pattern).c_str(), c.Flags))
            << c.Text << " / " << c.Pattern << " / " << c.Flags;
}

TEST(SearchText, WideFormCountsLatinLettersAsLetters) {
    EXPECT_EQ(-1, SearchTextW(L"\u00E9cat", L"cat", SearchWholeWord));
    EXPECT_EQ(-1, SearchTextW(L"cat\u00C0", L"cat", SearchWholeWord));
    EXPECT_EQ(-1, SearchTextW(L"\u00F7cat", L"cat", SearchWholeWord));
    EXPECT_EQ(1, SearchTextW(L"\u00DFcat\u00FF", L"cat", SearchWholeWord)); // outside the ranges
    EXPECT_EQ(1, SearchTextA("\xE9"
                             "cat",
                             "cat", SearchWholeWord));
}

TYPED_TEST(StringRoutines, CuttingAndKeeping) {
    enum Routine { Truncate, Right, Middle };
    struct Case {
        Routine Which;
        const char *Text;
        int A, B, Result;
        const char *After;
    } cases[] = {
        {Truncate, "abc", 3, 0, 1, "abc"},      {Truncate, "abc", 4, 0, 0, "abc"},
        {Truncate, "abc", 0, 0, 1, ""},         {Truncate, "abc", -1, 0, 0, "abc"},
        {Right, "abcdef", 2, 0, 1, "ef"},       {Right, "abcdef", 7, 0, 0, "abcdef"},
        {Right, "abcdef", 6, 0, 1, "abcdef"},   {Right, "abcdef", -1, 0, 0, "abcdef"},
        {Middle, "abcdef", 1, 2, 1, "bc"},      {Middle, "abcdef", 4, 5, 1, "ef"},
        {Middle, "abcdef", 2, 0, 1, ""},        {Middle, "abcdef", -1, 2, 0, "abcdef"},
        {Middle, "abcdef", 6, 1, 0, "abcdef"},  {Middle, "abcdef", 0, 6, 0, "abcdef"},
        {Middle, "abcdef", 0, -1, 0, "abcdef"},
    };
    for (const Case &c : cases) {
        TypeParam buffer[16];
        Put(buffer, c.Text);
        int result = c.Which == Truncate ? TruncateString(buffer, c.A)
                     : c.Which == Right  ? KeepRight(buffer, c.A)
                                         : KeepMiddle(buffer, c.A, c.B);
        EXPECT_EQ(c.Result, result) << c.Which << " " << c.Text << " " << c.A << " " << c.B;
        EXPECT_EQ(TextOf<TypeParam>(c.After), buffer) << c.Which << " " << c.A << " " << c.B;
    }
}

TYPED_TEST(StringRoutines, TrimmingAndMeasuring) {
    TypeParam buffer[16];
    Put(buffer, "\t  x");
    EXPECT_EQ(1, TrimLeft(buffer));
    EXPECT_EQ(TextOf<TypeParam>("x"), buffer);
    Put(buffer, "x \t");
    EXPECT_EQ(1, TrimRight(buffer));
    Put(buffer, " a b\t");
    EXPECT_EQ(3, Trim(buffer));
    EXPECT_EQ(TextOf<TypeParam>("a b"), buffer);
    EXPECT_EQ(3, StringLength(buffer));
    EXPECT_EQ(sizeof(TypeParam) == 2, IsUnicode());
}

TYPED_TEST(StringRoutines, NumberToStringInEveryBase) {
    struct Case {
        int32_t Value;
        int Base;
        const char *Text;
    } cases[] = {
        {5, BaseBinary, "101B"},
        {0, BaseBinary, "0B"},
        {-1, BaseBinary, "11111111111111111111111111111111B"},
        {255, BaseHexadecimal, "FFH"},
        {-1, BaseHexadecimal, "FFFFFFFFH"},
        {8, BaseOctal, "10O"},
        {0, BaseOctal, "0O"},
        {-1, BaseOctal, "37777777777O"},
        {-1, BaseDecimal, "-1"},
        {INT_MIN, BaseDecimal, "-2147483648"},
        {123, 7, "123"},
    };
    for (const Case &c : cases) {
        TypeParam buffer[40];
        std::fill(buffer, buffer + 40, (TypeParam)'#');
        int length = NumberToString(c.Value, buffer, c.Base);
        EXPECT_EQ(TextOf<TypeParam>(c.Text), buffer) << c.Value << " base " << c.Base;
        EXPECT_EQ((int)strlen(c.Text), length);
        EXPECT_EQ((TypeParam)'#', buffer[length + 1]);
    }
}

TYPED_TEST(StringRoutines, StringToNumberInEveryBase) {
    struct Case {
        std::string Text;
        int32_t Value;
    } cases[] = {
        {"101B", 5},
        {"101y", 5},
        {"1FH", 31},
        {"ffh", 255},
        {"17O", 15},
        {"17q", 15},
        {"-42", -42},
        {"0x1F", 31},
        {"0X1f", 31},
        {"12B", 1},
        {"  +12", 12},
        {"\t7", 7},
        {"", 0},
        {"12abc", 12},
        {"-1FH", -31},
        {"+101B", 5},
        {"0x", 0},
        {"4294967297", 1}, // wraps around at 32 bits
        // Longer than the shared buffer: the suffix at the end still chooses.
        {std::string(300, '0') + "1FH", 31},
        {std::string(258, '0') + "AH", 10},
        {std::string(300, '1') + "B", -1},
        {std::string(260, '7') + "q", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.Value, StringToNumber(TextOf<TypeParam>(c.Text).c_str())) << c.Text;
}

TYPED_TEST(StringRoutines, NullTextsGiveTheFailureValue) {
    using Ch = TypeParam;
    static Ch text[8];
    Put(text, "abc");
    const struct {
        const char *Routine;
        intptr_t (*Call)();
        intptr_t Failure;
    } cases[] = {
        {"FindChar", [] { return (intptr_t)FindChar(nullptr, 'a'); }, -1},
        {"FindChar of 0", [] { return (intptr_t)FindChar(nullptr, 0); }, -1},
        {"FindLastChar", [] { return (intptr_t)FindLastChar(nullptr, 'a'); }, -1},
        {"SearchText in none", [] { return (intptr_t)SearchText(nullptr, text, 0); }, -1},
        {"SearchText of none", [] { return (intptr_t)SearchText(text, nullptr, 0); }, -1},
        {"TrimLeft", [] { return (intptr_t)TrimLeft(nullptr); }, 0},
        {"TrimRight", [] { return (intptr_t)TrimRight(nullptr); }, 0},
        {"Trim", [] { return (intptr_t)Trim(nullptr); }, 0},
        {"TruncateString", [] { return (intptr_t)TruncateString(nullptr, 0); }, 0},
        {"KeepRight", [] { return (intptr_t)KeepRight(nullptr, 0); }, 0},
        {"KeepMiddle", [] { return (intptr_t)KeepMiddle(nullptr, 0, 0); }, 0},
        {"StringToNumber", [] { return (intptr_t)StringToNumber(nullptr); }, 0},
        {"NumberToString binary", [] { return (intptr_t)NumberToString(5, nullptr, 0); }, 0},
        {"NumberToString decimal", [] { return (intptr_t)NumberToString(5, nullptr, 1); }, 0},
        {"NumberToString hex", [] { return (intptr_t)NumberToString(5, nullptr, 2); }, 0},
        {"NumberToString octal", [] { return (intptr_t)NumberToString(5, nullptr, 3); }, 0},
        {"AppendPathItem", [] { return (intptr_t)AppendPathItem(nullptr, text); }, 0},
        {"AppendChar", [] { return (intptr_t)AppendChar(nullptr, 'x'); }, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.Failure, c.Call()) << c.Routine;
    EXPECT_EQ(TextOf<Ch>("abc"), text);
}

TYPED_TEST(StringRoutines, StringToNumberStaysInTheSharedBuffer) {
    uint8_t *end = (uint8_t *)ScratchText + ScratchTextBytes;
    uint8_t saved = *end;
    *end = 0x5A;
    std::string digits(1000, '1');
    uint32_t expected = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        expected = expected * 10 + 1;
    EXPECT_EQ((int32_t)expected, StringToNumber(TextOf<TypeParam>(digits).c_str()));
    EXPECT_EQ(0x5A, *end);
    *end = saved;
}

TYPED_TEST(StringRoutines, TextsAtAndBeyondTheSharedBuffer) {
    // 258 to 261 characters: the last that fit the 260-character buffer with
    // its terminator, and the first that do not.
    uint8_t *end = (uint8_t *)ScratchText + ScratchTextBytes;
    const uint8_t saved = *end;
    for (size_t length = 258; length <= 261; ++length) {
        *end = 0x5A;
        const std::string sevens(length, '7');
        StringToNumber(TextOf<TypeParam>(sevens + "O").c_str());
        StringToNumber(TextOf<TypeParam>(" \t" + sevens).c_str());
        StringToNumber(TextOf<TypeParam>("0x" + std::string(length, 'F')).c_str());
        EXPECT_EQ(0x5A, *end) << length;
        // Octal and binary texts are built in the same buffer.
        TypeParam number[40];
        EXPECT_EQ(33, NumberToString(INT32_MIN, number, BaseBinary));
        EXPECT_EQ(12, NumberToString(-1, number, BaseOctal));
        EXPECT_EQ(0x5A, *end) << length;
    }
    *end = saved;
    // Nine octal digits and the suffix still read as octal.
    EXPECT_EQ(0777777777, StringToNumber(TextOf<TypeParam>("777777777O").c_str()));
}

TYPED_TEST(StringRoutines, VersionStringFromTheApplicationRecord) {
    TypeParam buffer[32];
    EXPECT_EQ(0x01010002u, GetVersionString(buffer));
    EXPECT_EQ(TextOf<TypeParam>("1.01.0.0002"), buffer);
    EXPECT_EQ(0x01010002u, GetVersionString(nullptr));

    AppRecord saved = *App;
    App->VersionMajor = 2;
    App->VersionMinor = 123;
    App->VersionRevision = 3 << 16 | 12345;
    uint32_t packed = GetVersionString(buffer);
    *App = saved;
    EXPECT_EQ(TextOf<TypeParam>("2.23.3.2345"), buffer);
    EXPECT_EQ(0x027B3339u, packed); // the build spills into the release byte
}

} // namespace
