#pragma once
// Reading one value out of the settings store the way the About window's system-information
// button needs it, with its own rules for numbers and empty values.

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/settings_store.h"

namespace kestro {

// Raised for a value the lookup cannot make sense of: one whose data has size 0, or a number
// that does not fit 32 bits. It ends the lookup and reaches StartSysInfo.
class KeyValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The size of the buffer a value is read into; a longer value is "not found".
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`.
// Returns false, with `KeyVal` emptied, when the key cannot be opened or the value cannot be
// read. Otherwise returns true with `KeyVal` set by the value's type:
// - text: the data up to its first zero, as the system reads a text (a value may hold more
//   zeros after its end);
// - number: the hexadecimal digits of the data's bytes, last byte first and each without a
//   leading zero, appended to `KeyVal`, and the whole read back as the hexadecimal number
//   "&h" + `KeyVal` in decimal (the bytes 03 02 01 00 are cut to 03 02 01 and give "&h123",
//   that is "291"; a `KeyVal` that is no such number stays "&h" + `KeyVal`);
// - any other type: `KeyVal` unchanged.
// Throws KeyValueError, after closing the key, for a value of size 0 or a number that does not
// fit 32 bits.
bool GetKeyValue(SettingsStore& store, StoreRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace kestro
