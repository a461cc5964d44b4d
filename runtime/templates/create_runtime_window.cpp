// CreateRuntimeWindow: CreateWindowEx in the active form.
#include "runtime/templates/creation.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter) {
    exStyle = ExStyleForSystem(exStyle);
    const void *activeClass = LiteralToConversionBuffer(className);
    return CreateWindowExAW(exStyle, activeClass, windowName, style, x, y, width, height, parent,
                            menuOrId, App->Instance, parameter);
}
