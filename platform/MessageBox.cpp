#include "platform/MessageBox.h"

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

namespace platform {
namespace {

MessageBoxRecorder* g_recorder = nullptr;

constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kDefaultButtonMask = 0xF00;

bool HasYesNo(unsigned style) {
  const unsigned buttons = style & kButtonMask;
  return buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
}

bool HasCancel(unsigned style) {
  const unsigned buttons = style & kButtonMask;
  return buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL;
}

}  // namespace

long ToWxMessageStyle(unsigned style) {
  long wxStyle = HasYesNo(style) ? wxYES_NO : wxOK;
  if (HasCancel(style)) wxStyle |= wxCANCEL;
  switch (style & kIconMask) {
    case MB_ICONERROR:
      wxStyle |= wxICON_ERROR;
      break;
    case MB_ICONQUESTION:
      wxStyle |= wxICON_QUESTION;
      break;
    case MB_ICONEXCLAMATION:
      wxStyle |= wxICON_EXCLAMATION;
      break;
    case MB_ICONINFORMATION:
      wxStyle |= wxICON_INFORMATION;
      break;
    default:
      wxStyle |= wxICON_NONE;  // wx would otherwise pick an icon of its own
  }
  // The second button is No in a Yes/No box and Cancel in an OK/Cancel box.
  const bool second = (style & kDefaultButtonMask) == MB_DEFBUTTON2;
  if (HasYesNo(style))
    wxStyle |= second ? wxNO_DEFAULT : wxYES_DEFAULT;
  else
    wxStyle |= second && HasCancel(style) ? wxCANCEL_DEFAULT : wxOK_DEFAULT;
  return wxStyle;
}

int ToMessageBoxResult(int wxId, unsigned style) {
  switch (wxId) {
    case wxID_YES:
      return IDYES;
    case wxID_NO:
      return IDNO;
    case wxID_OK:
      return IDOK;
    default:
      // Closed without a button (Escape, the window's close box): Cancel where
      // the box has one, else the answer that changes nothing.
      if (HasCancel(style)) return IDCANCEL;
      return HasYesNo(style) ? IDNO : IDOK;
  }
}

namespace {

// The top-level window that last took the focus. Right after a context menu
// the toolkit has given the focus to no window yet; the window that asked
// is the one that had it last.
wxWeakRef<wxWindow> g_lastFocusedTop;

// Watches every event of the process for the focus going to a window. Each
// module that holds this code (the program, a loaded library) has its own,
// added when the module loads and taken away when it unloads.
class FocusFilter : public wxEventFilter {
public:
  FocusFilter() { wxEvtHandler::AddFilter(this); }
  ~FocusFilter() override { wxEvtHandler::RemoveFilter(this); }

  int FilterEvent(wxEvent& event) override {
    if (event.GetEventType() == wxEVT_SET_FOCUS) {
      if (auto* window = wxDynamicCast(event.GetEventObject(), wxWindow)) {
        if (wxWindow* top = wxGetTopLevelParent(window)) g_lastFocusedTop = top;
      }
    }
    return Event_Skip;
  }
};

FocusFilter g_focusFilter;

bool CanOwn(wxWindow* top) { return top && top->IsShown() && !top->IsBeingDeleted(); }

}  // namespace

wxWindow* DefaultMessageOwner() {
  wxWindow* focus = wxWindow::FindFocus();
  wxWindow* top = focus ? wxGetTopLevelParent(focus) : nullptr;
  if (CanOwn(top)) return top;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* topLevel = dynamic_cast<wxTopLevelWindow*>(window);
    if (CanOwn(topLevel) && topLevel->IsActive()) return topLevel;
  }
  wxWindow* last = g_lastFocusedTop.get();
  return CanOwn(last) ? last : nullptr;
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned style, wxWindow* owner) {
  if (g_recorder) return g_recorder->Answer({text, caption, style, owner});
  wxString title = caption;
  if (title.empty() && wxTheApp) title = wxTheApp->GetAppDisplayName();
  wxWindow* const focus = wxWindow::FindFocus();
  // Without an owner the box would stand over the application's main window,
  // which the desktop then raises over the form that asked.
  if (!owner) owner = DefaultMessageOwner();
  wxMessageDialog dialog(owner, text, title, ToWxMessageStyle(style));
  const int result = ToMessageBoxResult(dialog.ShowModal(), style);
  // The desktop may hand the activation to any other window of the program
  // when the box goes: the window that asked takes it back.
  if (wxWindow* top = owner ? wxGetTopLevelParent(owner) : nullptr) {
    top->Raise();
    const bool focusStays = focus && wxGetTopLevelParent(focus) == top;
    (focusStays ? focus : owner)->SetFocus();
  }
  return result;
}

MessageBoxRecorder::MessageBoxRecorder() : m_previous(g_recorder) {
  g_recorder = this;
}

MessageBoxRecorder::~MessageBoxRecorder() {
  g_recorder = m_previous;
}

int MessageBoxRecorder::Answer(const ShownMessage& message) {
  m_shown.push_back(message);
  if (!m_answers.empty()) {
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  return HasYesNo(message.style) ? IDNO : IDOK;
}

}  // namespace platform
