// Printing and previewing an invoice from the invoice list through the real
// preview library: into a PDF with CORVANE_PRINT_TO_FILE, with the invoice's
// own, the default or a chosen template, and without any.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/menu.h>
#include <wx/toplevel.h>

#include "common/RegistryHelpers.h"
#include "data/Settings.h"
#include "data/objects/Template.h"
#include "shell/InvoicesView.h"
#include "shell/PreviewManager.h"
#include "tests/preview_lib/PreviewLibFixtures.h"
#include "tests/shell/ShellFixtures.h"

namespace {

using corvane::test::AddCompany;
using corvane::test::AddInvoice;
using corvane::test::OleDate;
using corvane::test::PdfText;
using corvane::test::PrintToFile;
using corvane::test::Pump;
using Result = CQuennetApp::StartupResult;

class InvoicePrintGuiTest : public corvane::test::ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseNewDatabase();
    RegWriteString(kSettingsKey, L"InstallPath", platform::FromUtf8(CORVANE_PREVIEW_DIR));
    const std::filesystem::path templatePath = m_dir / "invoice.zlt";
    corvane::test::SaveInvoiceTemplate(templatePath);
    m_templateId = StoreTemplate(L"Standard", templatePath.wstring());
    const int client = AddCompany(L"Mountain Bakery");
    m_withTemplate = AddInvoice({L"0017/06", OleDate(2006, 3, 2), client, false, 30, 250.0, m_templateId});
    m_withoutTemplate = AddInvoice({L"0018/06", OleDate(2006, 3, 3), client, false, 30, 99.0, 0});
  }

  static int StoreTemplate(const std::wstring& name, const std::wstring& path) {
    TransactionScope scope;
    Invoice::Template stored;
    stored.SetName(name);
    stored.SetFileName(path);
    stored.Save();
    scope.Commit();
    return stored.GetId();
  }

  InvoicesView* ShowInvoices() {
    Tree()->SelectItem(Tree()->GetInvoicesNode());
    Pump(2);
    return dynamic_cast<InvoicesView*>(MainFrame()->GetRightView());
  }

  std::filesystem::path PrintOf(InvoicesView* view, int invoiceId, const std::function<void()>& print) {
    const std::filesystem::path pdf = m_dir / ("invoice-" + std::to_string(invoiceId) + ".pdf");
    PrintToFile destination(pdf);
    EXPECT_TRUE(view->SelectObject(invoiceId));
    print();
    Pump();
    return pdf;
  }

  int m_templateId = 0;
  int m_withTemplate = 0;
  int m_withoutTemplate = 0;
};

// First, before any test loads the library into this process.
TEST_F(InvoicePrintGuiTest, AMissingLibraryCancelsOnlyTheCommand) {
  DeletePreviewManager();
  RegWriteString(kSettingsKey, L"InstallPath", (m_dir / "nowhere").wstring());
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);
  const std::filesystem::path pdf = PrintOf(invoices, m_withTemplate, [&] { invoices->Print(); });
  EXPECT_FALSE(std::filesystem::exists(pdf));
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text,
            L"Required file " + (m_dir / "nowhere" / "libCorvanPreview.so").wstring() + L" was not found!");
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
  // The program goes on: the window is there and the list still works.
  EXPECT_NE(MainFrame(), nullptr);
  EXPECT_EQ(invoices->GetItemCount(), 2u);
  EXPECT_FALSE(GetPreviewManager().IsLoaded());
}

TEST_F(InvoicePrintGuiTest, PrintWritesTheInvoiceIntoThePdf) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);
  const std::filesystem::path pdf = PrintOf(invoices, m_withTemplate, [&] { invoices->Print(); });
  ASSERT_TRUE(std::filesystem::exists(pdf));
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("0017/06"), std::string::npos) << text;
  EXPECT_NE(text.find("Mountain Bakery"), std::string::npos) << text;
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(InvoicePrintGuiTest, WithoutItsOwnTemplateTheDefaultOneIsUsed) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);

  // Neither the invoice's nor a default template: the message, nothing printed.
  std::filesystem::path pdf = PrintOf(invoices, m_withoutTemplate, [&] { invoices->Print(); });
  EXPECT_FALSE(std::filesystem::exists(pdf));
  ASSERT_EQ(m_messages.Shown().size(), 1u);
  EXPECT_EQ(m_messages.Shown()[0].text, kNoTemplateMessage);
  EXPECT_EQ(m_messages.Shown()[0].style, platform::MB_ICONINFORMATION);

  {
    TransactionScope scope;
    SetDefaultTemplate(m_templateId);
    scope.Commit();
  }
  pdf = PrintOf(invoices, m_withoutTemplate, [&] { invoices->Print(); });
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_NE(PdfText(pdf).find("0018/06"), std::string::npos);
}

TEST_F(InvoicePrintGuiTest, PrintUsingAChosenTemplateFromTheContextMenu) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);
  ASSERT_EQ(invoices->GetPrintTemplates().size(), 1u);
  ASSERT_EQ(invoices->GetPreviewTemplates().size(), 1u);
  const unsigned printStandard = invoices->GetPrintTemplates().begin()->first;
  const std::filesystem::path pdf = PrintOf(invoices, m_withoutTemplate, [&] {
    popup_menu::SetTrackHandler(
        [&](const popup_menu&, wxWindow*, bool) { return static_cast<int>(printStandard); });
    invoices->ShowContextMenu();
    popup_menu::SetTrackHandler(nullptr);
  });
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_NE(PdfText(pdf).find("0018/06"), std::string::npos);
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(InvoicePrintGuiTest, ATemplateAddedWhileTheListIsOpenIsOfferedByItsNextContextMenu) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);
  const std::filesystem::path laterPath = m_dir / "later.zlt";
  corvane::test::SaveInvoiceTemplate(laterPath);
  StoreTemplate(L"Added later", laterPath.wstring());
  std::vector<std::wstring> printEntries;
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
    const int printUsing = menu.GetMenu()->FindItem(L"Print using ...");
    const wxMenuItem* item = printUsing == wxNOT_FOUND ? nullptr : menu.GetMenu()->FindItem(printUsing);
    if (item && item->GetSubMenu())
      for (const wxMenuItem* entry : item->GetSubMenu()->GetMenuItems())
        printEntries.push_back(entry->GetItemLabelText().ToStdWstring());
    return 0;
  });
  invoices->ShowContextMenu();
  popup_menu::SetTrackHandler(nullptr);
  EXPECT_EQ(printEntries, (std::vector<std::wstring>{L"Added later", L"Standard"}));
  ASSERT_EQ(invoices->GetPrintTemplates().size(), 2u);
  EXPECT_EQ(invoices->GetPreviewTemplates().size(), 2u);
  // The entry prints with the template it names.
  unsigned printLater = 0;
  for (const auto& [command, path] : invoices->GetPrintTemplates())
    if (path == laterPath.wstring()) printLater = command;
  const std::filesystem::path pdf = PrintOf(invoices, m_withoutTemplate, [&] {
    popup_menu::SetTrackHandler([&](const popup_menu&, wxWindow*, bool) { return static_cast<int>(printLater); });
    invoices->ShowContextMenu();
    popup_menu::SetTrackHandler(nullptr);
  });
  EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST_F(InvoicePrintGuiTest, PreviewOpensTheLibrarysFrameWithTheTitle) {
  ASSERT_EQ(Start(), Result::Started);
  InvoicesView* invoices = ShowInvoices();
  ASSERT_NE(invoices, nullptr);
  ASSERT_TRUE(invoices->SelectObject(m_withTemplate));
  invoices->Preview();
  Pump();
  wxTopLevelWindow* preview = nullptr;
  for (wxWindow* window : wxTopLevelWindows)
    if (window->GetLabel() == L"Outcome Invoice 0017/06 - Preview")
      preview = dynamic_cast<wxTopLevelWindow*>(window);
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->IsShown());
  preview->Close(true);
  Pump();
}

}  // namespace
