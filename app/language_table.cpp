// The language tables: chosen by the user's language, parsed line by line
// into the TextList, and fetched by position.
#include "app/language_table.h"
#include "app/bounded_text.h"
#include "qnruntime.h"

#include <string.h>

HWND TextList;

enum { LanguageResourceType = 256, Catalan = 101, English = 102, Spanish = 103 };

int LanguageTableFor(LANGID language) {
    switch (PRIMARYLANGID(language)) {
    case LANG_CATALAN: return Catalan;
    case LANG_SPANISH: return Spanish;
    default: return English;
    }
}

int ChooseLanguageTable() {
    return LanguageTableFor(GetUserDefaultLangID());
}

HWND CreateTextList(HWND parent) {
    // A plain hidden list box keeps the texts in file order (no LBS_SORT).
    // A UTF-16 list box holds the texts as the system shows them, whatever
    // the ANSI code page.
    TextList = CreateWindowExW(0, L"LISTBOX", nullptr, WS_CHILD, -10, -10, 0, 0, parent, nullptr,
                               GetAppRecord()->Instance, nullptr);
    return TextList;
}

void DestroyTextList() {
    if (!TextList) return;
    ClearItems(TextList);
    DestroyWindow(TextList);
    TextList = nullptr;
}

// The character a backslash escape stands for, or -1 when the backslash is
// an ordinary character.
static int Escaped(unsigned char c) {
    switch (c) {
    case '0': return 0;
    case 't': return '\t';
    case 'n': return '\n';
    case 'r': return '\r';
    case '\\': return '\\';
    case '\'': return '\'';
    case '"': return '"';
    case '?': return '?';
    case 'b': return '\b';
    case 'a': return '\a';
    case 'f': return '\f';
    case 'v': return '\v';
    default: return -1;
    }
}

void ParseLanguageTable(const unsigned char *table, LanguageTextSink add, void *context) {
    const unsigned char *p = table;
    char text[TextChars];
    while (*p) {
        int length = 0;
        bool afterEquals = false;
        bool ended = false; // an escaped zero ends the text; the line goes on
        while (*p && *p != '\r' && *p != '\n') {
            int c = *p++;
            if (c == '\\') {
                const int escaped = Escaped(*p);
                if (escaped >= 0) {
                    c = escaped;
                    ++p;
                }
            }
            if (ended) continue;
            if (c == 0) {
                ended = true;
            } else if (!afterEquals) {
                afterEquals = c == '=';
            } else if (length < TextChars - 1) {
                text[length++] = (char)c;
            }
        }
        // A line without "=" takes its position with an empty text.
        text[length] = 0;
        add(context, text);
        // Line ends, blank lines and control characters before the next line.
        while (*p >= 1 && *p <= 31)
            ++p;
    }
}

// The tables are Windows-1252 whatever the system's ANSI code page: each
// text is converted from the runtime's code page of texts.
static void AddToTextList(void *list, const char *text) {
    wchar_t wide[TextChars];
    AnsiToWideBounded(text, wide, TextChars);
    AddItemW((HWND)list, wide);
}

int LoadLanguageTable(int resource) {
    HRSRC found = FindResourceA(GetAppRecord()->Instance, MAKEINTRESOURCEA(resource),
                                MAKEINTRESOURCEA(LanguageResourceType));
    if (!found) return 0;
    const DWORD size = SizeofResource(GetAppRecord()->Instance, found);
    HGLOBAL loaded = LoadResource(GetAppRecord()->Instance, found);
    if (!loaded) return 0;
    const void *bytes = LockResource(loaded);
    if (!bytes) return 0;
    // A copy that ends in zero bytes, which end the parsing.
    unsigned char *copy =
        (unsigned char *)VirtualAlloc(nullptr, size + 2, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!copy) return 0;
    memcpy(copy, bytes, size);
    ParseLanguageTable(copy, AddToTextList, TextList);
    VirtualFree(copy, 0, MEM_RELEASE);
    return 1;
}

void GetLanguageText(int position, wchar_t *buffer) {
    buffer[0] = 0;
    if (TextList && position >= 0) GetItemTextW(TextList, position, buffer, TextChars);
}

void SetLanguageCaption(HWND window, int position) {
    wchar_t caption[TextChars];
    GetLanguageText(position, caption);
    SetWindowTextW(window, caption);
}
