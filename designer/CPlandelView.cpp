#include "designer/CPlandelView.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "common/UnitConversions.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CRuler.h"
#include "platform/WindowMessages.h"

namespace designer {
namespace {

constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 4.0;

}  // namespace

CPlandelView::CPlandelView(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { wxPaintDC dc(this); });
  Bind(wxEVT_SIZE, &CPlandelView::OnSize, this);
  Bind(EVT_CORVANE_MESSAGE, &CPlandelView::OnMessage, this);
  Bind(wxEVT_CONTEXT_MENU, &CPlandelView::OnContextMenu, this);
  Bind(wxEVT_MENU, &CPlandelView::OnCommand, this);
  Bind(wxEVT_UPDATE_UI, &CPlandelView::OnUpdateCommand, this);
}

CPlandelView::~CPlandelView() {
  SaveSettings();
}

DesignerDocument* CPlandelView::GetDesignerDocument() const {
  return dynamic_cast<DesignerDocument*>(GetDocument());
}

void CPlandelView::OnInitialUpdate() {
  View::OnInitialUpdate();
  if (m_canvas) {
    // A later document in the same frame keeps the settings of this run.
    SetZoom(1.0);
    return;
  }
  m_contextMenu = std::make_unique<popup_menu>(10000);
  m_contextMenu->Create();
  m_contextMenu->InsertItem(L"Cut", ID_EDIT_CUT);
  m_contextMenu->InsertItem(L"Copy", ID_EDIT_COPY);
  m_contextMenu->InsertItem(L"Paste", ID_EDIT_PASTE);
  m_contextMenu->InsertItem(L"Delete", ID_EDIT_DELETE);
  m_contextMenu->AddSeparator();
  m_contextMenu->InsertItem(L"Group", ID_GROUP);
  m_contextMenu->InsertItem(L"Ungroup", ID_UNGROUP);

  wxClientDC dc(this);
  m_screenPpi = dc.GetPPI().x > 0 ? dc.GetPPI().x : kDefaultScreenDpi;
  SetScreenDpi(m_screenPpi);
  m_settings = DesignerSettings::Load(m_screenPpi);
  m_settingsLoaded = true;

  const wxSize client = GetClientSize();
  m_canvas = new wxWindow(this, wxID_ANY, wxPoint(kRulerSize, kRulerSize),
                          wxSize(std::max(client.x - kRulerSize, 1), std::max(client.y - kRulerSize, 1)));
  m_canvas->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_APPWORKSPACE));
  m_horzRuler = new CHorzRuler(this, IDC_HORZ_RULER, wxRect(kRulerSize, 0, std::max(client.x, 1), kRulerSize));
  m_vertRuler = new CVertRuler(this, IDC_VERT_RULER, wxRect(0, kRulerSize, kRulerSize, std::max(client.y, 1)));
  m_cornerBox = new CCornerBox(this, IDC_CORNER_BOX, wxRect(0, 0, kRulerSize, kRulerSize));
  m_horzRuler->SetMeasurement(m_settings.units);
  m_vertRuler->SetMeasurement(m_settings.units);
  m_cornerBox->SetMeasurement(m_settings.units);

  if (m_settings.width == -1) {
    m_paper = PaperFromPrinter(m_screenPpi, DefaultPrinterMetrics());
  } else {
    m_paper = {m_settings.width, m_settings.height, m_settings.left, m_settings.top, m_settings.right,
               m_settings.bottom};
  }
  SetZoom(m_settings.Zoom());
  LayoutChildren();
}

void CPlandelView::LayoutChildren() {
  if (!m_canvas) return;
  const wxSize client = GetClientSize();
  m_canvas->SetSize(kRulerSize, kRulerSize, std::max(client.x - kRulerSize, 1),
                    std::max(client.y - kRulerSize, 1));
  m_horzRuler->SetSize(kRulerSize, 0, std::max(client.x, 1), kRulerSize);
  m_vertRuler->SetSize(0, kRulerSize, kRulerSize, std::max(client.y, 1));
}

void CPlandelView::OnSize(wxSizeEvent& event) {
  LayoutChildren();
  event.Skip();
}

void CPlandelView::SetZoom(double zoom) {
  // The stored zoom is taken as it is; the zoom commands keep within the limits.
  m_zoom = zoom;
  if (m_horzRuler) m_horzRuler->SetZoom(m_zoom);
  if (m_vertRuler) m_vertRuler->SetZoom(m_zoom);
}

void CPlandelView::SetPaperSize(int width, int height) {
  m_paper.width = width;
  m_paper.height = height;
  if (DesignerDocument* document = GetDesignerDocument()) document->SetModifiedFlag(true);
}

void CPlandelView::ApplyUnits(int32_t unit) {
  m_settings.units = unit;
  if (m_horzRuler) m_horzRuler->SetMeasurement(unit);
  if (m_vertRuler) m_vertRuler->SetMeasurement(unit);
  if (m_cornerBox) m_cornerBox->SetMeasurement(unit);
  SaveSettings();
  if (m_canvas) {
    m_canvas->Refresh();
    m_canvas->Update();
  }
}

void CPlandelView::SaveSettings() {
  if (!m_settingsLoaded) return;
  DesignerSettings s = m_settings;
  s.width = m_paper.width;
  s.height = m_paper.height;
  s.left = m_paper.left;
  s.top = m_paper.top;
  s.right = m_paper.right;
  s.bottom = m_paper.bottom;
  s.zoomLevel = static_cast<uint32_t>(m_zoom * 100);
  s.Save();
}

EditorState CPlandelView::GetEditorState() const {
  EditorState state;
  state.grid = m_settings.grid;
  state.margins = m_settings.margin;
  state.snap = m_settings.snap;
  return state;
}

void CPlandelView::OnMessage(platform::WindowMessageEvent& event) {
  const unsigned message = event.GetMessage();
  const auto wParam = event.GetWParam();
  if (message == WM_REPORT_EDITOR_HSCROLL) {
    if (m_horzRuler) m_horzRuler->SetScrollPos(static_cast<int32_t>(wParam));
  } else if (message == WM_REPORT_EDITOR_VSCROLL) {
    if (m_vertRuler) m_vertRuler->SetScrollPos(static_cast<int32_t>(wParam));
  } else if (message == WM_REPORT_EDITOR_ZOOM) {
    const double zoom = static_cast<double>(static_cast<intptr_t>(wParam)) * 0.01;
    if (m_horzRuler) m_horzRuler->SetZoom(zoom);
    if (m_vertRuler) m_vertRuler->SetZoom(zoom);
  } else if (message == WM_REPORT_EDITOR_MOUSE) {
    const auto* point = reinterpret_cast<const wxPoint*>(wParam);
    if (m_horzRuler) m_horzRuler->SetMouseMark(point ? point->x : -1);
    if (m_vertRuler) m_vertRuler->SetMouseMark(point ? point->y : -1);
  } else if (message == WM_REPORT_EDITOR_MEASUREMENT) {
    const int32_t unit = static_cast<int32_t>(wParam);
    m_settings.units = unit;
    if (m_horzRuler) m_horzRuler->SetMeasurement(unit);
    if (m_vertRuler) m_vertRuler->SetMeasurement(unit);
    if (m_cornerBox) m_cornerBox->SetMeasurement(unit);
  } else if (message == WM_CORVANE_START_DRAWING) {
    // Codes outside the tool table start nothing; nothing to draw on yet.
    (void)EntityForToolCode(static_cast<int64_t>(wParam));
    event.SetResult(-1);
  } else {
    event.Skip();
  }
}

void CPlandelView::OnCommand(wxCommandEvent& event) {
  const int id = event.GetId();
  if (std::optional<double> zoom = FixedZoom(id)) {
    SetZoom(*zoom);
    return;
  }
  switch (id) {
    case ID_GRID: m_settings.grid = !m_settings.grid; break;
    case ID_MARGINS: m_settings.margin = !m_settings.margin; break;
    case ID_SNAP_TO_GRID: m_settings.snap = !m_settings.snap; break;
    case ID_ZOOM_IN: SetZoom(std::min(m_zoom + m_settings.ZoomStep(), kMaxZoom)); break;
    case ID_ZOOM_OUT: SetZoom(std::max(m_zoom - m_settings.ZoomStep(), kMinZoom)); break;
    case ID_PAGE_SETUP: OnPageSetup(); break;
    default: event.Skip(); return;
  }
  if (m_canvas) m_canvas->Refresh();
}

void CPlandelView::OnUpdateCommand(wxUpdateUIEvent& event) {
  const std::optional<CommandState> state = GetCommandState(event.GetId(), GetEditorState());
  if (!state || event.GetId() == ID_VIEW_TOOLBOX || event.GetId() == ID_VIEW_PROPERTIES) {
    event.Skip();
    return;
  }
  event.Enable(state->enabled);
  if (state->checked) event.Check(*state->checked);
}

void CPlandelView::OnContextMenu(wxContextMenuEvent&) {
  if (!m_contextMenu) return;
  const EditorState state = GetEditorState();
  for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE}) m_contextMenu->EnableItem(id, state.selected > 0);
  m_contextMenu->EnableItem(ID_EDIT_PASTE, state.canPaste);
  for (int id : {ID_GROUP, ID_UNGROUP}) m_contextMenu->EnableItem(id, state.selected > 1);
  m_contextMenu->Track(this, false);
}

void CPlandelView::PrintTemplate(platform::gdi::Canvas&, const wxRect&, double) {
  // The paper is all there is to print until entities are drawn on the canvas.
}

void CPlandelView::OnPageSetup() {
  COptionsDlg dialog(*this, this);
  dialog.DoModal();
}

}  // namespace designer
