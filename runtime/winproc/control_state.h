// Control state: check marks, enabling, fonts, images and styles.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnSetCheck(WindowObject *object, const WindowMessage &m);
LRESULT OnEnable(WindowObject *object, const WindowMessage &m);
LRESULT OnSetFont(WindowObject *object, const WindowMessage &m);
LRESULT OnSetImage(WindowObject *object, const WindowMessage &m);
LRESULT OnSetImageList(WindowObject *object, const WindowMessage &m);
LRESULT OnStyleChanged(WindowObject *object, const WindowMessage &m);
