#include "frmstart_layout.h"

#include <array>

namespace kestro {

namespace {

using K = ElementKind;
constexpr Emphasis kBold = Emphasis::Bold;

// Left, top, width, height in twips; inside a frame relative to the frame.
const std::array kLayout{
    ElementSpec{"fraRender", K::Frame, "", "Rendering Option", {120, 60, 1995, 1575}},
    // The option buttons lie on the window itself, drawn over the frame.
    ElementSpec{"optSoftware", K::OptionButton, "", "", {300, 360, 1635, 435}},
    ElementSpec{"optOpenGL", K::OptionButton, "", "", {300, 840, 1635, 315}},
    ElementSpec{"chkFX", K::CheckBox, "fraRender", "", {420, 1140, 1455, 255}},

    ElementSpec{"fraGameOpt", K::Frame, "", "Gaming Options", {120, 1740, 5415, 2715}},
    ElementSpec{"lblconnection", K::Label, "fraGameOpt", "", {120, 240, 2400, 195}, kBold},
    ElementSpec{"cboRate", K::List, "fraGameOpt", "", {120, 450, 2160, 315}},
    ElementSpec{"lblFPS", K::Label, "fraGameOpt", "", {2700, 270, 1500, 195}, kBold},
    ElementSpec{"txtFPS", K::TextField, "fraGameOpt", "", {4200, 225, 1095, 285}},
    ElementSpec{"lblDecals", K::Label, "fraGameOpt", "", {2700, 600, 1500, 195}, kBold},
    ElementSpec{"txtDecals", K::TextField, "fraGameOpt", "", {4200, 555, 1095, 285}},
    ElementSpec{"chkHimodels", K::CheckBox, "fraGameOpt", "", {120, 900, 2520, 255}},
    ElementSpec{"chkWeap", K::CheckBox, "fraGameOpt", "", {120, 1140, 2520, 255}},
    ElementSpec{"chkDynamic", K::CheckBox, "fraGameOpt", "", {120, 1380, 2520, 255}},
    ElementSpec{"chkMirrorAlpha", K::CheckBox, "fraGameOpt", "", {120, 1620, 2520, 255}},
    ElementSpec{"chkPrecache", K::CheckBox, "fraGameOpt", "", {120, 1860, 2520, 255}},
    ElementSpec{"chkUpload", K::CheckBox, "fraGameOpt", "", {2700, 900, 2640, 255}},
    ElementSpec{"chkDownload", K::CheckBox, "fraGameOpt", "", {2700, 1140, 2640, 255}},
    ElementSpec{"chkDownloadInGame", K::CheckBox, "fraGameOpt", "", {2700, 1380, 2640, 255}},
    ElementSpec{"chkMMX", K::CheckBox, "fraGameOpt", "", {2700, 1620, 2640, 255}},
    ElementSpec{"linGameOpt", K::Separator, "fraGameOpt", "", {60, 2160, 5295, 30}},
    ElementSpec{"chkNetGraph", K::CheckBox, "fraGameOpt", "", {120, 2310, 1620, 255}},
    ElementSpec{"lblMode", K::Label, "fraGameOpt", "", {1860, 2340, 480, 195}, kBold},
    ElementSpec{"cboNetGraph", K::List, "fraGameOpt", "", {2370, 2280, 1035, 315}},
    ElementSpec{"lblPos", K::Label, "fraGameOpt", "", {3540, 2340, 720, 195}, kBold},
    ElementSpec{"cboPos", K::List, "fraGameOpt", "", {4290, 2280, 1005, 315}},

    ElementSpec{"fraOpenGL", K::Frame, "", "OpenGL Options", {2280, 60, 7575, 1575}},
    ElementSpec{"lblTexture", K::Label, "fraOpenGL", "", {120, 240, 3135, 195}, kBold},
    ElementSpec{"cboTexture", K::List, "fraOpenGL", "", {120, 450, 3135, 315}},
    ElementSpec{"lblVidQual", K::Label, "fraOpenGL", "", {120, 885, 2160, 195}, kBold},
    ElementSpec{"cboPicmip", K::List, "fraOpenGL", "", {2280, 825, 975, 315}},
    ElementSpec{"lblPlayerQual", K::Label, "fraOpenGL", "", {120, 1230, 2160, 195}, kBold},
    ElementSpec{"cboPlayermip", K::List, "fraOpenGL", "", {2280, 1170, 975, 315}},
    ElementSpec{"lblMaxSize", K::Label, "fraOpenGL", "", {3420, 285, 2160, 195}, kBold},
    ElementSpec{"cboMaxSize", K::List, "fraOpenGL", "", {5640, 225, 915, 315}},
    ElementSpec{"chkZtrick", K::CheckBox, "fraOpenGL", "", {3420, 675, 2160, 255}},
    ElementSpec{"chkCracks", K::CheckBox, "fraOpenGL", "", {3420, 945, 2160, 255}},
    ElementSpec{"chkBlend", K::CheckBox, "fraOpenGL", "", {3420, 1215, 2160, 255}},
    ElementSpec{"chkDither", K::CheckBox, "fraOpenGL", "", {5640, 675, 1815, 255}},
    ElementSpec{"chkLightholes", K::CheckBox, "fraOpenGL", "", {5640, 945, 1815, 255}},
    ElementSpec{"chkCull", K::CheckBox, "fraOpenGL", "", {5640, 1215, 1815, 255}},

    ElementSpec{"fraSound", K::Frame, "", "Sound Options", {5700, 1740, 4155, 1215}},
    ElementSpec{"chkHisound", K::CheckBox, "fraSound", "", {120, 300, 1980, 255}},
    ElementSpec{"chkSAd", K::CheckBox, "fraSound", "", {120, 570, 1980, 255}},
    ElementSpec{"chkSEax", K::CheckBox, "fraSound", "", {120, 840, 1980, 255}},
    ElementSpec{"chkCDAudio", K::CheckBox, "fraSound", "", {2160, 300, 1935, 255}},
    ElementSpec{"chkSbit", K::CheckBox, "fraSound", "", {2160, 570, 1935, 255}},
    ElementSpec{"chkReverb", K::CheckBox, "fraSound", "", {2160, 840, 1935, 255}},

    ElementSpec{"cmdPreset", K::Button, "", "Presets", {120, 4560, 855, 495}},
    ElementSpec{"cmdGenerate", K::Button, "", "Generate Config File!", {1140, 4560, 2895, 495},
                Emphasis::BoldLarge},
    ElementSpec{"cmdInstall", K::Button, "", "Install Config", {4200, 4560, 1335, 495}},
    ElementSpec{"txtResult", K::TextBox, "", "", {5700, 3060, 4155, 1995}},
    ElementSpec{"fraDescript", K::Frame, "", "Description", {120, 5160, 8595, 975}},
    ElementSpec{"lblDescript", K::Label, "fraDescript", "", {120, 240, 8355, 675}},
    ElementSpec{"cmdAbout", K::Button, "", "About", {8880, 5280, 915, 375}},
    ElementSpec{"cmdExit", K::Button, "", "Exit!", {8880, 5760, 915, 375}},
};

}  // namespace

std::span<const ElementSpec> startLayout() { return kLayout; }

}  // namespace kestro
