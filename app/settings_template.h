// The Settings window template: the window, two groups and their controls.
#pragma once

#include "qnruntime.h"

enum { SettingsTemplateEntries = 12 };
extern const WindowTemplate SettingsWindowTemplate[SettingsTemplateEntries];
