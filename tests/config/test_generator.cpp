#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/generator.h"
#include "config/option_set.h"

namespace kestro {
namespace {

using O = OptionSet;

const char* const kStartupText =
    "// Created with Kestro v1.0\r\n"
    "// Get your own copy at\r\n"
    "// http://kestro.example.org/\r\n"
    "\r\n"
    "// Gaming Options\r\n"
    "rate 8200\r\n"
    "cl_updaterate 40\r\n"
    "cl_cmdrate 40\r\n"
    "fps_max 72\r\n"
    "r_decals 3000\r\n"
    "cl_himodels 0\r\n"
    "r_drawviewmodel 1\r\n"
    "r_dynamic 1\r\n"
    "r_mirroralpha 1\r\n"
    "precache 1\r\n"
    "cl_allowupload 1\r\n"
    "cl_allowdownload 1\r\n"
    "cl_download_ingame 1\r\n"
    "r_mmx 0\r\n"
    "net_graph 0\r\n"
    "\r\n"
    "// OpenGL Options\r\n"
    "gl_texturemode gl_linear_mipmap_nearest\r\n"
    "gl_picmip 0\r\n"
    "gl_playermip 0\r\n"
    "gl_max_size 256\r\n"
    "gl_ztrick 0\r\n"
    "gl_spriteblend 1\r\n"
    "gl_dither 1\r\n"
    "gl_cull 1\r\n"
    "gl_keeptjunctions 1\r\n"
    "gl_lightholes 1\r\n"
    "\r\n"
    "// Sound Properties\r\n"
    "hisound 0\r\n"
    "s_a3d 0\r\n"
    "s_eax 0\r\n"
    "loadas8bit 0\r\n"
    "bgmvolume 0\r\n"
    "s_reverb 1\r\n";

const char* const kSoftwareText =
    "// Created with Kestro v1.0\r\n"
    "// Get your own copy at\r\n"
    "// http://kestro.example.org/\r\n"
    "\r\n"
    "// Gaming Options\r\n"
    "rate 8200\r\n"
    "cl_updaterate 40\r\n"
    "cl_cmdrate 40\r\n"
    "fps_max 72\r\n"
    "r_decals 3000\r\n"
    "cl_himodels 0\r\n"
    "r_drawviewmodel 1\r\n"
    "r_dynamic 1\r\n"
    "r_mirroralpha 1\r\n"
    "precache 1\r\n"
    "cl_allowupload 1\r\n"
    "cl_allowdownload 1\r\n"
    "cl_download_ingame 1\r\n"
    "r_mmx 0\r\n"
    "net_graph 0\r\n"
    "\r\n"
    "// OpenGL Options\r\n"
    "// Rendering in Software/Direct3D Mode\r\n"
    "// No OpenGL Options available\r\n"
    "\r\n"
    "\r\n"
    "// Sound Properties\r\n"
    "hisound 0\r\n"
    "s_a3d 0\r\n"
    "s_eax 0\r\n"
    "loadas8bit 0\r\n"
    "bgmvolume 0\r\n"
    "s_reverb 1\r\n";

// The lines of a config text, each ended by CR LF; an unterminated rest fails the test.
std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "unterminated last line";
            break;
        }
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(GenerateConfig, StartupSetGivesTheFortyLines) {
    const std::string text = generateConfig(startupOptionSet());
    EXPECT_EQ(text, kStartupText);
    EXPECT_EQ(crlfLines(text).size(), 40u);
}

TEST(GenerateConfig, SoftwareModeIgnoresEveryOpenGLControl) {
    OptionSet set = startupOptionSet();
    set.optOpenGL = false;
    set.optSoftware = true;
    EXPECT_EQ(generateConfig(set), kSoftwareText);

    // Nothing of the OpenGL frame reaches the text in software mode.
    set.cboTexture = 0;
    set.cboPicmip = -1;
    set.cboPlayermip = 0;
    set.cboMaxSize = 3;
    for (int OptionSet::*box : {&O::chkZtrick, &O::chkBlend, &O::chkDither, &O::chkCull,
                                &O::chkCracks, &O::chkLightholes, &O::chkFX})
        set.*box = 1;
    EXPECT_EQ(generateConfig(set), kSoftwareText);
}

// One variation of the start-up set and the lines it must give, by 1-based line number.
struct Variation {
    const char* name;
    std::function<void(OptionSet&)> change;
    std::size_t lineCount;
    std::vector<std::pair<std::size_t, std::string>> lines;
};

void PrintTo(const Variation& v, std::ostream* os) { *os << v.name; }

class GenerateVariation : public testing::TestWithParam<Variation> {};

TEST_P(GenerateVariation, GivesItsLines) {
    const Variation& v = GetParam();
    OptionSet set = startupOptionSet();
    v.change(set);
    const std::vector<std::string> lines = crlfLines(generateConfig(set));
    ASSERT_EQ(lines.size(), v.lineCount);
    for (const auto& [number, expected] : v.lines)
        EXPECT_EQ(lines.at(number - 1), expected) << "line " << number;
}

const char* const kNoSpeed = "// You Did Not Select A Connection Speed!";

const std::vector<Variation> kVariations{
    {"NetGraphMode3Right", [](auto& s) { s.chkNetGraph = 1, s.cboNetGraph = 0, s.cboPos = 0; },
     41, {{20, "net_graph 3"}, {21, "net_graphpos 0"}, {22, ""}, {23, "// OpenGL Options"}}},
    {"NetGraphMode1Left", [](auto& s) { s.chkNetGraph = 1, s.cboNetGraph = 2, s.cboPos = 2; },
     41, {{20, "net_graph 1"}, {21, "net_graphpos 1"}}},
    {"NetGraphMode2Center", [](auto& s) { s.chkNetGraph = 1, s.cboNetGraph = 1, s.cboPos = 1; },
     41, {{20, "net_graph 2"}, {21, "net_graphpos 2"}}},
    {"NetGraphListsNeverSelected", [](auto& s) { s.chkNetGraph = 1; },
     41, {{20, "net_graph 3"}, {21, "net_graphpos 0"}}},
    {"NetGraphClearIgnoresItsLists", [](auto& s) { s.cboNetGraph = 2, s.cboPos = 2; },
     40, {{20, "net_graph 0"}, {21, ""}}},
    {"NoConnectionSpeed", [](auto& s) { s.cboRate = -1; },
     40, {{6, kNoSpeed}, {7, ""}, {8, ""}, {9, "fps_max 72"}}},
    {"ConnectionSpeedOutOfRange", [](auto& s) { s.cboRate = 9; }, 40, {{6, kNoSpeed}, {7, ""}}},
    {"ModemPairsUpdate30WithCommand25", [](auto& s) { s.cboRate = 1; },
     40, {{6, "rate 4200"}, {7, "cl_updaterate 30"}, {8, "cl_cmdrate 25"}}},
    {"XdslPairsUpdate45WithCommand40", [](auto& s) { s.cboRate = 6; },
     40, {{6, "rate 9000"}, {7, "cl_updaterate 45"}, {8, "cl_cmdrate 40"}}},
    {"Lan", [](auto& s) { s.cboRate = 8; },
     40, {{6, "rate 15000"}, {7, "cl_updaterate 45"}, {8, "cl_cmdrate 45"}}},
    {"EmptyTextFields", [](auto& s) { s.txtFPS = "", s.txtDecals = ""; },
     40, {{9, "fps_max "}, {10, "r_decals "}}},
    {"NonNumericTextFieldsCopiedAsTyped", [](auto& s) { s.txtFPS = " lots ", s.txtDecals = "3e3"; },
     40, {{9, "fps_max  lots "}, {10, "r_decals 3e3"}}},
    {"CheckValueTwoCountsAsClear",
     [](auto& s) { s.chkHimodels = 2, s.chkCDAudio = 2, s.chkZtrick = -1; },
     40, {{11, "cl_himodels 0"}, {39, "bgmvolume 0"}, {27, "gl_ztrick 0"}}},
    {"EveryBoxTicked",
     [](auto& s) {
         for (int O::*box : {&O::chkHimodels, &O::chkWeap, &O::chkDynamic, &O::chkMirrorAlpha,
                             &O::chkPrecache, &O::chkUpload, &O::chkDownload,
                             &O::chkDownloadInGame, &O::chkMMX, &O::chkZtrick, &O::chkBlend,
                             &O::chkDither, &O::chkCull, &O::chkCracks, &O::chkLightholes,
                             &O::chkHisound, &O::chkSAd, &O::chkSEax, &O::chkSbit,
                             &O::chkCDAudio, &O::chkReverb})
             s.*box = 1;
     },
     40, {{11, "cl_himodels 1"}, {12, "r_drawviewmodel 0"}, {13, "r_dynamic 0"},
          {14, "r_mirroralpha 0"}, {15, "precache 0"}, {16, "cl_allowupload 0"},
          {17, "cl_allowdownload 0"}, {18, "cl_download_ingame 0"}, {19, "r_mmx 1"},
          {27, "gl_ztrick 1"}, {28, "gl_spriteblend 0"}, {29, "gl_dither 0"}, {30, "gl_cull 0"},
          {31, "gl_keeptjunctions 0"}, {32, "gl_lightholes 0"}, {35, "hisound 1"}, {36, "s_a3d 1"},
          {37, "s_eax 1"}, {38, "loadas8bit 1"}, {39, "bgmvolume 3"}, {40, "s_reverb 0"}}},
    {"LowestOpenGLItems",
     [](auto& s) { s.cboTexture = 0, s.cboPicmip = 0, s.cboPlayermip = 0, s.cboMaxSize = 1; },
     40, {{23, "gl_texturemode gl_nearest_mipmap_nearest"}, {24, "gl_picmip 2"},
          {25, "gl_playermip 2"}, {26, "gl_max_size 128"}}},
    {"MiddleOpenGLItems",
     [](auto& s) { s.cboTexture = 2, s.cboPicmip = 1, s.cboPlayermip = 1, s.cboMaxSize = 2; },
     40, {{23, "gl_texturemode gl_nearest_mipmap_linear"}, {24, "gl_picmip 1"},
          {25, "gl_playermip 1"}, {26, "gl_max_size 64"}}},
    {"OpenGLListsOutOfRangeTakeTheLastRow",
     [](auto& s) { s.cboTexture = -1, s.cboPicmip = 7, s.cboPlayermip = -5, s.cboMaxSize = 4; },
     40, {{23, "gl_texturemode gl_linear_mipmap_linear"}, {24, "gl_picmip 0"},
          {25, "gl_playermip 0"}, {26, "gl_max_size 32"}}},
    {"FxIsNeverRead", [](auto& s) { s.chkFX = 1; }, 40, {{27, "gl_ztrick 0"}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, GenerateVariation, testing::ValuesIn(kVariations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestro
