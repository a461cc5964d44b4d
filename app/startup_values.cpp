// The Settings application's start-up values for the program entry.
#include "app/settings.h"
#include "app/version.h"
#include "runtime/startup/startup.h"

const StartupValues ApplicationStartup = {
    L"Settings",     // class-name suffix
    L"Settings.exe", // executable name
    L" Settings",    // title, with its leading blank
    3,               // the main window is an ordinary window
    1,               // UTF-16 texts and windows
    1252,            // code page of the texts
    SETTINGS_VERSION_MAJOR,
    SETTINGS_VERSION_MINOR,
    SETTINGS_VERSION_RELEASE << 16 | SETTINGS_VERSION_BUILD, // revision: release, build
    SettingsWindowTemplate,
};
