#include "shell/CMainFrame.h"

#include <algorithm>

#include <wx/artprov.h>
#include <wx/gdicmn.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "common/RegistryHelpers.h"
#include "forms/dialogs/OptionsDlg.h"
#include "forms/dialogs/RefDataDlg.h"
#include "platform/KeyLocks.h"
#include "platform/WindowMessages.h"
#include "shell/CItemsView.h"
#include "shell/CLeftView.h"
#include "shell/CQuennetApp.h"
#include "shell/CQuennetView.h"
#include "shell/CommandRules.h"
#include "shell/CompaniesView.h"
#include "shell/FinancesView.h"
#include "shell/InvoicesView.h"
#include "shell/PriceGroupsView.h"
#include "common/ui/Document.h"
#include "shell/ui/InstallSettings.h"
#include "shell/ui/RefreshMessages.h"

using navigation::kDefaultTreeWidth;
using navigation::kMinimumPaneWidth;
using navigation::NavigationRules;
using navigation::PaneView;

namespace {

// Reference-data list kinds of the Tools menu.
constexpr int kMeasurementsList = 0;
constexpr int kTaxesList = 1;
constexpr int kDayConditionsList = 3;
constexpr int kTemplatesList = 4;
constexpr int kPhoneCodesList = 5;


template <class ListView>
View* MakeListView(wxWindow* parent) {
  return new ListView(parent);
}

View* CreatePaneView(PaneView kind, wxWindow* parent) {
  switch (kind) {
    case PaneView::Items:
      return MakeListView<CItemsView>(parent);
    case PaneView::Invoices:
      return MakeListView<InvoicesView>(parent);
    case PaneView::Companies:
      return MakeListView<CompaniesView>(parent);
    case PaneView::PriceGroups:
      return MakeListView<PriceGroupsView>(parent);
    case PaneView::Finances:
      return MakeListView<FinancesView>(parent);
    case PaneView::Start:
      break;
  }
  return MakeListView<CQuennetView>(parent);
}

// The command each form-opening id stands for in the enabling rules.
struct FormCommand {
  int id;
  MainCommand command;
};
constexpr FormCommand kFormCommands[] = {
    {CMainFrame::ID_NEW_INVOICE, MainCommand::NewInvoice},
    {CMainFrame::ID_NEW_INCOME_INVOICE, MainCommand::NewIncomeInvoice},
    {CMainFrame::ID_NEW_ITEM, MainCommand::NewItem},
    {CMainFrame::ID_NEW_ITEM_GROUP, MainCommand::NewItemGroup},
    {CMainFrame::ID_NEW_CLIENT, MainCommand::NewClient},
    {CMainFrame::ID_NEW_INPUT_PRICE_LIST, MainCommand::NewInputPriceList},
    {CMainFrame::ID_NEW_OUTPUT_PRICE_LIST, MainCommand::NewOutputPriceList},
    {CMainFrame::ID_ITEM_INPUT, MainCommand::ItemInput},
    {CMainFrame::ID_MEASUREMENTS, MainCommand::ReferenceData},
    {CMainFrame::ID_TAXES, MainCommand::ReferenceData},
    {CMainFrame::ID_DAY_CONDITIONS, MainCommand::ReferenceData},
    {CMainFrame::ID_TEMPLATES, MainCommand::ReferenceData},
    {CMainFrame::ID_PHONE_CODES, MainCommand::ReferenceData},
    {CMainFrame::ID_OPTIONS, MainCommand::Options},
    {wxID_ABOUT, MainCommand::About},
};

wxBitmap ToolBitmap(const wxArtID& id) {
  return wxArtProvider::GetBitmap(id, wxART_TOOLBAR, wxSize(16, 16));
}

}  // namespace

CMainFrame::CMainFrame() : m_keyTimer(this) {
  m_frameName = L"MainFrameWnd";
}

CMainFrame::~CMainFrame() {
  m_keyTimer.Stop();
}

int CMainFrame::OnCreate() {
  CreateMenus();
  CreateBars();
  if (CQuennetApp* app = GetCurrentApp()) app->SetMainFrame(this);
  SetTitle(L"Corvane");
  SetSize(wxSize(900, 600));
  if (!CreateClient()) return -1;
  BindCommands();
  return 0;
}

void CMainFrame::CreateMenus() {
  auto* newMenu = new wxMenu;
  newMenu->Append(ID_NEW_INVOICE, L"Invoice");
  newMenu->Append(ID_NEW_INCOME_INVOICE, L"Incoming Invoice");
  newMenu->Append(ID_NEW_ITEM, L"&Item");
  newMenu->Append(ID_NEW_ITEM_GROUP, L"Item &Group");
  newMenu->Append(ID_NEW_CLIENT, L"Client");
  newMenu->Append(ID_NEW_INPUT_PRICE_LIST, L"Input Price List");
  newMenu->Append(ID_NEW_OUTPUT_PRICE_LIST, L"Output Price List");
  auto* file = new wxMenu;
  file->AppendSubMenu(newMenu, L"New");
  file->AppendSeparator();
  file->Append(wxID_DELETE, L"&Delete");
  file->Append(wxID_PROPERTIES, L"&Properties ...");
  file->AppendSeparator();
  file->Append(wxID_EXIT, L"E&xit");

  auto* view = new wxMenu;
  view->Append(ID_ITEM_INPUT, L"Item Input");
  view->AppendSeparator();
  view->AppendCheckItem(ID_VIEW_STATUS_BAR, L"&Status Bar");
  view->AppendCheckItem(ID_VIEW_TOOLBAR, L"&Toolbar");

  auto* referenceData = new wxMenu;
  referenceData->Append(ID_MEASUREMENTS, L"Measurements");
  referenceData->Append(ID_TAXES, L"Taxes");
  referenceData->Append(ID_DAY_CONDITIONS, L"Day Conditions");
  referenceData->Append(ID_TEMPLATES, L"Templates");
  referenceData->Append(ID_PHONE_CODES, L"Phone Codes");
  auto* tools = new wxMenu;
  tools->AppendSubMenu(referenceData, L"Referential Data");
  tools->AppendSeparator();
  tools->Append(ID_OPTIONS, L"Options ...");

  auto* help = new wxMenu;
  help->Append(wxID_ABOUT, L"&About Corvane...");

  auto* bar = new wxMenuBar;
  bar->Append(file, L"&File");
  bar->Append(view, L"&View");
  bar->Append(tools, L"Tools");
  bar->Append(help, L"&Help");
  SetMenuBar(bar);

  wxAcceleratorEntry save(wxACCEL_CTRL, 'S', wxID_SAVE);
  SetAcceleratorTable(wxAcceleratorTable(1, &save));
}

void CMainFrame::CreateBars() {
  wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
  tools->SetToolBitmapSize(wxSize(16, 16));
  auto add = [tools](int id, const wchar_t* label, const wxArtID& art) {
    tools->AddTool(id, label, ToolBitmap(art), label);
  };
  add(ID_NEW_INVOICE, L"Invoice", wxART_NEW);
  add(ID_NEW_INCOME_INVOICE, L"Incoming Invoice", wxART_FILE_OPEN);
  add(ID_NEW_ITEM, L"Item", wxART_NORMAL_FILE);
  add(ID_NEW_ITEM_GROUP, L"Item Group", wxART_FOLDER);
  add(ID_NEW_CLIENT, L"Client", wxART_HELP_SIDE_PANEL);
  add(ID_NEW_INPUT_PRICE_LIST, L"Input Price List", wxART_GO_BACK);
  add(ID_NEW_OUTPUT_PRICE_LIST, L"Output Price List", wxART_GO_FORWARD);
  tools->AddSeparator();
  add(ID_ITEM_INPUT, L"Item Input", wxART_LIST_VIEW);
  tools->AddSeparator();
  add(wxID_PROPERTIES, L"Properties", wxART_REPORT_VIEW);
  add(wxID_DELETE, L"Delete", wxART_DELETE);
  tools->AddSeparator();
  add(wxID_PREVIEW, L"Preview", wxART_FIND);
  add(wxID_PRINT, L"Print", wxART_PRINT);
  tools->AddSeparator();
  add(ID_REFRESH, L"Refresh", wxART_REDO);
  tools->Realize();

  // Message, caps lock, num lock, scroll lock: the indicator panes as wide
  // as their longest text, whatever the font.
  wxStatusBar* status = CreateStatusBar(4);
  const int pane = std::max(50, platform::KeyLockPaneWidth(*status));
  const int widths[] = {-1, pane, pane, pane};
  status->SetStatusWidths(4, widths);
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { UpdateKeyIndicators(); });
  m_keyTimer.Start(500);
}

void CMainFrame::UpdateKeyIndicators() {
  platform::ShowKeyLocks(GetStatusBar(), 1);
}

bool CMainFrame::CreateClient() {
  // The tree and the list side by side, always: a window with the tree alone
  // would lose it to the first list chosen, with nothing to bring it back.
  m_splitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxSP_3D | wxSP_LIVE_UPDATE | wxCLIP_CHILDREN);
  m_splitter->SetMinimumPaneSize(kMinimumPaneWidth);
  m_splitter->SetSashGravity(0.0);
  m_leftView = new CLeftView(m_splitter);
  // Without a stored width the tree starts wide enough for its roots' names.
  const int width = NavigationRules::TreeWidth(RegReadNumber(kSettingsKey, kSplitterPresentValue),
                                               RegReadNumber(kSettingsKey, kSplitterWidthValue),
                                               wxGetDisplaySize().GetWidth(),
                                               std::max(kDefaultTreeWidth, m_leftView->RootNamesWidth()));
  auto* start = new CQuennetView(m_splitter);
  m_rightView = start;
  m_splitter->SplitVertically(m_leftView, start, width);
  AddFrameView(start);
  return true;
}

void CMainFrame::SetDocument(Document* document) {
  m_document = document;
  if (!document) return;
  // The tree joined it through the template; the start view joins here.
  for (View* view : GetFrameViews()) document->AddView(view);
}

bool CMainFrame::ReplaceView(PaneView kind) {
  if (!m_splitter) return false;
  wxWindow* old = m_splitter->GetWindow2();
  View* oldView = m_rightView;
  View* view = CreatePaneView(kind, m_splitter);
  if (!view) return false;
  if (m_document) m_document->AddView(view);
  AddFrameView(view);
  if (old)
    m_splitter->ReplaceWindow(old, view->GetViewWindow());
  else
    m_splitter->SplitVertically(m_leftView, view->GetViewWindow(), m_splitter->GetSashPosition());
  m_rightView = view;
  if (oldView) {
    RemoveFrameView(oldView);
    if (m_document) m_document->RemoveView(oldView);
  }
  if (old) old->Destroy();
  m_splitter->UpdateSize();
  view->OnInitialUpdate();
  return true;
}

bool CMainFrame::QueryClose() {
  return QueryCloseModifiedFrames(this) && BaseSaveFrame::QueryClose();
}

bool CMainFrame::Destroy() {
  if (!m_destroying) {
    m_destroying = true;
    m_keyTimer.Stop();
    RegWriteDword(kSettingsKey, kSplitterPresentValue, 0);
    if (m_splitter && m_splitter->IsSplit()) {
      RegWriteDword(kSettingsKey, kSplitterPresentValue, 1);
      RegWriteDword(kSettingsKey, kSplitterWidthValue, static_cast<uint32_t>(m_splitter->GetSashPosition()));
    }
  }
  return BaseSaveFrame::Destroy();
}

void CMainFrame::BroadcastRefresh() {
  const unsigned messages[] = {
      RefreshMessages::Year(),        RefreshMessages::Invoices(),   RefreshMessages::PriceList(),
      RefreshMessages::Item(),        RefreshMessages::Company(),    RefreshMessages::ItemGroups(),
      RefreshMessages::ContactList(), RefreshMessages::ItemsInput(), RefreshMessages::ItemsOutput()};
  for (unsigned message : messages) platform::SendToThreadWindows(message, 0, 0);
}

void CMainFrame::RunReferenceDialog(int listKind) {
  RefDataDlg dialog(listKind, this);
  dialog.DoModal();
}

void CMainFrame::RunOptionsDialog() {
  OptionsDlg dialog(this);
  dialog.DoModal();
}

void CMainFrame::BindCommands() {
  // Which view is active: the one that holds the focus, or held it last.
  Bind(wxEVT_CHILD_FOCUS, [this](wxChildFocusEvent& event) {
    for (wxWindow* window = event.GetWindow(); window && window != this; window = window->GetParent())
      for (View* view : GetFrameViews())
        if (view->GetViewWindow() == window) {
          SetActiveView(view);
          event.Skip();
          return;
        }
    event.Skip();
  });

  // A command's prompt (the help text its menu entry or tool put in the
  // status bar) goes once the command has run, modal dialogs included; the
  // commands that reach the active view pass here first.
  auto clearPrompt = [this] {
    if (wxStatusBar* bar = GetStatusBar()) bar->SetStatusText(wxEmptyString, 0);
  };
  Bind(wxEVT_MENU, [this, clearPrompt](wxCommandEvent& event) {
    event.Skip();
    CallAfter(clearPrompt);
  });
  auto on = [this, clearPrompt](int id, auto action) {
    Bind(
        wxEVT_MENU,
        [action, clearPrompt](wxCommandEvent&) {
          action();
          clearPrompt();
        },
        id);
  };
  on(ID_NEW_INVOICE, [] { GetQuennetApp().OpenInvoiceForm(0, 0, false); });
  on(ID_NEW_INCOME_INVOICE, [] { GetQuennetApp().OpenInvoiceForm(0, 0, true); });
  on(ID_NEW_ITEM, [] { GetQuennetApp().OpenItemForm(0, false, 0); });
  on(ID_NEW_ITEM_GROUP, [] { GetQuennetApp().OpenItemForm(0, true, 0); });
  on(ID_NEW_CLIENT, [] { GetQuennetApp().OpenCompanyForm(0); });
  on(ID_NEW_INPUT_PRICE_LIST, [] { GetQuennetApp().OpenNewPriceListForm(1); });
  on(ID_NEW_OUTPUT_PRICE_LIST, [] { GetQuennetApp().OpenNewPriceListForm(2); });
  on(ID_ITEM_INPUT, [] { GetQuennetApp().OpenItemInputList(); });
  on(ID_MEASUREMENTS, [this] { RunReferenceDialog(kMeasurementsList); });
  on(ID_TAXES, [this] { RunReferenceDialog(kTaxesList); });
  on(ID_DAY_CONDITIONS, [this] { RunReferenceDialog(kDayConditionsList); });
  on(ID_TEMPLATES, [this] { RunReferenceDialog(kTemplatesList); });
  on(ID_PHONE_CODES, [this] { RunReferenceDialog(kPhoneCodesList); });
  on(ID_OPTIONS, [this] { RunOptionsDialog(); });
  on(ID_REFRESH, [] { BroadcastRefresh(); });
  on(wxID_ABOUT, [] { GetQuennetApp().OnAppAbout(); });
  on(wxID_EXIT, [this] { Close(); });
  on(ID_VIEW_TOOLBAR, [this] {
    if (wxToolBar* bar = GetToolBar()) bar->Show(!bar->IsShown());
    SendSizeEvent();
  });
  on(ID_VIEW_STATUS_BAR, [this] {
    if (wxStatusBar* bar = GetStatusBar()) bar->Show(!bar->IsShown());
    SendSizeEvent();
  });

  for (const FormCommand& form : kFormCommands)
    Bind(
        wxEVT_UPDATE_UI,
        [command = form.command](wxUpdateUIEvent& event) {
          event.Enable(CommandRules::MainCommandEnabled(command, FormAvailability::Current()));
        },
        form.id);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) { event.Check(GetToolBar() && GetToolBar()->IsShown()); },
      ID_VIEW_TOOLBAR);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) { event.Check(GetStatusBar() && GetStatusBar()->IsShown()); },
      ID_VIEW_STATUS_BAR);
  // The active view enables these when it has them; otherwise they are off.
  for (int id : {wxID_DELETE, wxID_PROPERTIES, wxID_PREVIEW, wxID_PRINT, wxID_SAVE})
    Bind(
        wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, id);
}
