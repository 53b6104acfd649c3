#pragma once

// The outlook bar: folder buttons stacked at the top and bottom, the open
// folder's items between them. It paints double-buffered from an
// OutBarLayout, tracks the hot folder and item, scrolls long lists with two
// arrows, slides to a newly opened folder on a timer, and lets the user drag
// an item to another place in its folder when the owner agrees.

#include <functional>

#include <wx/bitmap.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "designer/bars/OutBarLayout.h"

namespace designer {

class CGfxOutBarCtrl : public wxWindow {
public:
  // Style flags.
  static constexpr int32_t kDragItems = 0x80;
  static constexpr int32_t kAnimateFolders = 0x100;
  static constexpr int32_t kNoHotSelected = 0x200;
  // Notifications to the owner.
  static constexpr int32_t kItemClicked = 1;
  static constexpr int32_t kDragItem = 4;  // asks; non-zero lets the item move
  static constexpr int32_t kFolderChanged = 5;
  struct DragRequest {
    int32_t folder = -1;
    int32_t item = -1;
    int32_t dropIndex = -1;
  };
  // code, index (item or folder), the drag request for kDragItem.
  using Notify = std::function<int64_t(int32_t code, int32_t index, const DragRequest* drag)>;

  static constexpr int32_t kDefaultFlags = kDragItems | kAnimateFolders | kNoHotSelected;
  // The tool box's: items may be dragged, folders slide, and the selected
  // item is hot-tracked like any other.
  static constexpr int32_t kToolBoxFlags = 0x1FC;

  CGfxOutBarCtrl(wxWindow* parent, int id, int32_t flags = kDefaultFlags);
  int32_t GetFlags() const { return m_flags; }
  ~CGfxOutBarCtrl() override;

  void SetNotify(Notify notify) { m_notify = std::move(notify); }
  // A folder with a child window shows that window (a child of the bar) in
  // its item area instead of items.
  int32_t AppendFolder(const std::wstring& name, int32_t data, wxWindow* child = nullptr);
  void SetFolderChild(int32_t folder, wxWindow* child);
  wxWindow* GetFolderChild(int32_t folder) const;
  int32_t InsertFolderItem(int32_t folder, int32_t index, const std::wstring& text, int32_t image, int32_t data);
  void SelectFolder(int32_t index);
  int32_t GetSelFolder() const { return m_layout.GetSelectedFolder(); }
  int32_t GetFolderItemData(int32_t index) const { return m_layout.GetItemData(index); }
  void ResetSelection();
  void SetAnimationTickCount(int32_t delay) { m_slideDelay = delay; }
  void SetSelectionTimer(int32_t period);

  const OutBarLayout& GetLayout() const { return m_layout; }
  // The skinning library's backgrounds of the item area, the folder buttons
  // and the arrows; null without the library.
  enum SkinPart { kSkinItems, kSkinFolders, kSkinArrows };
  void* GetSkinBackground(SkinPart part) const { return m_skins[part]; }
  int32_t GetHotItem() const { return m_hotItem; }
  int32_t GetHotFolder() const { return m_hotFolder; }
  // While the bar slides to a newly opened folder: the top of the first
  // button that travels, called after each step.
  bool IsSliding() const { return m_slide.before.IsOk(); }
  void SetOnSlideStep(std::function<void(int32_t top)> onStep) { m_onSlideStep = std::move(onStep); }

  // What a press and release at two points of the bar do (the mouse
  // handlers run these); exposed for tests.
  void PressAt(wxPoint point);
  void DragTo(wxPoint point);
  void ReleaseAt(wxPoint point);

private:
  void OnPaint(wxPaintEvent& event);
  // Draws the bar as the layout has it; live adds the pressed, hot and
  // dragging looks of the mouse.
  void Render(wxDC& dc, const OutBarLayout& layout, bool live);
  void StartSlide(const OutBarLayout& before);
  void OnSize(wxSizeEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnSlideTimer(wxTimerEvent& event);
  void OnArrowTimer(wxTimerEvent& event);
  void OnSelectionTimer(wxTimerEvent& event);
  int64_t Send(int32_t code, int32_t index, const DragRequest* drag = nullptr);
  void UpdateClient();
  // Moves the folders' child windows onto the item area; the open folder's
  // is shown, the others hidden.
  void PlaceChildren();
  // The keyboard focus is in one of the bar's child windows.
  bool IsFocusInChild() const;

  OutBarLayout m_layout;
  int32_t m_flags;
  int32_t m_slideDelay = 10;
  int32_t m_selectionPeriod = 0;
  int32_t m_selectionTicks = 0;
  Notify m_notify;
  int32_t m_hotFolder = -1;
  int32_t m_hotItem = -1;
  // The press in progress.
  OutBarHitResult m_pressed;
  bool m_pressedLook = false;
  bool m_dragging = false;
  std::optional<int32_t> m_dropIndex;
  // The slide to a newly opened folder.
  struct Slide {
    wxBitmap before, after;  // the bar with the old and with the new folder open
    bool opensBelow = false;  // the new folder lies below the old one
    int32_t position = 0;     // where the travelling band's top is now
    int32_t target = 0;       // and where it ends
    int32_t bandSource = 0;   // the band's top in the picture it comes from
    int32_t fixedTop = 0;     // the top of the buttons that stay at the bottom
  };
  Slide m_slide;
  std::function<void(int32_t)> m_onSlideStep;
  wxTimer m_slideTimer;
  wxTimer m_arrowTimer;
  wxTimer m_selectionTimer;
  void* m_skins[3] = {};
};

}  // namespace designer
