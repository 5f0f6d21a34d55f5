#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/controls.h"
#include "forms/preset/presets.h"
#include "forms/start/option_model.h"
#include "preset_expectations.h"

namespace kestro {
namespace {

using test::expectedAfter;
using test::moveUntouchedControls;
using test::opposite;

int intValue(const OptionModel& m, std::string_view name) { return std::get<int>(m.value(name)); }

void expectOptions(const OptionModel& m, const OptionSet& expected) {
    for (const OptionControl& c : optionControls()) {
        EXPECT_EQ(m.value(c.name), getOption(expected, c.name)) << c.name;
    }
}

void expectGroupEnabled(const OptionModel& m, std::span<const std::string_view> group,
                        bool enabled) {
    for (std::string_view name : group) EXPECT_EQ(m.isEnabled(name), enabled) << name;
}

struct PresetCase {
    const char* name;
    Preset preset;
    bool software;
};

void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.name; }

class EachPreset : public testing::TestWithParam<PresetCase> {};

// Pressing twice equals pressing once.
TEST_P(EachPreset, WritesItsValuesAndLeavesTheOthers) {
    const auto [name, preset, software] = GetParam();
    OptionModel m;
    if (software) m.setValue("optSoftware", true);
    moveUntouchedControls(m);
    applyPreset(m, opposite(preset));
    OptionSet expected = expectedAfter(preset);
    expected.optSoftware = software;
    expected.optOpenGL = !software;
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        applyPreset(m, preset);
        expectOptions(m, expected);
        // Values reach the disabled OpenGL group, which stays disabled in Software mode.
        expectGroupEnabled(m, kOpenGLGroup, !software);
        expectGroupEnabled(m, kNetgraphGroup, preset == Preset::High);
        EXPECT_FALSE(m.isEnabled("cmdInstall"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, EachPreset,
    testing::Values(PresetCase{"Low", Preset::Low, false},
                    PresetCase{"Default", Preset::Default, false},
                    PresetCase{"High", Preset::High, false},
                    PresetCase{"LowInSoftwareMode", Preset::Low, true},
                    PresetCase{"DefaultInSoftwareMode", Preset::Default, true},
                    PresetCase{"HighInSoftwareMode", Preset::High, true}),
    [](const testing::TestParamInfo<PresetCase>& info) { return info.param.name; });

// The net graph after a preset: "Enable Netgraph" ticked or cleared before, with "Mode 1" and
// "Left" selected (-1: nothing selected, the start-up state).
TEST(PresetNetgraph, RuleRunsOnlyWhenTheBoxChanges) {
    struct Row {
        const char* what;
        Preset preset;
        int tickedBefore, itemsBefore;
        int tickedAfter, itemsAfter;
    } const rows[] = {
        {"High, box clear: Mode 3 and Right", Preset::High, 0, -1, 1, 0},
        {"High, box ticked: selections kept", Preset::High, 1, 2, 1, 2},
        {"Low, box ticked: cleared, selections kept", Preset::Low, 1, 2, 0, 2},
        {"Default, box ticked: cleared, selections kept", Preset::Default, 1, 2, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OptionModel m;
        m.setValue("chkNetGraph", row.tickedBefore);
        if (row.itemsBefore >= 0) {
            m.setValue("cboNetGraph", row.itemsBefore);
            m.setValue("cboPos", row.itemsBefore);
        }
        applyPreset(m, row.preset);
        EXPECT_EQ(intValue(m, "chkNetGraph"), row.tickedAfter);
        EXPECT_EQ(intValue(m, "cboNetGraph"), row.itemsAfter);
        EXPECT_EQ(intValue(m, "cboPos"), row.itemsAfter);
        expectGroupEnabled(m, kNetgraphGroup, row.tickedAfter == 1);
    }
}

TEST(PresetNetgraph, TheGroupFollowsTheBoxEvenWhereNoRuleRan) {
    // Flags out of step with the box (as no click can leave them): the preset puts them right.
    OptionModel m;
    m.setValue("chkNetGraph", 1);
    setGroupEnabled(m, kNetgraphGroup, false);
    applyPreset(m, Preset::High);
    expectGroupEnabled(m, kNetgraphGroup, true);
    m.setValue("chkNetGraph", 0);
    setGroupEnabled(m, kNetgraphGroup, true);
    applyPreset(m, Preset::Low);
    expectGroupEnabled(m, kNetgraphGroup, false);
}

}  // namespace
}  // namespace kestro
