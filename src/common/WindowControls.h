#pragma once

#include <QString>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QWidget;

namespace pathwick {

// Controls made alike in every window: the design name as object name, captions as they are.
// Buttons are never default buttons, so Enter in a text box does not press one.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
// Labels show their caption as plain text.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption);
QAction* makeAction(QMenu* menu, const char* name, const QString& caption);

// The local folders and files of a drop; none for drops that carry no file list.
QStringList droppedLocalPaths(const QMimeData* data);

} // namespace pathwick
