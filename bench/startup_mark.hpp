// Measurement hooks for the benchmarks in bench/, shared by ringcoil-bench
// (ringcoil with the hooks) and the bare Qt programs it is compared with. Each hook is off unless its
// environment variable is set; with none set nothing is installed.
//
//   RINGCOIL_BENCH_MARK=1     at the window's first frame, print to stderr
//                             "first-frame-ms N" (since the process started,
//                             from /proc/self/stat, 10 ms steps) and
//                             "first-frame-main-ms N" (since main() began)
//   RINGCOIL_BENCH_EXIT=1     quit right after that first frame
//   RINGCOIL_BENCH_TICKS=N    quit when the animation clock fires for the
//                             (N+1)-th time after the first frame, so after
//                             N whole ticks
//   RINGCOIL_BENCH_REPAINT=1  after each tick, print the area every widget
//                             painted for it
#pragma once

class QWidget;

namespace ringcoil::bench {

// Call first thing in main().
void markMainStart();

// Call once the main window exists, before the event loop runs.
void installHooks(QWidget& window);

}  // namespace ringcoil::bench
