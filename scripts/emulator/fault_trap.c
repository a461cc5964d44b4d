/*
 * Preloaded into Wine's 32-bit processes when they run on QEMU's user-mode
 * emulator (install-deps.sh sets that up on kernels that cannot run 32-bit
 * programs themselves).
 *
 * Wine tells a page fault from other faults by the trap number the kernel
 * writes into the signal context. The emulator leaves that number out (-1)
 * for most faults, so Wine reports every access violation as an illegal
 * instruction, and code that expects to catch access violations (guard
 * pages, IsBadWritePtr) does not. The signal's own code still says what
 * happened: this puts the matching trap number back before Wine's handler
 * reads it.
 *
 * Built without the C library's headers, which a 64-bit system may lack
 * for 32-bit code: the few layouts used are those of the i386 Linux ABI.
 */

enum {
    SignalFloatingPoint = 8,
    SignalSegmentation = 11,
    FlagSigInfo = 4, /* SA_SIGINFO */
    TrapDivide = 0,
    TrapFloatingPoint = 16,
    TrapGeneralProtection = 13,
    TrapPageFault = 14,
    RegisterTrapNumber = 12, /* REG_TRAPNO in gregs */
};

struct SignalAction {
    void *Action;
    unsigned long Mask[32];
    int Flags;
    void (*Restorer)(void);
};

typedef void (*SignalHandler)(int, void *, void *);
typedef int (*SigactionFunction)(int, const struct SignalAction *, struct SignalAction *);

extern void *dlsym(void *, const char *);
#define NEXT_LIBRARY ((void *)-1l) /* RTLD_NEXT */

static SignalHandler Handlers[SignalSegmentation + 1];

/* siginfo's si_code follows si_signo and si_errno; the general registers of
 * a ucontext follow uc_flags, uc_link and the 12-byte stack_t. */
static void RestoreTrapNumber(int signal, void *info, void *context) {
    const int code = ((const int *)info)[2];
    int *trap = (int *)((char *)context + 20) + RegisterTrapNumber;
    if (signal == SignalSegmentation && *trap != TrapPageFault && *trap != TrapGeneralProtection &&
        (code == 1 || code == 2)) /* SEGV_MAPERR, SEGV_ACCERR */
        *trap = TrapPageFault;
    if (signal == SignalFloatingPoint && *trap == -1)
        *trap = code == 1 ? TrapDivide : TrapFloatingPoint; /* FPE_INTDIV */
    Handlers[signal](signal, info, context);
}

static int Watched(int signal) {
    return signal == SignalSegmentation || signal == SignalFloatingPoint;
}

int sigaction(int signal, const struct SignalAction *action, struct SignalAction *previous) {
    static SigactionFunction next;
    if (!next) next = (SigactionFunction)dlsym(NEXT_LIBRARY, "sigaction");
    struct SignalAction wrapped;
    SignalHandler before = Watched(signal) ? Handlers[signal] : 0;
    if (Watched(signal) && action && (action->Flags & FlagSigInfo) &&
        action->Action != (void *)RestoreTrapNumber) {
        wrapped = *action;
        Handlers[signal] = (SignalHandler)action->Action;
        wrapped.Action = (void *)RestoreTrapNumber;
        action = &wrapped;
    }
    const int result = next(signal, action, previous);
    if (previous && previous->Action == (void *)RestoreTrapNumber)
        previous->Action = (void *)before;
    return result;
}
