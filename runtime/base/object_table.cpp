// The object table: pairs (window handle, object), dense and ended by a pair
// whose handle is 0, behind ObjectFromHandle.
#include "runtime/base/object_table.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/window_object.h"

#include <string.h>

WindowObject *PendingObject;

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

// Every message looks its window up, so a window with many controls would
// make every message walk a long table. A direct-mapped cache in front of
// the scan remembers, per handle, the object of the handle's first pair.
// Appending never changes which pair of a handle comes first, and growth
// copies the pairs in order; only removing a handle's first pair can, and
// that clears the handle's slot.
enum : uint32_t { CacheBits = 8 };
struct CachedObject {
    HWND Window;
    WindowObject *Object;
};
static CachedObject ObjectCache[1u << CacheBits];

static CachedObject *CacheSlot(HWND window) {
    // Fibonacci hashing spreads the handles' regular steps over the slots.
    return &ObjectCache[((uint32_t)(uintptr_t)window * 0x9E3779B1u) >> (32 - CacheBits)];
}

void ForgetCachedObjects() {
    memset(ObjectCache, 0, sizeof ObjectCache);
}

WindowObject *ObjectFromHandle(HWND window) {
    if (!window || !ObjectTable) return nullptr;
    CachedObject *slot = CacheSlot(window);
    if (slot->Window == window) return slot->Object;
    for (ObjectPair *pair = Pairs(); pair->Window; ++pair)
        if (pair->Window == window) {
            slot->Window = window;
            slot->Object = pair->Object;
            return pair->Object;
        }
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
    CachedObject *slot = CacheSlot(window);
    if (slot->Window == window) *slot = {};
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
