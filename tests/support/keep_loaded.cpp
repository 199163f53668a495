// Keeps every library that the process opens mapped until it exits.
//
// Mesa unloads its driver when GLUT closes the display, and libglvnd unloads
// the rest on the way out; LeakSanitizer, which looks for leaks only after
// that, could then no longer say which library made an allocation, and the
// suppressions for the graphics libraries (tests/viewer/lsan.supp) would not
// match. Linked into a test program, or preloaded into one of the real
// programs, this turns unloading into a no-op. Nothing else changes.
#include <dlfcn.h>

extern "C" int dlclose(void*) {
  return 0;
}
