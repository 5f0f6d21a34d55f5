#pragma once
// A settings store in memory that behaves like the registry's three calls and records what it
// was asked.

#include <algorithm>
#include <cctype>
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
    void put(const std::string& key, const std::string& value, StoredValue stored) {
        keys_[lower(key)][lower(value)] = std::move(stored);
    }
    void putKey(const std::string& key) { keys_[lower(key)]; }

    std::int32_t openKey(StoreRoot root, const std::string& keyName, std::uint32_t options,
                         std::uint32_t access, StoreKey& key) override {
        opened.push_back(keyName);
        lastRoot = root;
        lastOptions = options;
        lastAccess = access;
        if (root != kLocalMachine || !keys_.count(lower(keyName))) return kStoreNotFound;
        key = nextHandle_++;
        openKeys_[key] = lower(keyName);
        return kStoreOk;
    }

    std::int32_t queryValue(StoreKey key, const std::string& valueName, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) override {
        queried.push_back(valueName);
        lastBufferSize = size;
        bufferWasZeroed = std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == 0; });
        if (!openKeys_.count(key)) return 6;  // invalid handle
        const auto& values = keys_[openKeys_[key]];
        const auto found = values.find(lower(valueName));
        if (found == values.end()) return kStoreNotFound;
        const StoredValue& stored = found->second;
        type = stored.type;
        if (stored.data.size() > size || stored.data.size() > buffer.size()) {
            size = static_cast<std::uint32_t>(stored.data.size());
            return kStoreMoreData;
        }
        std::memcpy(buffer.data(), stored.data.data(), stored.data.size());
        size = static_cast<std::uint32_t>(stored.data.size());
        return kStoreOk;
    }

    std::int32_t closeKey(StoreKey key) override {
        closed.push_back(key);
        openKeys_.erase(key);
        return key == 0 ? 6 : kStoreOk;
    }

    bool allClosed() const { return openKeys_.empty(); }

    std::vector<std::string> opened;
    std::vector<std::string> queried;
    std::vector<StoreKey> closed;
    StoreRoot lastRoot = 0;
    std::uint32_t lastOptions = 99, lastAccess = 0, lastBufferSize = 0;
    bool bufferWasZeroed = false;

private:
    static std::string lower(std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    std::map<std::string, std::map<std::string, StoredValue>> keys_;
    std::map<StoreKey, std::string> openKeys_;
    StoreKey nextHandle_ = 0x100;
};

}  // namespace kestro::testing
