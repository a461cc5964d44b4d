// The command-line rule, in both text forms.
#include <gtest/gtest.h>

#include "runtime/startup/startup.h"

namespace {

struct CommandLineCase {
    const wchar_t *Line;
    const wchar_t *Arguments;
};

const CommandLineCase Cases[] = {
    {L"\"C:\\Program Files\\Quenlo\\Settings.exe\"", L""},
    {L"\"C:\\Program Files\\Quenlo\\Settings.exe\" /x  ", L"/x"},
    {L"Settings.exe  a b ", L"a b"},
    {L"Settings.exe\ta\tb", L"a\tb"},
    {L"Settings.exe", L""},
    {L"\"unterminated quote", L""},
    {L"", L""},
    {L"prog \t x \t", L"x"},
};

TEST(CommandLine, WideFormFollowsTheRule) {
    for (const CommandLineCase &c : Cases) {
        wchar_t arguments[262];
        CommandLineArgumentsW(c.Line, arguments, 262);
        EXPECT_STREQ(c.Arguments, arguments) << "line: " << testing::PrintToString(c.Line);
    }
}

TEST(CommandLine, AnsiFormFollowsTheRule) {
    for (const CommandLineCase &c : Cases) {
        char line[300], expected[300], arguments[524];
        WideCharToMultiByte(1252, 0, c.Line, -1, line, sizeof line, nullptr, nullptr);
        WideCharToMultiByte(1252, 0, c.Arguments, -1, expected, sizeof expected, nullptr, nullptr);
        CommandLineArgumentsA(line, arguments, sizeof arguments);
        EXPECT_STREQ(expected, arguments) << "line: " << line;
    }
}

TEST(CommandLine, LongArgumentsAreCutToTheBuffer) {
    std::string line = "prog " + std::string(1000, 'x');
    char arguments[16];
    memset(arguments, '#', sizeof arguments);
    CommandLineArgumentsA(line.c_str(), arguments, 10);
    EXPECT_EQ(std::string(9, 'x'), arguments);
    EXPECT_EQ('#', arguments[10]); // nothing written past the given capacity
}

} // namespace
