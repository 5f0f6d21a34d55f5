#include "frmstart_elements.h"

namespace kestro {

const char* const kStartWindowHelp =
    " Welcome to Kestro! This program will allow you to get the most out of your video card "
    "quickly and easily! Try it out and watch your FPS (not to mention frags) go up!";

const char* const kResultStartupText =
    "Press the \"Generate Config File!\" button after all appropiate selections are selected.\r\n"
    "The config will appear here after the button is pressed. You may edit as you see fit.\r\n";

namespace {

using K = ElementKind;
using G = Group;
using O = OptionSet;
constexpr Emphasis kRegular = Emphasis::Regular;
constexpr Emphasis kBold = Emphasis::Bold;
constexpr Emphasis kBoldLarge = Emphasis::BoldLarge;

// Left, top, width, height in twips; inside a frame relative to the frame. The option buttons
// lie on the window itself, drawn over the "Rendering Option" frame. Lists and text fields
// have no help text of their own: the labels that name them carry it.
const StartElement kElements[]{
    {{"fraRender", K::Frame, "", {120, 60, 1995, 1575}, "Rendering Option"}},
    {{"optSoftware", K::OptionButton, "", {300, 360, 1635, 435},
      "Software/Direct3D", kRegular,
      "Software Rendering - Supported by almost all video cards. Low video quality."},
     &O::optSoftware},
    {{"optOpenGL", K::OptionButton, "", {300, 840, 1635, 315},
      "OpenGL", kRegular,
      "OpenGL Rendering - Supported by a lot of video cards. High video quality."},
     &O::optOpenGL},
    {{"chkFX", K::CheckBox, "fraRender", {420, 1140, 1455, 255},
      "3Dfx", kRegular,
      "3Dfx Support - Cards made by 3dfx should enable this feature, it will improve video "
      "quality. (All Voodoo Cards)"},
     &O::chkFX, G::OpenGL},
    {{"fraGameOpt", K::Frame, "", {120, 1740, 5415, 2715}, "Gaming Options"}},
    {{"lblconnection", K::Label, "fraGameOpt", {120, 240, 2400, 195},
      "Connection Speed", kBold,
      "Please select your connection. This will define the rate, cl_updaterate and cl_cmdrate "
      "functions, you can change this later in the config."}},
    {{"cboRate", K::List, "fraGameOpt", {120, 450, 2160, 315},
      "28.8 modem|33.6 modem|56k modem|Single ISDN|Dual ISDN|Cable Modem|xDSL|T1+|LAN"},
     &O::cboRate},
    {{"lblFPS", K::Label, "fraGameOpt", {2700, 270, 1500, 195},
      "Maximum FPS", kBold,
      "Sets the maximum number of frames per second.  Useful to lessen CPU load if other "
      "applications are running. Value must be an integer."}},
    {{"txtFPS", K::TextField, "fraGameOpt", {4200, 225, 1095, 285}, ""}, &O::txtFPS},
    {{"lblDecals", K::Label, "fraGameOpt", {2700, 600, 1500, 195},
      "Maximum Decals", kBold,
      "Sets the maximum number of decals displayed (Rocket blasts, bullet holes etc.) Value "
      "must be an integer."}},
    {{"txtDecals", K::TextField, "fraGameOpt", {4200, 555, 1095, 285}, ""}, &O::txtDecals},
    {{"chkHimodels", K::CheckBox, "fraGameOpt", {120, 900, 2520, 255},
      "Enable High-Quality Models", kRegular,
      "Enables high quality models. Will slightly hamper FPS."},
     &O::chkHimodels},
    {{"chkWeap", K::CheckBox, "fraGameOpt", {120, 1140, 2520, 255},
      "Disable Weapon Model", kRegular,
      "Disables the weapon model you see yourself holding.  By not seeing the weapon model, "
      "you'll need to remember what gun you're using. Will improve fps."},
     &O::chkWeap},
    {{"chkDynamic", K::CheckBox, "fraGameOpt", {120, 1380, 2520, 255},
      "Disable Dynamic Lighting", kRegular,
      "Disables dynamic lighting. Dynamic lighting causes objects around a light source to "
      "illuminate, such as rockets and flashlights. Will moderately improve FPS."},
     &O::chkDynamic},
    {{"chkMirrorAlpha", K::CheckBox, "fraGameOpt", {120, 1620, 2520, 255},
      "Disable Reflections", kRegular,
      "Disables reflective textures. Will slightly improve FPS."},
     &O::chkMirrorAlpha},
    {{"chkPrecache", K::CheckBox, "fraGameOpt", {120, 1860, 2520, 255},
      "Disable Precache", kRegular,
      "Disables precaching of models and sprites before loading. Will shorten loading time but "
      "will lower performance. Not recommended."},
     &O::chkPrecache},
    {{"chkUpload", K::CheckBox, "fraGameOpt", {2700, 900, 2640, 255},
      "Disallow Uploads", kRegular,
      "Disallows the upload of files to the server, such as custom spray paints so others can "
      "download/view them. Others will not be able to see your custom spray paint. May lower "
      "latency at beginning of game on slower connections."},
     &O::chkUpload},
    {{"chkDownload", K::CheckBox, "fraGameOpt", {2700, 1140, 2640, 255},
      "Disallow Downloads", kRegular,
      "Disllows the download of files from the server when connecting. Such files include maps, "
      "sounds and custom spray paints. You will not be able to see the custom spray paints of "
      "other players or download custom maps and sounds you don't have from server. May lower "
      "latency at beginning of game on slower connections."},
     &O::chkDownload},
    {{"chkDownloadInGame", K::CheckBox, "fraGameOpt", {2700, 1380, 2640, 255},
      "Disallow Downloads In-Game", kRegular,
      "Disallows the download of files from the server In-Game, such as custom spray paints. "
      "You will not be able to see the custom spray paints of players that join in the middle "
      "of a game. May lessen occasional lag spikes during the game on slower connections."},
     &O::chkDownloadInGame},
    {{"chkMMX", K::CheckBox, "fraGameOpt", {2700, 1620, 2640, 255},
      "Force MMX Calculations", kRegular,
      " Will improve performance of processors with MMX support (Pentium II, III, Celeron) by "
      "forcing MMX calculations.  If you do not have a processor with MMX support, leave this "
      "disabled."},
     &O::chkMMX},
    {{"linGameOpt", K::Separator, "fraGameOpt", {60, 2160, 5295, 30}, ""}},
    {{"chkNetGraph", K::CheckBox, "fraGameOpt", {120, 2310, 1620, 255},
      "Enable Netgraph", kRegular,
      "Enables the netgraph function in Half-Life. Defaults in mode 3 and position 2. Mode 3 "
      "displays the frames per second, in/out data rate, latency and choke. Mode 2 adds on a "
      "real-time incoming/outgoing data graph. Mode 1 adds a simplified incoming/outgoing data "
      "graph. Modes 1 & 2 will hamper FPS."},
     &O::chkNetGraph},
    {{"lblMode", K::Label, "fraGameOpt", {1860, 2340, 480, 195},
      "Mode", kBold,
      "Mode 3 displays the frames per second, in/out data rate, latency and choke. Mode 2 adds "
      "on a real-time incoming/outgoing data graph. Mode 1 adds a simplified incoming/outgoing "
      "data graph. Modes 1 & 2 will hamper FPS."},
     {}, G::NetGraph},
    {{"cboNetGraph", K::List, "fraGameOpt", {2370, 2280, 1035, 315}, "Mode 3|Mode 2|Mode 1"},
     &O::cboNetGraph, G::NetGraph},
    {{"lblPos", K::Label, "fraGameOpt", {3540, 2340, 720, 195},
      "Position", kBold,
      "Displays the netgraph on a certain side of the screen. Defaults on right side."},
     {}, G::NetGraph},
    {{"cboPos", K::List, "fraGameOpt", {4290, 2280, 1005, 315}, "Right|Center|Left"},
     &O::cboPos, G::NetGraph},
    {{"fraOpenGL", K::Frame, "", {2280, 60, 7575, 1575}, "OpenGL Options"}, {}, G::OpenGL},
    {{"lblTexture", K::Label, "fraOpenGL", {120, 240, 3135, 195},
      "Texture Mode", kBold,
      "Please select a texture mode. Most video cards support bilinear filtering.  Some may "
      "support trilinear filtering which will increase the quality of textures. If you are in "
      "doubt, I would select one of the bilinear filtering modes."},
     {}, G::OpenGL},
    {{"cboTexture", K::List, "fraOpenGL", {120, 450, 3135, 315},
      "Low quality bilinear filtering|High quality bilinear filtering|"
      "Low quality trilinear filtering|High quality trilinear filtering"},
     &O::cboTexture, G::OpenGL},
    {{"lblVidQual", K::Label, "fraOpenGL", {120, 885, 2160, 195},
      "Video Rendering Quality", kBold,
      "Please select the rendering quality. Highest will have best quality graphics but will "
      "lower FPS. Lowest will have low quality graphics but will improve FPS."},
     {}, G::OpenGL},
    {{"cboPicmip", K::List, "fraOpenGL", {2280, 825, 975, 315}, "Lowest|Medium|Highest"},
     &O::cboPicmip, G::OpenGL},
    {{"lblPlayerQual", K::Label, "fraOpenGL", {120, 1230, 2160, 195},
      "Player Rendering Quality", kBold,
      "Please select the player rendering quality. Highest will have best quality graphics but "
      "will lower FPS. Lowest will have low quality graphics but will improve FPS."},
     {}, G::OpenGL},
    {{"cboPlayermip", K::List, "fraOpenGL", {2280, 1170, 975, 315}, "Lowest|Medium|Highest"},
     &O::cboPlayermip, G::OpenGL},
    {{"lblMaxSize", K::Label, "fraOpenGL", {3420, 285, 2160, 195},
      "Maximum Texture Size", kBold,
      "Selects the maximum texture size allowed with textures.  Lower values will reduce CPU "
      "load. However, some textures may not be viewable, especially on custom user-made maps."},
     {}, G::OpenGL},
    {{"cboMaxSize", K::List, "fraOpenGL", {5640, 225, 915, 315}, "256|128|64|32"},
     &O::cboMaxSize, G::OpenGL},
    {{"chkZtrick", K::CheckBox, "fraOpenGL", {3420, 675, 2160, 255},
      "Enable Z-Trick", kRegular,
      "Enables Ztrick.  Speeds up rendering on 3Dfx cards. May cause flickering on non-3Dfx "
      "cards.  Leave it off if you do not own a 3dfx card."},
     &O::chkZtrick, G::OpenGL},
    {{"chkCracks", K::CheckBox, "fraOpenGL", {3420, 945, 2160, 255},
      "Disable Cracks", kRegular,
      "Checking this box will remove cracks between textures on some video cards.  However, it "
      "will reduce fps."},
     &O::chkCracks, G::OpenGL},
    {{"chkBlend", K::CheckBox, "fraOpenGL", {3420, 1215, 2160, 255},
      "Disable Sprite Blending", kRegular,
      "Disables the blending of sprite graphics. Will slightly improve FPS."},
     &O::chkBlend, G::OpenGL},
    {{"chkDither", K::CheckBox, "fraOpenGL", {5640, 675, 1815, 255},
      "Disable Dithering", kRegular,
      "Disables dithering. Will slightly improve FPS."},
     &O::chkDither, G::OpenGL},
    {{"chkLightholes", K::CheckBox, "fraOpenGL", {5640, 945, 1815, 255},
      "Disable Lightholes", kRegular,
      "Disable lightholes in-game. Disabling may improve fps."},
     &O::chkLightholes, G::OpenGL},
    {{"chkCull", K::CheckBox, "fraOpenGL", {5640, 1215, 1815, 255},
      "Disable Cull", kRegular,
      "Not recommended. Disables the rendering of visible objects only. Unless you really have "
      "the CPU power, I would leave this option unchecked as it will greatly increase the CPU "
      "load on your system."},
     &O::chkCull, G::OpenGL},
    {{"fraSound", K::Frame, "", {5700, 1740, 4155, 1215}, "Sound Options"}},
    {{"chkHisound", K::CheckBox, "fraSound", {120, 300, 1980, 255},
      "Enable Hi-Sound", kRegular,
      "Enables high-quality sound. Will increase CPU load but I find it to be well worth it."},
     &O::chkHisound},
    {{"chkSAd", K::CheckBox, "fraSound", {120, 570, 1980, 255},
      "Enable A3D Support", kRegular,
      "Enables A3D support. Will slightly increase CPU load but will increase sound quality. "
      "Enable it only if your sound card supports A3D."},
     &O::chkSAd},
    {{"chkSEax", K::CheckBox, "fraSound", {120, 840, 1980, 255},
      "Enable EAX Support", kRegular,
      "Enables EAX support. Will slightly increase CPU load but will increase sound quality. "
      "Enable it only if your sound card supports EAX."},
     &O::chkSEax},
    {{"chkCDAudio", K::CheckBox, "fraSound", {2160, 300, 1935, 255},
      "Enable CD Audio", kRegular,
      "Disables CD Audio. If you wish to listen to music CDs on your computer while you play, "
      "leave this box unchecked.  I recommend you get a stereo system of some sort so you don't "
      "increase the CPU load."},
     &O::chkCDAudio},
    {{"chkSbit", K::CheckBox, "fraSound", {2160, 570, 1935, 255},
      "Disable 16-bit sound", kRegular,
      "Disables 16-bit sound, goes to 8-bit sound instead. Will decrease CPU load but sound "
      "quality will be slightly hampered."},
     &O::chkSbit},
    {{"chkReverb", K::CheckBox, "fraSound", {2160, 840, 1935, 255},
      "Disable Reverb", kRegular,
      "Disables reverb. Will lower CPU load but will slightly hamper sound quality."},
     &O::chkReverb},
    {{"cmdPreset", K::Button, "", {120, 4560, 855, 495},
      "Presets", kRegular,
      "This programs comes with preconfigured settings for those lazy people out there. There's "
      "also a setting to revert back to Half-Life defaults if your system becomes unstable with "
      "the new config."}},
    {{"cmdGenerate", K::Button, "", {1140, 4560, 2895, 495},
      "Generate Config File!", kBoldLarge,
      "After you have appropiately selected all the options, press this button to generate the "
      "config!"}},
    {{"cmdInstall", K::Button, "", {4200, 4560, 1335, 495},
      "Install Config", kRegular,
      "Installs the text in the textbox to selected mods on your computer."}},
    {{"txtResult", K::TextBox, "", {5700, 3060, 4155, 1995},
      "", kRegular,
      "After the config appears, change or add extra lines as you see fit. Then press the "
      "'Install Config' button and follow the instructions."}},
    {{"fraDescript", K::Frame, "", {120, 5160, 8595, 975},
      "Description", kRegular,
      "Move your mouse over a selection to view its description here."}},
    {{"lblDescript", K::Label, "fraDescript", {120, 240, 8355, 675}, ""}},
    {{"cmdAbout", K::Button, "", {8880, 5280, 915, 375},
      "About", kRegular,
      "View info about this product and your system."}},
    {{"cmdExit", K::Button, "", {8880, 5760, 915, 375}, "Exit!"}},
};

}  // namespace

std::span<const StartElement> startElements() { return kElements; }

}  // namespace kestro
