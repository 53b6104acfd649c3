#pragma once

// The main program started on a throwaway database, for the shell's window
// tests: databases of the current schema (optionally with invoices) or of an
// older version, the application started without its message loop, and
// event pumping.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <wx/app.h>
#include <wx/utils.h>

#include "data/Connection.h"
#include "data/LegacySchema.h"
#include "data/TransactionScope.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "platform/MessageBox.h"
#include "platform/OleDateTime.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"
#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/CQuennetDoc.h"
#include "shell/ui/InstallSettings.h"
#include "tests/data/TestDatabase.h"

namespace corvane::test {

inline void Pump(int rounds = 10) {
  for (int i = 0; i < rounds; ++i) {
    wxYield();
    wxMilliSleep(5);
  }
}

inline double OleDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return *platform::CivilToOleDate({year, month, day, hour, minute, second});
}

// Stores one company; its id.
inline int AddCompany(const std::wstring& name) {
  TransactionScope scope;
  Invoice::Company company;
  company.SetName(name);
  company.Save();
  scope.Commit();
  return company.GetId();
}

struct NewInvoice {
  std::wstring number;
  double date = 0.0;
  int companyId = 0;
  bool paid = false;
  int daysCondition = 0;
  double total = 100.0;
  int templateId = 0;
};

// Stores one outcome invoice; its id.
inline int AddInvoice(const NewInvoice& values) {
  TransactionScope scope;
  Invoice::Invoice invoice;
  invoice.SetInvoiceNum(values.number);
  invoice.SetDate(values.date);
  invoice.SetCompanyId(values.companyId);
  invoice.SetPaid(values.paid);
  if (values.paid) invoice.SetPaidOn(values.date);
  invoice.SetDaysCondition(values.daysCondition);
  invoice.SetTotalAmount(values.total);
  invoice.SetTemplateId(values.templateId);
  invoice.SetInvoiceType(0);
  invoice.Save();
  scope.Commit();
  return invoice.GetId();
}

// A database file of an older schema version, copied from a cache.
inline void MakeLegacyDatabase(const std::filesystem::path& path, const std::wstring& version) {
  CopyCachedDatabase("legacy-" + platform::ToUtf8(version), path, [&](const std::string& made) {
    legacy::CreateDatabase(made, version, legacy::StoredVersionText(version));
  });
}

// A test that owns a database file (the program's one connection) and,
// once Start ran, the application with its main window. Message boxes are
// recorded, never shown.
class ShellTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_path = (m_dir / "corvane.fdb").string();
    for (const wchar_t* value : {L"FS", L"InstallPath", L"SplitterPresent", L"SplitterWidth"})
      platform::RegistryStore::User().DeleteValue(kSettingsKey, value);
  }
  void TearDown() override {
    m_app.reset();
    Pump();
    DisconnectDatabase();
  }

  // A database of the current schema, connected.
  void UseNewDatabase() {
    MakeSchemaDatabase(m_path);
    ConnectDatabaseFile(m_path);
  }
  void UseLegacyDatabase(const std::wstring& version) {
    MakeLegacyDatabase(m_path, version);
    ConnectDatabaseFile(m_path);
  }

  CQuennetApp::StartupResult Start() {
    m_app = std::make_unique<CQuennetApp>();
    const CQuennetApp::StartupResult result = m_app->Startup();
    Pump();
    return result;
  }

  CMainFrame* MainFrame() const { return m_app ? m_app->GetMainFrame() : nullptr; }
  CLeftView* Tree() const { return MainFrame() ? MainFrame()->GetLeftView() : nullptr; }

  TempDir m_dir;
  std::string m_path;
  platform::MessageBoxRecorder m_messages;
  std::unique_ptr<CQuennetApp> m_app;
};

}  // namespace corvane::test
