// CopyText: a template's text reference as an owned copy in the active form.
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <string.h>

enum { StringTableChars = 260 };

template <class Ch> static void *CopyTextT(WindowObject *object, const void *text, int keepLength) {
    Ch loaded[StringTableChars + 1];
    const Ch *source;
    int length;
    if (IsHeapText(text)) {
        // Through the conversion buffer, which cuts an over-long text to fit.
        length = ConvertLiteral((const wchar_t *)text, ConversionBuffer, ConversionBufferBytes);
        source = (const Ch *)ConversionBuffer;
    } else if (text) {
        length = ApiLoadString(App->Instance, (UINT)(uintptr_t)text, loaded, StringTableChars + 1);
        if (length < 0) length = 0;
        loaded[length] = 0;
        source = loaded;
    } else {
        length = 0;
        source = nullptr;
    }
    Ch *copy = (Ch *)AllocZeroed((length + 2) * sizeof(Ch));
    if (!copy) return nullptr;
    if (length) memcpy(copy, source, length * sizeof(Ch));
    if (keepLength && object) object->TextLength = length;
    return copy;
}

void *CopyText(WindowObject *object, const void *text, int keepLength) {
    return UnicodeFlag ? CopyTextT<wchar_t>(object, text, keepLength)
                       : CopyTextT<char>(object, text, keepLength);
}

void FreeText(void *text) {
    if (IsHeapText(text)) FreeBlock(text);
}
