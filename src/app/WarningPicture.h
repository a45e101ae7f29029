#pragma once

#include <QWidget>

namespace pathwick {

// The small warning sign the main window shows while a shutdown is pending. Painted rather
// than taken from the icon theme, which would cost start-up time for a picture that is
// usually hidden.
class WarningPicture : public QWidget {
    Q_OBJECT
public:
    explicit WarningPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pathwick
