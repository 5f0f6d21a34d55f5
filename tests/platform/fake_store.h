#pragma once
// A settings store in memory that answers only when asked for the buffer's own size. Keys of the
// machine-wide root are named as they are, those of this user's with "HKCU\" before them; value
// types are numbered as the registry numbers them (1 text, 2 expandable text, 4 number). Key n
// opened is 0x100 + n; it keeps the keys it was asked to close.
#include <map>
#include <vector>

#include "platform/settings_store.h"

namespace kestro::test {

using StoredValue = std::pair<std::uint32_t, std::string>;  // type, bytes (with any zero)

struct FakeStore : SettingsStore {
    std::map<std::string, std::map<std::string, StoredValue>> keys;  // key, value name, value
    std::vector<std::string> opened;
    std::vector<StoreKey> closed;

    StoreAnswer openKey(StoreRoot root, const std::string& keyName, StoreKey& key) override {
        const std::string name = (root == StoreRoot::LocalMachine ? "" : "HKCU\\") + keyName;
        if (!keys.count(name)) return StoreAnswer::NotFound;
        return opened.push_back(name), key = 0xFF + opened.size(), StoreAnswer::Ok;
    }
    StoreAnswer queryValue(StoreKey key, const std::string& name, ValueType& type,
                           std::span<char> buffer, std::uint32_t& size) override {
        auto& values = keys.at(opened.at(key - 0x100));
        if (size != buffer.size() || !values.count(name)) return StoreAnswer::NotFound;
        const auto& [storedType, data] = values[name];
        type = storedType == 1   ? ValueType::Text
               : storedType == 2 ? ValueType::ExpandText
               : storedType == 4 ? ValueType::Number
                                 : ValueType::Other;
        size = std::uint32_t(data.size());
        if (size > buffer.size()) return StoreAnswer::MoreData;
        return data.copy(buffer.data(), size), StoreAnswer::Ok;
    }
    void closeKey(StoreKey key) override { closed.push_back(key); }
};

}  // namespace kestro::test
