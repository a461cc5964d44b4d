// The Settings application, whole: its window and template, and the parts
// the window's sequences call on. The application's own files include the
// headers of the parts they use; this one is for code that drives all of it.
#pragma once

#include "app/bounded_text.h"
#include "app/desktop_shortcuts.h"
#include "app/file_associations.h"
#include "app/installation.h"
#include "app/language_table.h"
#include "app/obsolete_files.h"
#include "app/settings_template.h"
#include "app/settings_window.h"
