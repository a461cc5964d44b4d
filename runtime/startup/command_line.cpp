// The command-line rule: what follows the program's name, trimmed.
#include "runtime/startup/startup.h"
#include "runtime/library/strings.h"
#include "runtime/base/text_form.h"

template <class Ch> static const Ch *AfterProgramName(const Ch *line) {
    int end = -1;
    if (line[0] == '"') {
        for (int i = 1; line[i]; ++i)
            if (line[i] == '"') {
                end = i;
                break;
            }
    } else {
        for (int i = 0; line[i]; ++i)
            if (line[i] == ' ') {
                end = i;
                break;
            }
        if (end < 0)
            for (int i = 0; line[i]; ++i)
                if (line[i] == '\t') {
                    end = i;
                    break;
                }
    }
    if (end < 0) return nullptr; // the whole line is the program's name
    return line + end + 1;
}

void CommandLineArgumentsA(const char *line, char *arguments, int capacity) {
    const char *rest = line ? AfterProgramName(line) : nullptr;
    CopyTextBounded(arguments, rest, capacity);
    TrimA(arguments);
}

void CommandLineArgumentsW(const wchar_t *line, wchar_t *arguments, int capacity) {
    const wchar_t *rest = line ? AfterProgramName(line) : nullptr;
    CopyTextBounded(arguments, rest, capacity);
    TrimW(arguments);
}
