#pragma once

// Base of the frame windows of the designer and the preview library. A frame
// keeps its placement between runs: a binary value named after the frame
// (the concrete frame's constructor gives the name) under a placement key
// ("Software\Corvane\Designer\WinPos" for the designer,
// "Software\Corvane\WinPos" for the preview library). It never gets smaller
// than 320 x 320 pixels. With a bar-state key set it also keeps whether its
// toolbar and status bar are shown, under bar-state key\<name>_Bar.
//
//   class InvoiceFrame : public BaseFrameWnd {
//     InvoiceFrame() : BaseFrameWnd(L"InvoicePreviewFrameWnd", common::kWinPosKey) {}
//     int OnCreate() override { CreateStatusBar(1); return 0; }
//   };
//   frame->LoadFrame(L"Title");  // hidden, placement restored
//   frame->ShowFrame();          // shown in the stored state (maximised, normal)
//   frame->Destroy();            // placement saved, window destroyed

#include <string>

#include <wx/frame.h>

#include "common/WindowPlacement.h"

class BaseFrameWnd : public wxFrame {
public:
  static constexpr int kMinTrackSize = 320;

  BaseFrameWnd(std::wstring frameName, std::wstring placementKey);
  ~BaseFrameWnd() override;
  BaseFrameWnd(const BaseFrameWnd&) = delete;
  BaseFrameWnd& operator=(const BaseFrameWnd&) = delete;

  // Creates the window hidden, runs OnCreate, then restores the placement
  // and the bar state. False, and no window, when creation or OnCreate fails.
  virtual bool LoadFrame(const std::wstring& title, long style = wxDEFAULT_FRAME_STYLE,
                         wxWindow* parent = nullptr);
  // Shows the frame in the show state of its stored placement: maximised
  // when it was closed maximised, otherwise normal.
  void ShowFrame();
  // Saves the bar state and the placement, then destroys the window.
  bool Destroy() override;

  const std::wstring& GetFrameName() const { return m_frameName; }
  const std::wstring& GetPlacementKey() const { return m_placementKey; }
  // Where the bar state lives (the application's profile key); empty: not kept.
  void SetBarStateKey(std::wstring key) { m_barStateKey = std::move(key); }

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

private:
  void OnMoveOrSize(wxEvent& event);

  std::wstring m_frameName;
  std::wstring m_placementKey;
  std::wstring m_barStateKey;
  wxRect m_normalRect;
  int32_t m_showCmd = common::kShowNormal;
  bool m_stateSaved = false;
};
