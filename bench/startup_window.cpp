// Floor of a whole launch, part two: a process that only starts wx, shows a
// bare frame until it is drawn, and ends.

#include <wx/app.h>
#include <wx/frame.h>

class WindowApp : public wxApp {
public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Corvane");
    frame->Show();
    for (int i = 0; i < 5; ++i) wxYield();
    frame->Destroy();
    return false;  // nothing more to run: the process ends
  }
};

wxIMPLEMENT_APP(WindowApp);
