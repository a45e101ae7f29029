#include "shutdown/PendingShutdown.h"
#include "shutdown/ShutdownParameters.h"
#include "shutdown/SystemShutdownArguments.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

// The comment is assembled here once, and reaches the system with LF line ends.
TEST(SystemShutdownArguments, MapsTheWindowsParametersOrRefusesThem) {
    const QString comment = shutdownComment(2, 30, "5:45pm", true);
    struct Case {
        QString windows;
        QStringList expected;
    };
    const Case cases[] = {
        {scheduledShutdownParameters(2, 30, false, comment),
         {"-h", "--", "+150", "Computer shutdown in 2 hours and 30 minutes at 5:45pm\nUnsaved data will be lost."}},
        {"-r -t 61", {"-r", "--", "+2"}},
        {"-r -t 0", {"-r", "--", "+0"}},
        {"-s -f", {"-h", "--", "now"}},
        {"-a", {"-c"}},
        {"/?", {"--help"}},
    };
    for (const Case& c : cases) {
        const SystemShutdownCall call = systemShutdownArguments(c.windows);
        EXPECT_TRUE(call.valid) << c.windows.toStdString();
        EXPECT_EQ(call.arguments, c.expected) << c.windows.toStdString();
    }
    for (const char* bad : {"", "-x", "-s -t", "-s -t ten", "-s -t -5", "-s -t 99999999999999",
                            "-s --now", "-c \"only a comment\""}) {
        const SystemShutdownCall call = systemShutdownArguments(bad);
        EXPECT_FALSE(call.valid) << bad;
        EXPECT_FALSE(call.error.isEmpty()) << bad;
    }
}

TEST(PendingShutdown, ScheduledFileText) {
    struct Case {
        const char* text;
        bool pending;
    };
    const Case cases[] = {
        {"USEC=1796551200000000\nWARN_WALL=1\nMODE=poweroff\n", true},
        {"MODE=reboot\r\nUSEC=1796551200000000\r\n", true},
        {"USEC=0\nMODE=poweroff\n", false},
        {"USEC=soon\n", false},
        {"MODE=poweroff\n", false},
        {"\xff\xfe garbage", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scheduledFileSaysPending(QString::fromLatin1(c.text)), c.pending) << c.text;
}

} // namespace
} // namespace pathwick
