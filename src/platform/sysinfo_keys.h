#pragma once
// Where Windows records its system-information program. The About window reads these; the
// search-path store answers the first of them where there is no registry.

#include <string_view>

namespace kestro {

// Where the system-information program is recorded: first the program itself, then the
// directory that holds MSINFO32.EXE.
inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSysInfoDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoDirValue = "MSINFO";

}  // namespace kestro
