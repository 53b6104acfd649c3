// A small window built from the bases, as the main program's forms will be:
// a tab frame on the shared document with a form of two pages, one with a
// list and its context menu, one with typed edits; and a list view frame.
#include <gtest/gtest.h>

#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "platform/MessageBox.h"
#include "shell/ui/BaseListView.h"
#include "shell/ui/BaseTabForm.h"
#include "shell/ui/BaseTabFrame.h"
#include "shell/ui/BaseTabPage.h"
#include "common/ui/CBaseEdit.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "shell/ui/UnitOfWork.h"
#include "common/ui/popup_menu.h"

namespace {

void Pump() {
  for (int i = 0; i < 10; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

// What the form edits, in memory.
struct Company {
  std::wstring name = L"ACME";
  int32_t employees = 12;
  double discount = 2.5;
  std::vector<std::pair<int32_t, std::wstring>> phones = {{1, L"Office"}, {2, L"Mobile"}, {3, L"Fax"}};
};

constexpr uint32_t kPhonesPage = 140;
constexpr uint32_t kDetailsPage = 141;
constexpr int kPhoneList = 1020;

class SampleFrame : public BaseTabFrame {
public:
  SampleFrame() { m_frameName = L"SampleFrameWnd"; }
  void LoadEditedObject() override { company = Company(); }
  void UpdateFrameCaption() override { SetTitle(L"Company - " + company.name); }
  Company company;

protected:
  int OnCreate() override {
    CreateToolBar()->Realize();
    CreateStatusBar();
    return 0;
  }
};

SampleFrame* FrameOf(wxWindow* window) {
  return dynamic_cast<SampleFrame*>(wxGetTopLevelParent(window));
}

class PhonesPage : public BaseTabPage {
public:
  explicit PhonesPage(wxWindow* parent) : BaseTabPage(kPhonesPage, parent), m_menu(10000) {
    SetTemplateSize(240, 140);
    DialogUnits du(this);
    list = new BaseListCtrl(this, kPhoneList, L"SamplePhonesList", du.Point(5, 5), du.Size(230, 130));
    list->AddColumn(L"Name", 0, 120);
    list->AddColumn(L"Id", 1, 60);
    list->LoadColumnState();
    SetUpAnchors();
    GetAnchors().AddControl(kPhoneList, 0, 0, 100, 100);

    m_menu.Create();
    m_new = m_menu.AddItem(L"&New");
    m_delete = m_menu.AddItem(L"&Delete");
    list->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { OnContextMenu(); });
  }
  void LoadData() override {
    list->SetItemCount(0);
    list->ClearRows();
    for (const auto& [id, name] : FrameOf(this)->company.phones)
      list->AddRow(ListRow(id, {Value(name), Value(static_cast<long>(id))}));
    list->SetItemCount(list->GetRowCount());
    list->SelectRow(0);
  }
  void OnContextMenu() {
    long selected = GetSelectedListItem(*list);
    m_menu.EnableItem(m_delete, selected >= 0);
    int chosen = m_menu.Track(this, true);
    if (chosen == static_cast<int>(m_delete) && selected >= 0) {
      auto& phones = FrameOf(this)->company.phones;
      int32_t id = list->GetRow(selected).GetObjectId();
      std::erase_if(phones, [id](const auto& phone) { return phone.first == id; });
      MarkFrameModified(this);
      LoadData();
    }
  }
  BaseListCtrl* list;
  unsigned m_new, m_delete;

private:
  popup_menu m_menu;
};

class DetailsPage : public BaseTabPage {
public:
  explicit DetailsPage(wxWindow* parent) : BaseTabPage(kDetailsPage, parent) {
    SetTemplateSize(240, 140);
    DialogUnits du(this);
    new wxStaticText(this, wxID_ANY, "Employees:", du.Point(5, 7), du.Size(50, 8));
    employees = new CBaseEdit(this, 1031, kInputInteger, kCheckNone, du.Point(60, 5), du.Size(60, 12));
    new wxStaticText(this, wxID_ANY, "Discount:", du.Point(5, 25), du.Size(50, 8));
    discount = new CBaseEdit(this, 1032, kInputDecimal, kCheckRange, du.Point(60, 23), du.Size(60, 12));
    discount->SetBounds(0, 100);
    employees->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
      MarkFrameModified(this);
      e.Skip();
    });
  }
  void LoadData() override {
    const Company& company = FrameOf(this)->company;
    employees->ChangeValue(std::to_wstring(company.employees));
    discount->ChangeValue(FormatAmount(company.discount));
  }
  bool SaveData(bool& reload) override {
    if (!discount->ValidateValue()) return false;
    Company& company = FrameOf(this)->company;
    company.employees = static_cast<int32_t>(ParseAmount(employees->GetValue().ToStdWstring()));
    company.discount = ParseAmount(discount->GetValue().ToStdWstring());
    reload = true;
    return true;
  }
  CBaseEdit* employees;
  CBaseEdit* discount;
};

class SampleForm : public BaseTabForm {
public:
  explicit SampleForm(wxWindow* parent) : BaseTabForm(139, parent) {}
  void OnInitialUpdate() override {
    BaseTabForm::OnInitialUpdate();
    AddTab(kPhonesPage, L"Phones");
    AddTab(kDetailsPage, L"Details");
    SelectPage(kPhonesPage);
  }

protected:
  BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override {
    BaseTabPage* page = nullptr;
    if (pageId == kPhonesPage)
      page = new PhonesPage(parent);
    else if (pageId == kDetailsPage)
      page = new DetailsPage(parent);
    if (page) page->LoadData();
    return page;
  }
};

class SampleListView : public BaseListView {
public:
  explicit SampleListView(wxWindow* parent) : BaseListView(parent, L"SampleListView") {}
  void OnInitialUpdate() override {
    AddColumn(L"Company", 0, 160);
    AddColumn(L"City", 0, 100);
    LoadColumnState();
    BaseListView::OnInitialUpdate();
  }
  void OnUpdate(View*, long, void*) override {
    SetItemCount(0);
    ClearRows();
    AddRow(ListRow(1, {Value(L"ACME"), Value(L"Skopje")}));
    AddRow(ListRow(2, {Value(L"Globex")}));
    SetItemCount(GetRowCount());
  }
};

class ListFrame : public BaseSaveFrame {
public:
  ListFrame() { m_frameName = L"SampleListFrameWnd"; }
};

template <class Frame>
DocTemplate::FrameFactory MakeFrame(const wchar_t* title) {
  return [title](wxWindow* parent) -> BaseFrameWnd* {
    auto* frame = new Frame;
    if (!frame->LoadFrame(title, wxDEFAULT_FRAME_STYLE, parent)) {
      delete frame;
      return nullptr;
    }
    frame->SetSize(640, 480);
    return frame;
  };
}

}  // namespace

TEST(SampleWindowGuiTest, ATabFormWithAListAndTypedEditsRunsFromItsTemplate) {
  platform::MessageBoxRecorder boxes;
  UnitOfWork::SetFactory([] {
    struct Memory : UnitOfWork {
      void Commit() override {}
    };
    return std::make_unique<Memory>();
  });
  Document document;
  DocTemplate companyTemplate(140, MakeFrame<SampleFrame>(L"Company"),
                              [](BaseFrameWnd* frame) -> View* { return new SampleForm(frame); });
  auto* frame = static_cast<SampleFrame*>(companyTemplate.CreateNewFrame(document));
  ASSERT_TRUE(frame);
  frame->SetObjectId(5);
  DocTemplate::InitialUpdateFrame(frame);
  Pump();
  auto* form = static_cast<SampleForm*>(frame->GetActiveView());
  EXPECT_EQ(frame->GetTitle(), "Company - ACME");

  // The list page: rows on demand, a context menu whose Delete removes one.
  auto* phones = static_cast<PhonesPage*>(form->GetPage(kPhonesPage));
  EXPECT_EQ(phones->list->GetItemCount(), 3u);
  EXPECT_GT(phones->list->GetSize().x, 300);  // anchored: fills the grown page
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
    EXPECT_TRUE(menu.IsItemEnabled(phones->m_delete));
    return static_cast<int>(phones->m_delete);
  });
  phones->list->SelectRow(1);
  wxContextMenuEvent rightClick(wxEVT_CONTEXT_MENU, kPhoneList);
  rightClick.SetEventObject(phones->list);
  phones->list->GetEventHandler()->ProcessEvent(rightClick);
  popup_menu::SetTrackHandler({});
  EXPECT_EQ(phones->list->GetItemCount(), 2u);
  EXPECT_EQ(phones->list->GetRow(1).GetObjectId(), 3);
  EXPECT_TRUE(frame->IsModified());

  // The second page, made when its tab is chosen; typed edits with the checks.
  form->SelectPage(kDetailsPage);
  Pump();
  auto* details = static_cast<DetailsPage*>(form->GetPage(kDetailsPage));
  EXPECT_EQ(details->employees->GetValue(), "12");
  details->employees->SetValue("0040");  // leading zeros go
  EXPECT_EQ(details->employees->GetValue(), "40");
  details->discount->ChangeValue(FormatAmount(150.0));  // out of range: refused
  EXPECT_FALSE(form->SaveAllPages());
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_TRUE(frame->IsModified());
  details->discount->ChangeValue(FormatAmount(7.5));
  EXPECT_TRUE(form->SaveAllPages());
  EXPECT_FALSE(frame->IsModified());
  EXPECT_EQ(frame->company.employees, 40);
  EXPECT_DOUBLE_EQ(frame->company.discount, 7.5);
  EXPECT_EQ(frame->company.phones.size(), 2u);

  EXPECT_TRUE(frame->Close());  // saved: no question
  Pump();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_TRUE(document.GetViews().empty());
  UnitOfWork::SetFactory({});
}

TEST(SampleWindowGuiTest, AListViewFrameFillsItselfOnItsInitialUpdate) {
  Document document;
  DocTemplate listTemplate(128, MakeFrame<ListFrame>(L"Companies"),
                           [](BaseFrameWnd* frame) -> View* { return new SampleListView(frame); });
  BaseFrameWnd* frame = listTemplate.CreateNewFrame(document);
  ASSERT_TRUE(frame);
  DocTemplate::InitialUpdateFrame(frame);
  Pump();
  auto* view = static_cast<SampleListView*>(frame->GetActiveView());
  EXPECT_EQ(view->GetItemCount(), 2u);
  EXPECT_EQ(view->GetCellText(1, 1), L"");
  document.UpdateAllViews(nullptr);  // a refresh refills it
  EXPECT_EQ(view->GetItemCount(), 2u);
  frame->Close();
  Pump();
}
