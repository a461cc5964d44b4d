// Texts and paths built in the application's fixed buffers; a result that
// does not fit is refused whole, never cut into a wrong path.
#include "app/bounded_text.h"
#include "qnruntime.h"

#include <wchar.h>

bool CopyBounded(wchar_t *buffer, const wchar_t *text, size_t chars) {
    const size_t length = wcslen(text);
    if (length >= chars) return false;
    wmemcpy(buffer, text, length + 1);
    return true;
}

bool AppendBounded(wchar_t *buffer, const wchar_t *text, size_t chars) {
    const size_t used = wcslen(buffer);
    const size_t length = wcslen(text);
    if (used + length >= chars) return false;
    wmemcpy(buffer + used, text, length + 1);
    return true;
}

bool AppendPathBounded(wchar_t *path, const wchar_t *item, size_t chars) {
    const size_t used = wcslen(path);
    const bool separator = used > 0 && path[used - 1] != L'\\';
    if (used + separator + wcslen(item) >= chars) return false;
    AppendPathItemW(path, item);
    return true;
}
