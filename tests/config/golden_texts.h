#pragma once
// Config texts the program writes, byte for byte: the main window's start-up settings, the
// same after the High preset, and that once more in Software/Direct3D mode.

inline constexpr char kStartupText[] =
    "// Created with Kestro v1.0\r\n// Get your own copy at\r\n// http://kestro.example.org/\r\n"
    "\r\n// Gaming Options\r\nrate 8200\r\ncl_updaterate 40\r\ncl_cmdrate 40\r\nfps_max 72\r\n"
    "r_decals 3000\r\ncl_himodels 0\r\nr_drawviewmodel 1\r\nr_dynamic 1\r\nr_mirroralpha 1\r\n"
    "precache 1\r\ncl_allowupload 1\r\ncl_allowdownload 1\r\ncl_download_ingame 1\r\nr_mmx 0\r\n"
    "net_graph 0\r\n\r\n// OpenGL Options\r\ngl_texturemode gl_linear_mipmap_nearest\r\n"
    "gl_picmip 0\r\ngl_playermip 0\r\ngl_max_size 256\r\ngl_ztrick 0\r\ngl_spriteblend 1\r\n"
    "gl_dither 1\r\ngl_cull 1\r\ngl_keeptjunctions 1\r\ngl_lightholes 1\r\n\r\n"
    "// Sound Properties\r\nhisound 0\r\ns_a3d 0\r\ns_eax 0\r\nloadas8bit 0\r\nbgmvolume 0\r\n"
    "s_reverb 1\r\n";

inline constexpr char kHighText[] =
    "// Created with Kestro v1.0\r\n// Get your own copy at\r\n// http://kestro.example.org/\r\n"
    "\r\n// Gaming Options\r\nrate 8200\r\ncl_updaterate 40\r\ncl_cmdrate 40\r\nfps_max 120\r\n"
    "r_decals 4096\r\ncl_himodels 1\r\nr_drawviewmodel 1\r\nr_dynamic 1\r\nr_mirroralpha 1\r\n"
    "precache 1\r\ncl_allowupload 1\r\ncl_allowdownload 1\r\ncl_download_ingame 1\r\nr_mmx 0\r\n"
    "net_graph 3\r\nnet_graphpos 0\r\n\r\n// OpenGL Options\r\n"
    "gl_texturemode gl_linear_mipmap_linear\r\ngl_picmip 0\r\ngl_playermip 0\r\n"
    "gl_max_size 256\r\ngl_ztrick 0\r\ngl_spriteblend 1\r\ngl_dither 1\r\ngl_cull 1\r\n"
    "gl_keeptjunctions 0\r\ngl_lightholes 1\r\n\r\n// Sound Properties\r\nhisound 1\r\ns_a3d 1\r\n"
    "s_eax 1\r\nloadas8bit 0\r\nbgmvolume 3\r\ns_reverb 1\r\n";

inline constexpr char kHighSoftwareText[] =
    "// Created with Kestro v1.0\r\n// Get your own copy at\r\n// http://kestro.example.org/\r\n"
    "\r\n// Gaming Options\r\nrate 8200\r\ncl_updaterate 40\r\ncl_cmdrate 40\r\nfps_max 120\r\n"
    "r_decals 4096\r\ncl_himodels 1\r\nr_drawviewmodel 1\r\nr_dynamic 1\r\nr_mirroralpha 1\r\n"
    "precache 1\r\ncl_allowupload 1\r\ncl_allowdownload 1\r\ncl_download_ingame 1\r\nr_mmx 0\r\n"
    "net_graph 3\r\nnet_graphpos 0\r\n\r\n// OpenGL Options\r\n"
    "// Rendering in Software/Direct3D Mode\r\n// No OpenGL Options available\r\n\r\n\r\n"
    "// Sound Properties\r\nhisound 1\r\ns_a3d 1\r\ns_eax 1\r\nloadas8bit 0\r\nbgmvolume 3\r\n"
    "s_reverb 1\r\n";
