// CheckTemplate: whether a window template can make the window it describes.
// Every routine here is constexpr, so that a template written as constant
// data can be checked by the compiler:
//
//     static_assert(TemplateIsSound(MyWindowTemplate));
//
// and CreateFromTemplate runs the same check before it creates anything.
//
// A template is sound when:
// - the first entry is a window (kind 1 to 3) and every other a control
//   (kind 4 to 36; thread entries, kind 35, count as controls);
// - the child counts, none below zero, consume the entries exactly, and only
//   the window, group boxes, picture boxes, rebars and pagers have children;
// - the controls' Index values are 0 to n-1 for n controls, each once: the
//   keyboard's Tab order and GetControlHandle find controls by them;
// - the window has a Name, a TemplateStart that is null or its own address,
//   and a thread entry an EventProcedure;
// - the coded fields that creation reads for the entry's kind hold one of
//   their codes: Align (a DockEdge, on dockable kinds only),
//   StartUpPosition, WindowState, ToolTipStyle, PictureType, Alignment,
//   Value of check and option buttons, PicturePosition of push buttons.
//   ScaleMode takes any value: 1 is twips and every other value pixels.
//
// A field shared with others in a union is read only for the kinds that use
// it. While the compiler evaluates the check, a union field that the
// template's initialiser left to another member of its union cannot be read
// and is passed over; the check that creation runs reads it.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

#include "runtime/base/window_object.h"

enum TemplateRule : int32_t {
    TemplateFine = 0,
    TemplateMissing,
    TemplateFirstNotWindow,
    TemplateKindNotControl,
    TemplatePastEnd,
    TemplateEntriesMissing,
    TemplateEntriesLeftOver,
    TemplateChildCountNegative,
    TemplateChildrenOutsideContainer,
    TemplateIndexOutOfRange,
    TemplateIndexDuplicate,
    TemplateWindowUnnamed,
    TemplateStartElsewhere,
    TemplateThreadWithoutProcedure,
    TemplateAlignNotDockable,
    TemplateAlignOutOfRange,
    TemplateStartUpOutOfRange,
    TemplateWindowStateOutOfRange,
    TemplateToolTipStyleOutOfRange,
    TemplatePictureTypeOutOfRange,
    TemplateAlignmentOutOfRange,
    TemplateValueOutOfRange,
    TemplatePicturePositionOutOfRange,
    TemplateDialogResourceMissing,
    TemplateMainEntryNotMain,
    TemplateRuleCount
};

// The first problem of a template: the entry (0 is the window), the rule it
// breaks, and the numbers that the rule's text names (Value, then Other).
struct TemplateProblem {
    int32_t Entry;
    TemplateRule Rule;
    int32_t Value;
    int32_t Other;
};

// The rule's one-line English text. Each %d stands for a number of the
// problem: the first for Value, the second for Other.
constexpr const wchar_t *TemplateRuleText(TemplateRule rule) {
    switch (rule) {
    case TemplateFine: return L"the template is sound";
    case TemplateMissing: return L"there is no template";
    case TemplateFirstNotWindow:
        return L"kind %d cannot head a template: the first entry is a dialog (1), an MDI "
               L"frame (2) or a window (3)";
    case TemplateKindNotControl: return L"kind %d is not a control kind (4 to 36)";
    case TemplatePastEnd:
        return L"kind %d is not a control kind (4 to 36); if this entry lies past the "
               L"template's end, the child count of entry %d is too large";
    case TemplateEntriesMissing:
        return L"ChildCount %d reaches past the template's end (its last entry is %d)";
    case TemplateEntriesLeftOver:
        return L"no child count reaches this entry: the counts cover %d entries of %d";
    case TemplateChildCountNegative: return L"ChildCount %d is below zero";
    case TemplateChildrenOutsideContainer:
        return L"ChildCount %d on a kind that holds no controls (only windows, group boxes, "
               L"picture boxes, rebars and pagers do)";
    case TemplateIndexOutOfRange:
        return L"Index %d is outside 0 to %d (the controls are numbered from 0, one each)";
    case TemplateIndexDuplicate: return L"Index %d is used by entry %d";
    case TemplateWindowUnnamed: return L"the window has no Name";
    case TemplateStartElsewhere:
        return L"TemplateStart is neither null nor the address of the window's own entry";
    case TemplateThreadWithoutProcedure: return L"a thread entry has no EventProcedure to run";
    case TemplateAlignNotDockable:
        return L"Align %d on a kind that does not dock (only picture boxes, toolbars, status "
               L"bars and rebars do)";
    case TemplateAlignOutOfRange: return L"Align %d is not a DockEdge (0 to 4)";
    case TemplateStartUpOutOfRange: return L"StartUpPosition %d is outside 0 to 3";
    case TemplateWindowStateOutOfRange: return L"WindowState %d is outside -1 to 2";
    case TemplateToolTipStyleOutOfRange: return L"ToolTipStyle %d is outside 0 to 2";
    case TemplatePictureTypeOutOfRange: return L"PictureType %d is outside -1 to 2";
    case TemplateAlignmentOutOfRange: return L"Alignment %d is outside 0 to 2";
    case TemplateValueOutOfRange: return L"Value %d is outside 0 to %d";
    case TemplatePicturePositionOutOfRange: return L"PicturePosition %d is outside 0 to 3";
    case TemplateDialogResourceMissing: return L"the program has no dialog resource %d";
    case TemplateMainEntryNotMain:
        return L"the main window's entry does not set IsMainWindow, so closing it would not end "
               L"the program";
    case TemplateRuleCount: break;
    }
    return L"unknown rule";
}

// Whether a union field may be read: always at run time; while the compiler
// evaluates, only when it is the member that the initialiser gave a value.
#if defined(__GNUC__)
#define QN_TEMPLATE_FIELD_READABLE(field)                                                          \
    (!__builtin_is_constant_evaluated() || __builtin_constant_p(field))
#else
#define QN_TEMPLATE_FIELD_READABLE(field) (!__builtin_is_constant_evaluated())
#endif

namespace template_check_detail {

constexpr bool IsWindowEntryKind(int32_t kind) {
    return kind >= KindDialog && kind <= KindWindow;
}
constexpr bool IsControlEntryKind(int32_t kind) {
    return kind >= KindLabel && kind <= KindLink;
}
// The containers, and the pager, whose child is the control it scrolls.
constexpr bool HoldsControls(int32_t kind) {
    return kind == KindGroupBox || kind == KindPictureBox || kind == KindRebar || kind == KindPager;
}
constexpr bool Docks(int32_t kind) {
    return kind == KindPictureBox || kind == KindToolbar || kind == KindStatusBar ||
           kind == KindRebar;
}
constexpr bool ShowsPicture(int32_t kind) {
    return IsWindowEntryKind(kind) || kind == KindPictureBox || kind == KindImage ||
           kind == KindPushButton;
}
constexpr bool AlignsText(int32_t kind) {
    return kind == KindLabel || kind == KindGroupBox || kind == KindPictureBox;
}
constexpr bool Within(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

constexpr TemplateProblem Problem(ptrdiff_t entry, TemplateRule rule, int32_t value = 0,
                                  int32_t other = 0) {
    return {(int32_t)entry, rule, value, other};
}

// The walk over the tree: count < 0 when the array's length is unknown, and
// then the walk stops at the first entry that cannot be a control.
struct Walk {
    const WindowObject *Entries;
    ptrdiff_t Count;
    TemplateProblem Found;
};

// Walks the children of entry at; returns the entry after its subtree, or
// -1 with walk.Found set.
constexpr ptrdiff_t WalkChildren(Walk &walk, ptrdiff_t at) {
    const int32_t children = walk.Entries[at].ChildCount;
    ptrdiff_t next = at + 1;
    for (int32_t i = 0; i < children; ++i) {
        if (walk.Count >= 0 && next >= walk.Count) {
            walk.Found = Problem(at, TemplateEntriesMissing, children, (int32_t)(walk.Count - 1));
            return -1;
        }
        const WindowObject &entry = walk.Entries[next];
        if (!IsControlEntryKind(entry.Kind)) {
            walk.Found = walk.Count >= 0 ? Problem(next, TemplateKindNotControl, entry.Kind)
                                         : Problem(next, TemplatePastEnd, entry.Kind, (int32_t)at);
            return -1;
        }
        if (entry.ChildCount < 0) {
            walk.Found = Problem(next, TemplateChildCountNegative, entry.ChildCount);
            return -1;
        }
        if (entry.ChildCount > 0 && !HoldsControls(entry.Kind)) {
            walk.Found = Problem(next, TemplateChildrenOutsideContainer, entry.ChildCount);
            return -1;
        }
        next = entry.ChildCount > 0 ? WalkChildren(walk, next) : next + 1;
        if (next < 0) return -1;
    }
    return next;
}

// The fields that both windows and controls have.
constexpr TemplateProblem CheckCommonFields(const WindowObject &e, ptrdiff_t at) {
    if (e.Align != DockNone && !Docks(e.Kind))
        return Problem(at, TemplateAlignNotDockable, e.Align);
    if (!Within(e.Align, DockNone, DockRight)) return Problem(at, TemplateAlignOutOfRange, e.Align);
    if (ShowsPicture(e.Kind) && !Within(e.PictureType, PictureNone, PictureCursor))
        return Problem(at, TemplatePictureTypeOutOfRange, e.PictureType);
    return Problem(at, TemplateFine);
}

constexpr TemplateProblem CheckWindowEntry(const WindowObject *entries) {
    const WindowObject &e = entries[0];
    if (!e.Name) return Problem(0, TemplateWindowUnnamed);
    // The first member of its union: readable unless a font was set there.
    if (e.TemplateStart && e.TemplateStart != entries) return Problem(0, TemplateStartElsewhere);
    const TemplateProblem common = CheckCommonFields(e, 0);
    if (common.Rule != TemplateFine) return common;
    if (QN_TEMPLATE_FIELD_READABLE(e.StartUpPosition) &&
        !Within(e.StartUpPosition, StartAtLeftTop, StartWhereSystemPuts))
        return Problem(0, TemplateStartUpOutOfRange, e.StartUpPosition);
    if (QN_TEMPLATE_FIELD_READABLE(e.WindowState) &&
        !Within(e.WindowState, WindowHidden, WindowMaximised))
        return Problem(0, TemplateWindowStateOutOfRange, e.WindowState);
    if (QN_TEMPLATE_FIELD_READABLE(e.ToolTipStyle) &&
        !Within(e.ToolTipStyle, ToolTipsNone, ToolTipsBalloon))
        return Problem(0, TemplateToolTipStyleOutOfRange, e.ToolTipStyle);
    return Problem(0, TemplateFine);
}

// A control entry's own fields and its Index among the n controls.
constexpr TemplateProblem CheckControlEntry(const WindowObject *entries, ptrdiff_t at,
                                            ptrdiff_t controls) {
    const WindowObject &e = entries[at];
    if (QN_TEMPLATE_FIELD_READABLE(e.Index)) {
        if (!Within(e.Index, 0, (int32_t)controls - 1))
            return Problem(at, TemplateIndexOutOfRange, e.Index, (int32_t)controls - 1);
        for (ptrdiff_t earlier = 1; earlier < at; ++earlier)
            if (QN_TEMPLATE_FIELD_READABLE(entries[earlier].Index) &&
                entries[earlier].Index == e.Index)
                return Problem(at, TemplateIndexDuplicate, e.Index, (int32_t)earlier);
    }
    // A thread has no window: of its fields, creation reads only those of
    // the thread.
    if (e.Kind == KindThread)
        return e.EventProcedure ? Problem(at, TemplateFine)
                                : Problem(at, TemplateThreadWithoutProcedure);
    const TemplateProblem common = CheckCommonFields(e, at);
    if (common.Rule != TemplateFine) return common;
    if (AlignsText(e.Kind) && QN_TEMPLATE_FIELD_READABLE(e.Alignment) &&
        !Within(e.Alignment, TextAlignLeft, TextAlignRight))
        return Problem(at, TemplateAlignmentOutOfRange, e.Alignment);
    if ((e.Kind == KindCheckBox || e.Kind == KindOptionButton) &&
        QN_TEMPLATE_FIELD_READABLE(e.Value)) {
        // BST_INDETERMINATE only for check boxes.
        const int32_t highest = e.Kind == KindCheckBox ? 2 : 1;
        if (!Within(e.Value, 0, highest))
            return Problem(at, TemplateValueOutOfRange, e.Value, highest);
    }
    if (e.Kind == KindPushButton && QN_TEMPLATE_FIELD_READABLE(e.PicturePosition) &&
        !Within(e.PicturePosition, ImageAbove, ImageRight))
        return Problem(at, TemplatePicturePositionOutOfRange, e.PicturePosition);
    return Problem(at, TemplateFine);
}

} // namespace template_check_detail

// Checks count entries, or, with a count below zero, as many as the tree
// that the window's child counts describe, stopping at the first entry that
// cannot be a control (so that a count too large is not read far past the
// end: the caller's array should be followed by data that is no control, or
// the check reads as far as the counts say).
constexpr TemplateProblem CheckTemplateEntries(const WindowObject *entries, ptrdiff_t count) {
    using namespace template_check_detail;
    if (!entries || count == 0) return Problem(0, TemplateMissing);
    const WindowObject &window = entries[0];
    if (!IsWindowEntryKind(window.Kind)) return Problem(0, TemplateFirstNotWindow, window.Kind);
    if (window.ChildCount < 0) return Problem(0, TemplateChildCountNegative, window.ChildCount);
    Walk walk = {entries, count, Problem(0, TemplateFine)};
    const ptrdiff_t end = WalkChildren(walk, 0);
    if (end < 0) return walk.Found;
    if (count >= 0 && end != count)
        return Problem(end, TemplateEntriesLeftOver, (int32_t)end, (int32_t)count);
    const TemplateProblem windowProblem = CheckWindowEntry(entries);
    if (windowProblem.Rule != TemplateFine) return windowProblem;
    for (ptrdiff_t at = 1; at < end; ++at) {
        const TemplateProblem problem = CheckControlEntry(entries, at, end - 1);
        if (problem.Rule != TemplateFine) return problem;
    }
    return Problem(0, TemplateFine);
}

// A template of known length.
constexpr TemplateProblem CheckTemplate(const WindowObject *entries, size_t count) {
    return CheckTemplateEntries(entries,
                                count > (size_t)PTRDIFF_MAX ? PTRDIFF_MAX : (ptrdiff_t)count);
}
template <size_t N> constexpr TemplateProblem CheckTemplate(const WindowObject (&entries)[N]) {
    return CheckTemplateEntries(entries, (ptrdiff_t)N);
}
template <size_t N> constexpr bool TemplateIsSound(const WindowObject (&entries)[N]) {
    return CheckTemplate(entries).Rule == TemplateFine;
}

#undef QN_TEMPLATE_FIELD_READABLE
