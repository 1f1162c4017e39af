#include <gtest/gtest.h>

#include "platform/tray_icon.h"

namespace vexor {
namespace {

TEST(TrayIconRecordTest, NumbersAreLittleEndianInFieldOrderAfterTheSize) {
    const TrayIconRecord record = MakeTrayIconData(0xFFFFFFFC, 1, 7, 512, 0x9ABCDEF0, "");
    const std::uint8_t head[] = {88, 0, 0, 0, 0xFC, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 7, 0, 0, 0, 0, 2, 0, 0, 0xF0, 0xDE, 0xBC, 0x9A};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), record.begin()));
}

TEST(TrayIconRecordTest, TipIsItsTextCutTo63ThenOneZeroThenSpacesToTheEnd) {
    for (const std::string& tip : {std::string(), std::string("Vexor 2003"), std::string(63, 'x'), std::string(100, 'y')}) {
        const TrayIconRecord record = MakeTrayIconData(1, 1, 7, 512, 2, tip);
        const std::size_t length = std::min<std::size_t>(tip.size(), 63);
        EXPECT_EQ(std::string(record.begin() + 24, record.begin() + 24 + length), tip.substr(0, length));
        EXPECT_EQ(record[24 + length], 0) << tip.size();
        EXPECT_EQ(std::string(record.begin() + 25 + length, record.end()), std::string(63 - length, ' ')) << tip.size();
    }
}

}  // namespace
}  // namespace vexor
