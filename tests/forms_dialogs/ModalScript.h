#pragma once

// Drives modal dialogs in GUI tests: each step waits for a shown modal
// dialog that it accepts and then acts on it, from the dialog's own event
// loop, so that actions may open further modal dialogs.

#include <deque>
#include <functional>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include "common/ui/popup_menu.h"

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

}  // namespace corvane::test
