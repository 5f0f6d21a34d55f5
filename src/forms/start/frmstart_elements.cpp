#include "frmstart_elements.h"

#include <algorithm>

namespace kestro {

const char* const kStartWindowHelp =
    " Welcome to Kestro! This program will allow you to get the most out of your video card "
    "quickly and easily! Try it out and watch your FPS (not to mention frags) go up!";

// The program's texts keep their own spelling ("appropiate", "appropiately", "Disllows"):
// players, their screen readers and the reference listings know them as they are.
const char* const kResultStartupText =
    "Press the \"Generate Config File!\" button after all appropiate selections are selected.\r\n"
    "The config will appear here after the button is pressed. You may edit as you see fit.\r\n";

namespace {

using K = ElementKind;
using G = Group;
using O = OptionSet;
constexpr Emphasis kBold = Emphasis::Bold;
constexpr Emphasis kBoldLarge = Emphasis::BoldLarge;

// Left, top, width, height in twips; inside a frame relative to the frame. The option buttons
// lie on the window itself, drawn over the "Rendering Option" frame. Lists and text fields
// have no help text of their own: the labels that name them carry it.
constexpr StartElement kElements[]{
    {{.name = "fraRender", .kind = K::Frame, .rect = {120, 60, 1995, 1575},
      .caption = "Rendering Option"}},
    {{.name = "optSoftware", .kind = K::OptionButton, .rect = {300, 360, 1635, 435},
      .caption = "Software/Direct3D",
      .help = "Software Rendering - Supported by almost all video cards. Low video quality."},
     option(&O::optSoftware)},
    {{.name = "optOpenGL", .kind = K::OptionButton, .rect = {300, 840, 1635, 315},
      .caption = "OpenGL",
      .help = "OpenGL Rendering - Supported by a lot of video cards. High video quality."},
     option(&O::optOpenGL)},
    {{.name = "chkFX", .kind = K::CheckBox, .container = "fraRender",
      .rect = {420, 1140, 1455, 255}, .caption = "3Dfx",
      .help = "3Dfx Support - Cards made by 3dfx should enable this feature, it will improve video "
              "quality. (All Voodoo Cards)"}, checkBox(&O::chkFX), G::OpenGL},
    {{.name = "fraGameOpt", .kind = K::Frame, .rect = {120, 1740, 5415, 2715},
      .caption = "Gaming Options"}},
    {{.name = "lblconnection", .kind = K::Label, .container = "fraGameOpt",
      .rect = {120, 240, 2400, 195}, .caption = "Connection Speed", .emphasis = kBold,
      .help = "Please select your connection. This will define the rate, cl_updaterate and "
              "cl_cmdrate functions, you can change this later in the config."}},
    {{.name = "cboRate", .kind = K::List, .container = "fraGameOpt", .rect = {120, 450, 2160, 315},
      .caption = "28.8 modem|33.6 modem|56k modem|Single ISDN|Dual ISDN|Cable Modem|xDSL|T1+|LAN"},
     list(&O::cboRate)},
    {{.name = "lblFPS", .kind = K::Label, .container = "fraGameOpt", .rect = {2700, 270, 1500, 195},
      .caption = "Maximum FPS", .emphasis = kBold,
      .help = "Sets the maximum number of frames per second.  Useful to lessen CPU load if other "
              "applications are running. Value must be an integer."}},
    {{.name = "txtFPS", .kind = K::TextField, .container = "fraGameOpt",
      .rect = {4200, 225, 1095, 285}}, field(&O::txtFPS)},
    {{.name = "lblDecals", .kind = K::Label, .container = "fraGameOpt",
      .rect = {2700, 600, 1500, 195}, .caption = "Maximum Decals", .emphasis = kBold,
      .help = "Sets the maximum number of decals displayed (Rocket blasts, bullet holes etc.) "
              "Value must be an integer."}},
    {{.name = "txtDecals", .kind = K::TextField, .container = "fraGameOpt",
      .rect = {4200, 555, 1095, 285}}, field(&O::txtDecals)},
    {{.name = "chkHimodels", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 900, 2520, 255}, .caption = "Enable High-Quality Models",
      .help = "Enables high quality models. Will slightly hamper FPS."}, checkBox(&O::chkHimodels)},
    {{.name = "chkWeap", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 1140, 2520, 255}, .caption = "Disable Weapon Model",
      .help = "Disables the weapon model you see yourself holding.  By not seeing the weapon "
              "model, you'll need to remember what gun you're using. Will improve fps."},
     checkBox(&O::chkWeap)},
    {{.name = "chkDynamic", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 1380, 2520, 255}, .caption = "Disable Dynamic Lighting",
      .help = "Disables dynamic lighting. Dynamic lighting causes objects around a light source to "
              "illuminate, such as rockets and flashlights. Will moderately improve FPS."},
     checkBox(&O::chkDynamic)},
    {{.name = "chkMirrorAlpha", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 1620, 2520, 255}, .caption = "Disable Reflections",
      .help = "Disables reflective textures. Will slightly improve FPS."},
     checkBox(&O::chkMirrorAlpha)},
    {{.name = "chkPrecache", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 1860, 2520, 255}, .caption = "Disable Precache",
      .help = "Disables precaching of models and sprites before loading. Will shorten loading time "
              "but will lower performance. Not recommended."}, checkBox(&O::chkPrecache)},
    {{.name = "chkUpload", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {2700, 900, 2640, 255}, .caption = "Disallow Uploads",
      .help = "Disallows the upload of files to the server, such as custom spray paints so others "
              "can download/view them. Others will not be able to see your custom spray paint. May "
              "lower latency at beginning of game on slower connections."},
     checkBox(&O::chkUpload)},
    {{.name = "chkDownload", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {2700, 1140, 2640, 255}, .caption = "Disallow Downloads",
      .help = "Disllows the download of files from the server when connecting. Such files include "
              "maps, sounds and custom spray paints. You will not be able to see the custom spray "
              "paints of other players or download custom maps and sounds you don't have from "
              "server. May lower latency at beginning of game on slower connections."},
     checkBox(&O::chkDownload)},
    {{.name = "chkDownloadInGame", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {2700, 1380, 2640, 255}, .caption = "Disallow Downloads In-Game",
      .help = "Disallows the download of files from the server In-Game, such as custom spray "
              "paints. You will not be able to see the custom spray paints of players that join in "
              "the middle of a game. May lessen occasional lag spikes during the game on slower "
              "connections."}, checkBox(&O::chkDownloadInGame)},
    {{.name = "chkMMX", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {2700, 1620, 2640, 255}, .caption = "Force MMX Calculations",
      .help = " Will improve performance of processors with MMX support (Pentium II, III, Celeron) "
              "by forcing MMX calculations.  If you do not have a processor with MMX support, "
              "leave this disabled."}, checkBox(&O::chkMMX)},
    {{.name = "linGameOpt", .kind = K::Separator, .container = "fraGameOpt",
      .rect = {60, 2160, 5295, 30}}},
    {{.name = "chkNetGraph", .kind = K::CheckBox, .container = "fraGameOpt",
      .rect = {120, 2310, 1620, 255}, .caption = "Enable Netgraph",
      .help = "Enables the netgraph function in Half-Life. Defaults in mode 3 and position 2. Mode "
              "3 displays the frames per second, in/out data rate, latency and choke. Mode 2 adds "
              "on a real-time incoming/outgoing data graph. Mode 1 adds a simplified "
              "incoming/outgoing data graph. Modes 1 & 2 will hamper FPS."},
     checkBox(&O::chkNetGraph)},
    {.element = {.name = "lblMode", .kind = K::Label, .container = "fraGameOpt",
                 .rect = {1860, 2340, 480, 195}, .caption = "Mode", .emphasis = kBold,
                 .help = "Mode 3 displays the frames per second, in/out data rate, latency and "
                         "choke. Mode 2 adds on a real-time incoming/outgoing data graph. Mode 1 "
                         "adds a simplified incoming/outgoing data graph. Modes 1 & 2 will "
                         "hamper FPS."},
     .group = G::NetGraph},
    {{.name = "cboNetGraph", .kind = K::List, .container = "fraGameOpt",
      .rect = {2370, 2280, 1035, 315}, .caption = "Mode 3|Mode 2|Mode 1"},
     list(&O::cboNetGraph), G::NetGraph},
    {.element = {.name = "lblPos", .kind = K::Label, .container = "fraGameOpt",
                 .rect = {3540, 2340, 720, 195}, .caption = "Position", .emphasis = kBold,
                 .help = "Displays the netgraph on a certain side of the screen. Defaults on "
                         "right side."},
     .group = G::NetGraph},
    {{.name = "cboPos", .kind = K::List, .container = "fraGameOpt", .rect = {4290, 2280, 1005, 315},
      .caption = "Right|Center|Left"}, list(&O::cboPos), G::NetGraph},
    // Its disabled state covers the controls inside it.
    {.element = {.name = "fraOpenGL", .kind = K::Frame, .rect = {2280, 60, 7575, 1575},
                 .caption = "OpenGL Options"},
     .group = G::OpenGL},
    {{.name = "lblTexture", .kind = K::Label, .container = "fraOpenGL",
      .rect = {120, 240, 3135, 195}, .caption = "Texture Mode", .emphasis = kBold,
      .help = "Please select a texture mode. Most video cards support bilinear filtering.  Some "
              "may support trilinear filtering which will increase the quality of textures. If you "
              "are in doubt, I would select one of the bilinear filtering modes."}},
    {{.name = "cboTexture", .kind = K::List, .container = "fraOpenGL",
      .rect = {120, 450, 3135, 315},
      .caption = "Low quality bilinear filtering|High quality bilinear filtering|Low quality "
                 "trilinear filtering|High quality trilinear filtering"}, list(&O::cboTexture)},
    {{.name = "lblVidQual", .kind = K::Label, .container = "fraOpenGL",
      .rect = {120, 885, 2160, 195}, .caption = "Video Rendering Quality", .emphasis = kBold,
      .help = "Please select the rendering quality. Highest will have best quality graphics but "
              "will lower FPS. Lowest will have low quality graphics but will improve FPS."}},
    {{.name = "cboPicmip", .kind = K::List, .container = "fraOpenGL", .rect = {2280, 825, 975, 315},
      .caption = "Lowest|Medium|Highest"}, list(&O::cboPicmip)},
    {{.name = "lblPlayerQual", .kind = K::Label, .container = "fraOpenGL",
      .rect = {120, 1230, 2160, 195}, .caption = "Player Rendering Quality", .emphasis = kBold,
      .help = "Please select the player rendering quality. Highest will have best quality graphics "
              "but will lower FPS. Lowest will have low quality graphics but will improve FPS."}},
    {{.name = "cboPlayermip", .kind = K::List, .container = "fraOpenGL",
      .rect = {2280, 1170, 975, 315}, .caption = "Lowest|Medium|Highest"}, list(&O::cboPlayermip)},
    {{.name = "lblMaxSize", .kind = K::Label, .container = "fraOpenGL",
      .rect = {3420, 285, 2160, 195}, .caption = "Maximum Texture Size", .emphasis = kBold,
      .help = "Selects the maximum texture size allowed with textures.  Lower values will reduce "
              "CPU load. However, some textures may not be viewable, especially on custom "
              "user-made maps."}},
    {{.name = "cboMaxSize", .kind = K::List, .container = "fraOpenGL",
      .rect = {5640, 225, 915, 315}, .caption = "256|128|64|32"}, list(&O::cboMaxSize)},
    {{.name = "chkZtrick", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {3420, 675, 2160, 255}, .caption = "Enable Z-Trick",
      .help = "Enables Ztrick.  Speeds up rendering on 3Dfx cards. May cause flickering on "
              "non-3Dfx cards.  Leave it off if you do not own a 3dfx card."},
     checkBox(&O::chkZtrick)},
    {{.name = "chkCracks", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {3420, 945, 2160, 255}, .caption = "Disable Cracks",
      .help = "Checking this box will remove cracks between textures on some video cards.  "
              "However, it will reduce fps."}, checkBox(&O::chkCracks)},
    {{.name = "chkBlend", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {3420, 1215, 2160, 255}, .caption = "Disable Sprite Blending",
      .help = "Disables the blending of sprite graphics. Will slightly improve FPS."},
     checkBox(&O::chkBlend)},
    {{.name = "chkDither", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {5640, 675, 1815, 255}, .caption = "Disable Dithering",
      .help = "Disables dithering. Will slightly improve FPS."}, checkBox(&O::chkDither)},
    {{.name = "chkLightholes", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {5640, 945, 1815, 255}, .caption = "Disable Lightholes",
      .help = "Disable lightholes in-game. Disabling may improve fps."},
     checkBox(&O::chkLightholes)},
    {{.name = "chkCull", .kind = K::CheckBox, .container = "fraOpenGL",
      .rect = {5640, 1215, 1815, 255}, .caption = "Disable Cull",
      .help = "Not recommended. Disables the rendering of visible objects only. Unless you really "
              "have the CPU power, I would leave this option unchecked as it will greatly increase "
              "the CPU load on your system."}, checkBox(&O::chkCull)},
    {{.name = "fraSound", .kind = K::Frame, .rect = {5700, 1740, 4155, 1215},
      .caption = "Sound Options"}},
    {{.name = "chkHisound", .kind = K::CheckBox, .container = "fraSound",
      .rect = {120, 300, 1980, 255}, .caption = "Enable Hi-Sound",
      .help = "Enables high-quality sound. Will increase CPU load but I find it to be well worth "
              "it."}, checkBox(&O::chkHisound)},
    {{.name = "chkSAd", .kind = K::CheckBox, .container = "fraSound", .rect = {120, 570, 1980, 255},
      .caption = "Enable A3D Support",
      .help = "Enables A3D support. Will slightly increase CPU load but will increase sound "
              "quality. Enable it only if your sound card supports A3D."}, checkBox(&O::chkSAd)},
    {{.name = "chkSEax", .kind = K::CheckBox, .container = "fraSound",
      .rect = {120, 840, 1980, 255}, .caption = "Enable EAX Support",
      .help = "Enables EAX support. Will slightly increase CPU load but will increase sound "
              "quality. Enable it only if your sound card supports EAX."}, checkBox(&O::chkSEax)},
    {{.name = "chkCDAudio", .kind = K::CheckBox, .container = "fraSound",
      .rect = {2160, 300, 1935, 255}, .caption = "Enable CD Audio",
      .help = "Disables CD Audio. If you wish to listen to music CDs on your computer while you "
              "play, leave this box unchecked.  I recommend you get a stereo system of some sort "
              "so you don't increase the CPU load."}, checkBox(&O::chkCDAudio)},
    {{.name = "chkSbit", .kind = K::CheckBox, .container = "fraSound",
      .rect = {2160, 570, 1935, 255}, .caption = "Disable 16-bit sound",
      .help = "Disables 16-bit sound, goes to 8-bit sound instead. Will decrease CPU load but "
              "sound quality will be slightly hampered."}, checkBox(&O::chkSbit)},
    {{.name = "chkReverb", .kind = K::CheckBox, .container = "fraSound",
      .rect = {2160, 840, 1935, 255}, .caption = "Disable Reverb",
      .help = "Disables reverb. Will lower CPU load but will slightly hamper sound quality."},
     checkBox(&O::chkReverb)},
    {{.name = "cmdPreset", .kind = K::Button, .rect = {120, 4560, 855, 495}, .caption = "Presets",
      .help = "This programs comes with preconfigured settings for those lazy people out there. "
              "There's also a setting to revert back to Half-Life defaults if your system becomes "
              "unstable with the new config."}},
    {{.name = "cmdGenerate", .kind = K::Button, .rect = {1140, 4560, 2895, 495},
      .caption = "Generate Config File!", .emphasis = kBoldLarge,
      .help = "After you have appropiately selected all the options, press this button to generate "
              "the config!"}},
    {{.name = "cmdInstall", .kind = K::Button, .rect = {4200, 4560, 1335, 495},
      .caption = "Install Config",
      .help = "Installs the text in the textbox to selected mods on your computer."}},
    {{.name = "txtResult", .kind = K::TextBox, .rect = {5700, 3060, 4155, 1995},
      .help = "After the config appears, change or add extra lines as you see fit. Then press the "
              "'Install Config' button and follow the instructions."}},
    {{.name = "fraDescript", .kind = K::Frame, .rect = {120, 5160, 8595, 975},
      .caption = "Description",
      .help = "Move your mouse over a selection to view its description here."}},
    {{.name = "lblDescript", .kind = K::Label, .container = "fraDescript",
      .rect = {120, 240, 8355, 675}}},
    {{.name = "cmdAbout", .kind = K::Button, .rect = {8880, 5280, 915, 375}, .caption = "About",
      .help = "View info about this product and your system."}},
    {{.name = "cmdExit", .kind = K::Button, .rect = {8880, 5760, 915, 375}, .caption = "Exit!"}},
};

// The kind of each option control's row builds the widget its binding shows the member in.
constexpr bool bindingAgrees(const StartElement& row) {
    return std::visit(
        [&row](auto binding) {
            if constexpr (std::is_same_v<decltype(binding), std::monostate>) return true;
            else return binding.kind == row.element.kind;
        },
        row.option);
}
static_assert(std::ranges::all_of(kElements, bindingAgrees),
              "an option control's row is of another kind than its binding's widget");

}  // namespace

std::span<const StartElement> startElements() { return kElements; }

}  // namespace kestro
