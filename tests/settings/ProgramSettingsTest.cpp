#include "support/TempStore.h"

#include "settings/Catalogue.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(ProgramSettings, EmptyStoreGivesTheCataloguedDefaults) {
    test::TempStore store;
    EXPECT_TRUE(read(catalogue::HotKeysRunning));
    EXPECT_FALSE(read(catalogue::HotKeysTestmode));
    EXPECT_EQ(read(catalogue::UserShutdownTimeHours), 5);
    EXPECT_EQ(read(catalogue::HotKeysDefaultType), 0);
    EXPECT_EQ(read(catalogue::HelpPath), "");
    EXPECT_EQ(readSmallNumber(keyPathOf(catalogue::RebootEveryHours),
                              catalogue::RebootEveryHours.name, catalogue::RebootTimerHoursDefault),
              12);
}

TEST(ProgramSettings, TypedValuesLandWhereOtherCodeReadsThem) {
    test::TempStore store;
    write(catalogue::HotKeysRunning, false);
    write(catalogue::HelpFilePriority, true);
    write(catalogue::RebootEveryAmPm, 1);
    write(catalogue::UserShutdownTimeMinutes, 45);
    write(catalogue::SaveStamp, "stamp");
    QVariant value;
    EXPECT_EQ(ReadSetting("HKLM", "SOFTWARE\\Pathwick", "HotKeys_running", "B", 1, value), 0);
    EXPECT_EQ(value.toInt(), 0);
    EXPECT_EQ(
        ReadSetting("HKLM", "SOFTWARE\\Pathwick\\Settings", "HelpFilePirority", "B", 0, value), 0);
    EXPECT_EQ(value.toInt(), -1) << "True is stored as -1";
    EXPECT_EQ(ReadSetting("HKLM", "SOFTWARE\\Pathwick\\Boot", "RebootEveryAmPm", "B", 0, value), 0);
    EXPECT_EQ(value.toInt(), 1);
    EXPECT_EQ(read(catalogue::UserShutdownTimeMinutes), 45);
    EXPECT_EQ(ReadSetting("HKLM", ProgramKey(), "", "S", "", value), 0);
    EXPECT_EQ(value, "stamp");
    ASSERT_EQ(WriteSetting("HKLM", ProgramKey(), "ShowHiddenMenu", "B", 5), 0);
    EXPECT_TRUE(read(catalogue::ShowHiddenMenu)) << "any non-zero number is true";
}
