// The designer's canvas on big templates: opening 2,000 and 10,000 labels,
// repainting, zooming and selecting with a click, beside the same work done
// on a bare wxDC (the labels read from the file into plain rectangles, drawn
// as an outline and one line of text in a font made once, hit-tested by a
// walk over the rectangles). Needs a display: xvfb-run.
//
//   designer_canvas [entity count ...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include "common/TemplateFile.h"
#include "template/CPlandelDoc.h"
#include "template/CReportEntityLabel.h"
#include "template/TemplateHelpers.h"
#include "template/ui/CReportEditor.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchApp : public wxApp {
public:
  bool OnInit() override { return true; }
};

void Pump() {
  for (int i = 0; i < 3; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

constexpr int kColumns = 6;
constexpr int kColumnWidth = 130;
constexpr int kRowHeight = 24;
constexpr int kPaperWidth = kColumns * kColumnWidth + 40;

int PaperHeight(int count) {
  return (count / kColumns + 2) * kRowHeight + 40;
}

// Labels in rows of six, each a text that wraps in its box.
std::filesystem::path WriteTemplate(int count) {
  TemplateFile file;
  for (int i = 0; i < count; ++i) {
    CReportEntityLabel label;
    const int left = 20 + (i % kColumns) * kColumnWidth, top = 20 + (i / kColumns) * kRowHeight;
    label.SetRectPixels(left, top, left + kColumnWidth - 10, top + kRowHeight - 4);
    label.SetTitle(L"Item " + std::to_wstring(i) + L" net price and tax");
    label.SetFontSize(80 + (i % 3) * 10);
    file.AddItem(*label.MakeTemplateItem());
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("corvane-canvas-" + std::to_string(::getpid()) + ".zlt");
  file.Save(path);
  return path;
}

struct Figures {
  double open = 0, repaint = 0, zoom = 0, click = 0;
};

// The median of `runs` timings of `work`.
double Median(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const Clock::time_point start = Clock::now();
    work();
    times.push_back(MillisecondsSince(start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void SendMouse(wxWindow* window, wxEventType type, wxPoint point) {
  wxMouseEvent event(type);
  event.SetPosition(point);
  event.SetEventObject(window);
  event.m_leftDown = type == wxEVT_LEFT_DOWN;
  window->GetEventHandler()->ProcessEvent(event);
}

// A frame of its own for each window measured: a child added to a frame
// after another was removed from it was never painted under Xvfb.
wxFrame* NewFrame() {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "designer_canvas", wxPoint(0, 0), wxSize(1000, 750));
  frame->SetSizer(new wxBoxSizer(wxVERTICAL));
  return frame;
}

void Close(wxFrame* frame) {
  frame->Destroy();
  Pump();
}

Figures MeasureCanvas(const std::filesystem::path& path, int count) {
  Figures figures;
  wxFrame* frame = NewFrame();
  CPlandelDoc doc;
  doc.GetContainer().SetVirtualSize(platform::gdi::Size{kPaperWidth, PaperHeight(count)});
  auto* editor = new CReportEditor;
  editor->Create(0, wxRect(frame->GetClientSize()), frame, &doc.GetContainer());
  frame->GetSizer()->Add(editor, 1, wxEXPAND);
  frame->Show();
  editor->SetZoomMin(0.05);
  editor->SetZoomMax(4);
  editor->SetZoomFactor(0.1);
  doc.SetEditor(&editor->Core());
  int paints = 0;
  editor->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    ++paints;
    event.Skip();
  });
  // The window is painted once it is on the screen; measuring starts then.
  for (const Clock::time_point shown = Clock::now(); paints == 0 && MillisecondsSince(shown) < 5000;) {
    Pump();
    wxMilliSleep(10);
  }

  Clock::time_point start = Clock::now();
  doc.Load(path);
  editor->Clear();
  editor->Redraw();
  figures.open = MillisecondsSince(start);

  int notch = 0;
  figures.repaint = Median(9, [&] {
    // A wheel notch: six positions down, and the canvas repainted.
    editor->SetVScroll((++notch % 20) * 6 * 10);
    editor->Redraw();
  });
  bool in = false;
  figures.zoom = Median(9, [&] {
    in = !in;
    editor->SetZoom(in ? 1.1 : 1.0);
  });
  editor->SetZoom(1.0);
  editor->SetVScroll(0);
  int row = 0;
  figures.click = Median(9, [&] {
    const wxPoint point(20 + kColumnWidth / 2, 20 + (++row % 20) * kRowHeight + 10);
    SendMouse(editor, wxEVT_LEFT_DOWN, point);
    SendMouse(editor, wxEVT_LEFT_UP, point);
  });
  if (doc.GetContainer().GetSelectCount() != 1) std::fprintf(stderr, "the clicks selected no label\n");
  if (paints < 30) std::fprintf(stderr, "the canvas was painted %d times only: its figures are void\n", paints);
  doc.SetEditor(nullptr);
  Close(frame);
  return figures;
}

// The floor: the same labels as plain rectangles and texts on a bare wxDC.
class BareCanvas : public wxWindow {
public:
  struct Label {
    wxRect rect;
    wxString text;
    int font = 0;
  };

  explicit BareCanvas(wxWindow* parent) : wxWindow(parent, wxID_ANY) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    for (int size : {8, 9, 10}) m_fonts.emplace_back(wxFontInfo(size).FaceName("Times New Roman"));
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
  }

  void Load(const std::filesystem::path& path) {
    TemplateFile file;
    file.Load(path);
    m_labels.clear();
    for (size_t i = 0; i < file.GetCount(); ++i) {
      const TemplateItem item = file.GetItem(i);
      auto inches = [&](int32_t id) { return ModelInchesToPixels(item.GetProperty(id).AsDouble()); };
      namespace p = template_props;
      Label label;
      label.rect = wxRect(wxPoint(inches(p::kLeft), inches(p::kTop)), wxPoint(inches(p::kRight), inches(p::kBottom)));
      label.text = item.GetProperty(p::kText).AsString();
      label.font = (item.GetProperty(p::kFontSize).AsInt() - 80) / 10;
      m_labels.push_back(label);
    }
  }
  void SetZoom(double zoom) { m_zoom = zoom; }
  int paints = 0;
  void SetScroll(int scroll) { m_scroll = scroll; }
  void Repaint() {
    Refresh(false);
    Update();
  }
  // The topmost label under a client point, selected.
  void Click(wxPoint point) {
    const wxPoint paper(static_cast<int>((point.x) / m_zoom), static_cast<int>((point.y + m_scroll) / m_zoom));
    m_selected = -1;
    for (int i = static_cast<int>(m_labels.size()) - 1; i >= 0; --i) {
      if (m_labels[i].rect.Contains(paper)) {
        m_selected = i;
        break;
      }
    }
    Repaint();
  }

private:
  void Paint() {
    ++paints;
    wxPaintDC dc(this);
    const wxSize client = GetClientSize();
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(0, 0, client.x, client.y);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(wxColour(100, 100, 255), 1, wxPENSTYLE_DOT));
    dc.SetUserScale(m_zoom, m_zoom);
    dc.SetDeviceOrigin(0, -m_scroll);
    const wxRect visible(0, static_cast<int>(m_scroll / m_zoom), static_cast<int>(client.x / m_zoom) + 1,
                         static_cast<int>(client.y / m_zoom) + 1);
    for (const Label& label : m_labels) {
      if (!label.rect.Intersects(visible)) continue;
      dc.DrawRectangle(label.rect);
      dc.SetFont(m_fonts[std::clamp(label.font, 0, 2)]);
      dc.DrawText(label.text, label.rect.GetTopLeft());
    }
  }

  std::vector<wxFont> m_fonts;
  std::vector<Label> m_labels;
  double m_zoom = 1.0;
  int m_scroll = 0;
  int m_selected = -1;
};

Figures MeasureFloor(const std::filesystem::path& path) {
  Figures figures;
  wxFrame* frame = NewFrame();
  auto* canvas = new BareCanvas(frame);
  frame->GetSizer()->Add(canvas, 1, wxEXPAND);
  frame->Show();
  for (const Clock::time_point shown = Clock::now(); canvas->paints == 0 && MillisecondsSince(shown) < 5000;) {
    Pump();
    wxMilliSleep(10);
  }
  Clock::time_point start = Clock::now();
  canvas->Load(path);
  canvas->Repaint();
  figures.open = MillisecondsSince(start);
  int notch = 0;
  figures.repaint = Median(9, [&] {
    canvas->SetScroll((++notch % 20) * 6 * 10);
    canvas->Repaint();
  });
  bool in = false;
  figures.zoom = Median(9, [&] {
    in = !in;
    canvas->SetZoom(in ? 1.1 : 1.0);
    canvas->Repaint();
  });
  canvas->SetZoom(1.0);
  canvas->SetScroll(0);
  int row = 0;
  figures.click = Median(9, [&] { canvas->Click(wxPoint(20 + kColumnWidth / 2, 20 + (++row % 20) * kRowHeight + 10)); });
  Close(frame);
  return figures;
}

void Print(const char* what, double ours, double floor) {
  std::printf("  %-8s %9.1f ms   floor %8.1f ms   ratio %6.2fx\n", what, ours, floor, ours / std::max(floor, 0.01));
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {2000, 10000};
  wxApp::SetInstance(new BenchApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "designer_canvas needs a display (run it under xvfb-run)\n");
    return 1;
  }
  double load[3] = {0, 0, 0};
  getloadavg(load, 3);
  std::printf("designer canvas, a 1000 x 750 window, medians of 9 (load average %.1f)\n", load[0]);
  for (int count : counts) {
    const std::filesystem::path path = WriteTemplate(count);
    const Figures floor = MeasureFloor(path);
    const Figures ours = MeasureCanvas(path, count);
    std::filesystem::remove(path);
    std::printf("%d labels:\n", count);
    Print("open", ours.open, floor.open);
    Print("repaint", ours.repaint, floor.repaint);
    Print("zoom", ours.zoom, floor.zoom);
    Print("click", ours.click, floor.click);
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
