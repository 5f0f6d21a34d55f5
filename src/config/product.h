#pragma once
// Facts about the program that more than one place shows.

#include <string_view>

namespace kestro::product {

inline constexpr std::string_view kTitle = "Kestro v1.0";        // main window caption
inline constexpr std::string_view kMessageTitle = "kestro";      // title of untitled messages
inline constexpr std::string_view kVersion = "1.00";
inline constexpr std::string_view kWebAddress = "http://kestro.example.org/";

}  // namespace kestro::product
