// Writes a picture of the main window (navigation tree and a filled invoice
// list) for the documentation. Not a test: run it under Xvfb.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" shell_main_window_shot docs/main-window.png

#include <cstdio>
#include <filesystem>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/init.h>

#include "data/Connection.h"
#include "data/Schema.h"
#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/ui/BaseListCtrl.h"
#include "tests/shell/ShellFixtures.h"

namespace {

class ShotApp : public wxApp {
public:
  bool OnInit() override { return true; }
};

void AddSampleInvoices() {
  using corvane::test::AddCompany;
  using corvane::test::AddInvoice;
  using corvane::test::OleDate;
  const int bakery = AddCompany(L"Mountain Bakery Ltd");
  const int cafe = AddCompany(L"Riverside Cafe");
  const int traders = AddCompany(L"Northwind Traders");
  AddInvoice({L"0001/24", OleDate(2024, 1, 9, 10), bakery, true, 15, 1180.50});
  AddInvoice({L"0002/24", OleDate(2024, 2, 2, 9), cafe, true, 30, 412.00});
  AddInvoice({L"0003/24", OleDate(2024, 2, 20, 14), traders, false, 15, 2890.75});
  AddInvoice({L"0004/24", OleDate(2024, 3, 1, 11), bakery, false, 30, 760.20});
  AddInvoice({L"0005/24", OleDate(2024, 3, 4, 16), cafe, true, 15, 95.40});
  AddInvoice({L"0006/24", OleDate(2024, 3, 11, 8), traders, false, 0, 1430.00});
  AddInvoice({L"0007/24", OleDate(2024, 3, 18, 12), bakery, false, 10, 318.60});
  AddInvoice({L"0008/24", OleDate(2024, 3, 20, 9), cafe, false, 30, 2215.00});
  AddInvoice({L"0009/24", OleDate(2024, 4, 2, 10), traders, false, 30, 640.00});
  AddInvoice({L"0014/23", OleDate(2023, 11, 28, 10), bakery, true, 30, 980.00});
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  const std::filesystem::path work =
      std::filesystem::temp_directory_path() / ("corvane-shot-" + std::to_string(getpid()));
  std::filesystem::create_directories(work / "lock");
  setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
  setenv("FIREBIRD_LOCK", (work / "lock").c_str(), 1);
  setenv("FIREBIRD_TMP", work.c_str(), 1);

  wxApp::SetInstance(new ShotApp);
  wxEntryStart(argc, argv);
  if (!wxTheApp || !wxTheApp->CallOnInit()) return 1;
  wxInitAllImageHandlers();

  int status = 0;
  {
    const std::string database = (work / "sample.fdb").string();
    schema::CreateEmptyDatabase(database);
    ConnectDatabaseFile(database);
    AddSampleInvoices();
    platform::SetNowOverride(platform::CivilTime{2024, 3, 22, 12});

    CQuennetApp app;
    if (app.Startup() != CQuennetApp::StartupResult::Started) return 1;
    CMainFrame* frame = app.GetMainFrame();
    frame->SetSize(20, 20, 900, 560);
    frame->GetSplitter()->SetSashPosition(190);
    CLeftView* tree = frame->GetLeftView();
    const wxTreeItemId year = tree->FindChild(tree->GetInvoicesNode(), 2024);
    tree->Expand(year);
    tree->SelectItem(tree->FindChild(year, 3));
    tree->SetFocus();
    // Room for the client and the status, which start narrow.
    if (auto* list = dynamic_cast<BaseListCtrl*>(frame->GetRightView())) {
      list->SetColumnWidth(0, 90);
      list->SetColumnWidth(1, 100);
      list->SetColumnWidth(2, 100);
      list->SetColumnWidth(3, 90);
      list->SetColumnWidth(4, 160);
      list->SetColumnWidth(5, 140);
    }
    corvane::test::Pump(50);

    const wxRect rect = frame->GetScreenRect();
    wxBitmap shot(rect.width, rect.height, 24);
    {
      wxMemoryDC memory(shot);
      wxScreenDC screen;
      memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    if (!shot.ConvertToImage().SaveFile(wxString(output.wstring()), wxBITMAP_TYPE_PNG)) status = 1;
    app.CloseMainWindow();
    corvane::test::Pump();
  }
  DisconnectDatabase();
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::filesystem::remove_all(work);
  return status;
}
