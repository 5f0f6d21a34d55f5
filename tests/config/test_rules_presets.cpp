// The rules by which options set and enable others, and the three presets.
#include <gtest/gtest.h>

#include <tuple>

#include "config/presets.h"
#include "config/rules.h"

namespace kestro {
namespace {

using O = OptionSet;

TEST(Rules, ZtrickFollowsEveryChangeOfFxAndNothingElse) {
    // The box set and its value, then 3Dfx and Z-Trick after it (last: 3Dfx does not change).
    const std::tuple<CheckBox, int, int, int> steps[] = {
        {&O::chkFX, 1, 1, 1}, {&O::chkZtrick, 0, 1, 0}, {&O::chkZtrick, 1, 1, 1},
        {&O::chkFX, 0, 0, 0}, {&O::chkZtrick, 1, 0, 1}, {&O::chkFX, 0, 0, 1}};
    OptionSet s = startupOptionSet();
    for (const auto& [box, value, fx, ztrick] : steps) {
        setCheckBox(s, box, value);
        EXPECT_EQ(std::pair(s.chkFX, s.chkZtrick), std::pair(fx, ztrick));
    }
}

TEST(Rules, NetgraphSelectsTheFirstItemsOnTickingAndKeepsThemOnClearing) {
    OptionSet s = startupOptionSet();
    const auto lists = [&s] { return std::tuple(s.cboNetGraph, s.cboPos, enabledGroups(s)); };
    EXPECT_EQ(lists(), std::tuple(-1, -1, EnabledGroups{true, false}));
    setCheckBox(s, &O::chkNetGraph, 1);
    EXPECT_EQ(lists(), std::tuple(0, 0, EnabledGroups{true, true}));
    s.cboNetGraph = 2, s.cboPos = 1;
    setCheckBox(s, &O::chkNetGraph, 1);  // the value it has: no rule
    EXPECT_EQ(lists(), std::tuple(2, 1, EnabledGroups{true, true}));
    setCheckBox(s, &O::chkNetGraph, 0);
    EXPECT_EQ(lists(), std::tuple(2, 1, EnabledGroups{true, false}));
    setCheckBox(s, &O::chkNetGraph, 1);
    EXPECT_EQ(lists(), std::tuple(0, 0, EnabledGroups{true, true}));
}

TEST(Rules, RenderingSelectsOneButtonAndEnablesTheOpenGLGroupOnlyInOpenGLMode) {
    OptionSet s = startupOptionSet();
    s.chkCull = 1, s.cboTexture = 3;
    OptionSet software = s;
    selectRendering(software, false);
    EXPECT_TRUE(software.optSoftware);
    EXPECT_EQ(enabledGroups(software), (EnabledGroups{false, false}));
    selectRendering(software, true);
    EXPECT_EQ(software, s);  // no value but the rendering option changes
}

// After the preset from a set where every control a preset touches differs from the preset's
// value, every control no preset touches differs from its start-up value, and the player chose
// "Mode 1" and "Left" while "Enable Netgraph" was ticked.
OptionSet expectedAfter(Preset preset, bool software) {
    OptionSet s{.optSoftware = software, .optOpenGL = !software, .chkFX = 1, .cboTexture = 1,
                .cboPicmip = 2, .cboPlayermip = 2, .cboMaxSize = 0, .chkZtrick = 1,
                .chkCull = 1, .cboRate = 2, .chkPrecache = 1, .cboNetGraph = 2, .cboPos = 1,
                .chkMMX = 1};  // Default: clearing "Enable Netgraph" keeps the lists
    if (preset == Preset::Low) {
        s.cboTexture = s.cboPicmip = s.cboPlayermip = 0, s.cboMaxSize = 3;
        s.txtDecals = "30";
        for (int O::*box : {&O::chkBlend, &O::chkDither, &O::chkDownload, &O::chkDownloadInGame,
                            &O::chkDynamic, &O::chkMirrorAlpha, &O::chkReverb, &O::chkSbit,
                            &O::chkUpload, &O::chkWeap, &O::chkLightholes})
            s.*box = 1;
    } else if (preset == Preset::High) {
        s.cboTexture = 3, s.cboNetGraph = s.cboPos = 0;  // ticking selects "Mode 3", "Right"
        s.txtFPS = "120", s.txtDecals = "4096";
        for (int O::*box : {&O::chkCDAudio, &O::chkHimodels, &O::chkHisound, &O::chkNetGraph,
                            &O::chkSAd, &O::chkSEax, &O::chkCracks})
            s.*box = 1;
    }
    return s;
}

TEST(Presets, EachWritesItsColumnAndLeavesTheRestAlsoInSoftwareMode) {
    for (Preset preset : {Preset::Low, Preset::Default, Preset::High}) {
        for (bool software : {false, true}) {
            SCOPED_TRACE(testing::Message() << int(preset) << (software ? " software" : ""));
            OptionSet s = startupOptionSet();
            s.chkFX = s.chkZtrick = s.chkCull = s.chkMMX = s.chkPrecache = 1;
            s.cboRate = 2;
            selectRendering(s, !software);
            applyPreset(s, preset == Preset::High ? Preset::Low : Preset::High);
            s.cboNetGraph = 2, s.cboPos = 1;
            applyPreset(s, preset);
            OptionSet expected = expectedAfter(preset, software);
            EXPECT_EQ(s, expected);
            EXPECT_EQ(enabledGroups(s), (EnabledGroups{!software, preset == Preset::High}));
            s.cboNetGraph = expected.cboNetGraph = 1, s.cboPos = expected.cboPos = 2;
            applyPreset(s, preset);  // twice is once: "Enable Netgraph" keeps its value, no rule
            EXPECT_EQ(s, expected);
        }
    }
}

}  // namespace
}  // namespace kestro
