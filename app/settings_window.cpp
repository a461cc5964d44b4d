// The Settings window's EventProcedure.
#include "app/settings.h"

LRESULT CALLBACK SettingsWindowProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
