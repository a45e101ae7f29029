#include "common/MessageBoxes.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

using namespace pathwick;

// Texts come from files and the user: they are never taken for markup.
TEST(MessageBoxes, PlainTextWithTheProgramsTitleAndTheAnswer) {
    QWidget owner;
    test::ModalAnswers answers;
    answers.press(QMessageBox::No);
    EXPECT_EQ(showMessage(&owner, QMessageBox::Warning, " - Not found.", "<b>a.dirl</b>",
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(answers.only().title, "Pathwick - Not found.");
    EXPECT_EQ(answers.only().textFormat, Qt::PlainText);
}
