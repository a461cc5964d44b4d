// Process-wide state of the runtime, set up by RuntimeInitialize and owned
// by the GUI thread.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/records.h"
#include "runtime/base/window_object.h"

struct WindowObject;
typedef WindowObject WindowTemplate;

extern AppRecord *App;
extern ErrorTrapRecord *ErrorTrap;

extern int UnicodeFlag;
extern UINT CodePage;
extern int OsLevel; // an OsCode
extern int HasManifest;
extern uint32_t TwipsPerPixelX;
extern uint32_t TwipsPerPixelY;
extern uint32_t FontScaleDivisor;
extern int ScreenDpi; // the screen's vertical dots per inch at start-up
extern HCURSOR ArrowCursor;
extern HCURSOR WaitCursor;

// Pieces of the 4632-byte work block, in this order.
extern uint8_t *WorkBlock;
extern void *ConversionBuffer;
extern uint8_t *HiddenListBoxes; // count byte, then window handles
extern char *ServicePackText;
extern const WindowTemplate **TemplateList; // null-terminated
extern void *ScratchText;                   // the shared string buffer: 260 characters

extern uint8_t *AppTextBlock;

extern uint8_t *ObjectTable; // pairs (window, object), ended by a zero window
extern uint32_t ObjectTableUsed;
extern uint32_t ObjectTableCapacity;

extern ThreadRecord *ThreadTable;
extern int ThreadCount;

extern WNDPROC ButtonProcedure;
extern WNDPROC MdiClientProcedure;

// Names of the four runtime classes that carry the application's suffix.
extern wchar_t MdiFrameClassName[ClassNameChars];
extern wchar_t MdiChildClassName[ClassNameChars];
extern wchar_t WindowClassName[ClassNameChars];
extern wchar_t DialogClassName[ClassNameChars];

extern LPTOP_LEVEL_EXCEPTION_FILTER PreviousExceptionFilter;

// The template of the application's main window, run by RunMainWindow.
extern const WindowTemplate *MainWindowTemplate;

// The extended style as the running system accepts it: layout mirroring and
// no-inherit-layout exist only from Windows 2000 on and are dropped before.
inline DWORD ExStyleForSystem(DWORD exStyle) {
    if (OsLevel < Os2000) exStyle &= ~(DWORD)(WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT);
    return exStyle;
}
