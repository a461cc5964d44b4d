// The Settings application's start-up values for the program entry.
#include "app/settings_template.h"
#include "app/version.h"
#include "qnruntime.h"

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"Settings",
    .ExeName = L"Settings.exe",
    .Title = L" Settings", // with its leading blank
    .MainKind = KindWindow,
    .WideRequest = 1, // UTF-16 texts and windows
    .CodePage = 1252, // code page of the texts
    .VersionMajor = SETTINGS_VERSION_MAJOR,
    .VersionMinor = SETTINGS_VERSION_MINOR,
    .VersionRevision = SETTINGS_VERSION_RELEASE << 16 | SETTINGS_VERSION_BUILD,
    .MainTemplate = SettingsWindowTemplate,
};
