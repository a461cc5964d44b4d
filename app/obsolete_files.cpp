// The support files of earlier versions: two libraries in the system folder
// and a font in the user's fonts folder, deleted if present.
#include "app/obsolete_files.h"
#include "app/bounded_text.h"
#include "qnruntime.h"

static void DeleteAnyway(const wchar_t *folder, const wchar_t *name) {
    wchar_t path[TextChars];
    if (!CopyBounded(path, folder) || !AppendPathBounded(path, name)) return;
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    // Read-only, hidden and system files go too; a file that stays keeps
    // the attributes it had.
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(path)) SetFileAttributesW(path, attributes);
}

void RemoveObsoleteFiles() {
    wchar_t folder[TextChars];
    const UINT length = GetSystemDirectoryW(folder, TextChars);
    if (length > 0 && length < TextChars) {
        DeleteAnyway(folder, L"QNDllMsd.dll");
        DeleteAnyway(folder, L"QNDllMsr.dll");
    }
    folder[0] = 0;
    if (ReadRegValueW(HKEY_CURRENT_USER,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      L"Fonts", folder)) {
        folder[TextChars - 1] = 0;
        DeleteAnyway(folder, L"LDisplay.ttf");
    }
}
