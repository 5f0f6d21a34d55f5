// generateConfig for the start-up option set and for a busy one (net graph, every box ticked,
// long text fields).
#include <benchmark/benchmark.h>

#include "config/generator.h"
#include "config/option_set.h"

namespace {

kestro::OptionSet busyOptionSet() {
    kestro::OptionSet set = kestro::startupOptionSet();
    using O = kestro::OptionSet;
    for (int O::*box : {&O::chkZtrick, &O::chkDither, &O::chkCracks, &O::chkLightholes,
                        &O::chkBlend, &O::chkCull, &O::chkHimodels, &O::chkWeap, &O::chkDynamic,
                        &O::chkMirrorAlpha, &O::chkPrecache, &O::chkNetGraph, &O::chkUpload,
                        &O::chkDownload, &O::chkDownloadInGame, &O::chkMMX, &O::chkHisound,
                        &O::chkSAd, &O::chkSEax, &O::chkSbit, &O::chkCDAudio, &O::chkReverb}) {
        set.*box = 1;
    }
    set.cboNetGraph = 2;
    set.cboPos = 1;
    set.cboRate = 8;
    set.txtFPS = "100000000000000000000";
    set.txtDecals = "a rather long text that someone typed into the decals field";
    return set;
}

void BM_GenerateStartup(benchmark::State& state) {
    const kestro::OptionSet set = kestro::startupOptionSet();
    for (auto _ : state) benchmark::DoNotOptimize(kestro::generateConfig(set));
}
BENCHMARK(BM_GenerateStartup);

void BM_GenerateBusy(benchmark::State& state) {
    const kestro::OptionSet set = busyOptionSet();
    for (auto _ : state) benchmark::DoNotOptimize(kestro::generateConfig(set));
}
BENCHMARK(BM_GenerateBusy);

}  // namespace
