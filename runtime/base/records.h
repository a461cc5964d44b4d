// The runtime's fixed-layout records: the application record, the error
// trap, the thread table's entries and the sizes of the work areas.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "runtime/base/application.h"

static_assert(sizeof(void *) == 4, "the runtime's records are laid out for 32-bit Windows");

// Resume point for applications that trap errors themselves.
struct ErrorTrapRecord {
    uint32_t ResumeStack;
    uint32_t ResumeFrame;
    uint32_t ResumeAddress;
    uint32_t LastCode;
    char *Message; // 512 bytes, attached by RuntimeInitialize
};
static_assert(sizeof(ErrorTrapRecord) == 20);

// One thread started from a template entry.
struct ThreadRecord {
    HWND Window;
    int32_t Id;
    HANDLE Thread;
    DWORD ThreadId;
};
static_assert(sizeof(ThreadRecord) == 16);

// Sizes of the runtime's work areas.
enum : uint32_t {
    ConversionBufferBytes = 2048,
    HiddenListBoxesBytes = 264,
    ServicePackTextBytes = 264,
    ErrorTrapMessageBytes = 512,
    TemplateListBytes = 1024,
    ScratchTextBytes = 520,
    WorkBlockBytes = ConversionBufferBytes + HiddenListBoxesBytes + ServicePackTextBytes +
                     ErrorTrapMessageBytes + TemplateListBytes + ScratchTextBytes,
    AppTextBlockBytes = 2048,
    AppCommandLineOffset = 0,
    AppPathOffset = 524,
    AppExeNameOffset = 1048,
    AppTitleOffset = 1572,
    AppTextFieldBytes = 524, // command line, path and name; the title has 476
    AppTitleBytes = AppTextBlockBytes - AppTitleOffset,
    MaxTemplates = TemplateListBytes / sizeof(void *) - 1,
    MaxThreads = 48,
    ThreadTableBytes = (MaxThreads + 1) * sizeof(ThreadRecord),
    InitialObjectTableBytes = 1024,
    ClassNameChars = 275,
};
static_assert(WorkBlockBytes == 4632);
static_assert(ThreadTableBytes == 784);
