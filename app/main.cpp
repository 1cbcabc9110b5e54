// Zorvet: the window, or the batch command line ("zorvet compute ...", "zorvet chart ...",
// "zorvet --help").
#include <csignal>
#include <cstdio>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/davka.h"
#include "ui/main_window/aplikace.h"

namespace {

bool maDisplej() {
    const char* platforma = std::getenv("QT_QPA_PLATFORM");
    if (platforma != nullptr && *platforma != '\0') {
        return true;
    }
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x != nullptr && *x != '\0') || (w != nullptr && *w != '\0');
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // A sweep's threads take and give back the rows of every point: memory a thread has given
    // back stays with it for the next point (up to 64 MiB) instead of going back to the system
    // and coming again page by page (mallopt(3), M_TRIM_THRESHOLD).
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    if (zorvet::JeDavka(argc, argv)) {
        // A standard output closed by its reader (zorvet ... | head) is a failed write that the
        // batch sees and reports, not a kill in the middle of its work.
        std::signal(SIGPIPE, SIG_IGN);
        // Only the chart needs the widgets; compute and table run on QtCore alone.
        return zorvet::JeGrafDavka(argc, argv) ? zorvet::SpustGrafDavku(argc, argv) : zorvet::SpustDavku(argc, argv);
    }
    if (!maDisplej()) {
        std::fputs("zorvet: the window needs a display (no DISPLAY or WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under Xvfb: xvfb-run ./build/app/zorvet\n"
                   "Without a display, compute a problem with: zorvet compute PROBLEM.cfg (see zorvet --help)\n",
                   stderr);
        return 2;
    }
    return zorvet::SpustOkna(argc, argv);
}
