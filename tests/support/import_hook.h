// Redirects this executable's imports of a system function for the life of a
// scope: the runtime is linked into each test program, so its calls of the
// function go to the replacement too.
#pragma once

#include <windows.h>

// Points every import of a system function by this executable at another
// function for the life of a scope, so that a call the system answers
// invisibly under Wine (the shell's change notice) is seen as the system
// would see it.
class ImportHook {
  public:
    ImportHook(const char *module, const char *function, void *replacement)
        : Real((void *)GetProcAddress(GetModuleHandleA(module), function)),
          Replacement(replacement) {
        Swap(Real, Replacement);
    }
    ~ImportHook() { Swap(Replacement, Real); }
    ImportHook(const ImportHook &) = delete;
    ImportHook &operator=(const ImportHook &) = delete;
    int Patched = 0;

  private:
    void Swap(const void *from, void *to) {
        BYTE *base = (BYTE *)GetModuleHandleA(nullptr);
        const IMAGE_NT_HEADERS *nt =
            (const IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY &imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        Patched = 0;
        for (auto *d = (IMAGE_IMPORT_DESCRIPTOR *)(base + imports.VirtualAddress); d->Name; ++d)
            for (auto *t = (IMAGE_THUNK_DATA *)(base + d->FirstThunk); t->u1.Function; ++t) {
                if ((const void *)t->u1.Function != from) continue;
                DWORD old;
                VirtualProtect(&t->u1.Function, sizeof t->u1.Function, PAGE_READWRITE, &old);
                t->u1.Function = (DWORD_PTR)to;
                VirtualProtect(&t->u1.Function, sizeof t->u1.Function, old, &old);
                ++Patched;
            }
    }
    void *Real, *Replacement;
};
