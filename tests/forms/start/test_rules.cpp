#include <gtest/gtest.h>

#include "forms/start/option_model.h"

namespace kestro {
namespace {

int intValue(const OptionModel& m, std::string_view name) { return std::get<int>(m.value(name)); }

TEST(FxRule, ZtrickFollowsEveryChangeOfFx) {
    OptionModel m;
    m.setValue("chkFX", 1);
    EXPECT_EQ(intValue(m, "chkZtrick"), 1);

    m.setValue("chkZtrick", 0);  // by hand; 3Dfx keeps its tick
    EXPECT_EQ(intValue(m, "chkFX"), 1);
    m.setValue("chkZtrick", 1);
    m.setValue("chkFX", 0);
    EXPECT_EQ(intValue(m, "chkZtrick"), 0);

    m.setValue("chkZtrick", 1);
    m.setValue("chkFX", 0);  // no change of 3Dfx, so no rule
    EXPECT_EQ(intValue(m, "chkZtrick"), 1);
}

TEST(NetgraphRule, TickingEnablesTheGroupAndSelectsTheFirstItems) {
    OptionModel m;
    for (std::string_view name : kNetgraphGroup) EXPECT_FALSE(m.isEnabled(name)) << name;

    m.setValue("chkNetGraph", 1);
    for (std::string_view name : kNetgraphGroup) EXPECT_TRUE(m.isEnabled(name)) << name;
    EXPECT_EQ(intValue(m, "cboNetGraph"), 0);
    EXPECT_EQ(intValue(m, "cboPos"), 0);

    m.setValue("cboNetGraph", 2);
    m.setValue("cboPos", 1);
    m.setValue("chkNetGraph", 0);
    for (std::string_view name : kNetgraphGroup) EXPECT_FALSE(m.isEnabled(name)) << name;
    EXPECT_EQ(intValue(m, "cboNetGraph"), 2);  // clearing keeps the selections
    EXPECT_EQ(intValue(m, "cboPos"), 1);

    m.setValue("chkNetGraph", 1);  // ticking again resets both lists
    EXPECT_EQ(intValue(m, "cboNetGraph"), 0);
    EXPECT_EQ(intValue(m, "cboPos"), 0);
}

TEST(RenderingRule, SoftwareDisablesTheOpenGLGroupWithoutTouchingValues) {
    OptionModel m;
    m.setValue("chkFX", 1);
    m.setValue("chkCull", 1);
    m.setValue("cboTexture", 3);
    const OptionSet before = m.options();

    m.setValue("optSoftware", true);
    EXPECT_FALSE(std::get<bool>(m.value("optOpenGL")));
    for (std::string_view name : kOpenGLGroup) EXPECT_FALSE(m.isEnabled(name)) << name;
    for (std::string_view name : kNetgraphGroup) EXPECT_FALSE(m.isEnabled(name)) << name;
    EXPECT_TRUE(m.isEnabled("cboRate"));

    m.setValue("optOpenGL", true);
    for (std::string_view name : kOpenGLGroup) EXPECT_TRUE(m.isEnabled(name)) << name;
    EXPECT_EQ(m.options(), before);
}

}  // namespace
}  // namespace kestro
