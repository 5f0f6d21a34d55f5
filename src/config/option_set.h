#pragma once
// The player's description of machine, connection and taste: one value per option control
// of the main window, named after the control.

#include <string>
#include <string_view>
#include <variant>

namespace kestro {

struct OptionSet {
    // Rendering Option
    bool optSoftware = false;
    bool optOpenGL = true;
    int chkFX = 0;

    // OpenGL Options (lists hold a zero-based index, -1 while nothing is selected)
    int cboTexture = -1;
    int cboPicmip = -1;
    int cboPlayermip = -1;
    int cboMaxSize = -1;
    int chkZtrick = 0;
    int chkDither = 0;
    int chkCracks = 0;
    int chkLightholes = 0;
    int chkBlend = 0;
    int chkCull = 0;

    // Gaming Options
    int cboRate = -1;
    std::string txtFPS = "72";
    std::string txtDecals = "3000";
    int chkHimodels = 0;
    int chkWeap = 0;
    int chkDynamic = 0;
    int chkMirrorAlpha = 0;
    int chkPrecache = 0;
    int chkNetGraph = 0;
    int cboNetGraph = -1;
    int cboPos = -1;
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

// Check boxes and lists hold an int, option buttons a bool, text fields a string.
using OptionValue = std::variant<int, bool, std::string>;

// The set as the main window shows it right after start: the design values plus the five
// list choices that the window's initialisation makes.
OptionSet startupOptionSet();

// Only the value 1 counts as ticked.
constexpr bool isTicked(int checkValue) { return checkValue == 1; }

// Field access by control name. An unknown name, or a value of the wrong kind for the
// field, throws std::invalid_argument: such a call is a programming error.
OptionValue getOption(const OptionSet& set, std::string_view controlName);
void setOption(OptionSet& set, std::string_view controlName, const OptionValue& value);
bool isOptionName(std::string_view controlName);

}  // namespace kestro
