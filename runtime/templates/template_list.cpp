// The application's templates by name: RegisterTemplate, FindTemplate and
// OpenWindow.
#include "runtime/templates/template_list.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

const WindowTemplate **RegisterTemplate() {
    if (!TemplateList) return nullptr;
    for (uint32_t i = 0; i < MaxTemplates; ++i)
        if (!TemplateList[i]) return &TemplateList[i];
    return nullptr;
}

const WindowTemplate *FindTemplateW(const wchar_t *name) {
    if (!TemplateList || !name) return nullptr;
    for (const WindowTemplate **t = TemplateList; *t; ++t)
        if ((*t)->Name && lstrcmpiW((*t)->Name, name) == 0) return *t;
    return nullptr;
}

const WindowTemplate *FindTemplateA(const char *name) {
    if (!TemplateList || !name) return nullptr;
    for (const WindowTemplate **t = TemplateList; *t; ++t) {
        if (!(*t)->Name) continue;
        char narrow[261];
        // A name that does not fit whole is none of the names asked for.
        if (WideToAnsiWhole((*t)->Name, narrow, sizeof narrow) < 0) continue;
        if (lstrcmpiA(narrow, name) == 0) return *t;
    }
    return nullptr;
}

const WindowTemplate *FindTemplate(const void *name) {
    return UnicodeFlag ? FindTemplateW((const wchar_t *)name) : FindTemplateA((const char *)name);
}

template <class Ch>
static INT_PTR OpenWindowT(const WindowTemplate *(*find)(const Ch *), const Ch *templateName,
                           HWND owner, int modal, WNDPROC dialogProcedure) {
    HWND focus = modal ? GetFocus() : nullptr;
    INT_PTR result = 0;
    WindowObject *ownerObject = owner ? ObjectFromHandle(owner) : nullptr;
    const WindowTemplate *found = nullptr;
    const bool controlOwner = ownerObject && ownerObject->Kind >= KindLabel &&
                              ownerObject->Kind != KindGroupBox &&
                              ownerObject->Kind != KindPictureBox;
    if (!controlOwner) found = find(templateName);
    if (found) {
        if (ownerObject && found->MdiChild && ownerObject->MdiClient)
            owner = ownerObject->MdiClient;
        if (!found->IsMainWindow) result = CreateFromTemplate(found, owner, modal, dialogProcedure);
    }
    if (modal) SetFocus(focus);
    return result;
}

INT_PTR OpenWindowA(const char *templateName, HWND owner, int modal, WNDPROC dialogProcedure) {
    return OpenWindowT<char>(FindTemplateA, templateName, owner, modal, dialogProcedure);
}

INT_PTR OpenWindowW(const wchar_t *templateName, HWND owner, int modal, WNDPROC dialogProcedure) {
    return OpenWindowT<wchar_t>(FindTemplateW, templateName, owner, modal, dialogProcedure);
}

INT_PTR OpenWindow(const void *templateName, HWND owner, int modal, WNDPROC dialogProcedure) {
    return UnicodeFlag ? OpenWindowW((const wchar_t *)templateName, owner, modal, dialogProcedure)
                       : OpenWindowA((const char *)templateName, owner, modal, dialogProcedure);
}
