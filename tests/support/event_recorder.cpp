// The recording EventProcedure.
#include "tests/support/event_recorder.h"

std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> EventAnswer;
std::vector<HeardMessage> Heard;

LRESULT CALLBACK RecordingEventProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Heard.push_back({window, message, wParam, lParam});
    return EventAnswer ? EventAnswer(window, message, wParam, lParam) : 0;
}

int TimesHeard(UINT message, HWND window) {
    int n = 0;
    for (const HeardMessage &m : Heard)
        if (m.Message == message && (!window || m.Window == window)) ++n;
    return n;
}

const HeardMessage *FirstHeard(UINT message) {
    for (const HeardMessage &m : Heard)
        if (m.Message == message) return &m;
    return nullptr;
}

void ResetRecorder() {
    Heard.clear();
    EventAnswer = nullptr;
}
