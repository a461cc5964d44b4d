// System information routines: the Windows version, 64-bit systems, rights,
// the processor, controls by identifier and the environment's output pane.
#pragma once

#include <windows.h>
#include <stdint.h>

// OsLevel; with a buffer, the service-pack text is copied into it.
int GetOsVersionA(char *servicePack);
int GetOsVersionW(wchar_t *servicePack);
int GetOsVersion(void *servicePack);

// 1 on a 64-bit x64 system.
int Is64BitSystem();
// 1 when the process is a 32-bit process on a 64-bit system.
int IsWow64(HANDLE process);
// Non-zero when the current process runs elevated.
int IsProcessElevated();

struct ProcessorInfo {
    char Vendor[16];
    char Reserved[16];
    uint32_t Stepping;
    uint32_t Family;
    uint32_t Model;
    uint32_t ProcessorType;
    uint32_t Signature;
    uint32_t StandardFeatures;
    uint32_t AdditionalFeatures;
};
static_assert(sizeof(ProcessorInfo) == 60);
int GetProcessorInfo(ProcessorInfo *info);

// The control with identifier id (ControlId of its Index) of the window that window
// is or belongs to, searching nested containers; an image-list holder gives
// its image list and a thread entry its thread handle; 0 when none.
HANDLE GetControlHandle(HWND window, int id);

// Writes a line into the output pane of a Quenlo environment debugging this
// process; with clear set, the text replaces the pane's contents.
void PrintToIdeOutputA(const char *text, int clear);
void PrintToIdeOutputW(const wchar_t *text, int clear);
void PrintToIdeOutput(const void *text, int clear);
