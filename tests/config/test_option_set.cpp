#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "config/controls.h"
#include "config/option_set.h"

namespace kestro {
namespace {

TEST(OptionSet, StartupValues) {
    const OptionSet s = startupOptionSet();
    EXPECT_TRUE(s.optOpenGL);
    EXPECT_FALSE(s.optSoftware);
    EXPECT_EQ(s.cboTexture, 1);
    EXPECT_EQ(s.cboPicmip, 2);
    EXPECT_EQ(s.cboPlayermip, 2);
    EXPECT_EQ(s.cboMaxSize, 0);
    EXPECT_EQ(s.cboRate, 5);
    EXPECT_EQ(s.cboNetGraph, -1);
    EXPECT_EQ(s.cboPos, -1);
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
    int checks = 0, options = 0, lists = 0, texts = 0;
    for (const OptionControl& c : optionControls()) {
        EXPECT_TRUE(isOptionName(c.name)) << c.name;
        names.insert(c.name);
        switch (c.kind) {
        case ControlKind::CheckBox: ++checks; break;
        case ControlKind::OptionButton: ++options; break;
        case ControlKind::List: ++lists; EXPECT_FALSE(c.items.empty()) << c.name; break;
        case ControlKind::TextField: ++texts; break;
        }
    }
    EXPECT_EQ(names.size(), 34u);
    EXPECT_EQ(checks, 23);
    EXPECT_EQ(options, 2);
    EXPECT_EQ(lists, 7);
    EXPECT_EQ(texts, 2);
    EXPECT_EQ(optionControl("cboRate").items.size(), 9u);
    EXPECT_EQ(optionControl("cboRate").items[5], "Cable Modem");
    EXPECT_EQ(optionControl("cboPos").items[2], "Left");
    EXPECT_EQ(optionControl("txtFPS").labelName, "lblFPS");
    EXPECT_THROW(optionControl("lblFPS"), std::invalid_argument);
}

}  // namespace
}  // namespace kestro
