#include "platform/ModalDialogs.h"

#include <algorithm>
#include <vector>

#include <wx/dialog.h>
#include <wx/modalhook.h>

#include "platform/GtkTypes.h"

namespace platform {
namespace {

// GTK's own response for Cancel.
constexpr int kGtkResponseCancel = -6;

struct OpenDialog {
  wxDialog* dialog = nullptr;
  bool cancelled = false;
};

class ModalDialogWatch : public wxModalDialogHook {
public:
  std::vector<OpenDialog>& Open() { return m_open; }

protected:
  int Enter(wxDialog* dialog) override {
    m_open.push_back({dialog});
    return wxID_NONE;
  }
  void Exit(wxDialog* dialog) override {
    const auto found = std::find_if(m_open.rbegin(), m_open.rend(),
                                    [dialog](const OpenDialog& open) { return open.dialog == dialog; });
    if (found != m_open.rend()) m_open.erase(std::next(found).base());
  }

private:
  std::vector<OpenDialog> m_open;  // outermost first
};

ModalDialogWatch* g_watch = nullptr;

// Message boxes and file dialogs are the toolkit's own dialogs, run by
// the toolkit: they end on the response the toolkit's Cancel gives.
bool IsToolkitDialog(wxDialog* dialog) {
  return IsGtkType(dialog->GetHandle(), "GtkDialog");
}

}  // namespace

void WatchModalDialogs() {
  if (g_watch) return;
  g_watch = new ModalDialogWatch;  // lives as long as the program
  g_watch->Register();
}

bool CancelInnermostModalDialog() {
  if (!g_watch || g_watch->Open().empty()) return false;
  OpenDialog& innermost = g_watch->Open().back();
  if (innermost.cancelled) return true;
  innermost.cancelled = true;
  wxDialog* dialog = innermost.dialog;
  if (IsToolkitDialog(dialog))
    g_signal_emit_by_name(static_cast<void*>(dialog->GetHandle()), "response", kGtkResponseCancel);
  else if (dialog->IsModal())
    dialog->EndModal(wxID_CANCEL);
  return true;
}

}  // namespace platform
