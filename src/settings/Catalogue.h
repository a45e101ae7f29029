#pragma once

#include <QtGlobal>

// Every value the program keeps in the store, with the default its readers pass. Code reads
// and writes these values by the names here, never by spelling them again.
namespace pathwick {

inline constexpr auto ProductName = "Pathwick";
inline constexpr auto MachineRoot = "HKEY_LOCAL_MACHINE";
inline constexpr auto UserRoot = "HKEY_CURRENT_USER";

namespace catalogue {

// A value of the program's own key: the key path is ProgramKey() + subKey.
template <typename T> struct ProgramValue {
    const char* subKey;
    const char* name;
    T defaultValue;
};

using Flag = ProgramValue<bool>;          // "B", True stored as -1
using SmallNumber = ProgramValue<qint16>; // "B"
using Number = ProgramValue<qint32>;      // "D"
using Text = ProgramValue<const char*>;   // "S"

// A value of a key that belongs to the operating system.
template <typename T> struct SystemValue {
    const char* root;
    const char* keyPath;
    const char* name;
    T defaultValue;
};

inline constexpr auto MainKey = "";
inline constexpr auto BootKey = "\\Boot";
inline constexpr auto HotKeysKey = "\\HotKeys";
inline constexpr auto SettingsKey = "\\Settings";

// The program's key: general settings, the directory list ("S", one value per entry) and the
// list's save stamp in the unnamed value.
inline constexpr Flag HotKeysRunning{MainKey, "HotKeys_running", true};
inline constexpr Flag HotKeysTestmode{MainKey, "HotKeys_Testmode", false};
inline constexpr Flag ShowHiddenMenu{MainKey, "ShowHiddenMenu", false};
inline constexpr Flag ThisAppControlsShutdown{MainKey, "ThisAppControlsShutdown", true};
inline constexpr Flag NoWarningsComputerShutdown{MainKey, "NoWarningsComputerShutdown", true};
inline constexpr Flag ShutdownReboot{MainKey, "ShutdownReboot", false};
inline constexpr Flag ShutdownAt12HourInput{MainKey, "ShutdownAT_12hourInput", true};
inline constexpr Flag BeepAtLastMinute{MainKey, "BeepAtLastMinute", true};
inline constexpr Number UserShutdownTimeHours{MainKey, "UserShutdownTimeHours", 5};
inline constexpr Number UserShutdownTimeMinutes{MainKey, "UserShutdownTimeMinutes", 0};
// The delay menu item reads the minutes with this default instead.
inline constexpr qint32 DelayMenuShutdownMinutesDefault = 5;
inline constexpr Text SaveStamp{MainKey, "", ""};
// Every named value above. The directory list shares the key, so no entry may take one of
// these names: it would replace the setting, and the next list save would delete it.
inline constexpr const char* MainKeyValueNames[] = {HotKeysRunning.name,
                                                    HotKeysTestmode.name,
                                                    ShowHiddenMenu.name,
                                                    ThisAppControlsShutdown.name,
                                                    NoWarningsComputerShutdown.name,
                                                    ShutdownReboot.name,
                                                    ShutdownAt12HourInput.name,
                                                    BeepAtLastMinute.name,
                                                    UserShutdownTimeHours.name,
                                                    UserShutdownTimeMinutes.name};

// The re-boot schedule. Its window reads every value with default 0; the re-boot timer
// reads the set time with the defaults below.
inline constexpr SmallNumber RebootEveryHourIndex{BootKey, "RebootEveryHourIndex", 0};
inline constexpr SmallNumber RebootEveryHours{BootKey, "RebootEveryHours", 0};
inline constexpr SmallNumber RebootEveryMinutes{BootKey, "RebootEveryMinutes", 0};
inline constexpr SmallNumber RebootEveryAmPm{BootKey, "RebootEveryAmPm", 0};
inline constexpr qint16 RebootTimerHoursDefault = 12;
inline constexpr qint16 RebootTimerMinutesDefault = 12;

// The hot key table: one "S" value per hot key, default "", beside the type the hot key
// window selects first.
inline constexpr auto HotKeyEntryDefault = "";
inline constexpr SmallNumber HotKeysDefaultType{HotKeysKey, "HotKeysDefalutType", 0};

// The help file.
inline constexpr Flag HelpFilePriority{SettingsKey, "HelpFilePirority", true};
inline constexpr Text HelpPath{SettingsKey, "HelpPath", ""};

// Values of the operating system's keys.
inline constexpr auto RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The run-at-boot entry, named after the product.
inline constexpr SystemValue<const char*> RunAtBootEntry{UserRoot, RunKey, ProductName, ""};

inline constexpr auto RegeditKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
inline constexpr auto RegeditFavoritesKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites";
inline constexpr SystemValue<const char*> RegeditLastKey{UserRoot, RegeditKey, "LastKey",
                                                         "Computer\\HKEY_CURRENT_USER"};

// Supplied by the platform when the store holds no value of that name.
inline constexpr auto TimeZoneKey = "SYSTEM\\ControlSet001\\Control\\TimeZoneInformation";
inline constexpr SystemValue<qint32> ActiveTimeBias{MachineRoot, TimeZoneKey, "ActiveTimeBias", 0};
inline constexpr SystemValue<qint32> StandardBias{MachineRoot, TimeZoneKey, "StandardBias", 0};
inline constexpr SystemValue<qint32> DaylightBias{MachineRoot, TimeZoneKey, "DaylightBias", 0};
inline constexpr SystemValue<qint32> Bias{MachineRoot, TimeZoneKey, "Bias", 0};
inline constexpr SystemValue<const char*> TimeZoneKeyName{MachineRoot, TimeZoneKey,
                                                          "TimeZoneKeyName", "N/A"};

inline constexpr auto WindowsVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr SystemValue<qint32> CurrentMajorVersionNumber{"HKLM", WindowsVersionKey,
                                                               "CurrentMajorVersionNumber", -1};
inline constexpr SystemValue<qint32> CurrentMinorVersionNumber{"HKLM", WindowsVersionKey,
                                                               "CurrentMinorVersionNumber", -1};
inline constexpr SystemValue<const char*> CurrentBuildNumber{"HKLM", WindowsVersionKey,
                                                             "CurrentBuildNumber", "?"};
inline constexpr SystemValue<const char*> CurrentBuild{"HKLM", WindowsVersionKey, "CurrentBuild",
                                                       "?"};
inline constexpr SystemValue<const char*> CSDVersion{"HKLM", WindowsVersionKey, "CSDVersion", "?"};

} // namespace catalogue
} // namespace pathwick
