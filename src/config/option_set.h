#pragma once
// The player's description of machine, connection and taste: one value per option control
// of the main window, named after the control.

#include <string>

namespace kestro {

// A list's value while none of its items is selected.
inline constexpr int kNothingSelected = -1;

struct OptionSet {
    // Rendering Option: exactly one of the two is true.
    bool optSoftware = false;
    bool optOpenGL = true;
    int chkFX = 0;

    // OpenGL Options (lists hold a zero-based index, or kNothingSelected)
    int cboTexture = kNothingSelected;
    int cboPicmip = kNothingSelected;
    int cboPlayermip = kNothingSelected;
    int cboMaxSize = kNothingSelected;
    int chkZtrick = 0;
    int chkDither = 0;
    int chkCracks = 0;
    int chkLightholes = 0;
    int chkBlend = 0;
    int chkCull = 0;

    // Gaming Options (text fields hold UTF-8 text, copied into the config as typed)
    int cboRate = kNothingSelected;
    std::string txtFPS = "72";
    std::string txtDecals = "3000";
    int chkHimodels = 0;
    int chkWeap = 0;
    int chkDynamic = 0;
    int chkMirrorAlpha = 0;
    int chkPrecache = 0;
    int chkNetGraph = 0;
    int cboNetGraph = kNothingSelected;
    int cboPos = kNothingSelected;
    int chkUpload = 0;
    int chkDownload = 0;
    int chkDownloadInGame = 0;
    int chkMMX = 0;

    // Sound Options
    int chkHisound = 0;
    int chkSAd = 0;
    int chkSEax = 0;
    int chkSbit = 0;
    int chkCDAudio = 0;
    int chkReverb = 0;

    bool operator==(const OptionSet&) const = default;
};

// The set as the main window shows it right after start: the design values above plus the
// five list choices that the window's initialisation makes.
OptionSet startupOptionSet();

// Only the value 1 counts as ticked.
constexpr bool isTicked(int checkValue) { return checkValue == 1; }

}  // namespace kestro
