#include "common/MessageBoxes.h"
#include "common/ErrorNotice.h"
#include "common/MessageWindow.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

using namespace pathwick;

// Texts come from files and the user: they are never taken for markup.
TEST(MessageBoxes, PlainTextOverTheOwnerWithTheAnswer) {
    QWidget owner;
    test::ModalAnswers answers;
    answers.press(QMessageBox::No);
    EXPECT_EQ(showMessage(&owner, QMessageBox::Warning, " - Not found.", "<b>a.dirl</b>",
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(answers.seen().at(0).title, "Pathwick - Not found.");
    EXPECT_EQ(answers.seen().at(0).textFormat, Qt::PlainText);

    setMessageWindowOwner(&owner);
    showErrorNotice(" - Syntax error:", "Format:");
    setMessageWindowOwner(nullptr);
    EXPECT_EQ(answers.seen().at(1).parent, &owner);
    EXPECT_EQ(answers.seen().at(1).buttons, QMessageBox::Ok);
}
