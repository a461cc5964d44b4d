// The theme table: "UXTHEME.DLL" loaded by name and its functions looked up.
#include "runtime/painting/theme.h"
#include "runtime/base/text_form.h"

#include <string.h>

ThemeFunctions ThemeTable;

void ReleaseThemeLibrary() {
    if (!ThemeTable.Library) return;
    FreeLibrary(ThemeTable.Library);
    memset(&ThemeTable, 0, sizeof ThemeTable);
}

template <class F> static void Find(F *target, const char *name) {
    *target = (F)GetProcAddress(ThemeTable.Library, name);
}

void LoadThemeLibrary() {
    if (ThemeTable.Library) ReleaseThemeLibrary();
    wchar_t name[16];
    ConvertLiteral(L"UXTHEME.DLL", name, sizeof name);
    ThemeTable.Library = LoadLibraryAW(name);
    if (!ThemeTable.Library) return;
    BOOL(WINAPI * isThemeActive)();
    Find(&isThemeActive, "IsThemeActive");
    if (!isThemeActive || !isThemeActive()) {
        ReleaseThemeLibrary();
        return;
    }
    Find(&ThemeTable.OpenThemeData, "OpenThemeData");
    Find(&ThemeTable.IsThemeBackgroundPartiallyTransparent,
         "IsThemeBackgroundPartiallyTransparent");
    Find(&ThemeTable.DrawThemeParentBackground, "DrawThemeParentBackground");
    Find(&ThemeTable.DrawThemeBackground, "DrawThemeBackground");
    Find(&ThemeTable.CloseThemeData, "CloseThemeData");
    if (!ThemeTable.OpenThemeData || !ThemeTable.DrawThemeBackground || !ThemeTable.CloseThemeData)
        ReleaseThemeLibrary();
}
