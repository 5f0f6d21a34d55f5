#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "config/controls.h"
#include "config/option_set.h"

namespace kestro {
namespace {

TEST(OptionSet, StartupValues) {
    const OptionSet s = startupOptionSet();
    EXPECT_TRUE(s.optOpenGL);
    EXPECT_FALSE(s.optSoftware);
    EXPECT_EQ((std::vector{s.cboTexture, s.cboPicmip, s.cboPlayermip, s.cboMaxSize, s.cboRate,
                           s.cboNetGraph, s.cboPos}),
              (std::vector{1, 2, 2, 0, 5, -1, -1}));
    EXPECT_EQ(s.txtFPS, "72");
    EXPECT_EQ(s.txtDecals, "3000");
    for (const OptionControl& c : optionControls()) {
        if (c.kind == ControlKind::CheckBox) {
            EXPECT_EQ(getOption(s, c.name), OptionValue(0)) << c.name;
        }
    }
}

TEST(OptionSet, FieldAccessByName) {
    OptionSet s = startupOptionSet();
    setOption(s, "chkZtrick", 1);
    setOption(s, "cboPos", 2);
    setOption(s, "optSoftware", true);
    setOption(s, "txtDecals", std::string("30"));
    EXPECT_EQ(s.chkZtrick, 1);
    EXPECT_EQ(s.cboPos, 2);
    EXPECT_TRUE(s.optSoftware);
    EXPECT_EQ(s.txtDecals, "30");
    EXPECT_EQ(getOption(s, "txtDecals"), OptionValue(std::string("30")));
    EXPECT_EQ(getOption(s, "cboRate"), OptionValue(5));
}

TEST(OptionSet, UnknownNamesAndWrongKindsFailLoudly) {
    OptionSet s;
    EXPECT_THROW(getOption(s, "chkZTrick"), std::invalid_argument);  // wrong case
    EXPECT_THROW(setOption(s, "cmdGenerate", 1), std::invalid_argument);
    EXPECT_THROW(setOption(s, "chkFX", true), std::invalid_argument);
    EXPECT_THROW(setOption(s, "txtFPS", 72), std::invalid_argument);
    EXPECT_EQ(s, OptionSet{});  // nothing was written
}

TEST(OptionControls, EveryControlHasAFieldAndItsItems) {
    std::set<std::string_view> names;
    int perKind[4] = {};
    for (const OptionControl& c : optionControls()) {
        EXPECT_TRUE(isOptionName(c.name)) << c.name;
        EXPECT_EQ(c.kind == ControlKind::List, !c.items.empty()) << c.name;
        names.insert(c.name);
        ++perKind[static_cast<int>(c.kind)];
    }
    EXPECT_EQ(names.size(), 34u);
    EXPECT_EQ(std::vector<int>(perKind, perKind + 4), (std::vector<int>{23, 2, 7, 2}));
    EXPECT_EQ(optionControl("cboRate").items.size(), 9u);
    EXPECT_EQ(optionControl("cboRate").items[5], "Cable Modem");
    EXPECT_EQ(optionControl("txtFPS").labelName, "lblFPS");
    EXPECT_THROW(optionControl("lblFPS"), std::invalid_argument);
}

}  // namespace
}  // namespace kestro
