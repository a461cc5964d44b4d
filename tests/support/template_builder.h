// Window templates built in a test: an ordinary window entry followed by
// control entries in pre-order.
#pragma once

#include <windows.h>
#include <vector>

#include "runtime/templates/window_object.h"

class TemplateBuilder {
  public:
    explicit TemplateBuilder(int children) {
        WindowObject &w = Add(KindWindow, 0, L"frmTest", L"Test window", children);
        w.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        w.Width = 640;
        w.Height = 480;
        w.Left = 10;
        w.Top = 10;
        w.PenWidth = 1;
        // Hidden: without a window manager, Wine waits for a shown window
        // to be withdrawn when it is destroyed.
        w.Visible = 0;
    }

    // An entry with the fields every test control shares.
    WindowObject &Add(ControlKind kind, int index, const wchar_t *name, const wchar_t *text,
                      int children = 0) {
        WindowObject e{};
        e.Kind = kind;
        e.Index = index;
        e.Name = name;
        e.TextBuffer = TextRef(text);
        e.ChildCount = children;
        e.FontName = TextRef(L"Tahoma");
        e.FontSize = 8;
        e.BackColorSetting = SystemColour(COLOR_BTNFACE);
        e.ForeColorSetting = SystemColour(COLOR_BTNTEXT);
        e.Enabled = 1;
        e.Visible = 1;
        e.PictureType = -1;
        e.Style = WS_VISIBLE;
        e.Left = 4 + 8 * (int)entries_.size();
        e.Top = 4;
        e.Width = 120;
        e.Height = 24;
        if (kind >= KindLabel) e.ToolTipText = TextRef(L"");
        entries_.push_back(e);
        return entries_.back();
    }

    WindowObject &Window() { return entries_.front(); }

    // The finished template, valid while the builder lives and gets no
    // more entries; null when the Children counts do not cover exactly the
    // entries added.
    const WindowTemplate *Finish() {
        size_t next = 0;
        if (!Consume(next) || next != entries_.size()) return nullptr;
        entries_.front().TemplateStart = entries_.data();
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
