// The file associations of the file types: machine-wide when it may, else
// for the current user, and Explorer's per-user record of each type.
#pragma once

#include <windows.h>

struct FileType {
    const wchar_t *Extension;  // ".qnp"
    const wchar_t *TypeWord;   // in the ProgID "Quenlo.Project" and its description
    const wchar_t *IconSuffix; // the icon's index in the executable: ",0"
};

// The four types, in the order of their check boxes.
enum FileTypeIndex { TypeProject, TypeWindow, TypeModule, TypeResource, FileTypeCount };
extern const FileType FileTypes[FileTypeCount];

// What an association names, and where it is written.
struct AssociationTarget {
    const wchar_t *Path;       // the executable's full path, shorter than MAX_PATH
    const wchar_t *Executable; // its file name, which Explorer's record names
    HKEY Scope; // HKEY_LOCAL_MACHINE, or HKEY_CURRENT_USER when the machine cannot be written
};

// One type, machine-wide when it may, else for the current user; non-zero
// when its extension, icon, open command and (machine-wide) description were
// all written and (machine-wide) Explorer's old record of the extension is
// gone. A type that fails leaves its classes as it found them; an empty path,
// or one that does not fit MAX_PATH, writes nothing and fails.
int AssociateFileType(const FileType &type, const AssociationTarget &target);
