#pragma once

// A frame with a modified flag: closing a modified frame asks "Would you like
// to save the changes?" (Yes saves through SaveChanges and closes only when
// that succeeds, No closes without saving, Cancel keeps the frame open).

#include <functional>

#include "common/ui/BaseFrameWnd.h"

class BaseSaveFrame : public BaseFrameWnd {
public:
  BaseSaveFrame();

  bool IsModified() const { return m_modified; }
  void SetModified(bool modified = true) { m_modified = modified; }

  // Saves the frame's data; true when saved. The base clears the flag.
  virtual bool SaveChanges();

  // The close question: true when the frame may close now. Also for the
  // application, which asks every frame before it ends.
  virtual bool QueryClose();

private:
  void OnClose(wxCloseEvent& event);

  bool m_modified = false;
};

// The question alone: true when closing may go on. Yes calls save (closing
// only when it returns true); No clears the flag; Cancel stops.
bool AskSaveBeforeClose(bool& modified, const std::function<bool()>& save, wxWindow* owner);

// The close question of every modified frame open beside except, each raised
// in turn: true when all may close, false at the first that stays (Cancel, or
// a save that failed). Asked before the program ends.
bool QueryCloseModifiedFrames(const wxWindow* except);

// Sets the modified flag of the frame that holds the window (a page, a form,
// a control); nothing when no BaseSaveFrame holds it.
void MarkFrameModified(wxWindow* window);

// The main program's profile, where its frames keep their bar state.
inline constexpr wchar_t kMainProfileKey[] = L"Software\\Corvane\\Corvane";
inline constexpr wchar_t kSaveChangesQuestion[] = L"Would you like to save the changes?";
inline constexpr wchar_t kAppCaption[] = L"Corvane";
