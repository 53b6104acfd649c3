// Writes a picture of the designer's canvas with a few template entities,
// the grid, the margins and a selection, for the documentation. Not a test:
// run it under Xvfb.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" template_editor_canvas_shot docs/designer-canvas.png

#include <cstdio>
#include <filesystem>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/sizer.h>

#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportInvoiceField.h"
#include "template/ui/CReportEditor.h"

namespace {

class ShotApp : public wxApp {
public:
  bool OnInit() override { return true; }
};

void Pump(int rounds = 20) {
  for (int i = 0; i < rounds; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
}

template <typename Entity>
Entity* Place(CReportEditor& editor, std::unique_ptr<Entity> entity, double l, double t, double r, double b) {
  Entity* placed = entity.get();
  entity->SetRect(l, t, r, b);
  editor.AddObject(std::move(entity));
  return placed;
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ShotApp);

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = std::filesystem::absolute(argv[1]);
  // GTK's overlay scroll bars only show under a moving mouse.
  setenv("GTK_OVERLAY_SCROLLING", "0", 1);
  wxApp::SetInstance(new ShotApp);
  wxEntryStart(argc, argv);
  if (!wxTheApp || !wxTheApp->CallOnInit()) return 1;
  wxInitAllImageHandlers();

  int status = 0;
  {
    CDiagramEntityContainer container;
    container.SetVirtualSize(platform::gdi::Size{816, 1056});
    auto* frame = new wxFrame(nullptr, wxID_ANY, L"Canvas", wxPoint(20, 20), wxSize(760, 520));
    auto* editor = new CReportEditor;
    editor->Create(0, wxRect(0, 0, 740, 500), frame, &container);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(editor, 1, wxEXPAND);
    frame->SetSizer(sizer);
    editor->SetGridSize(platform::gdi::Size{16, 16});
    editor->SetGridColor(0xDEDEDE);
    editor->SetMargins(48, 48, 48, 48);
    editor->ShowMargin(true);

    auto title = std::make_unique<CReportEntityLabel>();
    title->SetTitle(L"INVOICE");
    title->SetFontSize(200);
    title->SetBold(true);
    Place(*editor, std::move(title), 64, 64, 320, 104);
    auto company = std::make_unique<CReportEntityLabel>();
    company->SetTitle(L"Mountain Bakery Ltd\r\nMain Street 12");
    Place(*editor, std::move(company), 464, 64, 720, 120);
    auto box = std::make_unique<CReportEntityBox>();
    box->SetFilled(true);
    box->SetFillColor(platform::gdi::RGB(235, 242, 255));
    Place(*editor, std::move(box), 64, 144, 720, 224);
    Place(*editor, std::make_unique<CReportInvoiceField>(100), 80, 160, 336, 192);
    Place(*editor, std::make_unique<CReportInvoiceField>(103), 400, 160, 704, 192);
    auto line = std::make_unique<CReportEntityLine>();
    Place(*editor, std::move(line), 64, 256, 720, 256);
    CInvoiceRepeatField* items = Place(*editor, std::make_unique<CInvoiceRepeatField>(2), 64, 272, 368, 432);
    items->SetCreated(true);
    CInvoiceRepeatField* prices = Place(*editor, std::make_unique<CInvoiceRepeatField>(4), 384, 272, 528, 432);
    prices->SetCreated(true);
    prices->Select(true);
    container.SetModified(false);

    frame->Show();
    Pump(50);

    const wxRect rect = frame->GetScreenRect();
    wxBitmap shot(rect.width, rect.height, 24);
    {
      wxMemoryDC memory(shot);
      wxScreenDC screen;
      memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    if (!shot.ConvertToImage().SaveFile(wxString(output.wstring()), wxBITMAP_TYPE_PNG)) status = 1;
    frame->Destroy();
    Pump();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return status;
}
