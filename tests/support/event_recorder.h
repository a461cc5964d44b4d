// An EventProcedure for tests: records what it hears and answers what the
// test told it to.
#pragma once

#include <windows.h>
#include <functional>
#include <vector>

struct HeardMessage {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

// What the recording EventProcedure answers: by default 0 to everything.
extern std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> EventAnswer;
extern std::vector<HeardMessage> Heard;

LRESULT CALLBACK RecordingEventProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How many times message was heard (by window, when given).
int TimesHeard(UINT message, HWND window = nullptr);
const HeardMessage *FirstHeard(UINT message);

// Clears the record and the answer.
void ResetRecorder();
