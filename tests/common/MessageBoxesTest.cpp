#include "common/MessageBoxes.h"
#include "common/ErrorNotice.h"
#include "common/MessageWindow.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(MessageBoxes, TitledProductNamePlusSuffixWithPlainTextAndTheAnswer) {
    QWidget owner;
    test::MessageBoxAnswer answer(QMessageBox::No);
    EXPECT_EQ(showMessage(&owner, QMessageBox::Warning, " - Not found.", "<b>a.dirl</b>",
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(answer.title, "Pathwick - Not found.");
    EXPECT_EQ(answer.textFormat, Qt::PlainText);
    EXPECT_EQ(answer.defaultButton, QMessageBox::No);
    EXPECT_EQ(answer.parent, &owner);
}

TEST(MessageBoxes, ErrorNoticeHasAnExclamationAndOkOverTheOwner) {
    QWidget owner;
    setMessageWindowOwner(&owner);
    test::MessageBoxAnswer answer;
    showErrorNotice(" - Syntax error:", "Format:");
    setMessageWindowOwner(nullptr);
    EXPECT_EQ(answer.parent, &owner);
    EXPECT_EQ(answer.title, "Pathwick - Syntax error:");
    EXPECT_EQ(answer.icon, QMessageBox::Warning);
    EXPECT_EQ(answer.buttons, QMessageBox::Ok);
}
