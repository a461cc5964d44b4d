// Takes a picture of a program's window for people to look at:
//   window_shot.exe CLASS OUTPUT.bmp PROGRAM [ARGUMENTS]
// starts the program, waits for its window of the given class, copies the
// window's pixels from the screen into a 24-bit bitmap file and closes it.
// QN_SHOT_CLICKS="1075 1076 ..." in the environment first presses the
// buttons with these control identifiers, in order, through the window's
// WM_COMMAND, and waits a little longer before the picture is taken.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

struct Search {
    DWORD ProcessId;
    const char *ClassName;
    HWND Found;
};

static BOOL CALLBACK Match(HWND window, LPARAM data) {
    Search *search = (Search *)data;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search->ProcessId || lstrcmpiA(name, search->ClassName) ||
        !IsWindowVisible(window))
        return TRUE;
    search->Found = window;
    return FALSE;
}

static bool SaveBitmap(HDC screen, const RECT &area, const char *path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    void *bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(screen, (BITMAPINFO *)&header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER file = {0x4D42, (DWORD)(sizeof file + sizeof header + stride * height), 0, 0,
                             sizeof file + sizeof header};
    FILE *out = fopen(path, "wb");
    bool saved = false;
    if (out) {
        fwrite(&file, sizeof file, 1, out);
        fwrite(&header, sizeof header, 1, out);
        fwrite(bits, stride, height, out);
        saved = fclose(out) == 0;
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return saved;
}

struct Descendant {
    int Id;
    HWND Found;
};

static BOOL CALLBACK MatchId(HWND window, LPARAM data) {
    Descendant *search = (Descendant *)data;
    if (GetDlgCtrlID(window) != search->Id) return TRUE;
    search->Found = window;
    return FALSE;
}

static void PressButtons(HWND window, const char *ids) {
    for (const char *p = ids; *p;) {
        char *end = nullptr;
        const long id = strtol(p, &end, 10);
        if (end == p) break;
        p = end;
        Descendant search = {(int)id, nullptr};
        EnumChildWindows(window, MatchId, (LPARAM)&search);
        if (search.Found)
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)search.Found);
    }
}

int main(int argc, char **argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: window_shot CLASS OUTPUT.bmp PROGRAM [ARGUMENTS]\n");
        return 2;
    }
    char command[1024];
    snprintf(command, sizeof command, "\"%s\"%s%s", argv[3], argc > 4 ? " " : "",
             argc > 4 ? argv[4] : "");
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &process)) {
        fprintf(stderr, "cannot start %s\n", argv[3]);
        return 1;
    }
    Search search = {process.dwProcessId, argv[1], nullptr};
    for (int i = 0; i < 300 && !search.Found; ++i) {
        EnumWindows(Match, (LPARAM)&search);
        Sleep(50);
    }
    int result = 1;
    if (search.Found) {
        // Let it paint: once its thread is idle, what a slow machine has
        // left unpainted is painted now, and what the program draws after
        // its paint messages has time to follow.
        WaitForInputIdle(process.hProcess, 10000);
        RedrawWindow(search.Found, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(700);
        const char *clicks = getenv("QN_SHOT_CLICKS");
        if (clicks && *clicks) {
            PressButtons(search.Found, clicks);
            RedrawWindow(search.Found, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            Sleep(2500);
        }
        RECT area;
        GetWindowRect(search.Found, &area);
        HDC screen = GetDC(nullptr);
        result = SaveBitmap(screen, area, argv[2]) ? 0 : 1;
        ReleaseDC(nullptr, screen);
        PostMessageA(search.Found, WM_CLOSE, 0, 0);
    } else {
        fprintf(stderr, "no window of class %s appeared\n", argv[1]);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return result;
}
