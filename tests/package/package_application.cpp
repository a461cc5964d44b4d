// An ordinary C++ application of the runtime. Its exit code tells what the
// C++ start-up did for it: 42 when its global constructor ran before the
// window, an exception thrown in its event procedure was caught there, its
// window ran until it closed, and its atexit handler ran at the end; 3 when
// any of them did not happen. The names App and CodePage are its own.
#include "qnruntime.h"

#include <stdexcept>
#include <stdlib.h>

struct App {
    int Constructed = 0;
    bool Caught = false;
    bool Closed = false;
    App();
};
static App TheApp;
static UINT CodePage = 1252;

static void AtEnd() {
    _exit(TheApp.Constructed == 42 && TheApp.Caught && TheApp.Closed ? 42 : 3);
}

App::App() {
    Constructed = 42;
    atexit(AtEnd);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == RTM_CREATED) {
        try {
            throw std::runtime_error("caught here");
        } catch (const std::exception &) {
            TheApp.Caught = TheApp.Constructed == 42;
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (message == WM_DESTROY) TheApp.Closed = true;
    return 0;
}

constexpr WindowTemplate MainTemplate[] = {{
    .BackColorSetting = SystemColour(COLOR_BTNFACE),
    .Enabled = 1,
    .ForeColorSetting = SystemColour(COLOR_BTNTEXT),
    .Height = 100,
    .PictureType = PictureNone,
    .IsMainWindow = 1,
    .Name = L"frmPackage",
    .TextBuffer = TextRef(L"Package application"),
    .Kind = KindWindow,
    .Visible = 1,
    .Width = 200,
    .EventProcedure = WindowProc,
    .Style = WS_OVERLAPPEDWINDOW,
}};

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"PackageApplication",
    .ExeName = L"PackageApplication.exe",
    .Title = L"Package application",
    .MainKind = KindWindow,
    .WideRequest = 1,
    .CodePage = CodePage,
    .MainTemplate = MainTemplate,
};
