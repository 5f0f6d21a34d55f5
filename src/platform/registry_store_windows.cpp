// The settings store on Windows: the registry, through advapi32's wide (UTF-16) calls. The
// program's names and texts are UTF-8; the ANSI calls would pass them through the ANSI code
// page, which holds only a few of the scripts players name their folders in.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings_store.h"

namespace kestro {

namespace {

HKEY rootHandle(StoreRoot root) {
    return root == StoreRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Read access only (KEY_READ: query value, enumerate sub-keys, notify and read control).
// Windows refuses any write right on a machine-wide key to a standard user, and to an
// administrator without elevation; a 64-bit program has no registry virtualisation to soften
// that, so asking for more would make every machine-wide key "not found".
constexpr REGSAM kReadOnly = KEY_READ;

StoreAnswer answerOf(LONG result) {
    if (result == ERROR_SUCCESS) return StoreAnswer::Ok;
    return result == ERROR_MORE_DATA ? StoreAnswer::MoreData : StoreAnswer::NotFound;
}

ValueType typeOf(DWORD type) {
    switch (type) {
    case REG_SZ: return ValueType::Text;
    case REG_EXPAND_SZ: return ValueType::ExpandText;
    case REG_DWORD: return ValueType::Number;
    default: return ValueType::Other;
    }
}

HKEY keyHandle(StoreKey key) { return reinterpret_cast<HKEY>(key); }

// The types whose data the registry keeps as UTF-16 text (and the ANSI calls convert).
bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// UTF-8 to UTF-16; false for bytes that are not UTF-8.
bool toWide(const std::string& text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size,
                                          nullptr, 0);
    if (units <= 0) return false;
    wide.resize(static_cast<std::size_t>(units));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(),
                               units) == units;
}

// An expandable text as Windows programs read it: up to its first zero, each %NAME% replaced
// by that environment variable, with its terminating zero. Nothing when the system cannot
// expand it.
std::optional<std::wstring> expandedText(std::wstring_view data) {
    const std::wstring text(data.substr(0, data.find(L'\0')));
    auto room = static_cast<DWORD>(text.size() + 1);
    // The answer is the room the expansion needs; the environment may grow in between.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::wstring expanded(room, L'\0');
        const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), room);
        if (needed == 0) return std::nullopt;
        if (needed <= room) {
            expanded.resize(std::wcslen(expanded.c_str()));
            return expanded += L'\0';
        }
        room = needed;
    }
    return std::nullopt;
}

// Hands the UTF-16 text `text` over as UTF-8 in `buffer`, with `size` its length in bytes (its
// terminating zero included where it has one).
LONG handOver(std::wstring_view text, std::span<char> buffer, std::uint32_t& size) {
    const auto units = static_cast<int>(text.size());
    const int bytes = units == 0 ? 0
                                 : WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(),
                                                       units, nullptr, 0, nullptr, nullptr);
    if (units > 0 && bytes <= 0) return ERROR_NO_UNICODE_TRANSLATION;
    size = static_cast<std::uint32_t>(bytes);
    if (static_cast<std::size_t>(bytes) > buffer.size()) return ERROR_MORE_DATA;
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), units, buffer.data(), bytes, nullptr,
                            nullptr);
    return ERROR_SUCCESS;
}

class RegistryStore : public SettingsStore {
public:
    StoreAnswer openKey(StoreRoot root, const std::string& keyName, StoreKey& key) override {
        std::wstring name;
        if (!toWide(keyName, name)) return StoreAnswer::NotFound;
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExW(rootHandle(root), name.c_str(), 0, kReadOnly, &opened);
        if (result == ERROR_SUCCESS) key = reinterpret_cast<StoreKey>(opened);
        return answerOf(result);
    }

    // A text is handed over as UTF-8, and fits when its UTF-8 bytes do: the buffer is the
    // program's, and the program reads UTF-8 (as the ANSI call measured the converted text).
    StoreAnswer queryValue(StoreKey key, const std::string& valueName, ValueType& type,
                           std::span<char> buffer, std::uint32_t& size) override {
        return answerOf(query(key, valueName, type, buffer, size));
    }

    void closeKey(StoreKey key) override {
        // A key that never opened is 0; the registry refuses to close it and nothing follows.
        RegCloseKey(keyHandle(key));
    }

private:
    static LONG query(StoreKey key, const std::string& valueName, ValueType& type,
                      std::span<char> buffer, std::uint32_t& size) {
        std::wstring name;
        if (!toWide(valueName, name)) return ERROR_NO_UNICODE_TRANSLATION;
        const std::size_t room = std::min<std::size_t>(size, buffer.size());
        // A text never has more UTF-16 units than UTF-8 bytes: one that fits the buffer as
        // UTF-8 fits here. Other data fits in half of this.
        std::vector<wchar_t> data(std::max<std::size_t>(room, 1));
        DWORD valueType = 0;
        auto dataSize = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LONG result = RegQueryValueExW(keyHandle(key), name.c_str(), nullptr, &valueType,
                                             reinterpret_cast<LPBYTE>(data.data()), &dataSize);
        if (result != ERROR_SUCCESS) return result;
        type = typeOf(valueType);
        if (!isText(valueType)) {
            size = dataSize;
            if (dataSize > room) return ERROR_MORE_DATA;
            std::memcpy(buffer.data(), data.data(), dataSize);
            return ERROR_SUCCESS;
        }
        // An odd last byte is no part of a text.
        const std::wstring_view text(data.data(), dataSize / sizeof(wchar_t));
        if (valueType != REG_EXPAND_SZ) return handOver(text, buffer.first(room), size);
        const std::optional<std::wstring> expanded = expandedText(text);
        if (!expanded) return ERROR_INVALID_DATA;
        return handOver(*expanded, buffer.first(room), size);
    }
};

}  // namespace

std::unique_ptr<SettingsStore> makePlatformSettingsStore() {
    return std::make_unique<RegistryStore>();
}

}  // namespace kestro
