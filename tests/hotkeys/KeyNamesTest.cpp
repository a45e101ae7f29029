#include "hotkeys/KeyNames.h"

#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

using namespace pathwick::hotkeys;

namespace {

// The named keys as the user documentation lists them: key, short name, the window's long
// text and its short name ("no entry" where the window has none). Kept in the documented
// form so a slip in the program's table cannot hide in a copy of it.
const char* const documentedRows = R"rows(
| 1 | "Mouse select" | " = Mouse select button" | "Mouse select" |
| 2 | "Mouse menu" | " = Mouse menu button" | "Mouse menu" |
| 3 | "Mouse adjust" | " = Mouse adjust button" | "Mouse adjust" |
| 4 | "Mouse wheel" | " = Mouse wheel click" | "Mouse whell" |
| 8 | "Backspace (delete)" | " = Backspace key (delete) <-" | "Backspace" |
| 9 | "Tab" | " = Tab key" | "Tab" |
| 13 | "Enter/Return" | " = Enter/Return key" | "Enter" |
| 16 | "Shift" | " = Shift key (Left and/or right key)" | "Shift" |
| 17 | "Ctrl" | " = Ctrl key (Left and/or right key)" | "Ctrl" |
| 18 | "Alt" | " = Alt key (Left and/or right alt-gr key)" | "Alt" |
| 20 | "Caps lock" | " = Caps lock key" | "Caps lock" |
| 27 | "Escape" | " = Escape key" | "Escape" |
| 32 | "Space bar" | " = Space bar" | "Space" |
| 33 | "Page up" | " = Page up Page upEscape" | "Page up" |
| 34 | "Page down" | " = Page down key" | "Page down" |
| 35 | "End" | " = End key" | "End" |
| 36 | "Home" | " = Home key" | "Home" |
| 37 | "Cursor left" | " = Left < cursor key" | "Cursor left" |
| 38 | "Cursor up" | " = Up ^ cursor key" | "Cursor up" |
| 39 | "Cursor right" | " = Righr > cursor key" | "Cursor right" |
| 40 | "Cursor down" | " = Down v cursor key" | "Cursor down" |
| 44 | "Print screen" | " = Print screen button" | "Print" |
| 45 | "Insert" | " = Insert key" | "Insert" |
| 46 | "Delete next character" | " = Forward delete key (Delete)" | "Delete" |
| 91 | "Windows left key" | " = Windows start left key" | "Windows (left)" |
| 92 | "Windows right key" | " = Windows start right key" | "Windows (right)" |
| 93 | "Menu key" | " = Windows menu key" | "Windows menu" |
| 95 | "Sleep button" | " = Sleep mode button" | "Sleep" |
| 106 | "* (Num keyboard)" | " = * (times) button (Number keyboard)" | "*" |
| 107 | "+ (Num keyboard)" | " = + button (Number keyboard)" | "+" |
| 109 | "- (Num keyboard)" | " = - button (Number keyboard)" | "-" |
| 110 | ". (Dot on num keyboard)" | " = . (dot) button (Number keyboard)" | "." |
| 111 | "/ (Num keyboard)" | " = / button (Number keyboard)" | "/" |
| 144 | "Number lock" | " = Number Lock key" | "Number Lock" |
| 145 | "Scroll lock" | " = Scroll Lock key" | "Scroll Lock" |
| 160 | "Left Shift" | " = Left Shift key only" | "Left Shift" |
| 161 | "Right Shift" | " = Right Shift key only" | "Right Shift" |
| 162 | "Left Ctrl" | " = Left Ctrl key only" | "Left Ctrl" |
| 163 | "Right Ctrl" | " = Right Ctrl key only" | "Right Ctrl" |
| 164 | "Left Alt" | " = Left Alt only" | "Left Alt" |
| 165 | "Left Alt+Graphics" | " = Right Alt Graphics" | "Right Alt Gr." |
| 166 | "Above Escape/F1" | no entry | no entry |
| 167 | "Above F1" | no entry | no entry |
| 168 | "Above F3" | no entry | no entry |
| 169 | "Above F2" | no entry | no entry |
| 170 | "Above F5" | no entry | no entry |
| 171 | "Above F6" | no entry | no entry |
| 172 | "Above F3/F4" | no entry | no entry |
| 173 | "Mute sound" | no entry | no entry |
| 174 | "Volume down" | no entry | no entry |
| 175 | "Volume up" | no entry | no entry |
| 176 | "Next track" | no entry | no entry |
| 177 | "Last track" | no entry | no entry |
| 178 | "Stop" | no entry | no entry |
| 179 | "Play/Pause" | no entry | no entry |
| 180 | "Above F4/F5" | no entry | no entry |
| 181 | "Above F7" | no entry | no entry |
| 182 | "Above F8/F9" | no entry | no entry |
| 183 | "Above F8" | no entry | no entry |
| 186 | ";/:" | " = ;/: key" | ";" |
| 187 | "+/=" | " = +/=: key" | "=" |
| 188 | "</," | " = </,: key" | "," |
| 189 | "-/_" | " = -/_ key" | "-" |
| 190 | ">/." | " = >/. key" | ".;" |
| 191 | "?//" | " = //? key" | "/" |
| 192 | "@/'" | " = @/' key" | "@" |
| 219 | "{/[" | " = [/{ key" | "[" |
| 221 | "}/]" | " = ]/} key" | "];" |
| 222 | "#/~" | " = #/~ key" | "#;" |
| 255 | "Media" | " = Media Centre key" | "Media" |
)rows";

struct Expected {
    QString shortName;
    QString longText; // empty: no entry
    QString lookupShort;
};

QString unquoted(QString cell) {
    cell = cell.trimmed();
    if (cell == u"no entry")
        return {};
    return cell.mid(1, cell.size() - 2);
}

QMap<int, Expected> documentedNames() {
    QMap<int, Expected> rows;
    for (const QString& line : QString::fromUtf8(documentedRows).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split(u'|');
        rows.insert(cells.at(1).trimmed().toInt(),
                    {unquoted(cells.at(2)), unquoted(cells.at(3)), unquoted(cells.at(4))});
    }
    rows.insert(220, {u"\\/|"_qs, u" = \\/| key"_qs, u"\\"_qs});
    rows.insert(223, {u"`/\u00AC"_qs, u" = `/\u00AC key"_qs, u"`"_qs});
    return rows;
}

// What the documented rules give for one number, rows first checked against ranges.
struct Names {
    QString shortName, lookupLong, lookupShort;
};

Names documented(int key, const QMap<int, Expected>& rows) {
    const QString n = QString::number(key);
    if (key >= 48 && key <= 57)
        return {QString(QChar(key)), n + " = Number " + QChar(key) + " button (Main keyboard)",
                QString(QChar(key))};
    if (key >= 65 && key <= 90)
        return {QString(QChar(key)), n + " = Letter " + QChar(key) + " button",
                QString(QChar(key))};
    if (key >= 96 && key <= 105) {
        const QString digit = QString::number(key - 96);
        return {digit + " (Num keyboard)", n + " = Number " + digit + " button (Number keyboard)",
                digit};
    }
    if (key >= 112 && key <= 123) {
        const QString f = "F" + QString::number(key - 111);
        return {f, n + " = " + f + " key", f};
    }
    const Expected row = rows.value(key);
    const QString shortName = rows.contains(key) ? row.shortName : n;
    if (row.longText.isEmpty())
        return {shortName, n + " = Unknown key code " + n + ". May or may not exist on keyboard",
                "Unknown " + n};
    return {shortName, n + row.longText, row.lookupShort};
}

} // namespace

TEST(KeyNames, EveryNumberFromZeroTo300InBothVocabularies) {
    const QMap<int, Expected> rows = documentedNames();
    ASSERT_EQ(rows.size(), 72);
    for (int key = 0; key <= 300; ++key) {
        const Names want = documented(key, rows);
        EXPECT_EQ(KeyShortName(qint16(key)), want.shortName) << key;
        EXPECT_EQ(LookupCode(qint16(key)), want.lookupLong) << key;
        EXPECT_EQ(LookupCode(qint16(key), true), want.lookupShort) << key;
    }
}

TEST(KeyNames, NumbersOutsideTheTableKeepTheirNumber) {
    const struct {
        qint16 key;
        const char* shortName;
        const char* lookupShort;
    } cases[] = {{-1, "-1", "Unknown -1"},
                 {-32768, "-32768", "Unknown -32768"},
                 {32767, "32767", "Unknown 32767"},
                 {166, "Above Escape/F1", "Unknown 166"}};
    for (const auto& c : cases) {
        EXPECT_EQ(KeyShortName(c.key), QString::fromUtf8(c.shortName)) << c.key;
        EXPECT_EQ(LookupCode(c.key, true), QString::fromUtf8(c.lookupShort)) << c.key;
    }
}
