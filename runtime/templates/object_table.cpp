// The object table: pairs (window handle, object), dense and ended by a pair
// whose handle is 0, behind ObjectFromHandle.
#include "runtime/templates/templates.h"
#include "runtime/startup/memory.h"
#include "runtime/startup/runtime_state.h"

#include <string.h>

struct ObjectPair {
    HWND Window;
    WindowObject *Object;
};
static_assert(sizeof(ObjectPair) == 8);

static ObjectPair *Pairs() {
    return (ObjectPair *)ObjectTable;
}
static uint32_t PairCount() {
    return ObjectTableUsed / sizeof(ObjectPair);
}

WindowObject *ObjectFromHandle(HWND window) {
    if (!window || !ObjectTable) return nullptr;
    for (ObjectPair *pair = Pairs(); pair->Window; ++pair)
        if (pair->Window == window) return pair->Object;
    return nullptr;
}

void AddObject(HWND window, WindowObject *object) {
    if (!window || !ObjectTable) return;
    if (ObjectTableUsed + 12 >= ObjectTableCapacity) {
        const uint32_t bytes = (ObjectTableUsed + 16) * 2;
        uint8_t *grown = (uint8_t *)AllocZeroed(bytes);
        if (!grown) return;
        memcpy(grown, ObjectTable, ObjectTableUsed);
        FreeBlock(ObjectTable);
        ObjectTable = grown;
        ObjectTableCapacity = bytes - 4;
    }
    ObjectPair *end = Pairs() + PairCount();
    end->Window = window;
    end->Object = object;
    ObjectTableUsed += sizeof(ObjectPair);
}

static void ReleaseObjectTexts(WindowObject *object) {
    FreeText(object->FontName);
    object->FontName = nullptr;
    FreeText(object->TextBuffer);
    object->TextBuffer = nullptr;
    if (object->Kind >= KindLabel) {
        FreeText(object->ToolTipCopy);
        object->ToolTipCopy = nullptr;
    }
}

void ReleaseChildObjects(WindowObject *object) {
    if (!object || !object->Children) return;
    for (WindowObject **child = object->Children; *child; ++child) {
        ReleaseObjectTexts(*child);
        ReleaseChildObjects(*child);
        FreeBlock(*child);
    }
    FreeBlock(object->Children);
    object->Children = nullptr;
}

static int RemovePair(HWND window) {
    if (!ObjectTable || ObjectTableUsed == 0) return -1;
    ObjectPair *pairs = Pairs();
    const uint32_t count = PairCount();
    uint32_t i = 0;
    while (i < count && pairs[i].Window != window)
        ++i;
    if (i == count) return -1;
    memmove(pairs + i, pairs + i + 1, (count - i - 1) * sizeof(ObjectPair));
    ObjectTableUsed -= sizeof(ObjectPair);
    pairs[count - 1].Window = nullptr;
    pairs[count - 1].Object = nullptr;
    return 1;
}

int RemoveObject(HWND window, WindowObject *object) {
    if (RemovePair(window) < 0) return -1;
    if (object) {
        ReleaseObjectTexts(object);
        ReleaseChildObjects(object);
    }
    return 1;
}

int RemoveObjectKeepingChildren(HWND window, WindowObject *object) {
    if (RemovePair(window) < 0) return -1;
    if (object) ReleaseObjectTexts(object);
    return 1;
}
