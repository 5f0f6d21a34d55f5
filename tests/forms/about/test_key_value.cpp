#include <gtest/gtest.h>

#include "fake_store.h"
#include "forms/about/key_value.h"

using namespace kestro;
using kestro::testing::FakeStore;
using kestro::testing::StoredValue;

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Views rather than strings: rows holding strings make g++ 12, optimising for MinGW, report them
// as maybe uninitialised on the exception path (a false finding in libstdc++).
struct ReadCase {
    const char* name;
    std::uint32_t type;
    std::string_view stored;
    std::string_view before;  // KeyVal on entry
    std::string_view after;   // KeyVal on return
};

const std::string kFullBuffer(1024, 'y');

class ReadValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadValue, ReturnsTrueWithTheValueAndClosesTheKey) {
    const ReadCase& row = GetParam();
    FakeStore store;
    store.put(kKey, "PATH", {row.type, std::string(row.stored)});
    std::string value(row.before);
    EXPECT_TRUE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(value, row.after);
    ASSERT_EQ(store.closed.size(), 1u);
    EXPECT_TRUE(store.allClosed());
}

using namespace std::string_literals;
using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Values, ReadValue,
    ::testing::Values(
        ReadCase{"TextWithTrailingZero", 1, "C:\\Tools\\info.exe\0"sv, "", "C:\\Tools\\info.exe"},
        ReadCase{"TextWithoutTrailingZero", 1, "C:\\Tools\\info.exe", "old", "C:\\Tools\\info.exe"},
        ReadCase{"OnlyTheLastZeroIsCut", 1, "ab\0cd\0\0"sv, "", "ab\0cd\0"sv},
        ReadCase{"TextFillingTheBuffer", 1, kFullBuffer, "", kFullBuffer},
        // 0x00010203: the zero top byte is cut; 01 02 03 read last to first give &h123.
        ReadCase{"NumberWithZeroTopByte", 4, "\x03\x02\x01\x00"sv, "", "291"},
        ReadCase{"NumberWithAllBytesAboveF", 4, "\x78\x56\x34\x12"sv, "", "305419896"},
        // 256: bytes 00 01 00 00, cut to 00 01 00, digits "0" "1" "0": a digit per byte
        // without leading zeros, so the bytes do not keep their places.
        ReadCase{"NumberDigitsWithoutLeadingZeros", 4, "\x00\x01\x00\x00"sv, "", "16"},
        ReadCase{"NumberAppendsToTheCurrentValue", 4, "\x03\x02\x01\x00"sv, "1", "4387"},
        ReadCase{"NumberOfOneZeroByteLeavesNoDigits", 4, "\x00"sv, "", "&h"},
        ReadCase{"UnknownTypeLeavesTheValue", 3, "AB\0"sv, "kept", "kept"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(GetKeyValue, OpensUnderTheRootWithOptionsZeroAndTheFullAccessMask) {
    FakeStore store;
    store.put(kKey, "PATH", {1, "a\0"s});
    std::string value;
    ASSERT_TRUE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
    EXPECT_EQ(store.lastRoot, static_cast<StoreRoot>(0x80000002u));
    EXPECT_EQ(store.lastOptions, 0u);
    EXPECT_EQ(store.lastAccess, 0x2003Fu);
    EXPECT_EQ(store.lastBufferSize, 1024u);
    EXPECT_TRUE(store.bufferWasZeroed);
    EXPECT_EQ(store.opened, std::vector<std::string>{kKey});
    EXPECT_EQ(store.queried, std::vector<std::string>{"PATH"});
}

TEST(GetKeyValue, NotFoundEmptiesTheValueAndReturnsFalse) {
    const std::pair<const char*, std::optional<StoredValue>> rows[] = {
        {"missing key", std::nullopt},
        {"missing value", StoredValue{}},  // the key alone
        {"value over 1024 bytes", StoredValue{1, std::string(1024, 'z') + '\0'}},
        {"number over 1024 bytes", StoredValue{4, std::string(1025, '\x01')}},
    };
    for (const auto& [what, stored] : rows) {
        SCOPED_TRACE(what);
        FakeStore store;
        if (stored) store.putKey(kKey);
        if (stored && stored->type != 0) store.put(kKey, "PATH", *stored);
        std::string value = "before";
        EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kKey, "PATH", value));
        EXPECT_EQ(value, "");
        // The key is closed whether or not it opened; a key that never opened is 0.
        ASSERT_EQ(store.closed.size(), 1u);
        EXPECT_EQ(store.closed[0] == 0, !stored);
        EXPECT_TRUE(store.allClosed());
    }
}

TEST(GetKeyValue, ZeroSizedValueOrNumberBeyond32BitsIsAnErrorAfterClosingTheKey) {
    // Five bytes of FF give ten digits: more than a 32-bit number holds.
    const std::pair<StoredValue, std::string> rows[] = {
        {{1, ""}, "before"}, {{4, ""}, "before"}, {{3, ""}, "before"},
        {{4, std::string(5, '\xFF')}, ""}};
    for (const auto& [stored, before] : rows) {
        SCOPED_TRACE(stored.type);
        FakeStore store;
        store.put(kKey, "PATH", stored);
        std::string value = before;
        EXPECT_THROW(GetKeyValue(store, kLocalMachine, kKey, "PATH", value), KeyValueError);
        EXPECT_EQ(store.closed.size(), 1u);
        EXPECT_TRUE(store.allClosed());
        if (stored.data.empty()) {
            EXPECT_EQ(value, before);
        }
    }
}

TEST(GeneralFormat, HexNumbersBecomeDecimalOtherTextStays) {
    for (const auto& [text, shown] : {std::pair{"&h0", "0"}, {"&Hff", "255"}, {"&h00000010", "16"},
                                      {"&hFFFFFFFF", "4294967295"}, {"&h", "&h"}, {"&hG1", "&hG1"},
                                      {"&h12 ", "&h12 "}, {"C:\\Tools", "C:\\Tools"}})
        EXPECT_EQ(generalFormat(text), shown) << text;
    EXPECT_THROW(generalFormat("&h100000000"), KeyValueError);
}

}  // namespace
