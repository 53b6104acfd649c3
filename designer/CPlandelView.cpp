#include "designer/CPlandelView.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "common/UnitConversions.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/PaperSetup.h"
#include "designer/bars/CRuler.h"
#include "platform/WindowMessages.h"
#include "template/CReportEntitySettings.h"
#include "template/ReportEditorNotifications.h"
#include "template/ui/CReportEditor.h"

namespace designer {
namespace {

// A zoom or zoom step as stored: x 100, truncated. The tiny nudge keeps a
// zoom of 1.15 (114.99999... in binary) from being stored as 114.
uint32_t Percent(double value) {
  return value <= 0 ? 0 : static_cast<uint32_t>(value * 100 + 1e-6);
}

}  // namespace

CPlandelView::CPlandelView(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE) {
  // The children cover the whole client area: nothing to erase or paint.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { wxPaintDC dc(this); });
  Bind(wxEVT_SIZE, &CPlandelView::OnSize, this);
  Bind(EVT_CORVANE_MESSAGE, &CPlandelView::OnMessage, this);
  Bind(wxEVT_CONTEXT_MENU, &CPlandelView::OnContextMenu, this);
  Bind(wxEVT_MENU, &CPlandelView::OnCommand, this);
  Bind(wxEVT_UPDATE_UI, &CPlandelView::OnUpdateCommand, this);
  Bind(wxEVT_CHAR_HOOK, &CPlandelView::OnCharHook, this);
}

CPlandelView::~CPlandelView() {
  SaveSettings();
  if (DesignerDocument* document = GetDesignerDocument()) document->GetDoc().SetEditor(nullptr);
}

DesignerDocument* CPlandelView::GetDesignerDocument() const {
  return dynamic_cast<DesignerDocument*>(GetDocument());
}

wxWindow* CPlandelView::GetCanvas() const {
  return m_editor;
}

void CPlandelView::SetEditorNotifications(ReportEditorNotifications* notifications) {
  m_notifications = notifications;
  if (m_editor) m_editor->SetNotifications(notifications);
}

void CPlandelView::OnInitialUpdate() {
  View::OnInitialUpdate();
  if (m_editor) return;  // OnUpdate has reset the canvas
  DesignerDocument* document = GetDesignerDocument();
  if (!document) return;

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
  // Conversions, the default grid and the default paper are the model's.
  SetScreenDpi(GetPaperPixelsPerInch());
  DesignerSettings settings = DesignerSettings::Load(GetPaperPixelsPerInch());
  CReportEntitySettings::Instance().SetUnits(settings.units);

  const wxSize client = GetClientSize();
  CPlandelDoc& doc = document->GetDoc();
  m_editor = new CReportEditor;
  m_editor->Create(0, wxRect(kRulerSize, kRulerSize, std::max(client.x - kRulerSize, 1), std::max(client.y - kRulerSize, 1)),
                   this, &doc.GetContainer());
  doc.SetEditor(&m_editor->Core());
  // Entities read before the canvas existed draw on it as well.
  for (int i = 0; CDiagramEntity* entity = doc.GetContainer().GetAt(i); ++i) {
    if (!entity->GetParent()) entity->SetParent(&m_editor->Core());
  }
  m_editor->SetNotifications(m_notifications);
  m_horzRuler = new CHorzRuler(this, IDC_HORZ_RULER, wxRect(kRulerSize, 0, std::max(client.x, 1), kRulerSize));
  m_vertRuler = new CVertRuler(this, IDC_VERT_RULER, wxRect(0, kRulerSize, kRulerSize, std::max(client.y, 1)));
  m_cornerBox = new CCornerBox(this, IDC_CORNER_BOX, wxRect(0, 0, kRulerSize, kRulerSize));
  SetRulersUnit(settings.units);

  if (settings.width == -1) {
    const PaperSetup paper = PaperFromPrinter(GetPaperPixelsPerInch(), DefaultPrinterMetrics());
    settings.width = paper.width;
    settings.height = paper.height;
    settings.left = paper.left;
    settings.top = paper.top;
    settings.right = paper.right;
    settings.bottom = paper.bottom;
  }
  ApplySettings(settings);
  m_settingsLoaded = true;
  LayoutChildren();
}

void CPlandelView::ApplySettings(const DesignerSettings& s) {
  using platform::gdi::Size;
  m_editor->SetZoom(s.Zoom());
  m_editor->SetZoomFactor(s.ZoomStep());
  m_editor->SetVirtualSize(Size{s.width, s.height});
  m_editor->SetMargins(s.left, s.top, s.right, s.bottom);
  m_editor->SetSnapToGrid(s.snap);
  m_editor->ShowGrid(s.grid);
  m_editor->ShowMargin(s.margin);
  m_editor->SetRestraints(s.restraint);
  m_editor->SetBackgroundColor(s.colorBg);
  m_editor->SetGridColor(s.colorGrid);
  m_editor->SetMarginColor(s.colorMargin);
  m_editor->SetScrollWheelMode(0);
  m_editor->SetGridSize(Size{s.gridSize, s.gridSize});
  m_editor->SetZoomMin(kMinZoom);
  m_editor->SetZoomMax(kMaxZoom);
  // Applying the settings does not change the template.
  m_editor->SetModified(false);
}

void CPlandelView::OnUpdate(View*, long, void*) {
  if (!m_editor) return;
  // A new or opened template: the canvas starts at zoom 1, scrolled home, idle.
  m_editor->Clear();
  m_editor->SetZoom(m_editor->GetZoom());
  ClearProperties();
}

void CPlandelView::ReleaseDocument() {
  SaveSettings();
  m_settingsLoaded = false;
  if (DesignerDocument* document = GetDesignerDocument()) document->GetDoc().SetEditor(nullptr);
  if (m_editor) {
    m_editor->Core().UseOwnContainer();
    m_editor->Redraw();
  }
}

void CPlandelView::LayoutChildren() {
  if (!m_editor) return;
  const wxSize client = GetClientSize();
  m_editor->SetSize(kRulerSize, kRulerSize, std::max(client.x - kRulerSize, 1), std::max(client.y - kRulerSize, 1));
  m_horzRuler->SetSize(kRulerSize, 0, std::max(client.x, 1), kRulerSize);
  m_vertRuler->SetSize(0, kRulerSize, kRulerSize, std::max(client.y, 1));
}

void CPlandelView::OnSize(wxSizeEvent& event) {
  LayoutChildren();
  event.Skip();
}

double CPlandelView::GetZoom() const {
  return m_editor ? m_editor->GetZoom() : 1.0;
}

wxSize CPlandelView::GetPaperSize() const {
  if (!m_editor) return {};
  const platform::gdi::Size paper = m_editor->GetVirtualSize();
  return {paper.cx, paper.cy};
}

void CPlandelView::SetPaperSize(int width, int height) {
  // The canvas marks the template modified.
  if (m_editor) m_editor->SetPaperSize(platform::gdi::Size{width, height});
}

int32_t CPlandelView::GetUnit() const {
  return CReportEntitySettings::Instance().GetUnits();
}

void CPlandelView::SetRulersUnit(int32_t unit) {
  CReportEntitySettings::Instance().SetUnits(unit);
  if (m_horzRuler) m_horzRuler->SetMeasurement(unit);
  if (m_vertRuler) m_vertRuler->SetMeasurement(unit);
  if (m_cornerBox) m_cornerBox->SetMeasurement(unit);
}

void CPlandelView::ApplyUnits(int32_t unit) {
  SetRulersUnit(unit);
  SaveSettings();
  if (m_editor) m_editor->Redraw();
}

DesignerSettings CPlandelView::GetSettings() const {
  DesignerSettings s;
  if (!m_editor) return s;
  s.restraint = m_editor->GetRestraints();
  const platform::gdi::Rect margins = m_editor->GetMargins();
  s.left = margins.left;
  s.top = margins.top;
  s.right = margins.right;
  s.bottom = margins.bottom;
  const wxSize paper = GetPaperSize();
  s.width = paper.x;
  s.height = paper.y;
  s.colorBg = m_editor->GetBackgroundColor();
  s.colorGrid = m_editor->GetGridColor();
  s.colorMargin = m_editor->GetMarginColor();
  s.margin = m_editor->IsMarginVisible();
  s.grid = m_editor->IsGridVisible();
  s.snap = m_editor->GetSnapToGrid();
  s.zoomFactor = Percent(m_editor->GetZoomFactor());
  s.zoomLevel = Percent(m_editor->GetZoom());
  s.units = GetUnit();
  s.gridSize = m_editor->GetGridSize().cy;
  return s;
}

void CPlandelView::SaveSettings() {
  if (!m_settingsLoaded || !m_editor) return;
  GetSettings().Save();
}

EditorState CPlandelView::GetEditorState() const {
  EditorState state;
  if (!m_editor) return state;
  state.selected = m_editor->GetSelectCount();
  state.canPaste = m_editor->CanPaste();
  state.canUndo = m_editor->CanUndo();
  state.grid = m_editor->IsGridVisible();
  state.margins = m_editor->IsMarginVisible();
  state.snap = m_editor->GetSnapToGrid();
  return state;
}

bool CPlandelView::StartDrawing(int64_t toolCode) {
  const std::optional<NewEntity> entity = EntityForToolCode(toolCode);
  if (!entity || !m_editor) return false;
  m_editor->StartDrawingObject(CreateNewEntity(*entity));
  return true;
}

void CPlandelView::ClearProperties() {
  if (m_notifications) m_notifications->ClearProperties();
}

void CPlandelView::DeleteSelection() {
  m_editor->DeleteAllSelected();
  ClearProperties();
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
    // The canvas announces its own point type; both are two ints, x then y.
    const auto* point = reinterpret_cast<const platform::gdi::Point*>(wParam);
    if (m_horzRuler) m_horzRuler->SetMouseMark(point ? point->x : -1);
    if (m_vertRuler) m_vertRuler->SetMouseMark(point ? point->y : -1);
  } else if (message == WM_REPORT_EDITOR_MEASUREMENT) {
    SetRulersUnit(static_cast<int32_t>(wParam));
  } else if (message == WM_CORVANE_START_DRAWING) {
    StartDrawing(static_cast<int64_t>(wParam));
    event.SetResult(-1);
  } else {
    event.Skip();
  }
}

void CPlandelView::OnCommand(wxCommandEvent& event) {
  const int id = event.GetId();
  if (!m_editor) {
    event.Skip();
    return;
  }
  if (std::optional<double> zoom = FixedZoom(id)) {
    m_editor->SetZoom(*zoom);
    return;
  }
  if (std::optional<NewEntity> entity = EntityForCommand(id)) {
    m_editor->StartDrawingObject(CreateNewEntity(*entity));
    return;
  }
  CReportEditor& editor = *m_editor;
  switch (id) {
    case ID_GRID: editor.ShowGrid(!editor.IsGridVisible()); break;
    case ID_MARGINS: editor.ShowMargin(!editor.IsMarginVisible()); break;
    case ID_SNAP_TO_GRID: editor.SetSnapToGrid(!editor.GetSnapToGrid()); break;
    case ID_EDIT_COPY: editor.Copy(); break;
    case ID_EDIT_CUT:
      editor.Cut();
      ClearProperties();
      break;
    case ID_EDIT_DELETE: DeleteSelection(); break;
    case ID_EDIT_PASTE: editor.Paste(); break;
    case ID_EDIT_UNDO:
      // The undone entities are new objects: the property bar shows them anew.
      editor.Undo();
      ClearProperties();
      editor.UpdateProperties();
      break;
    // The canvas holds the zoom within its limits.
    case ID_ZOOM_IN: editor.SetZoom(editor.GetZoom() + editor.GetZoomFactor()); break;
    case ID_ZOOM_OUT: editor.SetZoom(editor.GetZoom() - editor.GetZoomFactor()); break;
    case ID_ZOOM_TO_FIT: editor.ZoomToFit(); break;
    case ID_ALIGN_LEFT: editor.LeftAlignSelected(); break;
    case ID_ALIGN_RIGHT: editor.RightAlignSelected(); break;
    case ID_ALIGN_TOP: editor.TopAlignSelected(); break;
    case ID_ALIGN_BOTTOM: editor.BottomAlignSelected(); break;
    case ID_SAME_WIDTH: editor.MakeSameSizeSelected(true, false); break;
    case ID_SAME_HEIGHT: editor.MakeSameSizeSelected(false, true); break;
    case ID_SAME_SIZE: editor.MakeSameSizeSelected(true, true); break;
    case ID_BRING_TO_FRONT: editor.BringToFront(); break;
    case ID_SEND_TO_BACK: editor.SendToBack(); break;
    case ID_BRING_FORWARD: editor.BringForward(); break;
    case ID_SEND_BACKWARD: editor.SendBackward(); break;
    case ID_GROUP: editor.Group(); break;
    case ID_UNGROUP: editor.Ungroup(); break;
    case ID_MOVE_LEFT: editor.MoveSelectedLeft(); break;
    case ID_MOVE_UP: editor.MoveSelectedUp(); break;
    case ID_MOVE_RIGHT: editor.MoveSelectedRight(); break;
    case ID_MOVE_DOWN: editor.MoveSelectedDown(); break;
    case ID_PROPERTIES: editor.ShowProperties(); break;
    case ID_PAGE_SETUP: OnPageSetup(); break;
    default: event.Skip(); break;
  }
}

void CPlandelView::OnUpdateCommand(wxUpdateUIEvent& event) {
  const std::optional<CommandState> state = GetCommandState(event.GetId(), GetEditorState());
  // The frame knows its bars.
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

void CPlandelView::OnCharHook(wxKeyEvent& event) {
  if (!m_editor) {
    event.Skip();
    return;
  }
  // Before the accelerators: Ctrl+arrow aligns, an arrow moves the selection
  // one grid step, Delete deletes it.
  const bool control = event.ControlDown();
  switch (event.GetKeyCode()) {
    case WXK_LEFT: control ? m_editor->LeftAlignSelected() : m_editor->MoveSelectedLeft(); break;
    case WXK_UP: control ? m_editor->TopAlignSelected() : m_editor->MoveSelectedUp(); break;
    case WXK_RIGHT: control ? m_editor->RightAlignSelected() : m_editor->MoveSelectedRight(); break;
    case WXK_DOWN: control ? m_editor->BottomAlignSelected() : m_editor->MoveSelectedDown(); break;
    case WXK_DELETE: DeleteSelection(); break;
    default: event.Skip(); break;
  }
}

void CPlandelView::PrintTemplate(platform::gdi::Canvas& canvas, const wxRect& rect, double scale) {
  if (!m_editor) return;
  DiagramEditorCore& core = m_editor->Core();
  // Printed on white, whatever colour the paper has on screen.
  const platform::gdi::COLORREF paper = core.backgroundColor;
  core.backgroundColor = 0xFFFFFF;
  core.Print(canvas, platform::gdi::Rect{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height}, scale);
  core.backgroundColor = paper;
  m_editor->Redraw();
}

void CPlandelView::OnPageSetup() {
  COptionsDlg dialog(*this, this);
  dialog.DoModal();
}

}  // namespace designer
