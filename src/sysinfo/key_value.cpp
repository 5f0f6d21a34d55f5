#include "key_value.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kestro {

namespace {

// Upper-case hexadecimal digits without leading zeros; 0 gives "0".
std::string hexDigits(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// What the program shows for the text "&h" + `digits`: the decimal value of the hexadecimal
// number when `digits` are hexadecimal digits (KeyValueError when it does not fit 32 bits),
// else that text itself ("&h" alone included).
std::string shownAsNumber(const std::string& digits) {
    std::string text = "&h" + digits;
    if (digits.empty()) return text;
    std::uint64_t number = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) return text;
        number = number * 16 + static_cast<std::uint64_t>(digit);
        if (number > 0xFFFFFFFFu) throw KeyValueError("number value does not fit 32 bits");
    }
    return std::to_string(number);
}

}  // namespace

bool GetKeyValue(SettingsStore& store, StoreRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    ScopedKey key(store);
    if (store.openKey(KeyRoot, KeyName, key.handle) != StoreAnswer::Ok) {
        KeyVal.clear();
        return false;
    }

    std::vector<char> buffer(kValueBufferSize, '\0');
    ValueType type = ValueType::Other;
    std::uint32_t size = kValueBufferSize;
    if (store.queryValue(key.handle, SubKeyRef, type, buffer, size) != StoreAnswer::Ok) {
        KeyVal.clear();
        return false;
    }

    // The last byte of the data tells whether the store kept a terminating zero. There is no
    // last byte in an empty value: that is an error, not an empty text.
    if (size == 0) throw KeyValueError("value has no data");
    std::size_t length = std::min<std::size_t>(size, buffer.size());
    if (buffer[length - 1] == '\0') --length;
    const std::string data(buffer.data(), length);

    switch (type) {
    case ValueType::Text:
        KeyVal = data.substr(0, data.find('\0'));  // a text ends at its first zero
        break;
    case ValueType::Number:
        for (auto byte = data.rbegin(); byte != data.rend(); ++byte)
            KeyVal += hexDigits(static_cast<unsigned char>(*byte));
        KeyVal = shownAsNumber(KeyVal);
        break;
    default:
        break;  // a type the program does not read leaves the value as it was
    }
    return true;
}

}  // namespace kestro
