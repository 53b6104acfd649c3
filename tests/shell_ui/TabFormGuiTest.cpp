// A tab form in its frame under Xvfb: pages made on first use, tabs added and
// removed, anchored controls following a page's size, and saving all pages.
#include <gtest/gtest.h>

#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "platform/MessageBox.h"
#include "shell/ui/BaseTabForm.h"
#include "shell/ui/BaseTabFrame.h"
#include "shell/ui/BaseTabPage.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "shell/ui/UnitOfWork.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

constexpr int kNameId = 1001;

class TestPage : public BaseTabPage {
public:
  TestPage(uint32_t id, wxWindow* parent, bool accepts) : BaseTabPage(id, parent), m_accepts(accepts) {
    SetTemplateSize(200, 100);
    SetSize(400, 300);
    name = new wxTextCtrl(this, kNameId, "", wxPoint(10, 10), wxSize(200, 24));
    SetUpAnchors();
    GetAnchors().AddControl(kNameId, 0, 0, 100, 100);
  }
  void LoadData() override { ++loads; }
  bool SaveData(bool& reload) override {
    ++saves;
    reload = true;
    return m_accepts;
  }
  wxTextCtrl* name;
  int loads = 0;
  int saves = 0;

private:
  bool m_accepts;
};

class TestForm : public BaseTabForm {
public:
  explicit TestForm(wxWindow* parent) : BaseTabForm(200, parent) {}
  void OnInitialUpdate() override {
    BaseTabForm::OnInitialUpdate();
    AddTab(109, L"Details");
    AddTab(144, L"Prices");
    SelectPage(109);
  }
  std::map<uint32_t, int> created;
  bool refuse144 = false;

protected:
  BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override {
    if (pageId != 109 && pageId != 144 && pageId != 145) return nullptr;
    ++created[pageId];
    return new TestPage(pageId, parent, !(pageId == 144 && refuse144));
  }
};

class TestTabFrame : public BaseTabFrame {
public:
  TestTabFrame() { m_frameName = L"TestTabFrameWnd"; }
  void LoadEditedObject() override { ++loadCalls; }
  void UpdateFrameCaption() override { SetTitle(wxString::Format("Item %d", GetObjectId())); }
  int loadCalls = 0;
};

class TabFormGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    UnitOfWork::SetFactory([] {
      struct NoDatabase : UnitOfWork {
        void Commit() override {}
      };
      return std::make_unique<NoDatabase>();
    });
    DocTemplate docTemplate(
        130,
        [](wxWindow*) -> BaseFrameWnd* {
          auto* frame = new TestTabFrame;
          frame->LoadFrame(L"Item");
          return frame;
        },
        [](BaseFrameWnd* frame) -> View* { return new TestForm(frame); });
    frame = static_cast<TestTabFrame*>(docTemplate.CreateNewFrame(document));
    frame->SetObjectId(17);
    DocTemplate::InitialUpdateFrame(frame);
    form = static_cast<TestForm*>(frame->GetActiveView());
    Pump();
  }
  void TearDown() override {
    frame->Destroy();
    Pump();
    UnitOfWork::SetFactory({});
  }
  TestPage* Page(uint32_t id) { return static_cast<TestPage*>(form->GetPage(id)); }

  Document document;
  TestTabFrame* frame = nullptr;
  TestForm* form = nullptr;
};

}  // namespace

TEST_F(TabFormGuiTest, InitialUpdateLoadsTheObjectAndSetsTheCaption) {
  EXPECT_EQ(frame->loadCalls, 1);
  EXPECT_EQ(frame->GetTitle(), "Item 17");
  EXPECT_EQ(form->GetTabCtrl()->GetId(), kTabControlId);
  EXPECT_EQ(form->GetTabCount(), 2);
  EXPECT_EQ(form->GetCurrentPageId(), 109u);
}

TEST_F(TabFormGuiTest, APageIsMadeOnceOnFirstSelection) {
  EXPECT_EQ(form->created[109], 1);
  EXPECT_EQ(form->created.count(144), 0u);  // not shown yet
  form->SelectPage(144);
  form->SelectPage(109);
  form->SelectPage(144);
  EXPECT_EQ(form->created[144], 1);
  EXPECT_EQ(form->GetCurrentPageId(), 144u);

  form->GetTabCtrl()->SetSelection(0);  // the user clicks the first tab
  Pump();
  EXPECT_EQ(form->GetCurrentPageId(), 109u);
  EXPECT_EQ(form->created[109], 1);
}

TEST_F(TabFormGuiTest, AddingAnExistingTabChangesNothingAndRemovingShowsAnother) {
  form->AddTab(109, L"Other caption");
  EXPECT_EQ(form->GetTabCount(), 2);
  EXPECT_EQ(form->GetTabCtrl()->GetPageText(0), "Details");
  EXPECT_EQ(form->GetTabPageId(1), 144u);
  EXPECT_EQ(form->GetTabPageId(5), 0u);
  EXPECT_EQ(form->GetPage(999), nullptr);

  form->RemoveTab(109);  // the current one
  EXPECT_FALSE(form->HasTab(109));
  EXPECT_EQ(form->GetPages().count(109), 0u);
  form->SelectPage(144);
  Pump();
  EXPECT_EQ(form->GetCurrentPageId(), 144u);
  EXPECT_TRUE(Page(144)->IsShownOnScreen());
}

TEST_F(TabFormGuiTest, AnchoredControlsFollowThePageFromItsInitialSize) {
  form->AddTab(145, L"Income");
  TestPage* page = Page(145);
  ASSERT_TRUE(page);
  // Detached from the holder's sizer so that only this test sizes it; the
  // page recorded 400 x 300 with the field 200 wide when it was made.
  page->GetContainingSizer()->Detach(page);
  page->SetSize(450, 300);
  page->GetAnchors().Arrange();
  EXPECT_EQ(page->name->GetSize().x, 250);
  page->SetSize(400, 300);
  page->GetAnchors().Arrange();
  EXPECT_EQ(page->name->GetSize().x, 200);
}

TEST_F(TabFormGuiTest, SavingAllPagesClearsTheModifiedFlagAndReloads) {
  form->SelectPage(144);
  frame->SetModified(true);
  EXPECT_TRUE(form->SaveAllPages());
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(Page(109)->saves, 1);
  EXPECT_EQ(Page(144)->saves, 1);
  EXPECT_EQ(Page(109)->loads, 1);
}

TEST_F(TabFormGuiTest, APageThatRefusesLeavesTheFrameModified) {
  form->refuse144 = true;
  form->SelectPage(144);
  frame->SetModified(true);
  platform::MessageBoxRecorder boxes;
  EXPECT_FALSE(form->SaveAllPages());
  EXPECT_TRUE(frame->IsModified());
  EXPECT_EQ(Page(109)->loads, 0);
  EXPECT_TRUE(boxes.Shown().empty());
}
