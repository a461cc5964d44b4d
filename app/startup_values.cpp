// The Settings application's start-up values for the program entry.
#include "app/settings.h"
#include "runtime/startup/startup.h"

const StartupValues ApplicationStartup = {
    L"Settings",     // class-name suffix
    L"Settings.exe", // executable name
    L" Settings",    // title, with its leading blank
    3,               // the main window is an ordinary window
    0,               // 8-bit texts
    1252,            // code page of the texts
    1,               // version 1.1, revision 2
    1,
    2,
    SettingsWindowTemplate,
};
