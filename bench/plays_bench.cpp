// Plays through the real main window, coins, nudges and bonus stops
// included, and prints one line:
//   plays        how many plays were made
//   seconds      how long they took
//   peak-rss-mb  the process's peak resident memory (VmHWM), in MB
// Usage: glint-bench-plays [plays]  (1000 by default)

#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const auto app = glint::bench::makeApplication(argc, argv);
    const auto window = glint::bench::makeWindow();
    if (!glint::bench::load(*window))
        return 1;
    if (!glint::bench::showAndWaitForPaint(*window)) {
        std::fprintf(stderr, "glint-bench-plays: the main window did not paint within 5 s\n");
        return 1;
    }

    const double began = glint::bench::clockSeconds(CLOCK_MONOTONIC);
    glint::bench::Player player(*window);
    for (int i = 0; i < plays; ++i)
        player.playOnce();
    const double seconds = glint::bench::clockSeconds(CLOCK_MONOTONIC) - began;
    std::printf("plays=%d seconds=%.1f peak-rss-mb=%.1f\n", plays, seconds, glint::bench::peakResidentMegabytes());
    return 0;
}
