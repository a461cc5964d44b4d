// The Settings window template: the window, two groups and their controls.
#include "app/settings.h"

namespace {

constexpr int32_t ButtonFace = SystemColour(COLOR_BTNFACE);
constexpr int32_t ButtonText = SystemColour(COLOR_BTNTEXT);
constexpr int32_t DarkBlue = 0x00A00000;
constexpr const wchar_t *NoToolTip = L"";

struct Geometry {
    int32_t Left, Top, Width, Height;
};
struct FontSpec {
    const wchar_t *Face;
    int32_t Size;
};

// The fields every entry of this template shares.
constexpr WindowObject Entry(ControlKind kind, const wchar_t *name, const wchar_t *text,
                             int32_t index, Geometry at, DWORD style, FontSpec font,
                             int32_t foreColour, int32_t value, int32_t tabStop, int32_t children) {
    WindowObject e{};
    e.Kind = kind;
    e.Name = name;
    e.TextBuffer = TextRef(text);
    e.Index = index;
    e.Left = at.Left;
    e.Top = at.Top;
    e.Width = at.Width;
    e.Height = at.Height;
    e.Style = style;
    e.FontName = TextRef(font.Face);
    e.FontSize = font.Size;
    e.ForeColorSetting = foreColour;
    e.Value = value;
    e.TabStop = tabStop;
    e.ChildCount = children;
    e.BackColorSetting = ButtonFace;
    e.Enabled = 1;
    e.Visible = 1;
    e.PictureType = -1;
    if (kind >= KindLabel) e.ToolTipText = TextRef(NoToolTip);
    return e;
}

constexpr WindowObject SettingsWindowEntry(const WindowObject *self) {
    WindowObject e = Entry(KindWindow, L"Settings", L"IDS_SETTINGS", 0, {0, 0, 456, 248},
                           0x16C80000, {L"MS Sans Serif", 8}, ButtonText, 0, 0, 4);
    e.StartUpPosition = 2; // centred on the work area
    e.PenWidth = 1;
    e.Icon = 100;
    e.FixedFontScale = 1;
    e.IsMainWindow = 1;
    e.RedrawOnResize = 1;
    e.ExStyle = 0x00140101;
    e.EventProcedure = SettingsWindowProc;
    e.TemplateStart = self;
    return e;
}

constexpr WindowObject Group(const wchar_t *name, const wchar_t *text, int32_t index, Geometry at,
                             FontSpec font, int32_t foreColour, int32_t children) {
    WindowObject e =
        Entry(KindGroupBox, name, text, index, at, 0x56000000, font, foreColour, 0, 0, children);
    e.ShowFrame = 1;
    return e;
}

constexpr WindowObject CheckBox(const wchar_t *name, const wchar_t *text, int32_t index,
                                Geometry at) {
    return Entry(KindCheckBox, name, text, index, at, 0x54004003, {L"Arial", 9}, DarkBlue, 1, 1, 0);
}

constexpr WindowObject OptionButton(const wchar_t *name, const wchar_t *text, int32_t index,
                                    Geometry at, int32_t checked) {
    return Entry(KindOptionButton, name, text, index, at, 0x54004009, {L"Tahoma", 8}, ButtonText,
                 checked, checked, 0);
}

constexpr WindowObject OkButton() {
    WindowObject e = Entry(KindPushButton, L"btnOk", L"IDS_OK", 0, {179, 182, 92, 28}, 0x54004300,
                           {L"Arial", 9}, ButtonText, 0, 1, 0);
    e.ShowFocus = 1;
    return e;
}

} // namespace

constinit const WindowTemplate SettingsWindowTemplate[SettingsTemplateEntries] = {
    SettingsWindowEntry(SettingsWindowTemplate),
    CheckBox(L"chkShortcut64", L"IDS_ADD_SHORTCUT_64", 7, {20, 154, 410, 16}),
    CheckBox(L"chkShortcut", L"IDS_ADD_SHORTCUT", 6, {20, 136, 410, 16}),
    Group(L"grpFiles", L"IDS_CHECK_FILES", 1, {8, 9, 432, 117}, {L"Arial", 9}, DarkBlue, 5),
    CheckBox(L"chkProject", L"IDS_PROJECT_FILES", 2, {12, 29, 298, 16}),
    CheckBox(L"chkWindow", L"IDS_WINDOW_FILES", 3, {12, 49, 298, 16}),
    CheckBox(L"chkModule", L"IDS_MODULE_FILES", 4, {12, 69, 298, 16}),
    CheckBox(L"chkResource", L"IDS_RESOURCE_FILES", 5, {12, 89, 298, 16}),
    Group(L"grpAssoc", L"Associate to", 8, {322, 39, 86, 56}, {L"Tahoma", 8}, ButtonText, 2),
    OptionButton(L"rdo64Bit", L"64-bit", 10, {8, 33, 62, 15}, 0),
    OptionButton(L"rdo32Bit", L"32-bit", 9, {8, 17, 62, 15}, 1),
    OkButton(),
};
