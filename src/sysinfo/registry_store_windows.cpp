// The settings store on Windows: the registry, through advapi32.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "settings_store.h"

namespace kestro {

namespace {

// Root handles are the sign-extended 32-bit values (HKEY_LOCAL_MACHINE is 0x80000002).
HKEY rootHandle(StoreRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(root)));
}

HKEY keyHandle(StoreKey key) { return reinterpret_cast<HKEY>(key); }

class RegistryStore : public SettingsStore {
public:
    std::int32_t openKey(StoreRoot root, const std::string& keyName, std::uint32_t options,
                         std::uint32_t access, StoreKey& key) override {
        HKEY opened = nullptr;
        const LONG result =
            RegOpenKeyExA(rootHandle(root), keyName.c_str(), options, access, &opened);
        if (result == ERROR_SUCCESS) key = reinterpret_cast<StoreKey>(opened);
        return result;
    }

    std::int32_t queryValue(StoreKey key, const std::string& valueName, std::uint32_t& type,
                            std::span<char> buffer, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD dataSize = static_cast<DWORD>(size <= buffer.size() ? size : buffer.size());
        const LONG result = RegQueryValueExA(keyHandle(key), valueName.c_str(), nullptr,
                                             &valueType,
                                             reinterpret_cast<LPBYTE>(buffer.data()), &dataSize);
        type = valueType;
        size = dataSize;
        return result;
    }

    std::int32_t closeKey(StoreKey key) override {
        // A key that never opened is 0; the registry refuses to close it and nothing follows.
        return RegCloseKey(keyHandle(key));
    }
};

}  // namespace

std::unique_ptr<SettingsStore> makePlatformSettingsStore() {
    return std::make_unique<RegistryStore>();
}

}  // namespace kestro
