// The gallery's property buttons: each changes properties of controls of the
// window while it runs; and the label that counts the window timer's ticks.
#include "gallery/gallery.h"
#include "qnruntime.h"

#include <stdio.h>

static HWND ControlOf(HWND window, int index) {
    return (HWND)GetControlHandle(window, ControlId(index));
}

bool IsPropertyButton(int index) {
    return index >= IndexSetCaption && index <= IndexSetDocking;
}

// Shown and hidden, enabled and disabled in turn; the button says what its
// next press does.
static void ToggleVisible(HWND window) {
    HWND icon = ControlOf(window, IndexImageIcon);
    const bool shown = GetVisible(icon) == 1;
    SetVisible(icon, shown ? 0 : 1);
    SetTextW(ControlOf(window, IndexSetVisible), shown ? L"Show icon" : L"Hide icon");
}

static void ToggleEnabled(HWND window) {
    HWND group = ControlOf(window, IndexCentreGroup);
    const bool enabled = GetEnabled(group) == 1;
    SetEnabled(group, enabled ? 0 : 1);
    SetTextW(ControlOf(window, IndexSetEnabled), enabled ? L"Enable group" : L"Disable group");
}

// Twips: 1440 to the inch, 15 to the pixel on a 96-dpi screen.
static void MoveInTwips(HWND window) {
    HWND moving = ControlOf(window, IndexMoving);
    SetLeft(moving, GetLeft(moving) + 1500);
    SetWidth(moving, 3300);
    SetHeight(moving, 390);
    wchar_t text[64];
    swprintf(text, 64, L"At %d, %d twips", (int)GetLeft(moving), (int)GetTop(moving));
    SetTextW(moving, text);
}

static void ChangeValues(HWND window) {
    SetValue(ControlOf(window, IndexProgress), 95);
    SetValue(ControlOf(window, IndexTrackbar), 8);
    SetValue(ControlOf(window, IndexHScroll), 90);
    SetValue(ControlOf(window, IndexVScroll), 0);
    SetValue(ControlOf(window, IndexUpDown), 7);
    SetValue(ControlOf(window, IndexCheckTwo), 1);
    SetValue(ControlOf(window, IndexOptionTwo), 1);
}

// The same positions in a wider range sit further to the left.
static void ChangeRanges(HWND window) {
    // The ticks follow the range at once; Wine's trackbar moves its thumb
    // only when the position next changes.
    SetMax(ControlOf(window, IndexTrackbar), 40);
    SetMax(ControlOf(window, IndexHScroll), 400);
    SetLargeChange(ControlOf(window, IndexHScroll), 100);
    SetMax(ControlOf(window, IndexProgress), 400);
}

static void ChangeFont(HWND window) {
    HWND text = ControlOf(window, IndexTextBox);
    SetFontNameW(text, L"Courier New");
    SetFontSize(text, 10);
    SetFontBold(text, 1);
    SetFontItalic(ControlOf(window, IndexLabelCentre), 1);
}

static int BottomOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    return rect.bottom;
}

// The controls of the window are placed below the bars at its top: when the
// toolbar goes to the bottom they move up into the room it leaves, above the
// status bar, and down again when it comes back.
static void DockToolbarElsewhere(HWND window) {
    HWND toolbar = ControlOf(window, IndexToolbar), rebar = ControlOf(window, IndexRebar);
    const int before = BottomOf(rebar);
    SetAlign(toolbar, GetAlign(toolbar) == DockTop ? DockBottom : DockTop);
    const int shift = BottomOf(rebar) - before;
    if (!shift) return;
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    HDWP moves = BeginDeferWindowPos(count);
    for (HWND child = GetWindow(window, GW_CHILD); child && moves;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetAlign(child) > DockNone) continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, (POINT *)&rect, 2);
        moves = DeferWindowPos(moves, child, nullptr, rect.left, rect.top + shift, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (moves) EndDeferWindowPos(moves);
    // The controls overlap on the way; each paints itself again in its place.
    RedrawAll(window);
}

void ChangeProperties(HWND window, int index) {
    switch (index) {
    case IndexSetCaption:
        SetTextW(ControlOf(window, IndexLabelLeft), L"Caption set by a button");
        break;
    case IndexSetColours:
        SetForeColor(ControlOf(window, IndexLabelRight), RGB(255, 255, 255));
        SetBackColor(ControlOf(window, IndexLabelRight), RGB(200, 0, 0));
        break;
    case IndexSetFont: ChangeFont(window); break;
    case IndexSetVisible: ToggleVisible(window); break;
    case IndexSetEnabled: ToggleEnabled(window); break;
    case IndexSetGeometry: MoveInTwips(window); break;
    case IndexSetValues: ChangeValues(window); break;
    case IndexSetRanges: ChangeRanges(window); break;
    case IndexSetPicture:
        SetPicture(ControlOf(window, IndexImageStretched), BitmapLandscape);
        SetPicture(ControlOf(window, IndexImageBitmap), IconGallery);
        break;
    case IndexSetDocking: DockToolbarElsewhere(window); break;
    default: break;
    }
}

// The window's own timer (WindowTimerId) ticks once a second.
enum { TickMilliseconds = 1000 };
static unsigned Ticks;

void StartTimerLabel(HWND window) {
    Ticks = 0;
    SetTimerInterval(window, TickMilliseconds);
}

void CountTimerTick(HWND window) {
    wchar_t text[64];
    ++Ticks;
    swprintf(text, 64, L"Window timer: %u tick%s", Ticks, Ticks == 1 ? L"" : L"s");
    SetTextW(ControlOf(window, IndexTimerLabel), text);
}
