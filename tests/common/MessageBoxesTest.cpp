#include "common/MessageBoxes.h"
#include "common/ErrorNotice.h"
#include "common/MessageWindow.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

using namespace pathwick;

TEST(MessageBoxes, TitledProductNamePlusSuffixWithPlainTextAndTheAnswer) {
    QWidget owner;
    test::ModalAnswers answers;
    answers.press(QMessageBox::No);
    EXPECT_EQ(showMessage(&owner, QMessageBox::Warning, " - Not found.", "<b>a.dirl</b>",
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(answers.only().title, "Pathwick - Not found.");
    EXPECT_EQ(answers.only().textFormat, Qt::PlainText);
    EXPECT_EQ(answers.only().defaultButton, QMessageBox::No);
    EXPECT_EQ(answers.only().parent, &owner);
}

TEST(MessageBoxes, ErrorNoticeHasAnExclamationAndOkOverTheOwner) {
    QWidget owner;
    setMessageWindowOwner(&owner);
    test::ModalAnswers answers;
    showErrorNotice(" - Syntax error:", "Format:");
    setMessageWindowOwner(nullptr);
    EXPECT_EQ(answers.only().parent, &owner);
    EXPECT_EQ(answers.only().title, "Pathwick - Syntax error:");
    EXPECT_EQ(answers.only().icon, QMessageBox::Warning);
    EXPECT_EQ(answers.only().buttons, QMessageBox::Ok);
}
