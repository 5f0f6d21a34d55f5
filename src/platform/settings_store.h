#pragma once
// The platform's settings store as the program reads it: open a key, read one value, close the
// key, with the registry's meaning. Standard C++ only: the Windows store turns these into the
// registry's own roots, rights, answers and types.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace kestro {

// The machine-wide root (HKEY_LOCAL_MACHINE on Windows) and this user's (HKEY_CURRENT_USER).
enum class StoreRoot { LocalMachine, CurrentUser };

// An open key; 0 is "no key".
using StoreKey = std::uintptr_t;

enum class StoreAnswer {
    Ok,
    NotFound,  // no such key or value, or any other failure
    MoreData,  // the value does not fit the buffer
};

enum class ValueType {
    Text,        // zero-terminated text
    // Zero-terminated text that names environment variables ("%SystemDrive%\Steam"): the store
    // hands it over expanded, as Windows programs read it.
    ExpandText,
    Number,      // 32-bit number, least significant byte first
    Other,       // any other kind of data
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Opens `keyName` under `root` for reading only: the program never writes to the store.
    // On success returns Ok and sets `key`; otherwise leaves `key` as it is.
    virtual StoreAnswer openKey(StoreRoot root, const std::string& keyName, StoreKey& key) = 0;

    // Reads the value `valueName` of an open key into `buffer`. On entry `size` is the
    // buffer's size; on success it is the length of the data in bytes (a terminating zero
    // byte included where the store keeps one) and `type` the value's type. Names and text
    // data are UTF-8, whatever form the store keeps them in: a text fits when its UTF-8 bytes
    // do, and one that does not is MoreData.
    virtual StoreAnswer queryValue(StoreKey key, const std::string& valueName, ValueType& type,
                                   std::span<char> buffer, std::uint32_t& size) = 0;

    // Closes a key; called also with 0 after a failed open.
    virtual void closeKey(StoreKey key) = 0;
};

// The store of the platform the program runs on: the Windows registry on Windows; elsewhere
// a stand-in that knows only where the system-information program is (see path_store.h).
std::unique_ptr<SettingsStore> makePlatformSettingsStore();

// Closes the key it holds however a lookup ends, a thrown error included.
class ScopedKey {
public:
    explicit ScopedKey(SettingsStore& store) : store_(store) {}
    ~ScopedKey() { store_.closeKey(handle); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    StoreKey handle = 0;

private:
    SettingsStore& store_;
};

// The buffer a path's text is read into: the longest path Windows takes is 32,767 UTF-16 units,
// each at most three UTF-8 bytes, and its zero.
inline constexpr std::uint32_t kPathTextBufferSize = 3 * 32767 + 1;

// The text of the value `valueName` of the key `keyName` under `root`, as Windows programs read
// a path from the registry: a text, or an expandable text (which the store hands over
// expanded), up to its first zero. Nothing when the key or value is missing, is of another
// type, is empty or does not fit kPathTextBufferSize. Never throws for what the store holds.
std::optional<std::string> readText(SettingsStore& store, StoreRoot root,
                                    const std::string& keyName, const std::string& valueName);

}  // namespace kestro
