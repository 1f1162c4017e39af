#include <gtest/gtest.h>

#include "monitor/startup.h"
#include "platform/tray_icon.h"

namespace vexor {
namespace {

std::vector<std::uint8_t> Bytes(const TrayIconRecord& record, std::size_t from, std::size_t count) {
    return {record.begin() + static_cast<std::ptrdiff_t>(from), record.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(TrayIconRecordTest, AddRecordHoldsEveryFieldLittleEndianAndThePaddedTip) {
    TrayIconRecord record = MakeTrayIconData(0x12345678, 1, 7, 512, 0x9ABCDEF0, "Vexor 2003");
    EXPECT_EQ(Bytes(record, 0, 4), (std::vector<std::uint8_t>{88, 0, 0, 0}));
    EXPECT_EQ(Bytes(record, 4, 4), (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(ReadTrayField(record, kTrayUid), 1u);
    EXPECT_EQ(ReadTrayField(record, kTrayFlags), 7u);
    EXPECT_EQ(Bytes(record, 16, 4), (std::vector<std::uint8_t>{0x00, 0x02, 0x00, 0x00}));
    EXPECT_EQ(Bytes(record, 20, 4), (std::vector<std::uint8_t>{0xF0, 0xDE, 0xBC, 0x9A}));
    std::vector<std::uint8_t> tip(64, 0x20);
    const std::string text = "Vexor 2003";
    std::copy(text.begin(), text.end(), tip.begin());
    tip[10] = 0;
    EXPECT_EQ(Bytes(record, 24, 64), tip);
}

TEST(TrayIconRecordTest, EmptyTipIsOneZeroThenSixtyThreeSpaces) {
    TrayIconRecord record = MakeTrayIconData(1, 1, 7, 1, 2, "");
    EXPECT_EQ(record[24], 0);
    for (std::size_t i = 25; i < 88; ++i) EXPECT_EQ(record[i], 0x20) << i;
}

TEST(TrayIconRecordTest, TipOfSixtyThreeCharactersKeepsItsZeroAndLongerIsCut) {
    TrayIconRecord exact = MakeTrayIconData(1, 1, 7, 1, 2, std::string(63, 'x'));
    EXPECT_EQ(exact[24 + 62], 'x');
    EXPECT_EQ(exact[87], 0);
    TrayIconRecord longer = MakeTrayIconData(1, 1, 7, 1, 2, std::string(100, 'y'));
    EXPECT_EQ(longer[87], 0);
}

TEST(TrayIconRecordTest, NegativeWindowHandleKeepsItsBits) {
    TrayIconRecord record = MakeTrayIconData(static_cast<std::uint32_t>(-4), 1, 7, 512, 0, "");
    EXPECT_EQ(Bytes(record, 4, 4), (std::vector<std::uint8_t>{0xFC, 0xFF, 0xFF, 0xFF}));
}

}  // namespace
}  // namespace vexor
