#pragma once

// For the benchmarks only: when PORTVIEW_BENCH_LOOP_GAPS names a file, a
// 5 ms timer on the window's thread notes the longest time between two of
// its ticks in each second (the longest the window could not have drawn a
// frame) and writes it there, in milliseconds, at the end of that second.
// Unset, nothing runs.
namespace LoopGapProbe {
void startIfAsked();
}
