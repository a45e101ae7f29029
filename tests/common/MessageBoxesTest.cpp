#include "common/MessageBoxes.h"
#include "common/ErrorNotice.h"
#include "common/MessageWindow.h"
#include "support/ModalDialogs.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace pathwick;

TEST(MessageBoxes, TitledProductNamePlusSuffixWithPlainTextAndTheAnswer) {
    QWidget owner;
    test::ModalWatcher watcher([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Pathwick - Not found.");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(showMessage(&owner, QMessageBox::Warning, " - Not found.", "<b>a.dirl</b>",
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(watcher.seen(), 1);
}

TEST(MessageBoxes, ErrorNoticeHasAnExclamationAndOkOverTheOwner) {
    QWidget owner;
    setMessageWindowOwner(&owner);
    QWidget* parent = nullptr;
    {
        test::ModalWatcher watcher([&](QWidget* modal) {
            parent = modal->parentWidget();
            modal->close();
        });
        showErrorNotice(" - Syntax error:", "Format:");
    }
    setMessageWindowOwner(nullptr);
    EXPECT_EQ(parent, &owner);

    test::MessageBoxAnswer answer;
    showErrorNotice(" - Syntax error:", "Format:");
    EXPECT_EQ(answer.title, "Pathwick - Syntax error:");
    EXPECT_EQ(answer.icon, QMessageBox::Warning);
    EXPECT_EQ(answer.buttons, QMessageBox::Ok);
}
