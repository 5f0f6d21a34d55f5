#pragma once
// What each preset leaves in the main window, written out in full, shared by the window-free
// tests and the tests on the real window.

#include "config/option_set.h"
#include "forms/preset/presets.h"
#include "forms/start/rules.h"

namespace kestro::test {

// Moves every control that no preset touches away from its start-up value, so that a preset
// writing one of them shows: "3Dfx" (and with it "Enable Z-Trick"), "Disable Cull", "Force
// MMX Calculations" and "Disable Precache" ticked, "56k modem" selected.
inline void moveUntouchedControls(OptionControls& controls) {
    controls.setValue("chkFX", 1);
    controls.setValue("chkCull", 1);
    controls.setValue("chkMMX", 1);
    controls.setValue("chkPrecache", 1);
    controls.setValue("cboRate", 2);
}

// The preset applied before the one under test, so that every row of it changes a value.
inline Preset opposite(Preset preset) {
    return preset == Preset::High ? Preset::Low : Preset::High;
}

// The option set after moveUntouchedControls, opposite(preset) and preset, in OpenGL mode.
// "Mode 3" and "Right" were selected when one of the two presets ticked "Enable Netgraph".
inline OptionSet expectedAfter(Preset preset) {
    switch (preset) {
    case Preset::Low:
        return {.optSoftware = false, .optOpenGL = true, .chkFX = 1,
                .cboTexture = 0, .cboPicmip = 0, .cboPlayermip = 0, .cboMaxSize = 3,
                .chkZtrick = 1, .chkDither = 1, .chkCracks = 0, .chkLightholes = 1,
                .chkBlend = 1, .chkCull = 1,
                .cboRate = 2, .txtFPS = "72", .txtDecals = "30", .chkHimodels = 0,
                .chkWeap = 1, .chkDynamic = 1, .chkMirrorAlpha = 1, .chkPrecache = 1,
                .chkNetGraph = 0, .cboNetGraph = 0, .cboPos = 0, .chkUpload = 1,
                .chkDownload = 1, .chkDownloadInGame = 1, .chkMMX = 1,
                .chkHisound = 0, .chkSAd = 0, .chkSEax = 0, .chkSbit = 1, .chkCDAudio = 0,
                .chkReverb = 1};
    case Preset::Default:
        return {.optSoftware = false, .optOpenGL = true, .chkFX = 1,
                .cboTexture = 1, .cboPicmip = 2, .cboPlayermip = 2, .cboMaxSize = 0,
                .chkZtrick = 1, .chkDither = 0, .chkCracks = 0, .chkLightholes = 0,
                .chkBlend = 0, .chkCull = 1,
                .cboRate = 2, .txtFPS = "72", .txtDecals = "3000", .chkHimodels = 0,
                .chkWeap = 0, .chkDynamic = 0, .chkMirrorAlpha = 0, .chkPrecache = 1,
                .chkNetGraph = 0, .cboNetGraph = 0, .cboPos = 0, .chkUpload = 0,
                .chkDownload = 0, .chkDownloadInGame = 0, .chkMMX = 1,
                .chkHisound = 0, .chkSAd = 0, .chkSEax = 0, .chkSbit = 0, .chkCDAudio = 0,
                .chkReverb = 0};
    case Preset::High:
        return {.optSoftware = false, .optOpenGL = true, .chkFX = 1,
                .cboTexture = 3, .cboPicmip = 2, .cboPlayermip = 2, .cboMaxSize = 0,
                .chkZtrick = 1, .chkDither = 0, .chkCracks = 1, .chkLightholes = 0,
                .chkBlend = 0, .chkCull = 1,
                .cboRate = 2, .txtFPS = "120", .txtDecals = "4096", .chkHimodels = 1,
                .chkWeap = 0, .chkDynamic = 0, .chkMirrorAlpha = 0, .chkPrecache = 1,
                .chkNetGraph = 1, .cboNetGraph = 0, .cboPos = 0, .chkUpload = 0,
                .chkDownload = 0, .chkDownloadInGame = 0, .chkMMX = 1,
                .chkHisound = 1, .chkSAd = 1, .chkSEax = 1, .chkSbit = 0, .chkCDAudio = 1,
                .chkReverb = 0};
    }
    return {};
}

}  // namespace kestro::test
