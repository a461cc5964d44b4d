// Window templates and creation: windows and controls built from templates,
// the object table, fonts, colours and images.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/templates/window_object.h"

// The object whose window is being created: bound to the new handle by the
// window's first message.
extern WindowObject *PendingObject;

// The shared frame pens (light grey 0xE0E0E0, dark grey 0x808080) and the
// number of windows and boxes that use them.
extern HPEN FramePenLight;
extern HPEN FramePenDark;
extern int FramePenUses;

// --- Windows from templates ---

// Creates a window from its template. Returns the window handle, 0 when no
// window was created, -1 when the application refused it; a modal window
// returns its modal result. The owner may be 0; the dialog procedure is
// kept as the PreviousProcedure of a dialog.
INT_PTR CreateFromTemplate(const WindowTemplate *windowTemplate, HWND owner, int modal,
                           WNDPROC dialogProcedure);

// Copies the child entries that follow entry into objects under parent;
// returns the last entry consumed.
const WindowObject *BuildChildObjects(WindowObject *parent, const WindowObject *entry);

// Finishes a window (kinds 1 to 3) at its WM_CREATE or WM_INITDIALOG.
void SetUpWindow(WindowObject *object);

// CreateWindowEx in the active form with the application's instance; the
// class name is a runtime UTF-16 literal, the window name a text in the
// active form (or null).
HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter);

// The object table: the object of a window handle (first match), or 0.
WindowObject *ObjectFromHandle(HWND window);
// Empties the lookup cache in front of the table; whoever puts another
// table in place of ObjectTable (or none) calls it.
void ForgetCachedObjects();
void AddObject(HWND window, WindowObject *object);
// Removes the pair and releases the object's texts and its child objects;
// -1 when the pair is absent.
int RemoveObject(HWND window, WindowObject *object);

// Frees the Children array of an object with every child object in it,
// depth first (each child's texts and own children first).
void ReleaseChildObjects(WindowObject *object);
// RemoveObject for containers: their Children array stays, as the window
// that owns them frees it.
int RemoveObjectKeepingChildren(HWND window, WindowObject *object);

// Templates the application can open by name.
const WindowTemplate **RegisterTemplate();
const WindowTemplate *FindTemplateA(const char *name);
const WindowTemplate *FindTemplateW(const wchar_t *name);
const WindowTemplate *FindTemplate(const void *name);

// Opens another window of the application by its template's Name; returns
// what CreateFromTemplate returns, or 0.
INT_PTR OpenWindowA(const char *templateName, HWND owner, int modal, WNDPROC dialogProcedure);
INT_PTR OpenWindowW(const wchar_t *templateName, HWND owner, int modal, WNDPROC dialogProcedure);
INT_PTR OpenWindow(const void *templateName, HWND owner, int modal, WNDPROC dialogProcedure);

// A text reference turned into an owned heap copy in the active form (room
// for two more characters); with keepLength, TextLength gets its length.
void *CopyText(WindowObject *object, const void *text, int keepLength);
// Frees a text field unless it holds a string-table number or nothing.
void FreeText(void *text);

void ReleaseWindowResources(WindowObject *object);
void DeleteObjectResources(WindowObject *object);
void DeleteGdiOrIcon(HANDLE handle);
void DestroyImageList(HIMAGELIST list);
void AcquireFramePens();
void ReleaseFramePens();

// --- Controls ---

// Creates the controls of container's Children inside parentWindow; the
// owner window is the window the controls belong to.
void CreateControls(HWND parentWindow, HWND ownerWindow, WindowObject *container);
// Font, colours and images of one control.
void ApplyControlAppearance(HWND ownerWindow, WindowObject *object);
void InsertRebarBands(WindowObject *object);
// Toolbars and rebars own a copy of their item records (toolbar buttons
// also their texts), released here when the control is destroyed.
void ReleaseControlItems(WindowObject *object);
// The image list of the image-list holder called name inside window, or 0.
HIMAGELIST FindImageList(HWND window, const wchar_t *name);

// --- Fonts, colours and images ---

// A font of the given point size: rounded half up, at the context's
// resolution, or as on a 96-dpi screen with fixedScale.
HFONT CreateFontFromFields(HWND window, int size, int bold, int italic, int underline,
                           int strikeOut, const void *faceName, int fixedScale);
// The point-size rule alone: the (negative) font height.
int FontHeightForSize(int dotsPerInch, int size, int divisor);
void RebuildFont(WindowObject *object, int fixedScale, int redraw);
// A colour code resolved to a colour, or (wantBrush) to a brush; the kinds
// that take their colours by message never get a brush.
uintptr_t ResolveColour(WindowObject *object, int32_t colourCode, int wantBrush);
// BackColor from BackColorSetting (not -1), and either the background
// brush or, for the kinds that take colours by message, the colour sent.
void ApplyBackColour(WindowObject *object);
// Sends ForeColor to the kinds that take their text or bar colour by message.
void SendForeColour(const WindowObject *object);
// Loads an image resource number as a shared image (a picture as a bitmap
// first, unless object's PictureType says icon); handles and 0 unchanged.
ImageRef LoadImageResource(WindowObject *object, ImageRef value, int asPicture);
void RecordPictureSize(WindowObject *object);
