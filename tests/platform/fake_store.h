#pragma once
// A settings store in memory that answers only when asked as the registry wants (options 0, the
// right to read values, the buffer's own size) and, as Windows does for a standard user, refuses
// (access denied, 5) to open a machine-wide key with any right to write. Keys of the machine-wide
// root are named as they are, those of any other root (this user's) with "HKCU\" before them.
// Key n opened is 0x100 + n; it keeps the keys it was asked to close.
#include <map>
#include <vector>

#include "platform/settings_store.h"

namespace kestro::test {

using StoredValue = std::pair<std::uint32_t, std::string>;  // type, bytes (with any zero)

struct FakeStore : SettingsStore {
    std::map<std::string, std::map<std::string, StoredValue>> keys;  // key, value name, value
    std::vector<std::string> opened;
    std::vector<StoreKey> closed;

    std::int32_t openKey(StoreRoot root, const std::string& keyName, std::uint32_t options,
                         std::uint32_t access, StoreKey& key) override {
        const bool machine = root == StoreRoot(0x80000002u);
        // Set value, create sub-key, create link, delete, write DAC, write owner, all, write.
        if (machine && (access & 0x500D0026u)) return 5;
        const std::string name = (machine ? "" : "HKCU\\") + keyName;
        if (options || !(access & 1) || !keys.count(name)) return kStoreNotFound;
        return opened.push_back(name), key = 0xFF + opened.size(), kStoreOk;
    }
    std::int32_t queryValue(StoreKey key, const std::string& name, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) override {
        auto& values = keys.at(opened.at(key - 0x100));
        if (size != buffer.size() || !values.count(name)) return kStoreNotFound;
        const auto& [storedType, data] = values[name];
        type = storedType, size = std::uint32_t(data.size());
        return size > buffer.size() ? kStoreMoreData : (data.copy(buffer.data(), size), kStoreOk);
    }
    std::int32_t closeKey(StoreKey key) override { return closed.push_back(key), kStoreOk; }
};

}  // namespace kestro::test
