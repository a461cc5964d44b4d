// Window templates built by tests: entries with the fields creation needs.
#pragma once

#include <vector>

#include "runtime/base/window_object.h"

// An entry of a window (kinds 1 to 3) with sensible defaults: visible,
// enabled, button-face background, pixels, 8-point "MS Sans Serif".
WindowObject WindowEntry(ControlKind kind, const wchar_t *name, int children, int width = 300,
                         int height = 200);

// An entry of a control with its index, position and size.
WindowObject ControlEntry(ControlKind kind, const wchar_t *name, int index, int children = 0,
                          DWORD style = 0, const wchar_t *text = L"");

// Makes the window entry (the first) refer to its own template.
void FinishTemplate(std::vector<WindowObject> &entries);

// A hidden ordinary window of 640 by 480 pixels whose entries are added in
// pre-order; Finish checks that the Children counts cover them exactly.
// Hidden, because Wine without a window manager waits two seconds for a
// shown window to be withdrawn when it is destroyed.
class TemplateBuilder {
  public:
    explicit TemplateBuilder(int children) {
        entries_.push_back(WindowEntry(KindWindow, L"frmTest", children, 640, 480));
        entries_.back().Visible = 0;
    }

    WindowObject &Add(ControlKind kind, int index, const wchar_t *name, const wchar_t *text,
                      int children = 0) {
        entries_.push_back(ControlEntry(kind, name, index, children, 0, text));
        return entries_.back();
    }

    WindowObject &Window() { return entries_.front(); }

    // The template, valid while the builder lives and gets no more entries;
    // null when the Children counts do not cover exactly the entries added.
    const WindowTemplate *Finish() {
        size_t next = 0;
        if (!Consume(next) || next != entries_.size()) return nullptr;
        FinishTemplate(entries_);
        return entries_.data();
    }

  private:
    bool Consume(size_t &next) const {
        if (next >= entries_.size()) return false;
        const int children = entries_[next++].ChildCount;
        for (int i = 0; i < children; ++i)
            if (!Consume(next)) return false;
        return true;
    }

    std::vector<WindowObject> entries_;
};
