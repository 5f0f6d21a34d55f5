#pragma once
// A settings store in memory that answers as the registry does: only when asked the way the
// registry wants (machine-wide root, options 0, the full access mask, a zeroed 1024-byte
// buffer). It records the keys closed and those still open.

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "sysinfo/settings_store.h"

namespace kestro::testing {

struct StoredValue {
    std::uint32_t type;
    std::string data;  // the bytes as stored, a terminating zero included where there is one
};

class FakeStore : public SettingsStore {
public:
    std::map<std::string, std::map<std::string, StoredValue>> keys;  // a key may have no values
    std::map<StoreKey, std::string> openKeys;
    std::vector<StoreKey> closed;

    std::int32_t openKey(StoreRoot root, const std::string& name, std::uint32_t options,
                         std::uint32_t access, StoreKey& key) override {
        if (root != static_cast<StoreRoot>(0x80000002u) || options != 0 || access != 0x2003F ||
            !keys.count(name))
            return kStoreNotFound;
        openKeys[key = 0x100 + closed.size() + openKeys.size()] = name;
        return kStoreOk;
    }

    std::int32_t queryValue(StoreKey key, const std::string& name, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) override {
        if (size != 1024 || std::count(buffer.begin(), buffer.end(), '\0') != 1024) return 87;
        const auto& values = keys[openKeys.at(key)];
        if (!values.count(name)) return kStoreNotFound;
        const auto& [storedType, data] = values.at(name);
        const bool fits = data.size() <= size;
        if (fits) std::memcpy(buffer.data(), data.data(), data.size());
        type = storedType;
        size = static_cast<std::uint32_t>(data.size());
        return fits ? kStoreOk : kStoreMoreData;
    }

    std::int32_t closeKey(StoreKey key) override {
        closed.push_back(key);
        openKeys.erase(key);
        return kStoreOk;
    }
};

}  // namespace kestro::testing
