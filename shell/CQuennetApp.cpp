#include "shell/CQuennetApp.h"

#include <wx/app.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DatabaseVersion.h"
#include "data/DbException.h"
#include "data/SchemaUpgrade.h"
#include "forms/dialogs/CVersionDlg.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"
#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetDoc.h"
#include "shell/PreviewManager.h"
#include "shell/TemplatePathRelocation.h"
#include "shell/ui/BaseSaveFrame.h"
#include "shell/ui/BaseTabFrame.h"
#include "shell/ui/RefreshMessages.h"

namespace {

CQuennetApp* g_currentApp = nullptr;

struct FormFactories {
  DocTemplate::FrameFactory frame;
  DocTemplate::ViewFactory view;
};

std::map<unsigned, FormFactories>& RegisteredForms() {
  static std::map<unsigned, FormFactories> forms;
  return forms;
}

// The frame of the main window with its navigation tree as its view.
BaseFrameWnd* MakeMainFrame(wxWindow* parent) {
  auto* frame = new CMainFrame;
  if (!frame->LoadFrame(L"Corvane", wxDEFAULT_FRAME_STYLE, parent)) return nullptr;
  return frame;
}

View* MainFrameView(BaseFrameWnd* frame) {
  auto* main = dynamic_cast<CMainFrame*>(frame);
  return main ? main->GetLeftView() : nullptr;
}

void ShowStartupMessage(const std::wstring& text, unsigned style) {
  platform::ShowMessageBox(text, kAppCaption, style);
}

std::wstring Format(const wchar_t* format, const std::wstring& first, const std::wstring& second) {
  std::vector<wchar_t> buffer(first.size() + second.size() + 512);
  std::swprintf(buffer.data(), buffer.size(), format, first.c_str(), second.c_str());
  return buffer.data();
}

// The database that cannot be opened: say which, and offer another.
std::optional<std::wstring> ChooseAnotherDatabase(const std::wstring& path, const std::wstring& error) {
  if (platform::ShowMessageBox(Format(kDatabaseNotOpened, path, error), kAppCaption,
                               platform::MB_YESNO | platform::MB_ICONEXCLAMATION) != platform::IDYES)
    return std::nullopt;
  return platform::AskOpenFile(DatabaseFileRequest());
}

// A settings file with lines that could not be read was copied aside: say so once.
void ReportSetAsideSettings() {
  platform::RegistryStore& store = platform::RegistryStore::User();
  for (const std::filesystem::path& copy : store.TakeSetAsideCopies())
    ShowStartupMessage(Format(kSettingsSetAside, platform::WideFromPath(store.Path()), platform::WideFromPath(copy)),
                       platform::MB_ICONEXCLAMATION);
}

}  // namespace

CQuennetApp* GetCurrentApp() {
  return g_currentApp;
}

CQuennetApp& GetQuennetApp() {
  return *g_currentApp;
}

CQuennetApp::CQuennetApp() {
  g_currentApp = this;
  RefreshMessages::RegisterAll();
  wxEvtHandler::AddFilter(this);
  if (wxTheApp) wxTheApp->Bind(wxEVT_IDLE, &CQuennetApp::OnIdle, this);
}

CQuennetApp::~CQuennetApp() {
  if (wxTheApp) wxTheApp->Unbind(wxEVT_IDLE, &CQuennetApp::OnIdle, this);
  wxEvtHandler::RemoveFilter(this);
  CloseMainWindow();
  SetDatabaseRecovery(nullptr);
  if (g_currentApp == this) g_currentApp = nullptr;
}

void CQuennetApp::RegisterFormTemplate(unsigned resourceId, DocTemplate::FrameFactory frameFactory,
                                       DocTemplate::ViewFactory viewFactory) {
  RegisteredForms()[resourceId] = {std::move(frameFactory), std::move(viewFactory)};
}

void CQuennetApp::UnregisterFormTemplate(unsigned resourceId) {
  RegisteredForms().erase(resourceId);
}

bool CQuennetApp::CanOpenForm(unsigned resourceId) {
  auto found = RegisteredForms().find(resourceId);
  return found != RegisteredForms().end() && found->second.frame && found->second.view;
}

CQuennetApp::StartupResult CQuennetApp::Startup() {
  ReportSetAsideSettings();
  SetDatabaseRecovery(ChooseAnotherDatabase);
  bool versionConfirmed = false;
  try {
    switch (CheckDatabaseVersion()) {
      case kDatabaseVersionOlder:
        if (platform::ShowMessageBox(kUpgradeQuestion, kAppCaption,
                                     platform::MB_YESNO | platform::MB_ICONEXCLAMATION) != platform::IDYES)
          return StartupResult::UpgradeDeclined;
        UpgradeDatabase();
        ShowStartupMessage(kUpgradeDone, platform::MB_ICONINFORMATION);
        versionConfirmed = true;
        break;
      case kDatabaseVersionNewer:
        ShowStartupMessage(kProgramOlder, platform::MB_ICONERROR);
        return StartupResult::DatabaseNewer;
      default:
        versionConfirmed = true;
        break;
    }
    // Rows another tool wrote may hold ids the generator has not reached.
    DataAccess::Instance().CatchUpObjectIdGenerator();
    TemplatePathRelocation::Run();
  } catch (const Invoice::DbException& error) {
    ShowStartupMessage(error.GetText(), platform::MB_ICONERROR);
    // A failed relocation was rolled back and keeps "FS" for the next run.
    if (!versionConfirmed) return StartupResult::DatabaseFailed;
  }

  if (!CreateDocTemplates()) return StartupResult::WindowFailed;

  // What the command line's default does: the new document and the main
  // window from template 128.
  m_document = std::make_unique<CQuennetDoc>();
  BaseFrameWnd* frame = m_templates.at(kMainFrameTemplate)->CreateNewFrame(*m_document);
  if (!frame) return StartupResult::WindowFailed;
  if (!m_document->OnNewDocument()) {
    frame->Destroy();
    return StartupResult::WindowFailed;
  }
  DocTemplate::InitialUpdateFrame(frame);
  m_started = true;
  return StartupResult::Started;
}

bool CQuennetApp::CreateDocTemplates() {
  m_templates.clear();
  m_templates[kMainFrameTemplate] =
      std::make_unique<DocTemplate>(kMainFrameTemplate, MakeMainFrame, MainFrameView);
  for (unsigned id : {kItemFormTemplate, kItemInputTemplate, kInvoiceFormTemplate, kCompanyFormTemplate,
                      kPriceListFormTemplate}) {
    auto registered = RegisteredForms().find(id);
    // A form that is not built yet gets a template that opens nothing.
    FormFactories factories = registered != RegisteredForms().end() ? registered->second : FormFactories{};
    m_templates[id] = std::make_unique<DocTemplate>(id, factories.frame, factories.view);
  }
  return true;
}

const DocTemplate* CQuennetApp::GetDocTemplate(unsigned resourceId) const {
  auto found = m_templates.find(resourceId);
  return found != m_templates.end() ? found->second.get() : nullptr;
}

CMainFrame* CQuennetApp::GetMainFrame() const {
  return static_cast<CMainFrame*>(m_mainFrame.get());
}

void CQuennetApp::SetMainFrame(CMainFrame* frame) {
  m_mainFrame = frame;
}

void CQuennetApp::CloseMainWindow() {
  if (CMainFrame* frame = GetMainFrame()) {
    m_mainFrame = nullptr;
    frame->Destroy();
  }
}

BaseFrameWnd* CQuennetApp::OpenForm(unsigned resourceId, const FormArguments& arguments) {
  const DocTemplate* docTemplate = GetDocTemplate(resourceId);
  if (!docTemplate || !m_document || !CanOpenForm(resourceId)) return nullptr;
  BaseFrameWnd* frame = docTemplate->CreateNewFrame(*m_document);
  if (!frame) return nullptr;
  if (auto* receiver = dynamic_cast<FormArgumentsReceiver*>(frame))
    receiver->SetFormArguments(arguments);
  else if (auto* tabFrame = dynamic_cast<BaseTabFrame*>(frame))
    tabFrame->SetObjectId(arguments.objectId);
  DocTemplate::InitialUpdateFrame(frame);
  return frame;
}

BaseFrameWnd* CQuennetApp::OpenItemForm(int32_t objectId, bool itemGroup, int32_t parentGroupId) {
  FormArguments arguments;
  arguments.objectId = objectId;
  arguments.itemGroup = itemGroup;
  arguments.parentGroupId = parentGroupId;
  return OpenForm(kItemFormTemplate, arguments);
}

BaseFrameWnd* CQuennetApp::OpenItemInputList() {
  return OpenForm(kItemInputTemplate, FormArguments{});
}

BaseFrameWnd* CQuennetApp::OpenInvoiceForm(int32_t invoiceId, int32_t companyId, bool income) {
  FormArguments arguments;
  arguments.objectId = invoiceId;
  arguments.companyId = companyId;
  arguments.income = income;
  return OpenForm(kInvoiceFormTemplate, arguments);
}

BaseFrameWnd* CQuennetApp::OpenCompanyForm(int32_t companyId) {
  FormArguments arguments;
  arguments.objectId = companyId;
  return OpenForm(kCompanyFormTemplate, arguments);
}

BaseFrameWnd* CQuennetApp::OpenPriceListForm(int32_t priceListId) {
  FormArguments arguments;
  arguments.objectId = priceListId;
  return OpenForm(kPriceListFormTemplate, arguments);
}

BaseFrameWnd* CQuennetApp::OpenNewPriceListForm(int32_t direction) {
  FormArguments arguments;
  arguments.direction = direction;
  return OpenForm(kPriceListFormTemplate, arguments);
}

void CQuennetApp::OnAppAbout() {
  CVersionDlg about(nullptr);
  about.DoModal();
}

int CQuennetApp::FilterEvent(wxEvent& event) {
  // Only a library that is loaded already sees the events; this never loads it.
  if (PreviewManagerExists() && GetPreviewManager().IsLoaded()) {
    PreviewMsg message{};
    message.window = wxDynamicCast(event.GetEventObject(), wxWindow);
    message.eventType = static_cast<int32_t>(event.GetEventType());
    CallPreviewPreTranslateMsg(&message);
  }
  return Event_Skip;
}

void CQuennetApp::OnIdle(wxIdleEvent& event) {
  event.Skip();
  if (PreviewManagerExists() && GetPreviewManager().IsLoaded()) CallPreviewProcessDllIdle();
}
