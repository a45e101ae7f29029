#include "common/MessageBoxes.h"

#include "common/ErrorNotice.h"
#include "common/MessageWindow.h"
#include "settings/Catalogue.h"

namespace pathwick {

QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& titleSuffix, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, ProductName + titleSuffix, text, buttons, parent);
    // Paths and user texts must show as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void showErrorNotice(const QString& titleSuffix, const QString& text) {
    showMessage(messageWindowOwner(), QMessageBox::Warning, titleSuffix, text);
}

} // namespace pathwick
