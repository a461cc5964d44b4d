// Texts and paths built in the application's 260-character buffers; a result
// that does not fit is refused whole, never cut into a wrong path.
#include "app/settings.h"
#include "runtime/library/strings.h"

#include <string.h>

bool CopyBounded(char *buffer, const char *text) {
    const size_t length = strlen(text);
    if (length >= TextChars) return false;
    memcpy(buffer, text, length + 1);
    return true;
}

bool AppendBounded(char *buffer, const char *text) {
    const size_t used = strlen(buffer);
    const size_t length = strlen(text);
    if (used + length >= TextChars) return false;
    memcpy(buffer + used, text, length + 1);
    return true;
}

bool AppendPathBounded(char *path, const char *item) {
    const size_t used = strlen(path);
    const bool separator = used > 0 && path[used - 1] != '\\';
    if (used + separator + strlen(item) >= TextChars) return false;
    AppendPathItemA(path, item);
    return true;
}
