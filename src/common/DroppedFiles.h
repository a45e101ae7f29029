#pragma once

#include <QStringList>

class QMimeData;

namespace pathwick {

// The local folders and files of a drop, in order; nothing for drops that carry no file list.
QStringList droppedPaths(const QMimeData* data);

} // namespace pathwick
