#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "config/generator.h"
#include "config/golden_texts.h"
#include "config/presets.h"
#include "config/rules.h"

namespace kestro {
namespace {

using O = OptionSet;

TEST(GenerateConfig, StartupHighAndSoftwareTexts) {
    OptionSet set = startupOptionSet();
    EXPECT_EQ(std::pair(set.optOpenGL, set.optSoftware), std::pair(true, false));  // one renderer
    EXPECT_EQ(generateConfig(set), kStartupText);
    applyPreset(set, Preset::High);
    EXPECT_EQ(generateConfig(set), kHighText);
    selectRendering(set, false);
    EXPECT_EQ(generateConfig(set), kHighSoftwareText);
}

// The start-up text with each of `lines` ('\n' between them) in place of the line that starts
// with the same word, or else after the line before; "a -> b" puts the text b in place of a.
std::string startupWith(const std::string& lines) {
    std::string text = kStartupText;
    if (const std::size_t arrow = lines.find(" -> "); arrow != std::string::npos)
        return text.replace(text.find(lines.substr(0, arrow)), arrow, lines.substr(arrow + 4));
    std::istringstream in(lines);
    std::size_t at = 0;
    for (std::string line; std::getline(in, line);) {
        // Built by appending: g++ 12 misreports "\n" + a temporary as an overlapping copy at -O3.
        std::string start(1, '\n');
        start += line.substr(0, line.find(' ') + 1);
        const std::size_t found = text.find(start);
        if (found == std::string::npos) text.insert(at = text.find('\n', at) + 1, "\r\n");
        else text.erase(at = found + 1, text.find('\r', found) - found - 1);
        text.insert(at, line);
    }
    return text;
}

// Each variation of the start-up set changes only its lines.
TEST(GenerateConfig, VariationsChangeOnlyTheirLines) {
    const std::string noSpeed = "rate 8200\r\ncl_updaterate 40\r\ncl_cmdrate 40 -> "
                                "// You Did Not Select A Connection Speed!\r\n\r\n";
    const auto netGraph = [](int mode, int place) {
        return [=](O& s) { s.chkNetGraph = 1, s.cboNetGraph = mode, s.cboPos = place; };
    };
    std::vector<std::pair<std::function<void(O&)>, std::string>> rows{
        {netGraph(1, 2), "net_graph 2\nnet_graphpos 1"},
        {netGraph(2, 1), "net_graph 1\nnet_graphpos 2"},
        {netGraph(-1, 3), "net_graph 3\nnet_graphpos 0"},
        {[](O& s) { s.txtFPS = "", s.txtDecals = ""; }, "fps_max \nr_decals "},
        {[](O& s) { s.txtFPS = " lots ", s.txtDecals = "3e3"; }, "fps_max  lots \nr_decals 3e3"},
        // The presets' columns: Low and Default after High (High's own text is above).
        {[](O& s) { applyPreset(s, Preset::High), applyPreset(s, Preset::Low); },
         "r_decals 30\nr_drawviewmodel 0\nr_dynamic 0\nr_mirroralpha 0\ncl_allowupload 0\n"
         "cl_allowdownload 0\ncl_download_ingame 0\ngl_texturemode gl_nearest_mipmap_nearest\n"
         "gl_picmip 2\ngl_playermip 2\ngl_max_size 32\ngl_spriteblend 0\ngl_dither 0\n"
         "gl_lightholes 0\nloadas8bit 1\ns_reverb 0"},
        {[](O& s) { applyPreset(s, Preset::High), applyPreset(s, Preset::Default); }, ""},
    };
    // One control changed (-1: a list without selection; only 1 ticks a box).
    const std::tuple<int O::*, int, std::string> controls[] = {
        {&O::cboRate, 0, "rate 3200\ncl_updaterate 25\ncl_cmdrate 25"},
        {&O::cboRate, 1, "rate 4200\ncl_updaterate 30\ncl_cmdrate 25"},
        {&O::cboRate, 2, "rate 5700\ncl_updaterate 30\ncl_cmdrate 30"},
        {&O::cboRate, 3, "rate 6700\ncl_updaterate 30\ncl_cmdrate 30"},
        {&O::cboRate, 4, "rate 7300\ncl_updaterate 40\ncl_cmdrate 40"},
        {&O::cboRate, 6, "rate 9000\ncl_updaterate 45\ncl_cmdrate 40"},
        {&O::cboRate, 7, "rate 12000\ncl_updaterate 45\ncl_cmdrate 45"},
        {&O::cboRate, 8, "rate 15000\ncl_updaterate 45\ncl_cmdrate 45"},
        {&O::cboRate, -1, noSpeed}, {&O::cboRate, 9, noSpeed},
        // (Index 0 of the texture and mip lists is in the Low row above.)
        {&O::cboTexture, 2, "gl_texturemode gl_nearest_mipmap_linear"},
        {&O::cboTexture, -1, "gl_texturemode gl_linear_mipmap_linear"},
        {&O::cboPicmip, 1, "gl_picmip 1"}, {&O::cboPicmip, 7, ""},
        {&O::cboPlayermip, 1, "gl_playermip 1"}, {&O::cboPlayermip, -5, ""},
        {&O::cboMaxSize, 1, "gl_max_size 128"}, {&O::cboMaxSize, 2, "gl_max_size 64"},
        {&O::cboMaxSize, 4, "gl_max_size 32"}, {&O::chkNetGraph, 2, ""}, {&O::cboNetGraph, 2, ""},
        {&O::cboPos, 2, ""}, {&O::chkFX, 1, ""}, {&O::chkHimodels, 2, ""}, {&O::chkZtrick, -1, ""},
        {&O::chkWeap, 1, "r_drawviewmodel 0"}, {&O::chkDynamic, 1, "r_dynamic 0"},
        {&O::chkMirrorAlpha, 1, "r_mirroralpha 0"}, {&O::chkPrecache, 1, "precache 0"},
        {&O::chkUpload, 1, "cl_allowupload 0"}, {&O::chkDownload, 1, "cl_allowdownload 0"},
        {&O::chkMMX, 1, "r_mmx 1"}, {&O::chkDownloadInGame, 1, "cl_download_ingame 0"},
        {&O::chkZtrick, 1, "gl_ztrick 1"}, {&O::chkBlend, 1, "gl_spriteblend 0"},
        {&O::chkDither, 1, "gl_dither 0"}, {&O::chkCull, 1, "gl_cull 0"},
        {&O::chkLightholes, 1, "gl_lightholes 0"}, {&O::chkSbit, 1, "loadas8bit 1"},
        {&O::chkReverb, 1, "s_reverb 0"}};
    for (const auto& [member, value, lines] : controls)
        rows.push_back({[member, value](O& s) { s.*member = value; }, lines});
    for (const auto& [change, lines] : rows) {
        SCOPED_TRACE(lines);
        OptionSet set = startupOptionSet();
        change(set);
        EXPECT_EQ(generateConfig(set), startupWith(lines));
    }
}

}  // namespace
}  // namespace kestro
