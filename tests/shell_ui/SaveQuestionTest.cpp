#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "shell/ui/BaseSaveFrame.h"

using namespace platform;

TEST(SaveQuestionTest, AnUnmodifiedFrameClosesWithoutAsking) {
  MessageBoxRecorder boxes;
  bool modified = false;
  int saves = 0;
  EXPECT_TRUE(AskSaveBeforeClose(
      modified, [&] { return ++saves, true; }, nullptr));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(saves, 0);
}

struct CloseCase {
  int answer;
  bool saveSucceeds;
  bool closes;
  int saves;
  bool modifiedAfter;
};

TEST(SaveQuestionTest, TheAnswerDecides) {
  const CloseCase cases[] = {
      {IDYES, true, true, 1, false},   // saved, closes
      {IDYES, false, false, 1, true},  // the save failed: stays open with its data
      {IDNO, true, true, 0, false},    // closes without saving
      {IDCANCEL, true, false, 0, true},
  };
  for (const auto& c : cases) {
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(c.answer);
    bool modified = true;
    int saves = 0;
    bool closes = AskSaveBeforeClose(
        modified,
        [&] {
          ++saves;
          if (c.saveSucceeds) modified = false;
          return c.saveSucceeds;
        },
        nullptr);
    EXPECT_EQ(closes, c.closes) << "answer " << c.answer;
    EXPECT_EQ(saves, c.saves) << "answer " << c.answer;
    EXPECT_EQ(modified, c.modifiedAfter) << "answer " << c.answer;
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"Would you like to save the changes?");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane");
    EXPECT_EQ(boxes.Shown()[0].style, MB_YESNOCANCEL | MB_ICONQUESTION);
  }
}

TEST(SaveQuestionTest, AfterNoTheQuestionIsNotAskedAgain) {
  MessageBoxRecorder boxes;
  boxes.QueueAnswer(IDNO);
  bool modified = true;
  auto save = [] { return true; };
  EXPECT_TRUE(AskSaveBeforeClose(modified, save, nullptr));
  EXPECT_TRUE(AskSaveBeforeClose(modified, save, nullptr));
  EXPECT_EQ(boxes.Shown().size(), 1u);
}
