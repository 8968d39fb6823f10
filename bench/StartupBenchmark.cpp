// Start-up to the first shown frame, and peak memory at that frame, of two programs
// run alternately on the same X display: the configurator and a bare Qt dialog with the
// same widgets. Prints the median and spread of each and the configurator's ratios.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "FirstFrame.h"
#include "Statistics.h"

namespace {

const int TIMEOUT_MILLISECONDS = 20000;

struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> peakMegabytes;
};

void PrintFigure(const char* what, const char* unit, const std::vector<double>& values)
{
    auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("  %-28s median %7.1f %s   min %7.1f   max %7.1f\n", what, Median(values), unit, *low, *high);
}

void Measure(const std::string& program, Samples& samples)
{
    FirstFrame frame = MeasureFirstFrame({program}, TIMEOUT_MILLISECONDS);
    samples.milliseconds.push_back(frame.milliseconds);
    samples.peakMegabytes.push_back(frame.peakKilobytes / 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s QUORVEL BARE_DIALOG RUNS\n", argv[0]);
        return 2;
    }
    std::string quorvel = argv[1];
    std::string bare = argv[2];
    int runs = std::atoi(argv[3]);
    if (runs < 1) {
        std::fprintf(stderr, "RUNS must be at least 1\n");
        return 2;
    }
    try {
        // One run of each first, unmeasured, so that both start from a warm file cache.
        Samples warmUp;
        Measure(quorvel, warmUp);
        Measure(bare, warmUp);

        Samples ofQuorvel;
        Samples ofBare;
        for (int run = 0; run < runs; ++run) {
            Measure(quorvel, ofQuorvel);
            Measure(bare, ofBare);
        }
        std::printf("Start-up to the first shown frame, %d runs each, alternately:\n", runs);
        PrintFigure("Quorvel", "ms", ofQuorvel.milliseconds);
        PrintFigure("bare Qt dialog", "ms", ofBare.milliseconds);
        std::printf("Peak memory (VmHWM) at the first shown frame:\n");
        PrintFigure("Quorvel", "MiB", ofQuorvel.peakMegabytes);
        PrintFigure("bare Qt dialog", "MiB", ofBare.peakMegabytes);
        double startUpRatio = Median(ofQuorvel.milliseconds) / Median(ofBare.milliseconds);
        double memoryRatio = Median(ofQuorvel.peakMegabytes) / Median(ofBare.peakMegabytes);
        std::printf("Quorvel / bare Qt dialog (medians): start-up %.2fx (target 1.5x), peak memory %.2fx "
                    "(target 1.2x)\n",
                    startUpRatio, memoryRatio);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
