// A template written as constant data and checked by the compiler. Built by
// ctest, not into a test program: as it is, it compiles; with
// QN_MISTAKE_IN_TEMPLATE its second check box takes the first one's Index,
// and the build fails at the static_assert.
#include "qnruntime.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

extern const WindowTemplate ConstantTemplate[4];

#ifdef QN_MISTAKE_IN_TEMPLATE
constexpr int32_t SecondIndex = 1;
#else
constexpr int32_t SecondIndex = 2;
#endif

constexpr WindowTemplate ConstantTemplate[4] = {
    {.StartUpPosition = StartCentredOnScreen, .PictureType = PictureNone, .Name = L"frmConstant",
     .Kind = KindWindow, .ChildCount = 1, .TemplateStart = ConstantTemplate},
    {.PictureType = PictureNone, .Name = L"grpBox", .Index = 0, .Kind = KindGroupBox,
     .ChildCount = 2},
    {.PictureType = PictureNone, .Name = L"chkOne", .Index = 1, .Kind = KindCheckBox,
     .Value = 1},
    {.PictureType = PictureNone, .Name = L"chkTwo", .Index = SecondIndex, .Kind = KindCheckBox},
};
static_assert(TemplateIsSound(ConstantTemplate));
