#pragma once
// The program's pictures, embedded in the executable (resources/kestro.qrc).

namespace kestro::pictures {

inline constexpr const char* kIcon = ":/kestro/kestro.png";
inline constexpr const char* kLogo = ":/kestro/logo.jpg";
inline constexpr const char* kLogoMirrored = ":/kestro/logo-mirrored.jpg";
inline constexpr const char* kScreenshot = ":/kestro/screenie.jpg";

// Makes the pictures available under their paths. They live in a static library, whose
// resource table the linker would otherwise leave out; call before the first use (calling
// again does nothing).
void load();

}  // namespace kestro::pictures
