// The file associations of the four file types: machine-wide when it may,
// else for the current user, and Explorer's per-user record of each type.
// A type is written whole or not at all: each value it writes is noted as it
// was, and a type whose extension, icon, open command or description cannot
// be written is put back the way it was found.
#include "app/file_associations.h"
#include "app/bounded_text.h"
#include "qnruntime.h"

#include <wchar.h>

static const wchar_t FileExtsKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
static const wchar_t UserClassesKey[] = L"Software\\Classes";

const FileType FileTypes[FileTypeCount] = {
    {L".qnp", L"Project", L",0"},
    {L".qnw", L"Window", L",1"},
    {L".asm", L"Module", L",2"},
    {L".qnr", L"Resource", L",3"},
};

// --- Writes that can be taken back ---

// One value as it was before a type wrote it.
struct PriorValue {
    HKEY Root;
    const wchar_t *Key, *Name;
    wchar_t Created[TextChars]; // the outermost key the write makes, or empty
    DWORD Type, Bytes;
    void *Data; // null when the value did not exist
};

enum { MostWritesOfAType = 8 };
struct TypeWrites {
    PriorValue Values[MostWritesOfAType];
    int Count;
};

// The outermost key of the path that does not exist yet, into created;
// empty when the whole path exists.
static void FindFirstMissingKey(HKEY root, const wchar_t *key, wchar_t *created) {
    created[0] = 0;
    for (size_t end = 0;; ++end) {
        if (key[end] != L'\\' && key[end] != 0) continue;
        if (end >= TextChars) return;
        wmemcpy(created, key, end);
        created[end] = 0;
        HKEY opened;
        const LONG status = RegOpenKeyExW(root, created, 0, KEY_READ, &opened);
        if (status == ERROR_FILE_NOT_FOUND) return;
        if (status == ERROR_SUCCESS) RegCloseKey(opened);
        if (key[end] == 0) break;
    }
    created[0] = 0;
}

// Notes a value before it is written.
static void NoteValue(TypeWrites *writes, HKEY root, const wchar_t *key, const wchar_t *name) {
    if (writes->Count == MostWritesOfAType) return;
    PriorValue *prior = &writes->Values[writes->Count++];
    *prior = PriorValue{root, key, name, {}, 0, 0, nullptr};
    FindFirstMissingKey(root, key, prior->Created);
    if (prior->Created[0]) return;
    HKEY opened;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return;
    if (RegQueryValueExW(opened, name, nullptr, &prior->Type, nullptr, &prior->Bytes) ==
        ERROR_SUCCESS) {
        prior->Data = AllocZeroed(prior->Bytes + sizeof(wchar_t));
        if (prior->Data && RegQueryValueExW(opened, name, nullptr, &prior->Type,
                                            (BYTE *)prior->Data, &prior->Bytes) != ERROR_SUCCESS) {
            FreeBlock(prior->Data);
            prior->Data = nullptr;
        }
    }
    RegCloseKey(opened);
}

// Writes a string value, noting it first when writes is given.
static int WriteNoted(TypeWrites *writes, HKEY root, const wchar_t *key, const wchar_t *name,
                      const wchar_t *text) {
    if (writes) NoteValue(writes, root, key, name);
    return WriteRegStringW(root, key, name, text);
}

// Puts every noted value back, the last written first.
static void TakeBack(TypeWrites *writes) {
    for (int i = writes->Count - 1; i >= 0; --i) {
        const PriorValue &prior = writes->Values[i];
        if (prior.Created[0]) {
            DeleteRegKeyTreeW(prior.Root, prior.Created);
            continue;
        }
        HKEY opened;
        if (RegOpenKeyExW(prior.Root, prior.Key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
            continue;
        if (prior.Data)
            RegSetValueExW(opened, prior.Name, 0, prior.Type, (const BYTE *)prior.Data,
                           prior.Bytes);
        else
            RegDeleteValueW(opened, prior.Name);
        RegCloseKey(opened);
    }
}

static void ForgetNotes(TypeWrites *writes) {
    for (int i = 0; i < writes->Count; ++i)
        FreeBlock(writes->Values[i].Data);
    writes->Count = 0;
}

// --- One type ---

// The icon location: the executable's path followed by a comma and the
// icon's index.
enum { ValueChars = MAX_PATH + 8 };

// The open command: the executable's path quoted, each '%' in it doubled,
// and a quoted "%1".
enum { CommandChars = 2 * MAX_PATH + 8 };

// Everything one association writes, built before anything is written.
struct Association {
    wchar_t ProgId[TextChars];
    wchar_t Icon[ValueChars];
    wchar_t Command[CommandChars];
    wchar_t Description[TextChars];
    wchar_t ExtensionKey[TextChars];
    wchar_t ProgIdKey[TextChars];
    wchar_t IconKey[TextChars];
    wchar_t CommandKey[TextChars];
    wchar_t ExplorerKey[TextChars];  // the FileExts key of the extension
    wchar_t OpenWithList[TextChars]; // its "OpenWithList" subkey
};

// A key path under classes (none for HKEY_CLASSES_ROOT); false when it does
// not fit.
static bool KeyPath(wchar_t *key, const wchar_t *classes, const wchar_t *a,
                    const wchar_t *b = nullptr) {
    key[0] = 0;
    if (classes && !CopyBounded(key, classes)) return false;
    if (!AppendPathBounded(key, a)) return false;
    return !b || AppendPathBounded(key, b);
}

// Appends the executable's path to an open command. The shell reads %1, %L,
// %VAR% and the like anywhere in a command, inside quotes too, and takes
// "%%" for one '%': doubled, every '%' of the folder stays a letter of it.
static bool AppendCommandPath(wchar_t *command, const wchar_t *path) {
    for (const wchar_t *letter = path; *letter; ++letter) {
        const wchar_t piece[] = {*letter, *letter == L'%' ? L'%' : L'\0', L'\0'};
        if (!AppendBounded(command, piece, CommandChars)) return false;
    }
    return true;
}

static bool Describe(Association *a, const wchar_t *classes, const FileType &type,
                     const wchar_t *executable) {
    a->Command[0] = 0;
    // The path is quoted: unquoted, a folder with a space (C:\Program Files)
    // makes Windows try to run C:\Program.exe first.
    return CopyBounded(a->ProgId, L"Quenlo.") && AppendBounded(a->ProgId, type.TypeWord) &&
           CopyBounded(a->Icon, executable, ValueChars) &&
           AppendBounded(a->Icon, type.IconSuffix, ValueChars) &&
           AppendBounded(a->Command, L"\"", CommandChars) &&
           AppendCommandPath(a->Command, executable) &&
           AppendBounded(a->Command, L"\" \"%1\"", CommandChars) &&
           CopyBounded(a->Description, L"Quenlo ") &&
           AppendBounded(a->Description, type.TypeWord) &&
           KeyPath(a->ExtensionKey, classes, type.Extension) &&
           KeyPath(a->ProgIdKey, classes, a->ProgId) &&
           KeyPath(a->IconKey, classes, a->ProgId, L"DefaultIcon") &&
           KeyPath(a->CommandKey, classes, a->ProgId, L"shell\\open\\command") &&
           KeyPath(a->ExplorerKey, FileExtsKey, type.Extension) &&
           KeyPath(a->OpenWithList, a->ExplorerKey, L"OpenWithList");
}

static void WriteOpenWithList(TypeWrites *writes, const Association &a, const wchar_t *executable) {
    WriteNoted(writes, HKEY_CURRENT_USER, a.OpenWithList, L"a", executable);
    WriteNoted(writes, HKEY_CURRENT_USER, a.OpenWithList, L"b", L"NOTEPAD.EXE");
    WriteNoted(writes, HKEY_CURRENT_USER, a.OpenWithList, L"MRUList", L"ab");
}

// The per-user path: Explorer's record first, then the classes of the user.
static int AssociateForUser(TypeWrites *writes, const Association &a, const wchar_t *executable) {
    if (!WriteNoted(writes, HKEY_CURRENT_USER, a.ExplorerKey, L"Progid", executable)) return 0;
    WriteOpenWithList(writes, a, executable);
    return WriteNoted(writes, HKEY_CURRENT_USER, a.ExtensionKey, nullptr, a.ProgId) &&
           WriteNoted(writes, HKEY_CURRENT_USER, a.IconKey, nullptr, a.Icon) &&
           WriteNoted(writes, HKEY_CURRENT_USER, a.CommandKey, nullptr, a.Command);
}

static int AssociateForMachine(TypeWrites *writes, const Association &a) {
    return WriteNoted(writes, HKEY_CLASSES_ROOT, a.IconKey, nullptr, a.Icon) &&
           WriteNoted(writes, HKEY_CLASSES_ROOT, a.CommandKey, nullptr, a.Command) &&
           WriteNoted(writes, HKEY_CLASSES_ROOT, a.ProgIdKey, nullptr, a.Description);
}

// Deletes Explorer's record of an extension with everything below it; true
// when no record is left, also when there was none.
static bool ResetExplorerRecord(const wchar_t *key) {
    if (DeleteRegKeyTreeW(HKEY_CURRENT_USER, key)) return true;
    HKEY record;
    const LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &record);
    if (status == ERROR_SUCCESS) RegCloseKey(record);
    return status == ERROR_FILE_NOT_FOUND;
}

int AssociateFileType(const FileType &type, const AssociationTarget &target) {
    // No program can be started from a path that does not fit MAX_PATH.
    if (!target.Path[0] || wcslen(target.Path) >= MAX_PATH) return 0;
    Association machine, user;
    if (!Describe(&machine, nullptr, type, target.Path) ||
        !Describe(&user, UserClassesKey, type, target.Path))
        return 0;
    TypeWrites writes;
    writes.Count = 0;
    int associated;
    if (WriteNoted(&writes, HKEY_CLASSES_ROOT, machine.ExtensionKey, nullptr, machine.ProgId)) {
        associated = AssociateForMachine(&writes, machine);
        // Explorer's record of the extension is made anew for this user: a
        // record left in place keeps its UserChoice, and with it the program
        // it names, in charge of the type.
        if (associated) associated = ResetExplorerRecord(machine.ExplorerKey);
        if (associated) {
            if (target.Scope == HKEY_CURRENT_USER)
                WriteRegStringW(HKEY_CURRENT_USER, machine.ExplorerKey, L"Progid",
                                target.Executable);
            WriteOpenWithList(nullptr, machine, target.Executable);
        }
    } else {
        // Nothing was written machine-wide: the user's own classes instead.
        TakeBack(&writes);
        ForgetNotes(&writes);
        associated = AssociateForUser(&writes, user, target.Executable);
    }
    if (!associated) TakeBack(&writes);
    ForgetNotes(&writes);
    return associated;
}
