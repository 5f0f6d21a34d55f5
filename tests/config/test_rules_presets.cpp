// The rules by which options set and enable others, and the three presets.
#include <gtest/gtest.h>

#include "config/presets.h"
#include "config/rules.h"

namespace kestro {
namespace {

using O = OptionSet;

TEST(Rules, ZtrickFollowsEveryChangeOfFxAndNothingElse) {
    OptionSet s = startupOptionSet();
    setCheckBox(s, &O::chkFX, 1);
    EXPECT_EQ(s.chkZtrick, 1);
    setCheckBox(s, &O::chkZtrick, 0);  // by hand: 3Dfx keeps its tick
    EXPECT_EQ(s.chkFX, 1);
    setCheckBox(s, &O::chkZtrick, 1);
    setCheckBox(s, &O::chkFX, 0);
    EXPECT_EQ(s.chkZtrick, 0);
    setCheckBox(s, &O::chkZtrick, 1);
    setCheckBox(s, &O::chkFX, 0);  // no change of 3Dfx, so no rule
    EXPECT_EQ(s.chkZtrick, 1);
}

TEST(Rules, NetgraphSelectsTheFirstItemsOnTickingAndKeepsThemOnClearing) {
    OptionSet s = startupOptionSet();
    EXPECT_EQ(enabledGroups(s), (EnabledGroups{true, false}));
    setCheckBox(s, &O::chkNetGraph, 1);
    EXPECT_EQ(std::pair(s.cboNetGraph, s.cboPos), std::pair(0, 0));
    EXPECT_EQ(enabledGroups(s), (EnabledGroups{true, true}));
    s.cboNetGraph = 2, s.cboPos = 1;
    setCheckBox(s, &O::chkNetGraph, 1);  // the value it has: no rule
    EXPECT_EQ(std::pair(s.cboNetGraph, s.cboPos), std::pair(2, 1));
    setCheckBox(s, &O::chkNetGraph, 0);
    EXPECT_EQ(std::pair(s.cboNetGraph, s.cboPos), std::pair(2, 1));
    EXPECT_FALSE(enabledGroups(s).netGraph);
    setCheckBox(s, &O::chkNetGraph, 1);  // ticking again resets both lists
    EXPECT_EQ(std::pair(s.cboNetGraph, s.cboPos), std::pair(0, 0));
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

// A set where every control a preset touches differs from the preset's value, and every
// control no preset touches differs from its start-up value.
OptionSet movedAwayFrom(Preset preset, bool software) {
    OptionSet s = startupOptionSet();
    s.chkFX = s.chkZtrick = s.chkCull = s.chkMMX = s.chkPrecache = 1;
    s.cboRate = 2;
    selectRendering(s, !software);
    applyPreset(s, preset == Preset::High ? Preset::Low : Preset::High);
    return s;
}

OptionSet expectedAfter(Preset preset, bool software) {
    OptionSet s{.optSoftware = software, .optOpenGL = !software, .chkFX = 1, .cboTexture = 1,
                .cboPicmip = 2, .cboPlayermip = 2, .cboMaxSize = 0, .chkZtrick = 1,
                .chkCull = 1, .cboRate = 2, .chkPrecache = 1, .cboNetGraph = 0, .cboPos = 0,
                .chkMMX = 1};  // Default; the lists were set by High's "Enable Netgraph"
    if (preset == Preset::Low) {
        s.cboTexture = s.cboPicmip = s.cboPlayermip = 0, s.cboMaxSize = 3;
        s.txtDecals = "30";
        for (int O::*box : {&O::chkBlend, &O::chkDither, &O::chkDownload, &O::chkDownloadInGame,
                            &O::chkDynamic, &O::chkMirrorAlpha, &O::chkReverb, &O::chkSbit,
                            &O::chkUpload, &O::chkWeap, &O::chkLightholes})
            s.*box = 1;
    } else if (preset == Preset::High) {
        s.cboTexture = 3;
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
            SCOPED_TRACE(testing::Message() << "preset " << int(preset) << " software " << software);
            OptionSet s = movedAwayFrom(preset, software);
            applyPreset(s, preset);
            EXPECT_EQ(s, expectedAfter(preset, software));
            applyPreset(s, preset);  // twice is once
            EXPECT_EQ(s, expectedAfter(preset, software));
            EXPECT_EQ(enabledGroups(s), (EnabledGroups{!software, preset == Preset::High}));
        }
    }
}

TEST(Presets, NetgraphRuleRunsOnlyWhenThePresetChangesTheBox) {
    struct Row {
        Preset preset;
        int tickedBefore, itemsBefore, tickedAfter, itemsAfter;
    } const rows[] = {
        {Preset::High, 0, -1, 1, 0},  // ticked: "Mode 3" and "Right"
        {Preset::High, 1, 2, 1, 2},   // already ticked: "Mode 1" and "Left" kept
        {Preset::Low, 1, 2, 0, 2},    // cleared: selections kept
        {Preset::Default, 1, 2, 0, 2},
    };
    for (const Row& row : rows) {
        OptionSet s = startupOptionSet();
        s.chkNetGraph = row.tickedBefore, s.cboNetGraph = s.cboPos = row.itemsBefore;
        applyPreset(s, row.preset);
        EXPECT_EQ(s.chkNetGraph, row.tickedAfter);
        EXPECT_EQ(std::pair(s.cboNetGraph, s.cboPos), std::pair(row.itemsAfter, row.itemsAfter));
    }
}

}  // namespace
}  // namespace kestro
