// The support files of earlier versions: two libraries in the system folder
// and a font in the user's fonts folder, deleted if present.
#include "app/settings.h"
#include "runtime/library/registry.h"

static void DeleteAnyway(const char *folder, const char *name) {
    char path[TextChars];
    if (!CopyBounded(path, folder) || !AppendPathBounded(path, name)) return;
    // Read-only, hidden and system files go too.
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}

void RemoveObsoleteFiles() {
    char folder[TextChars];
    const UINT length = GetSystemDirectoryA(folder, TextChars);
    if (length > 0 && length < TextChars) {
        DeleteAnyway(folder, "QNDllMsd.dll");
        DeleteAnyway(folder, "QNDllMsr.dll");
    }
    folder[0] = 0;
    if (ReadRegValue(HKEY_CURRENT_USER,
                     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "Fonts", folder)) {
        folder[TextChars - 1] = 0;
        DeleteAnyway(folder, "LDisplay.ttf");
    }
}
