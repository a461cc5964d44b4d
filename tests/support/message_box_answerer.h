// Answers the message box a test's own code shows, from a second thread.
#pragma once

#include <windows.h>
#include <atomic>
#include <string>

#include "tests/support/test_support.h"

// Presses the OK button of the first message box of this thread that
// appears, and keeps its text and caption.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() : Thread(GetCurrentThreadId()) {
        Watcher = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    ~MessageBoxAnswerer() {
        Stop = true;
        WaitForSingleObject(Watcher, 5000);
        CloseHandle(Watcher);
    }
    std::string Text, Caption;
    // MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONASTERISK or MB_ICONQUESTION:
    // the system icon the box shows; 0 for none.
    UINT Icon = 0;
    std::atomic<bool> Answered{false};

  private:
    static BOOL CALLBACK Find(HWND window, LPARAM data) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") || !IsWindowVisible(window)) return TRUE;
        *(HWND *)data = window;
        return FALSE;
    }
    static BOOL CALLBACK FindIcon(HWND control, LPARAM data) {
        HICON shown = (HICON)SendMessageW(control, STM_GETICON, 0, 0);
        if (!shown) return TRUE;
        static const struct {
            LPCSTR Name;
            UINT Style;
        } icons[] = {{IDI_HAND, MB_ICONHAND},
                     {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                     {IDI_ASTERISK, MB_ICONASTERISK},
                     {IDI_QUESTION, MB_ICONQUESTION}};
        for (const auto &icon : icons)
            if (shown == LoadIconA(nullptr, icon.Name)) *(UINT *)data = icon.Style;
        return TRUE;
    }
    static DWORD WINAPI Watch(void *data) {
        MessageBoxAnswerer *self = (MessageBoxAnswerer *)data;
        while (!self->Stop && !self->Answered) {
            HWND box = nullptr;
            EnumThreadWindows(self->Thread, Find, (LPARAM)&box);
            if (box) {
                EnumChildWindows(box, FindIcon, (LPARAM)&self->Icon);
                self->Text = MessageBoxText(box);
                self->Caption = WindowTextOf(box);
                self->Answered = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
        return 0;
    }
    DWORD Thread;
    HANDLE Watcher;
    std::atomic<bool> Stop{false};
};

// Runs make with an answerer standing by, for code that is to show no
// message (making a window whose start-up guards may refuse): a box it shows
// all the same is answered instead of waited on. Its text, or "" for none.
template <class Make> std::string AnsweringAnyMessage(Make make) {
    MessageBoxAnswerer answerer;
    make();
    return answerer.Answered ? answerer.Text : std::string();
}
