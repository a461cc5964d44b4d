// The Settings window template: the window, two groups and their controls.
#include "app/settings_template.h"
#include "app/settings_window.h"

// Each entry names only the fields it sets; every other field is zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

constexpr int32_t ButtonFace = SystemColour(COLOR_BTNFACE);
constexpr int32_t ButtonText = SystemColour(COLOR_BTNTEXT);
constexpr int32_t DarkBlue = 0x00A00000;
constexpr const wchar_t *NoToolTip = L"";

constexpr DWORD WindowStyle =
    WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
constexpr DWORD WindowExStyle =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_APPWINDOW | WS_EX_NOINHERITLAYOUT;
constexpr DWORD GroupStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD CheckBoxStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_NOTIFY | BS_AUTOCHECKBOX;
constexpr DWORD OptionButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_NOTIFY | BS_AUTORADIOBUTTON;
constexpr DWORD OkButtonStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_NOTIFY | BS_PUSHBUTTON | BS_CENTER;

struct Geometry {
    int32_t Left, Top, Width, Height;
};
struct FontSpec {
    const wchar_t *Face;
    int32_t Size;
};

constexpr WindowObject SettingsWindowEntry(const WindowObject *self) {
    return {
        .BackColorSetting = ButtonFace,
        .StartUpPosition = StartCentredOnScreen,
        .PenWidth = 1,
        .Enabled = 1,
        .FontName = TextRef(L"MS Sans Serif"),
        .FontSize = 8,
        .ForeColorSetting = ButtonText,
        .Height = 248,
        .Icon = SettingsIcon,
        .PictureType = PictureNone,
        .FixedFontScale = 1,
        .Left = 0,
        .IsMainWindow = 1,
        .Name = L"Settings",
        .RedrawOnResize = 1,
        .ToolTipStyle = ToolTipsNone,
        .TabStop = 0,
        .TextBuffer = TextRef(L"IDS_SETTINGS"),
        .Top = 0,
        .Kind = KindWindow,
        .Value = 0,
        .Visible = 1,
        .Width = 456,
        .EventProcedure = SettingsWindowProc,
        .ChildCount = 4,
        .ExStyle = WindowExStyle,
        .Style = WindowStyle,
        .TemplateStart = self,
    };
}

constexpr WindowObject Group(const wchar_t *name, const wchar_t *text, SettingsControl id,
                             Geometry at, FontSpec font, int32_t foreColour, int32_t children) {
    return {
        .BackColorSetting = ButtonFace,
        .ShowFrame = 1,
        .Enabled = 1,
        .FontName = TextRef(font.Face),
        .FontSize = font.Size,
        .ForeColorSetting = foreColour,
        .Height = at.Height,
        .PictureType = PictureNone,
        .Left = at.Left,
        .ToolTipText = TextRef(NoToolTip),
        .Name = name,
        .Index = ControlIndex(id),
        .TabStop = 0,
        .TextBuffer = TextRef(text),
        .Top = at.Top,
        .Kind = KindGroupBox,
        .Value = 0,
        .Visible = 1,
        .Width = at.Width,
        .ChildCount = children,
        .Style = GroupStyle,
    };
}

constexpr WindowObject CheckBox(const wchar_t *name, const wchar_t *text, SettingsControl id,
                                Geometry at) {
    return {
        .BackColorSetting = ButtonFace,
        .Enabled = 1,
        .FontName = TextRef(L"Arial"),
        .FontSize = 9,
        .ForeColorSetting = DarkBlue,
        .Height = at.Height,
        .PictureType = PictureNone,
        .Left = at.Left,
        .ToolTipText = TextRef(NoToolTip),
        .Name = name,
        .Index = ControlIndex(id),
        .TabStop = 1,
        .TextBuffer = TextRef(text),
        .Top = at.Top,
        .Kind = KindCheckBox,
        .Value = 1,
        .Visible = 1,
        .Width = at.Width,
        .ChildCount = 0,
        .Style = CheckBoxStyle,
    };
}

constexpr WindowObject OptionButton(const wchar_t *name, const wchar_t *text, SettingsControl id,
                                    Geometry at, int32_t checked) {
    return {
        .BackColorSetting = ButtonFace,
        .Enabled = 1,
        .FontName = TextRef(L"Tahoma"),
        .FontSize = 8,
        .ForeColorSetting = ButtonText,
        .Height = at.Height,
        .PictureType = PictureNone,
        .Left = at.Left,
        .ToolTipText = TextRef(NoToolTip),
        .Name = name,
        .Index = ControlIndex(id),
        .TabStop = checked,
        .TextBuffer = TextRef(text),
        .Top = at.Top,
        .Kind = KindOptionButton,
        .Value = checked,
        .Visible = 1,
        .Width = at.Width,
        .ChildCount = 0,
        .Style = OptionButtonStyle,
    };
}

constexpr WindowObject OkButton() {
    return {
        .BackColorSetting = ButtonFace,
        .Enabled = 1,
        .FontName = TextRef(L"Arial"),
        .FontSize = 9,
        .ForeColorSetting = ButtonText,
        .Height = 28,
        .PictureType = PictureNone,
        .Left = 179,
        .ToolTipText = TextRef(NoToolTip),
        .Name = L"btnOk",
        .Index = ControlIndex(IdOk),
        .TabStop = 1,
        .TextBuffer = TextRef(L"IDS_OK"),
        .Top = 182,
        .ShowFocus = 1,
        .Kind = KindPushButton,
        .Value = 0,
        .Visible = 1,
        .Width = 92,
        .ChildCount = 0,
        .Style = OkButtonStyle,
    };
}

} // namespace

// Constant data, so that the compiler checks it below.
constexpr WindowTemplate SettingsWindowTemplate[SettingsTemplateEntries] = {
    SettingsWindowEntry(SettingsWindowTemplate),
    CheckBox(L"chkShortcut64", L"IDS_ADD_SHORTCUT_64", IdShortcut64, {20, 154, 410, 16}),
    CheckBox(L"chkShortcut", L"IDS_ADD_SHORTCUT", IdShortcut32, {20, 136, 410, 16}),
    Group(L"grpFiles", L"IDS_CHECK_FILES", IdFileGroup, {8, 9, 432, 117}, {L"Arial", 9}, DarkBlue,
          5),
    CheckBox(L"chkProject", L"IDS_PROJECT_FILES", IdProjectFiles, {12, 29, 298, 16}),
    CheckBox(L"chkWindow", L"IDS_WINDOW_FILES", IdWindowFiles, {12, 49, 298, 16}),
    CheckBox(L"chkModule", L"IDS_MODULE_FILES", IdModuleFiles, {12, 69, 298, 16}),
    CheckBox(L"chkResource", L"IDS_RESOURCE_FILES", IdResourceFiles, {12, 89, 298, 16}),
    Group(L"grpAssoc", L"Associate to", IdAssociateGroup, {322, 39, 86, 56}, {L"Tahoma", 8},
          ButtonText, 2),
    OptionButton(L"rdo64Bit", L"64-bit", Id64Bit, {8, 33, 62, 15}, 0),
    OptionButton(L"rdo32Bit", L"32-bit", Id32Bit, {8, 17, 62, 15}, 1),
    OkButton(),
};
static_assert(TemplateIsSound(SettingsWindowTemplate));
