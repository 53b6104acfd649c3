#pragma once

// Base of the frame windows of all three programs. A frame keeps its
// placement between runs: a binary value named after the frame (the
// concrete frame gives the name) under a placement key ("Software\Corvane\WinPos"
// for the main program and the preview library, "Software\Corvane\Designer\WinPos"
// for the designer). It never gets smaller than 320 x 320 pixels. With a
// bar-state key (the application's profile) it also keeps whether its
// toolbar and status bar are shown, under bar-state key\<name>_Bar.
//
// A frame may hold views (View): menu and toolbar commands reach the active
// view first, then the frame, then the application.
//
//   class InvoiceFrame : public BaseFrameWnd {
//     InvoiceFrame() : BaseFrameWnd(L"InvoicePreviewFrameWnd", common::kWinPosKey) {}
//     int OnCreate() override { CreateStatusBar(1); return 0; }
//   };
//   frame->LoadFrame(L"Title");  // hidden, placement restored
//   frame->ShowFrame();          // shown in the stored state (maximised, normal)
//   frame->Destroy();            // placement saved, window destroyed

#include <string>
#include <vector>

#include <wx/frame.h>

#include "common/WindowPlacement.h"

class View;

class BaseFrameWnd : public wxFrame {
public:
  static constexpr int kMinTrackSize = 320;

  explicit BaseFrameWnd(std::wstring frameName = {}, std::wstring placementKey = common::kWinPosKey,
                        std::wstring barStateKey = {});
  ~BaseFrameWnd() override;
  BaseFrameWnd(const BaseFrameWnd&) = delete;
  BaseFrameWnd& operator=(const BaseFrameWnd&) = delete;

  // Creates the window hidden, runs OnCreate, then restores the placement
  // and the bar state. False, and no window, when creation or OnCreate fails.
  virtual bool LoadFrame(const std::wstring& title, long style = wxDEFAULT_FRAME_STYLE,
                         wxWindow* parent = nullptr);
  // Shows the frame in the show state of its stored placement: maximised
  // when it was closed maximised, otherwise normal. A frame without a stored
  // placement is first placed in the middle of its screen (PlaceOnScreen).
  virtual void ShowFrame();
  // Puts the frame in the middle of the screen's work area, made no larger
  // than that area.
  void PlaceOnScreen();
  // Saves the bar state and the placement, then destroys the window.
  bool Destroy() override;
  // Gives the frame the theme's picture as its small (16 x 16) and large
  // (32 x 32) icon, where the theme has it.
  void SetArtIcons(const wxString& art);

  const std::wstring& GetFrameName() const { return m_frameName; }
  const std::wstring& GetPlacementKey() const { return m_placementKey; }
  // Where the bar state lives (the application's profile key); empty: not kept.
  void SetBarStateKey(std::wstring key) { m_barStateKey = std::move(key); }

  // Views of this frame; the active one hears commands first.
  void AddFrameView(View* view);
  void RemoveFrameView(View* view);
  const std::vector<View*>& GetFrameViews() const { return m_views; }
  void SetActiveView(View* view) { m_activeView = view; }
  View* GetActiveView() const { return m_activeView; }
  // Runs OnInitialUpdate on every view of the frame, then shows it (ShowFrame).
  virtual void InitialUpdateFrame(bool makeVisible = true);

  // The placement the frame would save now: its show state and its restored
  // (not maximised) rectangle.
  common::WindowPlacement GetPlacement() const;
  void ApplyPlacement(const common::WindowPlacement& placement);
  void SavePlacement() const;
  // True when a stored placement was found and applied.
  bool RestorePlacement();
  void SaveBarState() const;
  void LoadBarState();

protected:
  // Called while the window is created, before the placement is restored;
  // 0 to go on, -1 to fail.
  virtual int OnCreate() { return 0; }

  // Commands (menu, toolbar, their update-UI) go to the active view before
  // the frame handles them; what nobody handles reaches the application.
  bool TryBefore(wxEvent& event) override;
  // Toolbars made by CreateToolBar take a clicked button's tooltip away
  // until the pointer leaves the button, so that it does not stay up over
  // the window the command opens.
  wxToolBar* OnCreateToolBar(long style, wxWindowID id, const wxString& name) override;

  // Set by the concrete frame, before LoadFrame.
  std::wstring m_frameName;

private:
  void OnMoveOrSize(wxEvent& event);
  // Bar state and placement, once per frame.
  void SaveState();

  std::wstring m_placementKey;
  std::wstring m_barStateKey;
  std::vector<View*> m_views;
  View* m_activeView = nullptr;
  wxRect m_normalRect;
  int32_t m_showCmd = common::kShowNormal;
  bool m_stateSaved = false;
  bool m_placementRestored = false;
};
