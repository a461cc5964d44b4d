// The gallery: a window that shows one control of every kind the runtime
// creates, with owner-drawn buttons, labels, images and pictures drawn on.
#pragma once

#include <windows.h>

#include "qnruntime.h"

// Resources of Gallery.exe.
enum GalleryResource {
    IconGallery = 100,
    IconStar16 = 110,
    IconStar32 = 111,
    BitmapArrow = 120,
    BitmapTile = 121,
    BitmapLandscape = 122,
    BitmapToolbar = 123,
    BitmapBand = 124,
};

// Template indexes; a control's identifier is ControlId of its index.
enum GalleryControl : int32_t {
    IndexToolbar,
    IndexRebar,
    IndexBandLabel,
    IndexStatusBar,
    IndexButtons,
    IndexImageAbove,
    IndexImageBelow,
    IndexImageLeft,
    IndexImageRight,
    IndexIconOnly,
    IndexDisabledImage,
    IndexWrapped,
    IndexColoured,
    IndexCompare,
    IndexOwnerPlain,
    IndexSystemPlain,
    IndexOwnerDefault,
    IndexSystemDefault,
    IndexOwnerDisabled,
    IndexSystemDisabled,
    IndexClassicLook,
    IndexLeftGroup,
    IndexOptionOne,
    IndexOptionTwo,
    IndexCentreGroup,
    IndexCheckOne,
    IndexCheckTwo,
    IndexRightGroup,
    IndexGroupText,
    IndexDropDown,
    IndexDropList,
    IndexExtendedCombo,
    IndexListBox,
    IndexRichText,
    IndexLabels,
    IndexLabelLeft,
    IndexLabelCentre,
    IndexLabelRight,
    IndexLabelWrapped,
    IndexLabelDisabled,
    IndexLabelLink,
    IndexSysLink,
    IndexPhoto,
    IndexOverPicture,
    IndexOverPictureRight,
    IndexImages,
    IndexImageBitmap,
    IndexImageIcon,
    IndexImageStretched,
    IndexCaptionBitmap,
    IndexCaptionIcon,
    IndexCaptionStretched,
    IndexHScroll,
    IndexVScroll,
    IndexAnimation,
    IndexPager,
    IndexPagedText,
    IndexHotKey,
    IndexAddress,
    IndexNumber,
    IndexUpDown,
    IndexTextBox,
    IndexDrawing,
    IndexBuffered,
    IndexTabs,
    IndexTrackbar,
    IndexProgress,
    IndexDatePicker,
    IndexHeader,
    IndexCalendar,
    IndexTree,
    IndexList,
    IndexCounter,
    // The row of buttons that change properties while the gallery runs, the
    // label they move and size in twips, and the label of the window's timer.
    IndexPropertyNote,
    IndexSetCaption,
    IndexSetColours,
    IndexSetFont,
    IndexSetVisible,
    IndexSetEnabled,
    IndexSetGeometry,
    IndexSetValues,
    IndexSetRanges,
    IndexSetPicture,
    IndexSetDocking,
    IndexMoving,
    IndexTimerLabel,
    GalleryControlCount
};

enum { GalleryTemplateEntries = GalleryControlCount + 1 };
extern const WindowTemplate GalleryWindowTemplate[];

// The property buttons: the change that each makes, and the window timer's
// label, which counts the ticks.
bool IsPropertyButton(int index);
void ChangeProperties(HWND window, int index);
void StartTimerLabel(HWND window);
void CountTimerTick(HWND window);

// The window's and the two drawing pictures' EventProcedures.
LRESULT CALLBACK GalleryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DrawingPictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The counter thread. The runtime starts it from the thread entry, whose
// field has a window procedure's shape, so it never returns.
LRESULT CALLBACK CountSeconds(HWND parameter, UINT, WPARAM, LPARAM);
