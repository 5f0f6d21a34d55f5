#include <gtest/gtest.h>

#include "fake_store.h"
#include "forms/about/key_value.h"

using namespace kestro;
using kestro::testing::FakeStore;
using kestro::testing::StoredValue;

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

struct ReadCase {
    const char* name;
    StoredValue stored;
    std::string before;  // KeyVal on entry
    std::string after;   // KeyVal on return
};

class ReadValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadValue, ReturnsTrueWithTheValueAndClosesTheKey) {
    const ReadCase& row = GetParam();
    FakeStore store;
    store.put(kKey, "PATH", row.stored);
    std::string value = row.before;
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, row.after);
    EXPECT_TRUE(store.allClosed());
    ASSERT_EQ(store.closed.size(), 1u);
    EXPECT_NE(store.closed[0], 0u);
}

const std::string k1023(1023, 'x');
const std::string k1024(1024, 'y');

INSTANTIATE_TEST_SUITE_P(
    Values, ReadValue,
    ::testing::Values(
        ReadCase{"TextWithTrailingZero", {1, std::string("C:\\Tools\\msinfo32.exe\0", 22)}, "",
                 "C:\\Tools\\msinfo32.exe"},
        ReadCase{"TextWithoutTrailingZero", {1, "C:\\Tools\\msinfo32.exe"}, "old",
                 "C:\\Tools\\msinfo32.exe"},
        ReadCase{"OnlyTheLastZeroIsCut", {1, std::string("ab\0cd\0\0", 7)}, "",
                 std::string("ab\0cd\0", 6)},
        ReadCase{"EmptyTextIsOneZero", {1, std::string("\0", 1)}, "old", ""},
        ReadCase{"TextFillingTheBufferWithItsZero", {1, k1023 + '\0'}, "", k1023},
        ReadCase{"TextFillingTheBufferWithoutZero", {1, k1024}, "", k1024},
        // 0x00010203: the zero top byte is cut; 01 02 03 read last to first give &h123.
        ReadCase{"NumberWithZeroTopByte", {4, bytes({0x03, 0x02, 0x01, 0x00})}, "", "291"},
        ReadCase{"NumberWithAllBytesAboveF", {4, bytes({0x78, 0x56, 0x34, 0x12})}, "",
                 "305419896"},
        // 10: bytes 0A 00 00 00, cut to 0A 00 00, digits "0" "0" "A".
        ReadCase{"SmallNumber", {4, bytes({0x0A, 0x00, 0x00, 0x00})}, "", "10"},
        // 256: bytes 00 01 00 00, cut to 00 01 00, digits "0" "1" "0": a digit per byte
        // without leading zeros, so the bytes do not keep their places.
        ReadCase{"NumberDigitsWithoutLeadingZeros", {4, bytes({0x00, 0x01, 0x00, 0x00})}, "",
                 "16"},
        ReadCase{"NumberAppendsToTheCurrentValue", {4, bytes({0x03, 0x02, 0x01, 0x00})}, "1",
                 "4387"},
        ReadCase{"NumberOfOneZeroByteLeavesNoDigits", {4, bytes({0x00})}, "", "&h"},
        ReadCase{"UnknownTypeLeavesTheValue", {3, bytes({0x41, 0x42, 0x00})}, "kept", "kept"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(GetKeyValue, OpensUnderTheRootWithOptionsZeroAndTheFullAccessMask) {
    FakeStore store;
    store.put(kKey, "PATH", {1, std::string("a\0", 2)});
    std::string value;
    ASSERT_TRUE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(store.lastRoot, static_cast<StoreRoot>(0x80000002u));
    EXPECT_EQ(store.lastRoot, -2147483646);
    EXPECT_EQ(store.lastOptions, 0u);
    EXPECT_EQ(store.lastAccess, 0x2003Fu);
    EXPECT_EQ(store.lastBufferSize, 1024u);
    EXPECT_TRUE(store.bufferWasZeroed);
    EXPECT_EQ(store.opened, std::vector<std::string>{kKey});
    EXPECT_EQ(store.queried, std::vector<std::string>{"PATH"});
}

TEST(GetKeyValue, NotFoundEmptiesTheValueAndReturnsFalse) {
    struct Row {
        const char* what;
        bool putKey;
        StoredValue stored;
        bool putValue;
    };
    const Row rows[] = {
        {"missing key", false, {}, false},
        {"missing value", true, {}, false},
        {"value over 1024 bytes", true, {1, std::string(1024, 'z') + '\0'}, true},
        {"number over 1024 bytes", true, {4, std::string(1025, '\x01')}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeStore store;
        if (row.putKey) store.putKey(kKey);
        if (row.putValue) store.put(kKey, "PATH", row.stored);
        std::string value = "before";
        EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
        EXPECT_EQ(value, "");
        // The key is closed whether or not it opened; a key that never opened is 0.
        ASSERT_EQ(store.closed.size(), 1u);
        EXPECT_EQ(store.closed[0] == 0, !row.putKey);
        EXPECT_TRUE(store.allClosed());
    }
}

TEST(GetKeyValue, ZeroSizedValueIsAnErrorAfterClosingTheKey) {
    for (std::uint32_t type : {1u, 4u, 3u}) {
        SCOPED_TRACE(type);
        FakeStore store;
        store.put(kKey, "PATH", {type, ""});
        std::string value = "before";
        EXPECT_THROW(GetKeyValue(store, kLocalMachine, kKey, "PATH", value), KeyValueError);
        EXPECT_EQ(value, "before");
        EXPECT_EQ(store.closed.size(), 1u);
        EXPECT_TRUE(store.allClosed());
    }
}

TEST(GetKeyValue, NumberBeyond32BitsIsAnError) {
    // Five bytes of FF give ten digits: more than a 32-bit number holds.
    FakeStore store;
    store.put(kKey, "PATH", {4, std::string(5, '\xFF')});
    std::string value;
    EXPECT_THROW(GetKeyValue(store, kLocalMachine, kKey, "PATH", value), KeyValueError);
    EXPECT_TRUE(store.allClosed());
}

TEST(GeneralFormat, HexNumbersBecomeDecimalOtherTextStays) {
    const std::pair<const char*, const char*> rows[] = {
        {"&h0", "0"},
        {"&hFF", "255"},
        {"&Hff", "255"},
        {"&h00000010", "16"},
        {"&hFFFFFFFF", "4294967295"},
        {"&h", "&h"},
        {"&hG1", "&hG1"},
        {"&h12 ", "&h12 "},
        {"C:\\Tools", "C:\\Tools"},
        {"", ""},
    };
    for (const auto& [text, shown] : rows) EXPECT_EQ(generalFormat(text), shown) << text;
    EXPECT_THROW(generalFormat("&h100000000"), KeyValueError);
}

}  // namespace
