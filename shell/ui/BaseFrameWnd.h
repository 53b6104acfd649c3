#pragma once

// Base of the main program's frame windows. A frame keeps its placement and
// the visibility of its bars between runs under the name the concrete frame
// gives itself (its constructor sets m_frameName, e.g. "ItemFrameWnd"), owns
// its views and routes menu and toolbar commands to the active view first.
//
// A concrete frame:
//   class ItemFrame : public BaseTabFrame {
//     ItemFrame() { m_frameName = L"ItemFrameWnd"; }
//     int OnCreate() override {  // bars, menus
//       if (BaseTabFrame::OnCreate() == -1) return -1;
//       CreateToolBar(); ... CreateStatusBar(); return 0;
//     }
//   };
//   frame->LoadFrame(L"Item");  // creates the window, restores placement and bars

#include <string>
#include <vector>

#include <wx/frame.h>

#include "shell/ui/WindowPlacement.h"

class View;

// Where the bar state of a frame lives: the application's profile section
// frame name + "_Bar".
inline constexpr wchar_t kBarStateKeyPrefix[] = L"Software\\Corvane\\Corvane\\";
inline constexpr int kMinFrameTrackSize = 320;

class BaseFrameWnd : public wxFrame {
public:
  BaseFrameWnd();
  ~BaseFrameWnd() override;

  // Creates the window, runs OnCreate, then restores the placement and the
  // bar state. False (and no window) when creation fails.
  virtual bool LoadFrame(const std::wstring& title, long style = wxDEFAULT_FRAME_STYLE,
                         wxWindow* parent = nullptr);
  // Saves the bar state and the placement, then destroys the window.
  bool Destroy() override;

  std::wstring GetFrameName() const { return m_frameName; }

  // Views of this frame; the active one hears commands first.
  void AddFrameView(View* view);
  void RemoveFrameView(View* view);
  const std::vector<View*>& GetFrameViews() const { return m_views; }
  void SetActiveView(View* view) { m_activeView = view; }
  View* GetActiveView() const { return m_activeView; }

  // Runs OnInitialUpdate on every view of the frame, then shows it.
  virtual void InitialUpdateFrame(bool makeVisible = true);

  // The placement the frame would save now.
  WindowPlacement GetPlacement() const;
  void ApplyPlacement(const WindowPlacement& placement);

  void SaveState();
  void RestoreState();

protected:
  // Called while the window is created; 0 to go on, -1 to fail.
  virtual int OnCreate() { return 0; }

  // Commands (menu, toolbar, their update-UI) go to the active view before
  // the frame handles them; what nobody handles reaches the application.
  bool TryBefore(wxEvent& event) override;

  std::wstring m_frameName;

private:
  void OnMoveOrSize(wxEvent& event);

  std::vector<View*> m_views;
  View* m_activeView = nullptr;
  wxRect m_normalRect;
  bool m_stateSaved = false;
};
