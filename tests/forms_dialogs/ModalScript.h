#pragma once

// Drives modal dialogs in GUI tests: each step waits for a shown modal
// dialog that it accepts and then acts on it, from the dialog's own event
// loop, so that actions may open further modal dialogs.

#include <deque>
#include <functional>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <vector>

#include "common/ui/popup_menu.h"
#include "shell/ui/BaseSaveFrame.h"
#include "tests/support/GuiEvents.h"
#include "platform/WindowMessages.h"

namespace corvane::test {

class ModalScript : public wxTimer {
public:
  using Match = std::function<bool(wxDialog&)>;
  using Act = std::function<void(wxDialog&)>;

  ModalScript() { Start(30); }
  ~ModalScript() override { Stop(); }

  // The next step: the first shown modal dialog of that type is acted on.
  template <class Dialog>
  ModalScript& Then(std::function<void(Dialog&)> act) {
    m_steps.push_back({[](wxDialog& dialog) { return dynamic_cast<Dialog*>(&dialog) != nullptr; },
                       [act](wxDialog& dialog) { act(dynamic_cast<Dialog&>(dialog)); }});
    return *this;
  }

  bool IsDone() const { return m_steps.empty() && !m_acting; }

  void Notify() override {
    if (m_steps.empty() || m_acting) return;
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<wxDialog*>(window);
      if (!dialog || !dialog->IsModal() || !dialog->IsShown() || !m_steps.front().match(*dialog)) continue;
      Step step = m_steps.front();
      m_steps.pop_front();
      m_acting = true;
      // Acted on from the dialog's event loop, not from inside this timer
      // callback, so that a nested modal loop lets the timer fire again.
      dialog->CallAfter([this, step, dialog] {
        m_acting = false;
        step.act(*dialog);
      });
      return;
    }
  }

private:
  struct Step {
    Match match;
    Act act;
  };
  std::deque<Step> m_steps;
  bool m_acting = false;
};

// Presses the button with that id as a click would.
inline void Click(wxWindow* parent, int id) {
  wxWindow* button = parent->FindWindow(id);
  if (!button) return;
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
}

// A context-menu answer that picks the item with that text.
inline popup_menu::TrackHandler ChooseMenuItem(const wchar_t* text) {
  return [text](const popup_menu& menu, wxWindow*, bool) { return menu.GetMenu()->FindItem(text); };
}

// Destroys every top-level window, unsaved edits dropped without a question.
inline void DiscardAllWindows() {
  for (wxWindow* window : std::vector<wxWindow*>(wxTopLevelWindows.begin(), wxTopLevelWindows.end())) {
    if (auto* frame = dynamic_cast<BaseSaveFrame*>(window)) frame->SetModified(false);
    window->Destroy();
  }
}

// Pumps, for at most a few seconds, until the script has acted on every dialog.
inline bool RunModalScript(ModalScript& script) {
  for (int i = 0; i < 300 && !script.IsDone(); ++i) {
    PumpEvents();
    wxMilliSleep(10);
  }
  return script.IsDone();
}

// A menu or toolbar command sent to a frame, and whether the frame enables it.
inline void SendCommand(wxFrame* frame, int id) {
  wxCommandEvent command(wxEVT_MENU, id);
  command.SetEventObject(frame);
  frame->ProcessWindowEvent(command);
}
inline bool IsCommandEnabled(wxFrame* frame, int id) {
  wxUpdateUIEvent update(id);
  update.SetEventObject(frame);
  frame->ProcessWindowEvent(update);
  return update.GetEnabled();
}

// A top-level window that keeps every registered message broadcast to it.
class BroadcastListener : public wxFrame {
public:
  BroadcastListener() : wxFrame(nullptr, wxID_ANY, L"listener") {
    Bind(EVT_CORVANE_MESSAGE, [this](platform::WindowMessageEvent& event) {
      heard.push_back(event.GetMessage());
      event.Skip();
    });
  }
  std::vector<unsigned> heard;
};

}  // namespace corvane::test
