#pragma once

// The auto-hide bars: a 24-pixel strip on one side of the frame with a tab
// for each bar parked on it. Moving the mouse over a tab slides out its
// CDrawFrame, which holds the bar's window; the frame hides when it loses
// the focus, and its pin button docks the bar back.

#include <functional>
#include <memory>
#include <vector>

#include <wx/frame.h>
#include <wx/font.h>
#include <wx/imaglist.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "designer/bars/AutoHideLayout.h"

namespace designer {

class CAutoHideBar;
class CPinDockBar;

// The sliding frame of one tab: a caption band with the title and the pin
// button over the bar's window.
class CDrawFrame : public wxFrame {
public:
  // The frame's full size is the docked window's depth (its size across
  // the bar) with the frame's borders around it, so that the window gets
  // its depth back when the frame is out.
  CDrawFrame(CAutoHideBar* bar, const wxString& title, wxWindow* docked, int32_t dockedDepth);
  ~CDrawFrame() override;

  // Slides out from the bar (nothing while shown).
  void SlideOut();
  // One step of the slide; false once the frame has its full size.
  bool SlideStep();
  void HideFrame();
  // From the slide's start until the frame has its full size (the timer
  // stops between steps); sizes met meanwhile are the slide's, not the user's.
  bool IsSliding() const { return m_sliding; }
  int32_t GetFullSize() const { return m_fullSize; }
  wxWindow* GetDocked() const { return m_docked; }
  // The strip along the far edge by which the user resizes the frame.
  wxWindow* GetSizingEdge() const { return m_edge; }
  // Gives the docked window back to its new parent.
  void ReleaseDocked(wxWindow* newParent);

private:
  void OnTimer(wxTimerEvent& event);
  void PaintCaption(wxPaintEvent& event);
  wxRect PinRect() const;

  CAutoHideBar* m_bar;
  wxWindow* m_caption = nullptr;
  wxWindow* m_edge = nullptr;
  wxPoint m_edgePress;  // where the press on the edge was, on the screen
  wxRect m_edgeFrame;   // and the frame then
  wxWindow* m_docked;
  int32_t m_fullSize;
  bool m_sliding = false;
  bool m_pinHot = false;
  bool m_pinPressed = false;
  bool m_wasActive = false;
  wxTimer m_timer;
};

class CAutoHideBar : public wxWindow {
public:
  static constexpr int kBaseId = 233;

  CAutoHideBar(wxWindow* parent, AutoHideSide side);
  ~CAutoHideBar() override;

  AutoHideSide GetSide() const { return m_side; }
  // Parks the bar's window on a new tab; the frame's depth is the window's
  // size across the bar. The image is an index into the bar's image list
  // (negative: none).
  void AddTab(CPinDockBar* bar, uint32_t flags = kTabText, int32_t image = -1);
  // Takes the bar's tab away and gives its window back to the bar.
  void RemoveTab(CPinDockBar* bar);
  bool HasTab(const CPinDockBar* bar) const;
  bool IsEmpty() const { return m_tabs.empty(); }
  const std::vector<AutoHideTab>& GetTabs() const { return m_tabs; }
  CDrawFrame* GetFrame(const CPinDockBar* bar) const;
  std::vector<CPinDockBar*> GetBars() const;

  // Called when a frame's pin is pressed: the owner docks the bar back.
  void SetOnPin(std::function<void(CPinDockBar*)> onPin) { m_onPin = std::move(onPin); }
  void PinBack(CDrawFrame* frame);

  // The skinning library's background of the bar; null without it.
  void* GetSkinBackground() const { return m_skin; }

  // The images of the tabs; not owned, may be none.
  void SetImageList(wxImageList* images) { m_images = images; }
  // The tabs' font: "Arial", 14 pixels high, normal weight (turned upright
  // on the left and right bars).
  const wxFont& GetTabFont() const { return m_font; }
  // Paints the bar: background, tab frames, images and texts.
  void Draw(wxDC& dc);

  // Over the tab at a point: makes it hot and slides its frame out.
  void HoverAt(wxPoint point);

private:
  void LayoutTabs();
  void OnPaint(wxPaintEvent& event);

  AutoHideSide m_side;
  std::vector<AutoHideTab> m_tabs;  // window: the CPinDockBar
  std::vector<CDrawFrame*> m_frames;  // one per tab, null for separators
  int32_t m_hot = -1;
  std::function<void(CPinDockBar*)> m_onPin;
  void* m_skin = nullptr;  // the skinning library's background, if any
  wxImageList* m_images = nullptr;
  wxFont m_font;
};

}  // namespace designer
