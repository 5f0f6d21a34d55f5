// The rules by which options set and enable others, and what the presets leave alone.
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
    setCheckBox(s, &O::chkNetGraph, 1);  // from the start-up state: no items, lists disabled
    EXPECT_EQ(lists(), std::tuple(0, 0, EnabledGroups{true, true}));
    s.cboNetGraph = 2, s.cboPos = 1;
    setCheckBox(s, &O::chkNetGraph, 1);  // the value it has: no rule
    EXPECT_EQ(lists(), std::tuple(2, 1, EnabledGroups{true, true}));
    setCheckBox(s, &O::chkNetGraph, 0);
    EXPECT_EQ(lists(), std::tuple(2, 1, EnabledGroups{true, false}));
    setCheckBox(s, &O::chkNetGraph, 1);
    EXPECT_EQ(lists(), std::tuple(0, 0, EnabledGroups{true, true}));
}

// What each preset writes shows in the texts it makes (test_generator). Here: what no preset
// owns keeps the player's value, in software mode too (so choosing the rendering changed none of
// it either), and a second press changes nothing, not even the lists of a ticked "Enable
// Netgraph" (its value stays: no rule runs).
TEST(Presets, KeepWhatNoPresetOwnsAndChangeNothingTheSecondTime) {
    for (Preset preset : {Preset::Low, Preset::Default, Preset::High}) {
        SCOPED_TRACE(int(preset));
        OptionSet s = startupOptionSet();
        s.chkFX = s.chkZtrick = s.chkCull = s.chkMMX = s.chkPrecache = 1, s.cboRate = 2;
        selectRendering(s, false);
        applyPreset(s, preset);
        EXPECT_EQ(std::tuple(s.optSoftware, s.chkFX, s.chkZtrick, s.chkCull, s.chkMMX,
                             s.chkPrecache, s.cboRate), std::tuple(true, 1, 1, 1, 1, 1, 2));
        s.cboNetGraph = 1, s.cboPos = 2;
        const OptionSet once = s;
        applyPreset(s, preset);
        EXPECT_EQ(s, once);
    }
}

}  // namespace
}  // namespace kestro
