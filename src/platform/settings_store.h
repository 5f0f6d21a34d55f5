#pragma once
// The platform's settings store as the system-information lookup sees it: three calls with
// the registry's meaning (open a key, read one value, close the key). Standard C++ only.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace kestro {

// A root of the store as the program passes it: a signed 32-bit handle.
using StoreRoot = std::int32_t;
// An open key; 0 is "no key".
using StoreKey = std::uintptr_t;

// The machine-wide root (HKEY_LOCAL_MACHINE) and this user's (HKEY_CURRENT_USER).
inline constexpr StoreRoot kLocalMachine = static_cast<StoreRoot>(0x80000002u);
inline constexpr StoreRoot kCurrentUser = static_cast<StoreRoot>(0x80000001u);
// What the lookup asks for when it opens a key: read access only (KEY_READ: query value,
// enumerate sub-keys, notify and read control). The program never writes to the store, and
// Windows refuses any write right on a machine-wide key to a standard user, and to an
// administrator without elevation; a 64-bit program has no registry virtualisation to soften
// that, so asking for more would make every machine-wide key "not found".
inline constexpr std::uint32_t kKeyAccess = 0x20019;

// The store's answers. 0 is success; everything else the lookup treats as "not found".
inline constexpr std::int32_t kStoreOk = 0;
inline constexpr std::int32_t kStoreNotFound = 2;   // no such key or value
inline constexpr std::int32_t kStoreMoreData = 234;  // the value does not fit the buffer

// Value types.
inline constexpr std::uint32_t kTextValue = 1;    // zero-terminated text
// Zero-terminated text that names environment variables ("%SystemDrive%\Steam"): the store
// hands it over expanded, as Windows programs read it.
inline constexpr std::uint32_t kExpandTextValue = 2;
inline constexpr std::uint32_t kNumberValue = 4;  // 32-bit number, least significant byte first

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Opens `keyName` under `root`. On success returns kStoreOk and sets `key`; otherwise
    // leaves `key` as it is.
    virtual std::int32_t openKey(StoreRoot root, const std::string& keyName,
                                 std::uint32_t options, std::uint32_t access, StoreKey& key) = 0;

    // Reads the value `valueName` of an open key into `buffer`. On entry `size` is the
    // buffer's size; on success it is the length of the data in bytes (a terminating zero
    // byte included where the store keeps one) and `type` the value's type. Names and text
    // data are UTF-8, whatever form the store keeps them in: a text fits when its UTF-8 bytes
    // do, and one that does not is kStoreMoreData.
    virtual std::int32_t queryValue(StoreKey key, const std::string& valueName,
                                    std::uint32_t& type, std::span<char> buffer,
                                    std::uint32_t& size) = 0;

    // Closes a key; called also with 0 after a failed open. The result means nothing.
    virtual std::int32_t closeKey(StoreKey key) = 0;
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
