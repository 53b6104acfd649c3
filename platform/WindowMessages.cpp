#include "platform/WindowMessages.h"

#include "platform/RegistryStore.h"

#include <wx/app.h>
#include <wx/thread.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include <map>
#include <mutex>
#include <unordered_set>
#include <vector>

wxDEFINE_EVENT(EVT_CORVANE_MESSAGE, platform::WindowMessageEvent);

namespace platform {
namespace {

constexpr unsigned kFirstRegisteredMessage = 0xC000;
constexpr unsigned kLastRegisteredMessage = 0xFFFF;

std::mutex g_messagesMutex;
std::map<std::wstring, unsigned>& RegisteredMessages() {
  static std::map<std::wstring, unsigned> messages;
  return messages;
}

void CollectTree(wxWindow* window, std::vector<wxWeakRef<wxWindow>>& windows,
                 std::unordered_set<wxWindow*>& seen) {
  if (!seen.insert(window).second) return;
  windows.emplace_back(window);
  for (wxWindow* child : window->GetChildren()) CollectTree(child, windows, seen);
}

// A window whose destruction is under way or pending (a closed frame waits
// for the next idle time) no longer takes messages.
bool IsGoingAway(wxWindow* window) {
  if (window->IsBeingDeleted()) return true;
  if (!wxTheApp) return false;
  for (; window; window = window->GetParent())
    if (wxTheApp->IsScheduledForDestruction(window)) return true;
  return false;
}

}  // namespace

unsigned RegisterWindowMessage(const std::wstring& name) {
  if (name.empty()) return 0;
  // Names compare without regard to case, as registered message names do.
  const std::wstring key = RegistryStore::Fold(name);
  std::lock_guard lock(g_messagesMutex);
  auto& messages = RegisteredMessages();
  if (const auto found = messages.find(key); found != messages.end()) return found->second;
  const unsigned id = kFirstRegisteredMessage + static_cast<unsigned>(messages.size());
  if (id > kLastRegisteredMessage) return 0;
  messages.emplace(key, id);
  return id;
}

WindowMessageEvent::WindowMessageEvent(unsigned message, WPARAM wParam, LPARAM lParam)
    : wxEvent(0, EVT_CORVANE_MESSAGE), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

LRESULT SendMessage(wxWindow* window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (!window) return 0;
  WindowMessageEvent event(message, wParam, lParam);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  // Not a command event, so it stays with this window: parents never see it.
  window->ProcessWindowEvent(event);
  return event.GetResult();
}

void SendToThreadWindows(unsigned message, WPARAM wParam, LPARAM lParam) {
  // Windows belong to the GUI thread; other threads have none to send to.
  if (!wxThread::IsMain()) return;
  // The list is taken first, so that windows a handler creates are not
  // reached; windows a handler destroys are skipped through the weak refs.
  std::vector<wxWeakRef<wxWindow>> windows;
  std::unordered_set<wxWindow*> seen;
  for (wxWindow* topLevel : wxTopLevelWindows) CollectTree(topLevel, windows, seen);
  for (const wxWeakRef<wxWindow>& window : windows)
    if (window && !IsGoingAway(window.get())) SendMessage(window.get(), message, wParam, lParam);
}

}  // namespace platform
