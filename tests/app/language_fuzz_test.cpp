// The language-table parser fed generated and broken tables. The table ends
// at an inaccessible page, and every text is copied into a buffer of
// TextChars bytes that ends at one too, so that reading past the table's
// end or a text without its terminating zero faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/settings.h"

namespace {

// Readable and writable pages followed by one that faults on any access.
class GuardedPages {
  public:
    explicit GuardedPages(size_t bytes) : Size((bytes + 4095) / 4096 * 4096) {
        Base = (unsigned char *)VirtualAlloc(nullptr, Size + 4096, MEM_COMMIT | MEM_RESERVE,
                                             PAGE_READWRITE);
        DWORD old;
        if (Base && !VirtualProtect(Base + Size, 4096, PAGE_NOACCESS, &old)) Base = nullptr;
    }
    ~GuardedPages() {
        if (Base) VirtualFree(Base, 0, MEM_RELEASE);
    }
    // Room for bytes that ends where the guard page starts.
    unsigned char *EndingAtGuard(size_t bytes) { return Base + Size - bytes; }
    unsigned char *Base;

  private:
    size_t Size;
};

struct Collected {
    GuardedPages *Output;
    size_t Texts = 0;
    size_t Longest = 0;
};

void Collect(void *data, const char *text) {
    Collected *c = (Collected *)data;
    char *copy = (char *)c->Output->EndingAtGuard(TextChars);
    // An unterminated or too long text runs into the guard page.
    strcpy(copy, text);
    c->Longest = std::max(c->Longest, strlen(copy));
    ++c->Texts;
}

bool IsControl(unsigned char c) {
    return c >= 1 && c <= 31;
}

// One text a line: the first line starts at the table's start, and every
// other one at the first byte after a run of control characters that holds
// a line end. The table ends at its first zero byte.
size_t LinesOf(const std::string &bytes) {
    const std::string table = bytes.substr(0, bytes.find('\0'));
    size_t lines = table.empty() ? 0 : 1;
    bool lineEnded = false;
    for (unsigned char c : table) {
        if (!IsControl(c) && lineEnded) ++lines;
        if (!IsControl(c)) lineEnded = false;
        if (c == '\r' || c == '\n') lineEnded = true;
    }
    return lines;
}

std::string Generate(std::mt19937 &random, int kind) {
    std::uniform_int_distribution<int> byte(0, 255), length(0, 400), line(0, 20);
    std::string s;
    switch (kind) {
    case 0: // random bytes, zeros included
        for (int n = length(random); n > 0; --n)
            s += (char)byte(random);
        break;
    case 1: { // a table cut short anywhere
        for (int i = 0; i < 16; ++i)
            s += std::to_string(10000 + i) + "=Text number " + std::to_string(i) + "\r\n";
        s.resize(std::uniform_int_distribution<size_t>(0, s.size())(random));
        break;
    }
    case 2: // very long lines
        for (int n = line(random) % 3 + 1; n > 0; --n)
            s += "10000=" + std::string(10000, (char)('a' + n)) + "\r\n";
        break;
    case 3: // lone backslashes at the ends of lines and of the table
        for (int n = line(random); n > 0; --n)
            s += "1=" + std::string(n % 5, 'x') + "\\" + (n % 2 ? "\r\n" : "\n");
        s += "\\";
        break;
    case 4: // no "=" at all
        for (int n = line(random); n > 0; --n)
            s += "no equals sign here " + std::to_string(n) + "\r\n";
        break;
    default: // escapes and control characters everywhere
        for (int n = length(random); n > 0; --n) {
            const char pieces[] = "=\\0tnrx\r\n\t\x01\x1f ";
            s += pieces[byte(random) % (sizeof pieces - 1)];
        }
        break;
    }
    return s;
}

TEST(LanguageTableFuzz, HundredThousandInputsStayInBounds) {
    GuardedPages input(64 * 1024), output(TextChars);
    ASSERT_NE(nullptr, input.Base);
    ASSERT_NE(nullptr, output.Base);
    std::mt19937 random(20261208);
    size_t texts = 0;
    for (int round = 0; round < 100000; ++round) {
        const std::string table = Generate(random, round % 6);
        // The loader's copy ends in two zero bytes; here they touch the guard.
        ASSERT_LE(table.size() + 2, 64u * 1024);
        unsigned char *copy = input.EndingAtGuard(table.size() + 2);
        memcpy(copy, table.data(), table.size());
        copy[table.size()] = copy[table.size() + 1] = 0;
        Collected collected{&output};
        ParseLanguageTable(copy, Collect, &collected);
        ASSERT_LE(collected.Longest, (size_t)TextChars - 1) << "round " << round;
        ASSERT_EQ(LinesOf(table), collected.Texts) << "round " << round;
        texts += collected.Texts;
    }
    EXPECT_GT(texts, 100000u);
}

TEST(LanguageTableFuzz, TextsAreCutAtTwoHundredAndFiftyNineCharacters) {
    GuardedPages output(TextChars);
    const std::string table = "1=" + std::string(5000, 'x') + "\r\n2=short\r\n";
    std::vector<unsigned char> copy(table.begin(), table.end());
    copy.insert(copy.end(), {0, 0});
    Collected collected{&output};
    ParseLanguageTable(copy.data(), Collect, &collected);
    EXPECT_EQ(2u, collected.Texts);
    EXPECT_EQ(259u, collected.Longest);
}

} // namespace
