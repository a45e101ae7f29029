#include "help/AboutWindow.h"

#include "common/SoundServices.h"
#include "common/WindowControls.h"
#include "help/AboutInfo.h"
#include "help/FadeBackground.h"
#include "help/HelpTexts.h"
#include "settings/Catalogue.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pathwick {

namespace {

const QColor FadeTop(255, 255, 255);
const QColor FadeBottom(191, 127, 0);
constexpr int IconPixels = 48;

} // namespace

AboutWindow::AboutWindow(QWidget* owner) : QDialog(owner) {
    using namespace help_texts;
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(AboutCaptionStart + QString(ProductName) + AboutCaptionEnd);
    const QIcon icon = owner ? owner->windowIcon() : QApplication::windowIcon();
    setWindowIcon(icon);

    img_AppInfo = makeLabel(this, "img_AppInfo", QString());
    img_AppInfo->setPixmap(icon.pixmap(IconPixels, IconPixels));
    lab_AppName = makeLabel(this, "lab_AppName", QString::fromLatin1(ProductName));
    QFont bold = lab_AppName->font();
    bold.setBold(true);
    lab_AppName->setFont(bold);
    lab_AppTitle = makeLabel(this, "lab_AppTitle", u'(' + QString(AboutAppTitle) + u')');
    // The text lines end in CR LF; the label breaks lines at LF only.
    QString information = aboutInformationText(programAboutFacts());
    information.remove(u'\r');
    lab_AppInfo = makeLabel(this, "lab_AppInfo", information);
    lab_AppInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    com_OK = new QPushButton(QString::fromLatin1(AboutOk), this);
    com_OK->setObjectName(QStringLiteral("com_OK"));
    com_OK->setDefault(true);
    connect(com_OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* name = new QHBoxLayout;
    name->addWidget(lab_AppName);
    name->addWidget(lab_AppTitle);
    name->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(img_AppInfo, 0, 0, 2, 1, Qt::AlignTop);
    layout->addLayout(name, 0, 1);
    layout->addWidget(lab_AppInfo, 1, 1);
    layout->addWidget(com_OK, 2, 1, Qt::AlignRight);
    layout->setRowStretch(1, 1);

    PlayWAV(AlarmSound, false, true);
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FadeBackground(painter, size(), FadeTop, FadeBottom);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Pause) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pathwick
