// The language-table parser fed generated and broken tables: it never writes
// past a text, keeps every text within 259 characters, and gives one text a
// line.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/settings.h"

namespace {

struct Collected {
    std::vector<std::string> Texts;
    size_t Longest = 0;
};

void Collect(void *data, const char *text) {
    Collected *c = (Collected *)data;
    c->Texts.push_back(text);
    if (c->Texts.back().size() > c->Longest) c->Longest = c->Texts.back().size();
}

// The number of texts the parsing rule gives: one a line, where a line
// starts at any byte that is not a zero and not a control character after
// the previous line's end, up to the first zero byte.
size_t ExpectedLines(const std::string &bytes) {
    size_t lines = 0, i = 0;
    const size_t end = bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0');
    while (i < end) {
        ++lines;
        while (i < end && bytes[i] != '\r' && bytes[i] != '\n') {
            // An escape takes the byte after the backslash with it.
            if (bytes[i] == '\\' && i + 1 < end && strchr("0tnr\\'\"?bafv", bytes[i + 1]) &&
                bytes[i + 1])
                ++i;
            ++i;
        }
        while (i < end && (unsigned char)bytes[i] >= 1 && (unsigned char)bytes[i] <= 31)
            ++i;
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
    std::mt19937 random(20261208);
    size_t texts = 0;
    for (int round = 0; round < 100000; ++round) {
        std::string input = Generate(random, round % 6);
        // The loader's copy ends in two zero bytes.
        std::vector<unsigned char> copy(input.begin(), input.end());
        copy.insert(copy.end(), {0, 0});
        Collected collected;
        ParseLanguageTable(copy.data(), Collect, &collected);
        ASSERT_LE(collected.Longest, 259u) << "round " << round;
        ASSERT_EQ(ExpectedLines(input), collected.Texts.size()) << "round " << round;
        texts += collected.Texts.size();
    }
    EXPECT_GT(texts, 100000u);
}

} // namespace
