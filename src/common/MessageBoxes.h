#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace pathwick {

// The standard message box every plain notice uses: title = product name + suffix; the text
// is shown as plain text. Returns the button pressed.
QMessageBox::StandardButton
showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& titleSuffix,
            const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace pathwick
