// Plays spins through the real main window and prints one line:
//   spins        how many were measured
//   wall-ratio   median of a spin's wall time / (steps x 10 ms), the pace
//                the game's rules set
//   worst-ratio  the slowest spin's ratio
//   cpu-share    median of the process's processor time / wall time during
//                a spin, in %
// Usage: glint-bench-spin [spins]  (20 by default)

#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[])
{
    const int spins = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const auto app = glint::bench::makeApplication(argc, argv);
    const auto window = glint::bench::makeWindow();
    if (!glint::bench::load(*window))
        return 1;
    // Spins are timed as the player sees them: on a window that is on screen.
    if (!glint::bench::showAndWaitForPaint(*window)) {
        std::fprintf(stderr, "glint-bench-spin: the main window did not paint within 5 s\n");
        return 1;
    }

    glint::bench::Player player(*window);
    std::vector<double> ratios;
    std::vector<double> cpuShares;
    for (int i = 0; i < spins; ++i) {
        const glint::bench::Play play = player.playOnce();
        ratios.push_back(play.wallSeconds / (play.steps * 0.010));
        cpuShares.push_back(play.cpuSeconds / play.wallSeconds * 100);
    }
    std::printf("spins=%d wall-ratio=%.4f worst-ratio=%.4f cpu-share=%.2f\n", spins, glint::bench::median(ratios),
                *std::max_element(ratios.begin(), ratios.end()), glint::bench::median(cpuShares));
    return 0;
}
