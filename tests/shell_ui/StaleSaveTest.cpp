// What a form says after its save was refused because what it read was
// saved anew meanwhile, and the tab forms' save handing that refusal on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Connection.h"
#include "data/objects/StaleRow.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "shell/ui/BaseTabForm.h"
#include "shell/ui/BaseTabFun.h"
#include "shell/ui/StaleSave.h"
#include "shell/ui/UnitOfWork.h"

namespace {

bool Has(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

TEST(StaleSaveQuestion, NamesAnotherUserAndTheWayOn) {
  const std::wstring text = StaleSaveQuestion(Invoice::StaleRowException(L"this invoice", false));
  EXPECT_EQ(text.rfind(L"Another user saved this invoice after this window read it, so nothing was saved", 0),
            0u)
      << platform::ToUtf8(text);
  EXPECT_TRUE(Has(text, L"Load what is stored now into this window?"));
  EXPECT_TRUE(Has(text, L"make them again"));
  // Not the data layer's "Please save again.": saving again would be refused again.
  EXPECT_FALSE(Has(text, L"save again"));
}

TEST(StaleSaveQuestion, SaysWhenTheChangeCameFromAnotherWindowOfTheProgram) {
  const std::wstring text = StaleSaveQuestion(Invoice::StaleRowException(L"a stock line", true));
  EXPECT_EQ(text.rfind(L"A stock line was saved in another window of Corvane after this window read it", 0),
            0u)
      << platform::ToUtf8(text);
  EXPECT_FALSE(Has(text, L"user"));
  EXPECT_TRUE(Has(text, L"Load what is stored now into this window?"));
}

TEST(StaleRowException, KeepsTheDataLayersTextForEachSide) {
  EXPECT_EQ(Invoice::StaleRowException(L"this client", false).GetText(), kConcurrentChangeText);
  EXPECT_EQ(Invoice::StaleRowException(L"this client", true).GetText(), Invoice::kChangedInAnotherWindowText);
}

class NoUnit : public UnitOfWork {
public:
  void Commit() override {}
};

class StalePage : public BaseTabFun {
public:
  bool SaveData(bool&) override { throw Invoice::StaleRowException(L"this client", true); }
  void LoadData() override {}
};

// The tab forms' save hands a stale refusal to the form, which asks its own
// question; without a handler it is shown as any failure.
TEST(StaleTabSave, TheRefusalGoesToTheFormsHandler) {
  UnitOfWork::SetFactory([] { return std::make_unique<NoUnit>(); });
  platform::MessageBoxRecorder boxes;
  StalePage page;
  std::vector<std::wstring> handled;
  EXPECT_FALSE(BaseTabForm::SavePages(
      {&page}, {}, [&](const Invoice::StaleRowException& refusal) { handled.push_back(refusal.GetWhat()); }));
  EXPECT_EQ(handled, std::vector<std::wstring>{L"this client"});
  EXPECT_TRUE(boxes.Shown().empty());

  EXPECT_FALSE(BaseTabForm::SavePages({&page}, {}));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, Invoice::kChangedInAnotherWindowText);
  UnitOfWork::SetFactory({});
}

}  // namespace
