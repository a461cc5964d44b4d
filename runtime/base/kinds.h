// Groups of control kinds that several parts of the runtime test for.
#pragma once

#include "runtime/base/window_object.h"

// Dialog boxes, MDI frames and windows (and 0 while a kind is unknown).
inline bool IsWindowKind(int kind) {
    return kind >= 0 && kind < KindLabel;
}
// Controls that hold other controls.
inline bool IsContainerKind(int kind) {
    return kind == KindGroupBox || kind == KindPictureBox || kind == KindRebar;
}
inline bool IsWindowOrContainerKind(int kind) {
    return IsWindowKind(kind) || IsContainerKind(kind);
}
// Controls that can be docked to an edge of their window.
inline bool IsDockableKind(int kind) {
    return kind == KindPictureBox || kind == KindToolbar || kind == KindStatusBar ||
           kind == KindRebar;
}
inline bool IsButtonKind(int kind) {
    return kind == KindPushButton || kind == KindCheckBox || kind == KindOptionButton;
}
inline bool IsTextBoxKind(int kind) {
    return kind == KindTextBox || kind == KindRichTextBox;
}
inline bool IsGroupOrPictureKind(int kind) {
    return kind == KindGroupBox || kind == KindPictureBox;
}
// An MDI child: a window of kind 3 created inside an MDI frame's client.
inline bool IsMdiChildObject(const WindowObject *object) {
    return object->Kind == KindWindow && object->MdiChild;
}
