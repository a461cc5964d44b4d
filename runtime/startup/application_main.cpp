// The entry of an application built with the C runtime's ordinary start-up:
// the C runtime has run the global constructors when main is called, and
// runs the atexit handlers and destructors when main returns the code.
#include "runtime/startup/startup.h"

int main() {
    return RunApplication();
}
