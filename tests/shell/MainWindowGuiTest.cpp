// The main window at work: choosing nodes of the navigation tree fills the
// right pane, the splitter keeps its width between runs, Refresh tells every
// window, and the invoice list changes payment states and deletes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <set>
#include <vector>

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "common/RegistryHelpers.h"
#include "data/DataAccess.h"
#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"
#include "data/objects/Payment.h"
#include "forms/dialogs/PaymentDlg.h"
#include "shell/FormArguments.h"
#include "shell/CItemsView.h"
#include "shell/CompaniesView.h"
#include "shell/FinancesView.h"
#include "shell/InvoicesView.h"
#include "shell/PriceGroupsView.h"
#include "shell/ui/RefreshMessages.h"
#include "common/ui/popup_menu.h"
#include "tests/shell/ShellFixtures.h"

namespace {

using corvane::test::AddCompany;
using corvane::test::AddInvoice;
using corvane::test::OleDate;
using corvane::test::Pump;
using Result = CQuennetApp::StartupResult;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::wstring> ChildTexts(CLeftView* tree, const wxTreeItemId& parent) {
  std::vector<std::wstring> texts;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId node = tree->GetFirstChild(parent, cookie); node.IsOk();
       node = tree->GetNextChild(parent, cookie))
    texts.push_back(tree->GetItemText(node).ToStdWstring());
  return texts;
}

std::vector<std::wstring> Column(const BaseListCtrl& list, size_t column) {
  std::vector<std::wstring> cells;
  for (size_t row = 0; row < list.GetItemCount(); ++row) cells.push_back(list.GetCellText(row, column));
  return cells;
}

class MainWindowGuiTest : public corvane::test::ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseNewDatabase();
    const int bakery = AddCompany(L"Mountain Bakery");
    m_march1 = AddInvoice({L"0001/06", OleDate(2006, 3, 2, 10), bakery, false, 30});
    m_march2 = AddInvoice({L"0002/06", OleDate(2006, 3, 15), 0, true, 0});
    AddInvoice({L"0003/06", OleDate(2006, 3, 31, 23, 59, 59), bakery, false, 0});
    // Midnight on the first of April is April's, not March's too.
    AddInvoice({L"0004/06", OleDate(2006, 4, 1), bakery, false, 0});
    AddInvoice({L"0001/99", OleDate(1999, 6, 1), bakery, true, 0});
    platform::SetNowOverride(platform::CivilTime{2006, 3, 20, 12});
  }
  void TearDown() override {
    platform::SetNowOverride(std::nullopt);
    popup_menu::SetTrackHandler(nullptr);
    ShellTest::TearDown();
  }

  wxTreeItemId YearNode(int year) { return Tree()->FindChild(Tree()->GetInvoicesNode(), year); }

  // Expands the year and selects one of its months.
  InvoicesView* ShowMonth(int year, int month) {
    const wxTreeItemId yearNode = YearNode(year);
    Tree()->Expand(yearNode);
    Tree()->SelectItem(Tree()->FindChild(yearNode, month));
    Pump(2);
    return dynamic_cast<InvoicesView*>(MainFrame()->GetRightView());
  }

  int m_march1 = 0;
  int m_march2 = 0;
};

TEST_F(MainWindowGuiTest, InvoicesYearAndMonthFillTheList) {
  ASSERT_EQ(Start(), Result::Started);
  CLeftView* tree = Tree();
  // Latest year first; a year before 2000 is a year like any other.
  EXPECT_EQ(ChildTexts(tree, tree->GetInvoicesNode()), (std::vector<std::wstring>{L"2006", L"1999"}));

  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  const std::vector<std::wstring> months = ChildTexts(tree, YearNode(2006));
  ASSERT_EQ(months.size(), 12u);
  EXPECT_EQ(months[2], L"March (3)");
  EXPECT_EQ(months[3], L"April (1)");
  EXPECT_EQ(months[4], L"May");

  for (auto& m : m_messages.Shown()) ADD_FAILURE() << platform::ToUtf8(m.text);
  ASSERT_EQ(Column(*invoices, 0), (std::vector<std::wstring>{L"0003/06", L"0002/06", L"0001/06"}));
  EXPECT_EQ(Column(*invoices, 4), (std::vector<std::wstring>{L"Mountain Bakery", L"", L"Mountain Bakery"}));
  EXPECT_EQ(Column(*invoices, 5)[2], L"Due in 11 days");
  EXPECT_EQ(invoices->SelectedObjectIds().size(), 1u);

  // The root: unpaid invoices of every year.
  tree->SelectItem(tree->GetInvoicesNode());
  Pump(2);
  EXPECT_EQ(MainFrame()->GetRightView(), invoices) << "moving within a kind keeps the view";
  EXPECT_EQ(Column(*invoices, 0), (std::vector<std::wstring>{L"0004/06", L"0003/06", L"0001/06"}));

  // A year before 2000 lists that year's invoices, paid or not.
  tree->SelectItem(YearNode(1999));
  Pump(2);
  EXPECT_EQ(Column(*invoices, 0), (std::vector<std::wstring>{L"0001/99"}));
}

TEST_F(MainWindowGuiTest, EachKindOfNodeGetsItsView) {
  ASSERT_EQ(Start(), Result::Started);
  CLeftView* tree = Tree();
  struct Case {
    int32_t root;
    bool (*isRight)(View*);
  };
  const Case cases[] = {
      {navigation::kClients, [](View* v) { return dynamic_cast<CompaniesView*>(v) != nullptr; }},
      {navigation::kPriceLists, [](View* v) { return dynamic_cast<PriceGroupsView*>(v) != nullptr; }},
      {navigation::kFinanceInfo, [](View* v) { return dynamic_cast<FinancesView*>(v) != nullptr; }},
      {navigation::kInventory, [](View* v) { return dynamic_cast<CItemsView*>(v) != nullptr; }},
      {navigation::kInvoices, [](View* v) { return dynamic_cast<InvoicesView*>(v) != nullptr; }},
  };
  for (const Case& c : cases) {
    tree->SelectItem(tree->FindRoot(c.root));
    Pump(2);
    EXPECT_TRUE(c.isRight(MainFrame()->GetRightView())) << c.root;
    EXPECT_EQ(tree->GetPaneKind(), c.root);
    // The old view left the document; the tree and the new view remain.
    EXPECT_EQ(m_app->GetDocument()->GetViews().size(), 2u);
  }
  auto* companies = (tree->SelectItem(tree->FindRoot(navigation::kClients)), Pump(2),
                     dynamic_cast<CompaniesView*>(MainFrame()->GetRightView()));
  ASSERT_NE(companies, nullptr);
  EXPECT_EQ(Column(*companies, 0), (std::vector<std::wstring>{L"Mountain Bakery"}));
}

TEST_F(MainWindowGuiTest, SplitterWidthIsKeptAcrossRuns) {
  RegWriteDword(kSettingsKey, kSplitterPresentValue, 1);
  RegWriteDword(kSettingsKey, kSplitterWidthValue, 180);
  ASSERT_EQ(Start(), Result::Started);
  ASSERT_NE(MainFrame()->GetSplitter(), nullptr);
  EXPECT_EQ(MainFrame()->GetSplitter()->GetSashPosition(), 180);
  MainFrame()->GetSplitter()->SetSashPosition(240);
  m_app->CloseMainWindow();
  Pump();
  uint32_t present = 0, width = 0;
  EXPECT_EQ(RegReadDword(kSettingsKey, kSplitterPresentValue, &present), kRegSuccess);
  EXPECT_EQ(RegReadDword(kSettingsKey, kSplitterWidthValue, &width), kRegSuccess);
  EXPECT_EQ(present, 1u);
  EXPECT_EQ(width, 240u);

  ASSERT_EQ(Start(), Result::Started);
  EXPECT_EQ(MainFrame()->GetSplitter()->GetSashPosition(), 240);
}

// Stored splitter values that cannot be used give the default width; the
// tree stays beside the list whatever is chosen, and the next start finds
// usable values again.
TEST_F(MainWindowGuiTest, UnusableSplitterValuesKeepTheTreeAtTheDefaultWidth) {
  struct Case {
    const char* label;
    std::function<void()> store;
  };
  const std::wstring present = kSplitterPresentValue, width = kSplitterWidthValue;
  const std::vector<Case> cases = {
      {"a width that is not a number in the settings file",
       [&] {
         RegWriteDword(kSettingsKey, present, 1);
         RegWriteDword(kSettingsKey, width, 987654);
         const std::filesystem::path file = platform::RegistryStore::User().Path();
         std::string text = ReadFile(file);
         const size_t at = text.find("987654");
         ASSERT_NE(at, std::string::npos);
         WriteFile(file, text.replace(at, 6, "wide"));
       }},
      {"a width stored as text", [&] {
         RegWriteDword(kSettingsKey, present, 1);
         RegWriteString(kSettingsKey, width, L"5");
       }},
      {"no width", [&] { RegWriteDword(kSettingsKey, present, 1); }},
      {"a width of 0", [&] {
         RegWriteDword(kSettingsKey, present, 1);
         RegWriteDword(kSettingsKey, width, 0);
       }},
      {"a width wider than the screen", [&] {
         RegWriteDword(kSettingsKey, present, 1);
         RegWriteDword(kSettingsKey, width, 0xFFFFFFFFu);
       }},
      {"the splitter switched off", [&] {
         RegWriteDword(kSettingsKey, present, 0);
         RegWriteDword(kSettingsKey, width, 180);
       }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.label);
    platform::RegistryStore::User().DeleteValue(kSettingsKey, present);
    platform::RegistryStore::User().DeleteValue(kSettingsKey, width);
    test.store();
    ASSERT_EQ(Start(), Result::Started);
    ASSERT_NE(MainFrame()->GetSplitter(), nullptr);
    const int fitting = MainFrame()->GetSplitter()->GetSashPosition();
    EXPECT_EQ(fitting, std::max(navigation::kDefaultTreeWidth, Tree()->RootNamesWidth()));
    for (int32_t root : {navigation::kClients, navigation::kInvoices}) {
      Tree()->SelectItem(Tree()->FindRoot(root));
      Pump();
      ASSERT_NE(Tree(), nullptr);
      EXPECT_TRUE(Tree()->IsShownOnScreen());
      EXPECT_NE(MainFrame()->GetRightView(), Tree());
    }
    EXPECT_NE(dynamic_cast<InvoicesView*>(MainFrame()->GetRightView()), nullptr);
    m_app->CloseMainWindow();
    Pump();
    EXPECT_EQ(RegReadNumber(kSettingsKey, present), std::optional<uint32_t>(1));
    EXPECT_EQ(RegReadNumber(kSettingsKey, width), std::optional<uint32_t>(fitting));
  }
}

// With nothing stored the tree starts at least as wide as before and shows
// every root's name whole.
TEST_F(MainWindowGuiTest, TheTreeStartsWideEnoughForItsRootsNames) {
  ASSERT_EQ(Start(), Result::Started);
  ASSERT_NE(MainFrame()->GetSplitter(), nullptr);
  MainFrame()->Show();
  Pump(2);
  EXPECT_GE(MainFrame()->GetSplitter()->GetSashPosition(), navigation::kDefaultTreeWidth);
  const int room = Tree()->GetClientSize().x;
  for (int32_t root : {navigation::kInventory, navigation::kInvoices, navigation::kClients,
                       navigation::kPriceLists, navigation::kFinanceInfo}) {
    wxRect text;
    ASSERT_TRUE(Tree()->GetBoundingRect(Tree()->FindRoot(root), text, true)) << root;
    EXPECT_LE(text.GetRight(), room) << Tree()->GetItemText(Tree()->FindRoot(root));
  }
}

TEST_F(MainWindowGuiTest, RefreshSendsNineMessagesInOrder) {
  ASSERT_EQ(Start(), Result::Started);
  auto* listener = new wxFrame(nullptr, wxID_ANY, L"listener");
  std::vector<unsigned> heard;
  listener->Bind(EVT_CORVANE_MESSAGE,
                 [&](platform::WindowMessageEvent& event) { heard.push_back(event.GetMessage()); });
  wxCommandEvent refresh(wxEVT_MENU, CMainFrame::ID_REFRESH);
  MainFrame()->GetEventHandler()->ProcessEvent(refresh);
  const auto& all = RefreshMessages::All();
  EXPECT_EQ(heard, std::vector<unsigned>(all.begin(), all.begin() + 9));
  listener->Destroy();
  Pump();
}

TEST_F(MainWindowGuiTest, ACommandsPromptLeavesTheStatusBarWhenItHasRun) {
  ASSERT_EQ(Start(), Result::Started);
  // What pointing at the toolbar's Refresh writes there.
  MainFrame()->SetStatusText(L"Refresh");
  wxCommandEvent refresh(wxEVT_MENU, CMainFrame::ID_REFRESH);
  MainFrame()->GetEventHandler()->ProcessEvent(refresh);
  Pump();
  EXPECT_EQ(MainFrame()->GetStatusBar()->GetStatusText(0), L"");
}

TEST_F(MainWindowGuiTest, YearRefreshKeepsTheChosenMonth) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  AddInvoice({L"0005/06", OleDate(2006, 3, 5), 0, false, 0});
  platform::SendToThreadWindows(RefreshMessages::Year(), 2006, 0);
  Pump(2);
  const wxTreeItemId selected = Tree()->GetSelection();
  ASSERT_TRUE(selected.IsOk());
  EXPECT_EQ(Tree()->GetItemText(selected), L"March (4)");
  EXPECT_EQ(Tree()->GetNodeInteger(Tree()->GetItemParent(selected)), 2006);
}

TEST_F(MainWindowGuiTest, YearRefreshKeepsTheOpenedYearsOpen) {
  ASSERT_EQ(Start(), Result::Started);
  Tree()->Expand(Tree()->GetInvoicesNode());
  Tree()->Expand(YearNode(2006));
  Tree()->Expand(YearNode(1999));
  Tree()->SelectItem(Tree()->FindChild(YearNode(1999), 6));
  Pump(2);
  // What saving an invoice of 2006 sends.
  AddInvoice({L"0005/06", OleDate(2006, 3, 5), 0, false, 0});
  platform::SendToThreadWindows(RefreshMessages::Year(), 2006, 0);
  Pump(2);
  EXPECT_TRUE(Tree()->IsExpanded(Tree()->GetInvoicesNode()));
  ASSERT_TRUE(YearNode(2006).IsOk());
  EXPECT_TRUE(Tree()->IsExpanded(YearNode(2006)));
  EXPECT_TRUE(Tree()->IsExpanded(YearNode(1999)));
  EXPECT_EQ(ChildTexts(Tree(), YearNode(2006))[2], L"March (4)");
  const wxTreeItemId selected = Tree()->GetSelection();
  ASSERT_TRUE(selected.IsOk());
  EXPECT_EQ(Tree()->GetItemText(selected), L"June (1)");
}

// Runs the context menu of the list, choosing the entry with that text.
void ChooseFromMenu(PaneListView* view, const wxString& label) {
  popup_menu::SetTrackHandler(
      [label](const popup_menu& menu, wxWindow*, bool) { return menu.GetMenu()->FindItem(label); });
  view->ShowContextMenu();
  popup_menu::SetTrackHandler(nullptr);
  Pump(2);
}

TEST_F(MainWindowGuiTest, PaidAndNotPaidFromTheContextMenu) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  ASSERT_TRUE(invoices->SelectObject(m_march1));

  ChooseFromMenu(invoices, L"Paid");
  ASSERT_TRUE(invoices->SelectObject(m_march1));
  const long row = invoices->FindObjectRow(m_march1);
  EXPECT_EQ(invoices->GetCellText(row, 5).rfind(L"Paid on ", 0), 0u) << invoices->GetCellText(row, 5);
  EXPECT_TRUE(Invoice::Invoice(m_march1).IsPaid());

  ChooseFromMenu(invoices, L"Not Paid");
  EXPECT_EQ(invoices->GetCellText(invoices->FindObjectRow(m_march1), 5), L"Due in 11 days");
  EXPECT_FALSE(Invoice::Invoice(m_march1).IsPaid());
}

TEST_F(MainWindowGuiTest, AcceptPaymentOpensThePaymentDialogAndCancelChangesNothing) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  ASSERT_TRUE(invoices->SelectObject(m_march1));
  std::wstring shown;
  wxTheApp->CallAfter([&shown] {
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal()) {
        shown = dialog->GetTitle().ToStdWstring();
        dialog->EndModal(wxID_CANCEL);
      }
  });
  ChooseFromMenu(invoices, L"Accept Payment");
  EXPECT_EQ(shown, L"Payment");
  EXPECT_FALSE(Invoice::Invoice(m_march1).IsPaid());
  EXPECT_TRUE(m_messages.Shown().empty());
}

// The payments that refer to the invoice, oldest first.
std::vector<PaymentRecord> PaymentsOf(int invoiceId) {
  std::vector<PaymentRecord> payments;
  DataAccess::Instance().LoadPaymentsOfInvoice(invoiceId, payments);
  return payments;
}

// A part payment is stored but leaves the invoice unpaid and listed; the
// next payment is offered what remains, and paying it settles the invoice
// on that payment's date.
TEST_F(MainWindowGuiTest, APartPaymentLeavesTheRestOwedAndOffersItNextTime) {
  const int invoice = AddInvoice({L"0005/06", OleDate(2006, 3, 10), 0, false, 30, 75.62});
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);

  auto pay = [&](std::optional<std::wstring> amount) {
    std::wstring offered;
    wxTheApp->CallAfter([&offered, amount] {
      for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<PaymentDlg*>(window); dialog && dialog->IsModal()) {
          auto* edit = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(PaymentDlg::kAmount));
          offered = edit->GetValue().ToStdWstring();
          if (amount) edit->ChangeValue(*amount);
          wxCommandEvent ok(wxEVT_BUTTON, platform::IDOK);
          ok.SetEventObject(dialog->FindWindow(platform::IDOK));
          dialog->FindWindow(platform::IDOK)->ProcessWindowEvent(ok);
        }
    });
    EXPECT_TRUE(invoices->SelectObject(invoice));
    ChooseFromMenu(invoices, L"Accept Payment");
    return offered;
  };

  EXPECT_EQ(pay(L"50.00"), L"75.62");
  EXPECT_TRUE(m_messages.Shown().empty());
  EXPECT_FALSE(Invoice::Invoice(invoice).IsPaid());
  ASSERT_EQ(PaymentsOf(invoice).size(), 1u);
  EXPECT_EQ(PaymentsOf(invoice)[0].amount, 50.0);
  const long row = invoices->FindObjectRow(invoice);
  ASSERT_GE(row, 0);
  EXPECT_EQ(invoices->GetCellText(row, 5), L"Due in 19 days");

  EXPECT_EQ(pay(std::nullopt), L"25.62");
  const Invoice::Invoice settled(invoice);
  EXPECT_TRUE(settled.IsPaid());
  const std::vector<PaymentRecord> payments = PaymentsOf(invoice);
  ASSERT_EQ(payments.size(), 2u);
  EXPECT_EQ(payments[1].amount, 25.62);
  EXPECT_EQ(settled.GetPaidOn(), Invoice::Payment(payments[1].id.GetId()).GetPaidOn());
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(MainWindowGuiTest, TwoSelectedRowsOfferDeleteOnly) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  invoices->SelectAll();
  ASSERT_EQ(invoices->SelectedCount(), 3u);
  std::map<std::wstring, bool> enabled;
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
    for (const wchar_t* label : {L"Delete", L"Properties", L"Paid", L"Not Paid", L"Accept Payment"})
      enabled[label] = menu.IsItemEnabled(menu.GetMenu()->FindItem(label));
    return 0;
  });
  invoices->ShowContextMenu();
  EXPECT_TRUE(enabled[L"Delete"]);
  EXPECT_FALSE(enabled[L"Properties"]);
  EXPECT_FALSE(enabled[L"Paid"] || enabled[L"Not Paid"] || enabled[L"Accept Payment"]);
}

TEST_F(MainWindowGuiTest, DeleteAsksAndRemovesTheInvoices) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowMonth(2006, 3);
  ASSERT_NE(invoices, nullptr);
  ASSERT_TRUE(invoices->SelectObject(m_march2));

  m_messages.QueueAnswer(platform::IDNO);
  invoices->OnDelete();
  EXPECT_EQ(invoices->GetItemCount(), 3u);

  m_messages.QueueAnswer(platform::IDYES);
  invoices->OnDelete();
  Pump(2);
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[1].text, kDeleteQuestion);
  EXPECT_EQ(m_messages.Shown()[1].style,
            platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2);
  EXPECT_EQ(Column(*invoices, 0), (std::vector<std::wstring>{L"0003/06", L"0001/06"}));
  // The year refresh relabelled the month and kept it chosen.
  EXPECT_EQ(Tree()->GetItemText(Tree()->GetSelection()), L"March (2)");
}

}  // namespace

namespace {

int AddGroup(const std::wstring& name, int parentId) {
  TransactionScope scope;
  Invoice::ItemGroup group;
  group.SetName(name);
  group.SetParentId(parentId);
  group.Save();
  scope.Commit();
  return group.GetId();
}

int AddItem(const std::wstring& name, int groupId, double stock, int perPackage) {
  TransactionScope scope;
  Invoice::Item item;
  item.SetName(name);
  item.SetGroupId(groupId);
  item.SetNumInPack(perPackage);
  item.SetQuantityOnStock(stock);
  item.Save();
  scope.Commit();
  return item.GetId();
}

TEST_F(MainWindowGuiTest, GroupsListTheItemsOfTheirWholeSubtree) {
  const int bakery = AddGroup(L"Bakery", 0);
  const int flour = AddGroup(L"Flour", bakery);
  AddGroup(L"Empty", 0);
  AddItem(L"Baguette", bakery, 12, 6);
  AddItem(L"Rye flour", flour, 5, 0);
  AddItem(L"Soap", 0, 1, 1);
  ASSERT_EQ(Start(), Result::Started);
  CLeftView* tree = Tree();
  EXPECT_EQ(ChildTexts(tree, tree->GetInventoryNode()), (std::vector<std::wstring>{L"Bakery", L"Empty"}));

  const wxTreeItemId bakeryNode = tree->FindChild(tree->GetInventoryNode(), bakery);
  tree->Expand(bakeryNode);
  EXPECT_EQ(ChildTexts(tree, bakeryNode), (std::vector<std::wstring>{L"Flour"}));
  tree->SelectItem(bakeryNode);
  Pump(2);
  auto* items = dynamic_cast<CItemsView*>(MainFrame()->GetRightView());
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->GetGroupId(), bakery);
  EXPECT_EQ(Column(*items, 0), (std::vector<std::wstring>{L"Baguette", L"Rye flour"}));
  EXPECT_EQ(Column(*items, 2), (std::vector<std::wstring>{L"2.00", L""}));

  tree->SelectItem(tree->GetInventoryNode());
  Pump(2);
  EXPECT_EQ(items->GetGroupId(), 0);
  EXPECT_EQ(Column(*items, 0), (std::vector<std::wstring>{L"Baguette", L"Rye flour", L"Soap"}));
}

TEST_F(MainWindowGuiTest, AnEmptyGroupIsDeletedFromTheTree) {
  AddGroup(L"Bakery", 0);
  const int empty = AddGroup(L"Empty", 0);
  ASSERT_EQ(Start(), Result::Started);
  CLeftView* tree = Tree();
  tree->SelectItem(tree->GetInventoryNode());
  Pump(2);
  EXPECT_FALSE(tree->IsGroupSelected()) << "the Inventory node itself is no group";
  tree->SelectItem(tree->FindChild(tree->GetInventoryNode(), empty));
  Pump(2);
  ASSERT_TRUE(tree->IsGroupSelected());
  m_messages.QueueAnswer(platform::IDYES);
  tree->DeleteSelectedGroup();
  Pump(2);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, kDeleteQuestion);
  EXPECT_EQ(ChildTexts(tree, tree->GetInventoryNode()), (std::vector<std::wstring>{L"Bakery"}));
}

}  // namespace

namespace {

TEST_F(MainWindowGuiTest, ToolsAndHelpMenusOpenTheirDialogs) {
  ASSERT_EQ(Start(), Result::Started);
  const std::pair<int, const wchar_t*> commands[] = {
      {CMainFrame::ID_MEASUREMENTS, L"Measurements"},
      {CMainFrame::ID_TAXES, L"Taxes"},
      {CMainFrame::ID_DAY_CONDITIONS, L"Payment conditions"},
      {CMainFrame::ID_TEMPLATES, L"Templates"},
      {CMainFrame::ID_PHONE_CODES, L"Phone Codes"},
      {CMainFrame::ID_OPTIONS, L"Settings"},
      {wxID_ABOUT, L"About Corvane"},
  };
  for (const auto& [id, title] : commands) {
    std::wstring shown;
    // Closes the dialog from inside its own modal loop.
    wxTheApp->CallAfter([&shown] {
      for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal()) {
          shown = dialog->GetTitle().ToStdWstring();
          dialog->EndModal(wxID_CANCEL);
        }
    });
    wxCommandEvent command(wxEVT_MENU, id);
    MainFrame()->GetEventHandler()->ProcessEvent(command);
    EXPECT_EQ(shown, title) << id;
    Pump(2);
  }
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(MainWindowGuiTest, CommandsOfFormsStillToComeAreDisabled) {
  ASSERT_EQ(Start(), Result::Started);
  MainFrame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  wxMenuBar* menus = MainFrame()->GetMenuBar();
  for (int id :
       {CMainFrame::ID_NEW_INVOICE, CMainFrame::ID_NEW_INCOME_INVOICE, CMainFrame::ID_NEW_ITEM,
        CMainFrame::ID_NEW_ITEM_GROUP, CMainFrame::ID_NEW_CLIENT, CMainFrame::ID_NEW_INPUT_PRICE_LIST,
        CMainFrame::ID_NEW_OUTPUT_PRICE_LIST, CMainFrame::ID_ITEM_INPUT})
    EXPECT_FALSE(menus->IsEnabled(id)) << id;
  for (int id : std::initializer_list<int>{CMainFrame::ID_MEASUREMENTS, CMainFrame::ID_OPTIONS, wxID_ABOUT})
    EXPECT_TRUE(menus->IsEnabled(id)) << id;
  // Nothing selected in the tree: no Delete or Properties.
  EXPECT_FALSE(menus->IsEnabled(wxID_DELETE));
  EXPECT_FALSE(menus->IsEnabled(wxID_PROPERTIES));
}

// The toolbar's buttons follow the same rules as the menu entries of the
// same commands, whatever is selected and whichever forms can be opened.
TEST_F(MainWindowGuiTest, ToolbarButtonsAreEnabledLikeTheMenus) {
  ASSERT_EQ(Start(), Result::Started);
  wxToolBar* tools = MainFrame()->GetToolBar();
  wxMenuBar* menus = MainFrame()->GetMenuBar();
  ASSERT_NE(tools, nullptr);
  struct Unregister {
    ~Unregister() { CQuennetApp::UnregisterFormTemplate(kInvoiceFormTemplate); }
  } unregister;

  using Id = CMainFrame;
  struct Case {
    const char* state;
    std::function<void()> arrange;
    std::set<int> enabled;  // every other button is disabled
  };
  const Case cases[] = {
      {"nothing selected, no forms", [] {}, {Id::ID_REFRESH}},
      {"the invoice form can be opened",
       [] {
         CQuennetApp::RegisterFormTemplate(
             kInvoiceFormTemplate, [](wxWindow*) -> BaseFrameWnd* { return nullptr; },
             [](BaseFrameWnd*) -> View* { return nullptr; });
       },
       {Id::ID_NEW_INVOICE, Id::ID_NEW_INCOME_INVOICE, Id::ID_REFRESH}},
      {"one invoice selected",
       [this] {
         InvoicesView* invoices = ShowMonth(2006, 3);
         ASSERT_NE(invoices, nullptr);
         ASSERT_TRUE(invoices->SelectObject(m_march2));
         invoices->SetFocus();
       },
       {Id::ID_NEW_INVOICE, Id::ID_NEW_INCOME_INVOICE, wxID_PROPERTIES, wxID_DELETE,
        wxID_PREVIEW, wxID_PRINT, Id::ID_REFRESH}},
      {"three invoices selected",
       [this] {
         auto* invoices = dynamic_cast<InvoicesView*>(MainFrame()->GetRightView());
         ASSERT_NE(invoices, nullptr);
         invoices->SelectAll();
       },
       {Id::ID_NEW_INVOICE, Id::ID_NEW_INCOME_INVOICE, wxID_DELETE, Id::ID_REFRESH}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    c.arrange();
    Pump(2);
    MainFrame()->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    for (size_t i = 0; i < tools->GetToolsCount(); ++i) {
      const wxToolBarToolBase* tool = tools->GetToolByPos(static_cast<int>(i));
      if (tool->IsSeparator()) continue;
      const int id = tool->GetId();
      EXPECT_EQ(tool->IsEnabled(), c.enabled.count(id) == 1) << tool->GetLabel();
      if (menus->FindItem(id)) {
        EXPECT_EQ(tool->IsEnabled(), menus->IsEnabled(id)) << tool->GetLabel();
      }
    }
  }
}

}  // namespace
