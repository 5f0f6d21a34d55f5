#include "settings_store.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kestro {

std::optional<std::string> readText(SettingsStore& store, StoreRoot root,
                                    const std::string& keyName, const std::string& valueName) {
    ScopedKey key(store);
    if (store.openKey(root, keyName, key.handle) != StoreAnswer::Ok) return std::nullopt;
    std::vector<char> buffer(kPathTextBufferSize, '\0');
    ValueType type = ValueType::Other;
    std::uint32_t size = kPathTextBufferSize;
    if (store.queryValue(key.handle, valueName, type, buffer, size) != StoreAnswer::Ok)
        return std::nullopt;
    if (type != ValueType::Text && type != ValueType::ExpandText) return std::nullopt;
    const std::string_view data(buffer.data(), std::min<std::size_t>(size, buffer.size()));
    std::string text(data.substr(0, data.find('\0')));  // a text ends at its first zero
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace kestro
