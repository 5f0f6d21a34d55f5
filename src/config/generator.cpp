#include "generator.h"

#include <array>
#include <string_view>

#include "config/product.h"

namespace kestro {

namespace {

using namespace std::string_view_literals;

struct CheckLine {
    int OptionSet::*field;
    std::string_view ticked;
    std::string_view clear;
};

// A list's rows for its named indexes 0, 1, ...; the last row serves every other index, -1
// included. A row is one or more lines.
template <std::size_t Rows, std::size_t LinesPerRow = 1>
struct ListTable {
    int OptionSet::*field;
    std::array<std::array<std::string_view, LinesPerRow>, Rows> rows;

    const std::array<std::string_view, LinesPerRow>& pick(const OptionSet& o) const {
        const int index = o.*field;
        const bool named = index >= 0 && static_cast<std::size_t>(index) < Rows - 1;
        return rows[named ? static_cast<std::size_t>(index) : Rows - 1];
    }
};

constexpr ListTable<10, 3> kRate{
    &OptionSet::cboRate,
    {{{"rate 3200"sv, "cl_updaterate 25"sv, "cl_cmdrate 25"sv},
      {"rate 4200"sv, "cl_updaterate 30"sv, "cl_cmdrate 25"sv},
      {"rate 5700"sv, "cl_updaterate 30"sv, "cl_cmdrate 30"sv},
      {"rate 6700"sv, "cl_updaterate 30"sv, "cl_cmdrate 30"sv},
      {"rate 7300"sv, "cl_updaterate 40"sv, "cl_cmdrate 40"sv},
      {"rate 8200"sv, "cl_updaterate 40"sv, "cl_cmdrate 40"sv},
      {"rate 9000"sv, "cl_updaterate 45"sv, "cl_cmdrate 40"sv},
      {"rate 12000"sv, "cl_updaterate 45"sv, "cl_cmdrate 45"sv},
      {"rate 15000"sv, "cl_updaterate 45"sv, "cl_cmdrate 45"sv},
      {"// You Did Not Select A Connection Speed!"sv, ""sv, ""sv}}}};

constexpr ListTable<4> kNetGraphMode{
    &OptionSet::cboNetGraph,
    {{{"net_graph 3"sv}, {"net_graph 2"sv}, {"net_graph 1"sv}, {"net_graph 3"sv}}}};
constexpr ListTable<4> kNetGraphPos{
    &OptionSet::cboPos,
    {{{"net_graphpos 0"sv}, {"net_graphpos 2"sv}, {"net_graphpos 1"sv}, {"net_graphpos 0"sv}}}};

constexpr ListTable<4> kTexture{&OptionSet::cboTexture,
                                {{{"gl_texturemode gl_nearest_mipmap_nearest"sv},
                                  {"gl_texturemode gl_linear_mipmap_nearest"sv},
                                  {"gl_texturemode gl_nearest_mipmap_linear"sv},
                                  {"gl_texturemode gl_linear_mipmap_linear"sv}}}};
constexpr ListTable<3> kPicmip{
    &OptionSet::cboPicmip, {{{"gl_picmip 2"sv}, {"gl_picmip 1"sv}, {"gl_picmip 0"sv}}}};
constexpr ListTable<3> kPlayermip{
    &OptionSet::cboPlayermip,
    {{{"gl_playermip 2"sv}, {"gl_playermip 1"sv}, {"gl_playermip 0"sv}}}};
constexpr ListTable<4> kMaxSize{&OptionSet::cboMaxSize,
                                {{{"gl_max_size 256"sv},
                                  {"gl_max_size 128"sv},
                                  {"gl_max_size 64"sv},
                                  {"gl_max_size 32"sv}}}};

constexpr std::array<CheckLine, 9> kGamingChecks{{
    {&OptionSet::chkHimodels, "cl_himodels 1", "cl_himodels 0"},
    {&OptionSet::chkWeap, "r_drawviewmodel 0", "r_drawviewmodel 1"},
    {&OptionSet::chkDynamic, "r_dynamic 0", "r_dynamic 1"},
    {&OptionSet::chkMirrorAlpha, "r_mirroralpha 0", "r_mirroralpha 1"},
    {&OptionSet::chkPrecache, "precache 0", "precache 1"},
    {&OptionSet::chkUpload, "cl_allowupload 0", "cl_allowupload 1"},
    {&OptionSet::chkDownload, "cl_allowdownload 0", "cl_allowdownload 1"},
    {&OptionSet::chkDownloadInGame, "cl_download_ingame 0", "cl_download_ingame 1"},
    {&OptionSet::chkMMX, "r_mmx 1", "r_mmx 0"},
}};

constexpr std::array<CheckLine, 6> kOpenGLChecks{{
    {&OptionSet::chkZtrick, "gl_ztrick 1", "gl_ztrick 0"},
    {&OptionSet::chkBlend, "gl_spriteblend 0", "gl_spriteblend 1"},
    {&OptionSet::chkDither, "gl_dither 0", "gl_dither 1"},
    {&OptionSet::chkCull, "gl_cull 0", "gl_cull 1"},
    {&OptionSet::chkCracks, "gl_keeptjunctions 0", "gl_keeptjunctions 1"},
    {&OptionSet::chkLightholes, "gl_lightholes 0", "gl_lightholes 1"},
}};

constexpr std::array<CheckLine, 6> kSoundChecks{{
    {&OptionSet::chkHisound, "hisound 1", "hisound 0"},
    {&OptionSet::chkSAd, "s_a3d 1", "s_a3d 0"},
    {&OptionSet::chkSEax, "s_eax 1", "s_eax 0"},
    {&OptionSet::chkSbit, "loadas8bit 1", "loadas8bit 0"},
    {&OptionSet::chkCDAudio, "bgmvolume 3", "bgmvolume 0"},
    {&OptionSet::chkReverb, "s_reverb 0", "s_reverb 1"},
}};

class ConfigWriter {
public:
    explicit ConfigWriter(const OptionSet& options) : options_(options) {}

    void line(std::string_view a, std::string_view b = {}) {
        text_.append(a).append(b).append("\r\n");
    }
    template <std::size_t N>
    void lines(const std::array<std::string_view, N>& block) {
        for (std::string_view l : block) line(l);
    }
    template <std::size_t N>
    void checks(const std::array<CheckLine, N>& table) {
        for (const CheckLine& c : table) line(isTicked(options_.*c.field) ? c.ticked : c.clear);
    }
    std::string take() { return std::move(text_); }

private:
    const OptionSet& options_;
    std::string text_;
};

}  // namespace

std::string generateConfig(const OptionSet& o) {
    ConfigWriter out(o);
    out.line("// Created with ", product::kTitle);
    out.line("// Get your own copy at");
    out.line("// ", product::kWebAddress);
    out.line("");

    out.line("// Gaming Options");
    out.lines(kRate.pick(o));
    out.line("fps_max ", o.txtFPS);
    out.line("r_decals ", o.txtDecals);
    out.checks(kGamingChecks);
    if (isTicked(o.chkNetGraph)) {
        out.lines(kNetGraphMode.pick(o));
        out.lines(kNetGraphPos.pick(o));
    } else {
        out.line("net_graph 0");
    }
    out.line("");

    out.line("// OpenGL Options");
    if (o.optOpenGL) {
        out.lines(kTexture.pick(o));
        out.lines(kPicmip.pick(o));
        out.lines(kPlayermip.pick(o));
        out.lines(kMaxSize.pick(o));
        out.checks(kOpenGLChecks);
    } else {
        out.line("// Rendering in Software/Direct3D Mode");
        out.line("// No OpenGL Options available");
        out.line("");
    }
    out.line("");

    out.line("// Sound Properties");
    out.checks(kSoundChecks);
    return out.take();
}

}  // namespace kestro
