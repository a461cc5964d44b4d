// WriteLine: a text and the rest of its CR LF line end.
#include "runtime/library/files.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

static bool WriteAll(HANDLE file, const void *data, DWORD bytes) {
    DWORD written = 0;
    return WriteFile(file, data, bytes, &written, nullptr) && written == bytes;
}

// A text ending in CR LF or LF CR is complete, a lone CR gets its LF, and
// every other text (a lone LF too) gets CR LF.
template <class Ch> static int WriteLineT(HANDLE file, Ch *text) {
    static const Ch lineEnd[] = {'\r', '\n'};
    int length = ApiStringLength(text);
    if (length == 1 && (text[0] == '\r' || text[0] == '\n')) {
        text[0] = 0;
        length = 0;
    }
    Ch last = length > 0 ? text[length - 1] : 0;
    Ch before = length > 1 ? text[length - 2] : 0;
    const Ch *end = lineEnd;
    int endChars = 2;
    if ((before == '\r' && last == '\n') || (before == '\n' && last == '\r')) {
        endChars = 0;
    } else if (last == '\r') {
        end = lineEnd + 1;
        endChars = 1;
    }
    if (!WriteAll(file, text, length * sizeof(Ch))) return 0;
    if (endChars && !WriteAll(file, end, endChars * sizeof(Ch))) return 0;
    return 1;
}

int WriteLineA(HANDLE file, char *text) {
    return WriteLineT(file, text);
}
int WriteLineW(HANDLE file, wchar_t *text) {
    return WriteLineT(file, text);
}
int WriteLine(HANDLE file, void *text) {
    return UnicodeFlag ? WriteLineW(file, (wchar_t *)text) : WriteLineA(file, (char *)text);
}
