#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pathwick {

// List files are written in Windows-1252 when every character has a byte there and the
// bytes read back as the same text, so the Windows program can read them; otherwise in UTF-8
// with a byte-order mark, so no path is lost. Every line ends in CR LF.
QByteArray encodeListFile(const QStringList& lines);

// A byte-order mark (UTF-8, UTF-16) or valid UTF-8 decides the encoding; anything else is
// read as Windows-1252.
QString decodeListFile(const QByteArray& bytes);

// CR LF, a lone CR and a lone LF each end a line; the last line needs no line end.
QStringList splitListLines(const QString& text);

bool fitsWindows1252(const QString& text);
// Characters without a Windows-1252 byte become "?"; callers check fitsWindows1252 first.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

} // namespace pathwick
