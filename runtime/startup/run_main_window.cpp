// RunMainWindow: the main window's life, from creation to the quit message.
#include "runtime/startup/startup.h"
#include "runtime/templates/creation.h"
#include "runtime/templates/template_list.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

enum { AcceleratorResource = 104 };

int WINAPI RunMainWindow(HINSTANCE, HINSTANCE, void *, int) {
    MSG msg = {};
    const WindowTemplate **slot = RegisterTemplate();
    if (slot) *slot = MainWindowTemplate;
    if (MainWindowTemplate && CreateFromTemplate(MainWindowTemplate, nullptr, 0, nullptr) != 0) {
        App->Accelerators = LoadAcceleratorsAW(App->Instance, AcceleratorResource);
        // A result of 0 is the quit message, a negative one an error.
        while (GetMessageAW(&msg) > 0) {
            if (TranslateAcceleratorAW(App->MainWindow, App->Accelerators, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageAW(&msg);
        }
    }
    ReleaseRuntime();
    if (App->Accelerators) DestroyAcceleratorTable(App->Accelerators);
    App->Accelerators = nullptr;
    return (int)msg.wParam;
}
