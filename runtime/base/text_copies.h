// The owned text copies that objects hold: a template's text reference
// turned into a heap copy in the active form, and its release.
#pragma once

struct WindowObject;

// A text reference turned into an owned heap copy in the active form (room
// for two more characters); with keepLength, TextLength gets its length.
void *CopyText(WindowObject *object, const void *text, int keepLength);
// Frees a text field unless it holds a string-table number or nothing.
void FreeText(void *text);
