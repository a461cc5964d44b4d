// Window templates built by tests.
#include "tests/support/template_builder.h"

static WindowObject Common(ControlKind kind, const wchar_t *name, int children) {
    WindowObject e{};
    e.Kind = kind;
    e.Name = name;
    e.ChildCount = children;
    e.BackColorSetting = SystemColour(COLOR_BTNFACE);
    e.ForeColorSetting = SystemColour(COLOR_BTNTEXT);
    e.Enabled = 1;
    e.Visible = 1;
    e.PictureType = -1;
    e.FontName = TextRef(L"MS Sans Serif");
    e.FontSize = 8;
    return e;
}

WindowObject WindowEntry(ControlKind kind, const wchar_t *name, int children, int width,
                         int height) {
    WindowObject e = Common(kind, name, children);
    e.Width = width;
    e.Height = height;
    e.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    e.TextBuffer = TextRef(name);
    return e;
}

WindowObject ControlEntry(ControlKind kind, const wchar_t *name, int index, int children,
                          DWORD style, const wchar_t *text) {
    WindowObject e = Common(kind, name, children);
    e.Index = index;
    e.Left = 10 + 4 * index;
    e.Top = 10 + 20 * index;
    e.Width = 100;
    e.Height = 18;
    e.Style = WS_CHILD | WS_VISIBLE | style;
    e.TextBuffer = TextRef(text);
    e.ToolTipText = TextRef(L"");
    return e;
}

void FinishTemplate(std::vector<WindowObject> &entries) {
    if (!entries.empty()) entries[0].TemplateStart = entries.data();
}
