// Real windows with hand-made WindowObjects, for tests of routines that
// find their objects through the object table, and a recording window class.
#pragma once

#include <windows.h>
#include <vector>

#include "runtime/base/window_object.h"

// Windows of the class "QnTestRecorder" keep every message they receive
// (posted or sent) from WM_USER up, and WM_TIMER, WM_SIZE and WM_COMMAND.
struct RecordedMessage {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};
std::vector<RecordedMessage> &RecordedMessages();
int CountRecorded(HWND window, UINT message);
extern const wchar_t RecorderClass[];

// Creates windows and zeroed objects bound to them through AddObject;
// everything is unbound, freed and destroyed when the set goes.
class ObjectWindows {
  public:
    ObjectWindows() = default;
    ObjectWindows(const ObjectWindows &) = delete;
    ObjectWindows &operator=(const ObjectWindows &) = delete;
    ~ObjectWindows();

    HWND Create(const wchar_t *className, DWORD style, int x, int y, int width, int height,
                HWND parent = nullptr, const wchar_t *text = nullptr);
    // A zeroed object of the kind with Handle, Visible 1 and PictureType -1.
    WindowObject *Bind(HWND window, ControlKind kind);
    // Create and Bind in one call.
    WindowObject *Make(const wchar_t *className, ControlKind kind, DWORD style, int x, int y,
                       int width, int height, HWND parent = nullptr);

  private:
    std::vector<HWND> windows_;
    std::vector<WindowObject *> objects_;
};

// The window rectangle relative to the parent's client area.
RECT RectInParent(HWND window);
