// The main program's manager of the preview library, against the real
// libCorvanPreview.so of this build (CORVANE_PREVIEW_DIR) and against
// folders where it is not.
#include "shell/PreviewManager.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestEnvironment.h"
#include "common/RegistryHelpers.h"
#include "platform/MessageBox.h"
#include "platform/RegistryStore.h"
#include "tests/preview_lib/PreviewLibFixtures.h"

namespace {

void SetInstallPath(const std::wstring& folder) {
  RegWriteString(PreviewManager::kSettingsKey, PreviewManager::kInstallPathValue, folder);
}

class PreviewManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::RegistryStore::User().DeleteValue(PreviewManager::kSettingsKey,
                                                PreviewManager::kInstallPathValue);
    corvane::test::SaveInvoiceTemplate(m_template);
  }
  void TearDown() override { DeletePreviewManager(); }

  corvane::test::TempDir m_dir;
  std::filesystem::path m_template = m_dir / "invoice.zlt";
  platform::MessageBoxRecorder m_boxes;
};

TEST(PreviewManagerPath, IsTheInstallFolderAndTheLibraryFileName) {
  struct Case {
    std::optional<std::wstring> installPath;
    std::string path;
  };
  const Case cases[] = {
      {L"/opt/corvane", "/opt/corvane/libCorvanPreview.so"},
      {L"/opt/corvane/", "/opt/corvane/libCorvanPreview.so"},
      {L"/", "/libCorvanPreview.so"},
      {L"/home/ana/Програми",
       "/home/ana/\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xB8/libCorvanPreview.so"},
      {std::nullopt, "libCorvanPreview.so"},  // found through the library search path
      {L"", "libCorvanPreview.so"},           // an empty folder counts as none
  };
  for (const Case& test : cases) {
    EXPECT_EQ(PreviewManager::DllPathFor(test.installPath), test.path);
  }
}

TEST_F(PreviewManagerTest, ReadsTheInstallFolderFromTheSettings) {
  EXPECT_EQ(GetPreviewManager().GetDllPath(), "libCorvanPreview.so");
  SetInstallPath(L"/usr/lib/corvane");
  EXPECT_EQ(GetPreviewManager().GetDllPath(), "/usr/lib/corvane/libCorvanPreview.so");
}

TEST_F(PreviewManagerTest, AMissingLibraryIsReportedOnEveryCommandAndTheProgramGoesOn) {
  const std::filesystem::path folder = m_dir / "not-installed";
  SetInstallPath(folder.wstring());
  const FieldMap data = corvane::test::InvoiceData();
  EXPECT_FALSE(CallPrintInvoice(L"Invoice", m_template.wstring(), data));
  EXPECT_FALSE(CallShowInvoicePreview(L"Invoice", m_template.wstring(), data));
  ASSERT_EQ(m_boxes.Shown().size(), 2u) << "each command that cannot run says why";
  for (const platform::ShownMessage& shown : m_boxes.Shown()) {
    EXPECT_EQ(shown.text, L"Required file " + folder.wstring() + L"/libCorvanPreview.so was not found!");
    EXPECT_EQ(shown.caption, L"");
    EXPECT_EQ(shown.style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
  }
  EXPECT_FALSE(GetPreviewManager().IsLoaded());
  EXPECT_FALSE(GetPreviewManager().GetLoadError().empty());

  // The message loop and idle time never load the library nor report it.
  EXPECT_EQ(CallPreviewPreTranslateMsg(nullptr), 0);
  CallPreviewProcessDllIdle();
  EXPECT_EQ(m_boxes.Shown().size(), 2u);
}

TEST_F(PreviewManagerTest, AFileThatIsNoLibraryCountsAsMissing) {
  std::filesystem::create_directories(m_dir / "broken");
  std::ofstream(m_dir / "broken" / "libCorvanPreview.so") << "not a shared object";
  SetInstallPath((m_dir / "broken").wstring() + L"/");
  EXPECT_FALSE(CallPrintInvoice(L"Invoice", m_template.wstring(), corvane::test::InvoiceData()));
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].text,
            L"Required file " + (m_dir / "broken").wstring() + L"/libCorvanPreview.so was not found!");
}

TEST_F(PreviewManagerTest, WithoutAnInstallFolderTheBareNameIsTried) {
  EXPECT_FALSE(CallPrintInvoice(L"Invoice", m_template.wstring(), corvane::test::InvoiceData()));
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].text, L"Required file libCorvanPreview.so was not found!");
}

TEST_F(PreviewManagerTest, PrintsThroughTheRealLibraryIntoAPdf) {
  SetInstallPath(platform::FromUtf8(CORVANE_PREVIEW_DIR));
  const std::filesystem::path pdf = m_dir / "invoice.pdf";
  corvane::test::PrintToFile destination(pdf);
  {
    const FieldMap data = corvane::test::InvoiceData();
    EXPECT_TRUE(CallPrintInvoice(L"Outcome Invoice 0042/24", m_template.wstring(), data));
  }
  EXPECT_TRUE(m_boxes.Shown().empty()) << platform::ToUtf8(m_boxes.Shown().at(0).text);
  const std::string text = corvane::test::PdfText(pdf);
  for (const char* expected :
       {"INVOICE", "0042/24", "Mountain Bakery Ltd", "Rye flour 25kg", "Sunflower seeds", "Baking paper roll",
        "12", "142.50", "38.40", "20.93", "201.83"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }
  EXPECT_NE(corvane::test::PdfInfo(pdf).find("Outcome Invoice 0042/24"), std::string::npos);

  // Loaded once; the entry points are bound by ordinal through the table.
  PreviewManager& manager = GetPreviewManager();
  void* module = manager.GetModule();
  ASSERT_TRUE(module);
  EXPECT_TRUE(CallPrintInvoice(L"Again", m_template.wstring(), corvane::test::InvoiceData()));
  EXPECT_EQ(manager.GetModule(), module);
  for (int32_t ordinal = 1; ordinal <= 4; ++ordinal) EXPECT_TRUE(manager.GetProcAddress(ordinal)) << ordinal;
  EXPECT_FALSE(manager.GetProcAddress(5));
  EXPECT_EQ(reinterpret_cast<void*>(manager.GetProcAddress(4)), manager.GetProcAddress("PrintInvoice"));
  EXPECT_FALSE(manager.GetProcAddress("ReleaseAll_COMObjects"));
  EXPECT_EQ(CallPreviewPreTranslateMsg(nullptr), 0);
  CallPreviewProcessDllIdle();

  manager.Release();
  EXPECT_FALSE(manager.IsLoaded());
}

TEST_F(PreviewManagerTest, TheLibraryExportsItsEntryPointsAndNothingOfItsInsides) {
  SetInstallPath(platform::FromUtf8(CORVANE_PREVIEW_DIR));
  PreviewManager& manager = GetPreviewManager();
  ASSERT_TRUE(manager.Load());
  for (const char* name : {"Preview_PreTranslateMsg", "Preview_ProcessDllIdle", "ShowInvoicePreview",
                           "PrintInvoice", "CorvanPreview_Ordinals"}) {
    EXPECT_TRUE(manager.GetProcAddress(name)) << name;
  }
  // The engine and the platform layer linked into it stay private.
  for (const char* name : {"_ZN16CReportGenerator12LoadTemplateERKNSt10filesystem7__cxx114pathE",
                           "_ZN8platform14ShowMessageBoxERKNSt7__cxx1112basic_stringIwSt11char_"
                           "traitsIwESaIwEEES7_jP8wxWindow"}) {
    EXPECT_FALSE(manager.GetProcAddress(name)) << name;
  }
}

}  // namespace
