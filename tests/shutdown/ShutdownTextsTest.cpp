#include "shutdown/PendingShutdown.h"
#include "shutdown/ShutdownParameters.h"
#include "shutdown/SystemShutdownArguments.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

TEST(ShutdownParameters, CommentNamesTheDelayAndTheWarning) {
    struct Case {
        int hours, minutes;
        bool forced;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, true, " -c \"Computer shutdown in one hour at 5:45pm\r\nUnsaved data will be lost.\" -f"},
        {1, 1, true, " -c \"Computer shutdown in one hour and 1 minute at 5:45pm\r\nUnsaved data will be lost.\" -f"},
        {0, 30, false, " -c \"Computer shutdown in 0 hours and 30 minutes at 5:45pm\r\n"
                       "Shutdown will stop if unsaved data found.\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shutdownComment(c.hours, c.minutes, "5:45pm", c.forced), c.expected)
            << c.hours << "h " << c.minutes << "m";
}

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
        {"-r -f", {"-r", "--", "now"}},
        {"-a", {"-c"}},
        {"/?", {"--help"}},
        // A comment that looks like options stays one message after "--".
        {"-s -t 60 -c \"--force now; rm -rf $HOME\"", {"-h", "--", "+1", "--force now; rm -rf $HOME"}},
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
        {"", false},
        {"\xff\xfe garbage", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scheduledFileSaysPending(QString::fromLatin1(c.text)), c.pending) << c.text;
}

} // namespace
} // namespace pathwick
