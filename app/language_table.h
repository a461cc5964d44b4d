// The language tables: chosen by the user's language, parsed line by line
// into the TextList, and fetched by position.
#pragma once

#include <windows.h>

// Positions of the language texts.
enum LanguageText {
    TextShortcut32 = 0,
    TextShortcut64 = 1,
    TextFileGroup = 2,
    TextEnvironmentRunning = 3,
    TextSaved = 4,
    TextModuleFiles = 5,
    TextOk = 6,
    TextProjectFiles = 7,
    TextResourceFiles = 8,
    TextWindowCaption = 9,
    TextWindowFiles = 10,
    TextNoRights = 11,
    TextNeedsAdministrator = 12,
    TextAssociateGroup = 13,
    Text32Bit = 14,
    Text64Bit = 15,
    TextNotInstalled = 16,
    TextShortcutsFailed = 17,
    TextFolderTooLong = 18,
    LanguageTexts = 19,
};

// The hidden list box that holds the loaded texts in file order.
extern HWND TextList;
HWND CreateTextList(HWND parent);
// Empties and destroys the TextList, if there is one.
void DestroyTextList();

// The language table resource (101 Catalan, 102 English, 103 Spanish) for a
// language identifier, and for the user's default language.
int LanguageTableFor(LANGID language);
int ChooseLanguageTable();

// Calls add once per line of a table (text of up to 259 characters after the
// line's first "=", escapes translated) until the first zero byte.
typedef void (*LanguageTextSink)(void *context, const char *text);
void ParseLanguageTable(const unsigned char *table, LanguageTextSink add, void *context);

// Loads a table resource into the TextList; 0 when it cannot be found or
// loaded.
int LoadLanguageTable(int resource);
// The text at a position into a 260-character buffer; empty beyond the list.
void GetLanguageText(int position, wchar_t *buffer);
// The text at a position as the caption of a window or control.
void SetLanguageCaption(HWND window, int position);
