// Start-up of the main program: the version check with its questions and
// messages, the upgrade of an older database, and the main window on a new
// database.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "common/RegistryHelpers.h"
#include "data/Settings.h"
#include "platform/FileDialogs.h"
#include "platform/TextCodec.h"
#include "shell/CQuennetView.h"
#include "shell/FormArguments.h"
#include "shell/ui/BaseTabFrame.h"
#include "tests/shell/ShellFixtures.h"

namespace {

using corvane::test::ShellTest;
using Result = CQuennetApp::StartupResult;

std::wstring StoredVersion() {
  TransactionScope scope;
  Invoice::Settings version(kDatabaseVersionKey, L"0");
  return version.GetValue();
}

void StoreVersion(const std::wstring& text) {
  TransactionScope scope;
  Invoice::Settings version(kDatabaseVersionKey, L"0");
  version.SetValue(text);
  version.Save();
  scope.Commit();
}

class StartupGuiTest : public ShellTest {};

TEST_F(StartupGuiTest, NewDatabaseOpensTheMainWindowWithTheNavigationTree) {
  UseNewDatabase();
  ASSERT_EQ(Start(), Result::Started);
  EXPECT_TRUE(m_messages.Shown().empty());

  CMainFrame* frame = MainFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->IsShown());
  EXPECT_EQ(frame->GetTitle(), L"Corvane");
  EXPECT_EQ(frame->GetFrameName(), L"MainFrameWnd");
  ASSERT_NE(frame->GetSplitter(), nullptr);
  EXPECT_NE(dynamic_cast<CQuennetView*>(frame->GetRightView()), nullptr);
  EXPECT_EQ(m_app->GetDocument()->GetViews().size(), 2u);

  CLeftView* tree = Tree();
  std::vector<std::wstring> roots;
  std::vector<int32_t> integers;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId node = tree->GetFirstChild(tree->GetRootItem(), cookie); node.IsOk();
       node = tree->GetNextChild(tree->GetRootItem(), cookie)) {
    roots.push_back(tree->GetItemText(node).ToStdWstring());
    integers.push_back(tree->GetNodeInteger(node));
  }
  EXPECT_EQ(roots, (std::vector<std::wstring>{L"Inventory", L"Invoices", L"Clients", L"Price Lists",
                                              L"Finance Info"}));
  EXPECT_EQ(integers, (std::vector<int32_t>{-1, -2, -3, -4, -5}));

  // All six templates are there; the forms of later work open nothing yet.
  for (unsigned id : {kMainFrameTemplate, kItemFormTemplate, kItemInputTemplate, kInvoiceFormTemplate,
                      kCompanyFormTemplate, kPriceListFormTemplate})
    EXPECT_NE(m_app->GetDocTemplate(id), nullptr) << id;
  EXPECT_EQ(m_app->OpenInvoiceForm(0, 0, false), nullptr);
}

// Rows written by another tool with ids above the generator: start-up (and
// the upgrade of an older file) moves the generator past them, so that the
// next object takes the id after the largest.
TEST_F(StartupGuiTest, IdsAboveTheGeneratorAreNeverHandedOutAgain) {
  for (const wchar_t* version : {L"", L"1.205"}) {
    SCOPED_TRACE(platform::ToUtf8(version));
    if (*version == 0) {
      UseNewDatabase();
    } else {
      UseLegacyDatabase(version);
      m_messages.QueueAnswer(platform::IDYES);
    }
    {
      TransactionScope scope;
      ExecuteSql(L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (7000)");
      scope.Commit();
    }
    ASSERT_EQ(Start(), Result::Started);
    EXPECT_EQ(corvane::test::AddCompany(L"After the import"), 7001);
    EXPECT_EQ(corvane::test::AddCompany(L"And another"), 7002);
    TearDown();
    std::filesystem::remove(m_path);
  }
}

TEST_F(StartupGuiTest, OlderDatabaseIsUpgradedAfterYes) {
  UseLegacyDatabase(L"1.205");
  m_messages.QueueAnswer(platform::IDYES);
  ASSERT_EQ(Start(), Result::Started);

  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[0].text, kUpgradeQuestion);
  EXPECT_EQ(m_messages.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
  EXPECT_EQ(m_messages.Shown()[1].text, kUpgradeDone);
  EXPECT_EQ(m_messages.Shown()[1].style, platform::MB_ICONINFORMATION);
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_NE(MainFrame(), nullptr);
}

TEST_F(StartupGuiTest, AnsweringNoLeavesTheOlderDatabaseAndEnds) {
  UseLegacyDatabase(L"1.205");
  m_messages.QueueAnswer(platform::IDNO);
  EXPECT_EQ(Start(), Result::UpgradeDeclined);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(StoredVersion(), L"1.205");
  EXPECT_EQ(MainFrame(), nullptr);
}

TEST_F(StartupGuiTest, NewerOrMissingVersionEndsWithTheMessage) {
  UseNewDatabase();
  for (const wchar_t* version : {L"1.3", L"0"}) {
    SCOPED_TRACE(testing::Message() << platform::ToUtf8(version));
    StoreVersion(version);
    EXPECT_EQ(Start(), Result::DatabaseNewer);
    ASSERT_FALSE(m_messages.Shown().empty());
    EXPECT_EQ(m_messages.Shown().back().text, kProgramOlder);
    EXPECT_EQ(m_messages.Shown().back().style, platform::MB_ICONERROR);
    EXPECT_EQ(MainFrame(), nullptr);
  }
}

TEST_F(StartupGuiTest, DatabaseThatCannotBeOpenedShowsTheFailureAndEnds) {
  DisconnectDatabase();
  const std::wstring missing = (m_dir / "missing.fdb").wstring();
  RegWriteString(kSettingsKey, L"DatabaseFile", missing);
  EXPECT_EQ(Start(), Result::DatabaseFailed);  // No to choosing another
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  EXPECT_EQ(m_messages.Shown()[0].text.find(L"The database \"" + missing + L"\" cannot be opened:\n"), 0u)
      << m_messages.Shown()[0].text;
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
  EXPECT_EQ(m_messages.Shown()[1].style, platform::MB_ICONERROR);
  EXPECT_FALSE(m_messages.Shown()[1].text.empty());
  EXPECT_EQ(MainFrame(), nullptr);
  platform::RegistryStore::User().DeleteValue(kSettingsKey, L"DatabaseFile");
}

TEST_F(StartupGuiTest, ADatabaseThatCannotBeOpenedCanBeReplacedByAnotherFile) {
  corvane::test::MakeSchemaDatabase(m_path);
  DisconnectDatabase();
  RegWriteString(kSettingsKey, L"DatabaseFile", (m_dir / "missing.fdb").wstring());
  std::vector<platform::OpenFileRequest> asked;
  platform::SetOpenFileHandler([&](const platform::OpenFileRequest& request) {
    asked.push_back(request);
    return std::optional<std::wstring>(platform::FromUtf8(m_path));
  });
  m_messages.QueueAnswer(platform::IDYES);
  EXPECT_EQ(Start(), Result::Started);
  platform::SetOpenFileHandler(nullptr);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].filter.find(L"*.fdb"), std::wstring::npos);
  EXPECT_NE(asked[0].filter.find(L"*.gdb"), std::wstring::npos);
  EXPECT_EQ(RegReadString(kSettingsKey, L"DatabaseFile"), platform::FromUtf8(m_path));
  EXPECT_NE(MainFrame(), nullptr);
  platform::RegistryStore::User().DeleteValue(kSettingsKey, L"DatabaseFile");
}

TEST_F(StartupGuiTest, ASettingsFileWithABadLineIsReadAndItsCopyNamedOnce) {
  UseNewDatabase();
  RegWriteDword(kSettingsKey, L"SplitterWidth", 180);
  const std::filesystem::path store = platform::RegistryStore::User().Path();
  std::ofstream(store, std::ios::app | std::ios::binary) << "dword\tBroken\tnot a number\n";
  EXPECT_EQ(Start(), Result::Started);
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  const std::wstring& text = m_messages.Shown()[0].text;
  EXPECT_NE(text.find(L"\"" + store.wstring() + L"\""), std::wstring::npos) << text;
  EXPECT_NE(text.find(L".damaged-"), std::wstring::npos) << text;
  uint32_t width = 0;
  EXPECT_EQ(RegReadDword(kSettingsKey, L"SplitterWidth", &width), kRegSuccess);
  EXPECT_EQ(width, 180u);  // the good lines are kept
  m_app.reset();
  corvane::test::Pump();
  EXPECT_EQ(Start(), Result::Started);
  EXPECT_EQ(m_messages.Shown().size(), 1u);  // said once
}

TEST_F(StartupGuiTest, FailedTemplateRelocationIsShownAndStartUpGoesOn) {
  UseNewDatabase();
  RegWriteDword(kSettingsKey, L"FS", 1);
  RegWriteString(kSettingsKey, L"InstallPath", L"/opt/corvane");
  {
    corvane::test::FailingOperation failing(ibase::ibOperation::Commit);
    // Only the relocation commits during this start-up: the version is current.
    EXPECT_EQ(Start(), Result::Started);
  }
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONERROR);
  EXPECT_TRUE(IsFsFlagSet());
  EXPECT_NE(MainFrame(), nullptr);
}

TEST_F(StartupGuiTest, ARegisteredFormOpensWithItsValues) {
  UseNewDatabase();
  struct Opened {
    FormArguments arguments;
    bool updated = false;
  };
  static Opened opened;
  class TestFrame : public BaseTabFrame, public FormArgumentsReceiver {
  public:
    TestFrame() { m_frameName = L"TestFormFrame"; }
    void LoadEditedObject() override {}
    void SetFormArguments(const FormArguments& arguments) override { opened.arguments = arguments; }
  };
  class TestView : public wxWindow, public View {
  public:
    explicit TestView(wxWindow* parent) : wxWindow(parent, wxID_ANY) {}
    wxWindow* GetViewWindow() override { return this; }
    void OnInitialUpdate() override { opened.updated = true; }
  };
  CQuennetApp::RegisterFormTemplate(
      kInvoiceFormTemplate,
      [](wxWindow* parent) -> BaseFrameWnd* {
        auto* frame = new TestFrame;
        if (!frame->LoadFrame(L"Invoice", wxDEFAULT_FRAME_STYLE, parent)) return nullptr;
        return frame;
      },
      [](BaseFrameWnd* frame) -> View* { return new TestView(frame); });
  ASSERT_EQ(Start(), Result::Started);

  BaseFrameWnd* frame = m_app->OpenInvoiceForm(0, 12, true);
  CQuennetApp::UnregisterFormTemplate(kInvoiceFormTemplate);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->IsShown());
  EXPECT_TRUE(opened.updated);
  FormArguments expected;
  expected.companyId = 12;
  expected.income = true;
  EXPECT_EQ(opened.arguments, expected);
  // The form's view sits on the one shared document.
  EXPECT_EQ(frame->GetActiveView()->GetDocument(), m_app->GetDocument());
  frame->Destroy();
  corvane::test::Pump();
}

}  // namespace
