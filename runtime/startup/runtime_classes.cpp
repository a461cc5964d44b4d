// The runtime's seven window classes and the search for a previous instance.
#include "runtime/startup/startup.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/inner_procedures.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <string.h>

static const wchar_t MdiClientClass[] = L"QNMDICLIENT";
static const wchar_t GroupClass[] = L"QNGROUP";
static const wchar_t PictureClass[] = L"QNPICTURE";

static void ComposeClassName(wchar_t *target, const wchar_t *base, const wchar_t *suffix) {
    int n = CopyTextBounded(target, base, ClassNameChars);
    CopyTextBounded(target + n, suffix, ClassNameChars - n);
}

// A class name in the active form, converted into the caller's buffer.
template <class Ch> static const Ch *ActiveName(const wchar_t *name, Ch *buffer, int bytes) {
    ConvertLiteral(name, buffer, bytes);
    return buffer;
}

template <class Ch> static void RegisterRuntimeClassesT() {
    typename ApiTypes<Ch>::WindowClass wc;
    Ch name[ClassNameChars * 2];
    const HINSTANCE instance = App->Instance;

    const wchar_t *windowClasses[] = {MdiFrameClassName, MdiChildClassName, WindowClassName,
                                      DialogClassName};
    for (const wchar_t *className : windowClasses) {
        memset(&wc, 0, sizeof wc);
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = RuntimeWindowProc;
        wc.cbWndExtra = 32;
        wc.hInstance = instance;
        wc.lpszClassName = ActiveName(className, name, sizeof name);
        ApiRegisterClassEx(&wc);
    }

    Ch systemName[32];
    memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    if (ApiGetClassInfoEx(nullptr, ActiveName(L"MDICLIENT", systemName, sizeof systemName), &wc)) {
        MdiClientProcedure = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
        wc.style |= CS_DBLCLKS;
        wc.cbWndExtra = 32;
        wc.lpfnWndProc = MdiClientProc;
        wc.hInstance = instance;
        wc.lpszClassName = ActiveName(MdiClientClass, name, sizeof name);
        ApiRegisterClassEx(&wc);
    }

    typename ApiTypes<Ch>::WindowClass button;
    memset(&button, 0, sizeof button);
    button.cbSize = sizeof button;
    ApiGetClassInfoEx(nullptr, ActiveName(L"BUTTON", systemName, sizeof systemName), &button);
    ButtonProcedure = button.lpfnWndProc;

    memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RuntimeWindowProc;
    wc.cbClsExtra = button.cbClsExtra;
    wc.cbWndExtra = button.cbWndExtra;
    wc.hInstance = instance;
    wc.hIcon = button.hIcon;
    wc.hCursor = button.hCursor;
    wc.hbrBackground = button.hbrBackground;
    wc.lpszClassName = ActiveName(GroupClass, name, sizeof name);
    ApiRegisterClassEx(&wc);

    memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RuntimeWindowProc;
    wc.cbWndExtra = button.cbWndExtra;
    wc.hInstance = instance;
    wc.lpszClassName = ActiveName(PictureClass, name, sizeof name);
    ApiRegisterClassEx(&wc);
}

void RegisterRuntimeClasses(const wchar_t *classSuffix) {
    ComposeClassName(MdiFrameClassName, L"QN2RUNMDIWINDOW", classSuffix);
    ComposeClassName(MdiChildClassName, L"QN2RUNMDICHILDWINDOW", classSuffix);
    ComposeClassName(WindowClassName, L"QN2RUNWINDOW", classSuffix);
    ComposeClassName(DialogClassName, L"QN2RUNDIALOGBOX", classSuffix);
    if (UnicodeFlag)
        RegisterRuntimeClassesT<wchar_t>();
    else
        RegisterRuntimeClassesT<char>();
}

template <class Ch> static void UnregisterRuntimeClassesT() {
    const wchar_t *classes[] = {MdiClientClass,  DialogClassName,   GroupClass,       PictureClass,
                                WindowClassName, MdiChildClassName, MdiFrameClassName};
    const int bytes = 260 * sizeof(Ch);
    Ch *name = (Ch *)AllocZeroed(bytes);
    if (!name) return;
    for (const wchar_t *className : classes)
        ApiUnregisterClass(ActiveName(className, name, bytes), App->Instance);
    FreeBlock(name);
}

void UnregisterRuntimeClasses() {
    if (UnicodeFlag)
        UnregisterRuntimeClassesT<wchar_t>();
    else
        UnregisterRuntimeClassesT<char>();
}

template <class Ch> static bool SameText(const Ch *a, const Ch *b) {
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

// The system finds the top-level windows of the class (without regard to
// case) in the order a walk of every top-level window would meet them; the
// first whose class name is exactly the main window's is the one.
template <class Ch> static HWND FindExactClass(const Ch *className) {
    Ch name[261];
    for (HWND window = ApiFindWindowEx(nullptr, nullptr, className, nullptr); window;
         window = ApiFindWindowEx(nullptr, window, className, nullptr))
        if (ApiGetClassName(window, name, 261) > 0 && SameText(name, className)) return window;
    return nullptr;
}

HWND FindPreviousInstance(int mainKind) {
    const wchar_t *className = mainKind == KindDialog     ? DialogClassName
                               : mainKind == KindMdiFrame ? MdiFrameClassName
                                                          : WindowClassName;
    wchar_t active[ClassNameChars];
    ConvertLiteral(className, active, sizeof active);
    return UnicodeFlag ? FindExactClass((const wchar_t *)active)
                       : FindExactClass((const char *)active);
}
