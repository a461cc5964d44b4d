// Definitions of the runtime's process-wide state.
#include "runtime/base/runtime_state.h"
#include "runtime/base/records.h"
#include "runtime/base/window_object.h"

AppRecord *App;

const AppRecord *GetAppRecord() {
    return App;
}

ErrorTrapRecord *ErrorTrap;

int UnicodeFlag;
UINT CodePage;
int OsLevel;
int HasManifest;
uint32_t TwipsPerPixelX;
uint32_t TwipsPerPixelY;
uint32_t FontScaleDivisor;
int ScreenDpi;
HCURSOR ArrowCursor;
HCURSOR WaitCursor;

uint8_t *WorkBlock;
void *ConversionBuffer;
uint8_t *HiddenListBoxes;
char *ServicePackText;
const WindowTemplate **TemplateList;
void *ScratchText;

uint8_t *AppTextBlock;

uint8_t *ObjectTable;
uint32_t ObjectTableUsed;
uint32_t ObjectTableCapacity;

ThreadRecord *ThreadTable;
int ThreadCount;

WNDPROC ButtonProcedure;
WNDPROC MdiClientProcedure;

wchar_t MdiFrameClassName[ClassNameChars];
wchar_t MdiChildClassName[ClassNameChars];
wchar_t WindowClassName[ClassNameChars];
wchar_t DialogClassName[ClassNameChars];

LPTOP_LEVEL_EXCEPTION_FILTER PreviousExceptionFilter;

const WindowTemplate *MainWindowTemplate;
