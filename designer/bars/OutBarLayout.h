#pragma once

// The outlook bar's folders and items, its selection and scroll state, and
// everything it computes from them: where the folder buttons, the item area
// and the items lie, what a point hits, where a dragged item would land and
// how far the list may scroll. The window (CGfxOutBarCtrl) paints from it
// and feeds it mouse positions; it needs no display.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace designer {

struct CBarItem {
  int32_t image = -1;  // kept, not drawn
  std::wstring text;
  int32_t data = 0;
  int32_t textHeight = 0;  // of the text in the bar's font; set by the window
};

struct CBarFolder {
  std::wstring name;
  int32_t data = 0;
  std::vector<CBarItem> items;
  void* child = nullptr;  // a window shown in place of the items; not owned
};

// What a client point hits.
enum class OutBarHit { None = -1, Folder = 0, Item = 1, UpArrow = 2, DownArrow = 3 };
struct OutBarHitResult {
  OutBarHit hit = OutBarHit::None;
  int32_t index = -1;
  bool operator==(const OutBarHitResult&) const = default;
};

class OutBarLayout {
public:
  static constexpr int32_t kButtonHeight = 22;
  static constexpr int32_t kItemOffset = 5;
  // An item is as wide as the item area less this.
  static constexpr int32_t kItemWidthLess = 28;
  // Added to the text height of an item.
  static constexpr int32_t kItemExtraHeight = 6;
  static constexpr int32_t kArrowInset = 5;

  void SetClient(platform::gdi::Rect client) { m_client = client; }
  platform::gdi::Rect GetClient() const { return m_client; }
  // The side of the square scroll arrows (the system's scroll bar width).
  void SetArrowSize(int32_t size) { m_arrowSize = size; }

  // Appends a folder; returns its index.
  int32_t AppendFolder(const std::wstring& name, int32_t data);
  // Inserts into the folder at index; an index below 0 or past the end
  // appends. Returns the index the item took, or -1 without that folder.
  int32_t InsertItem(int32_t folder, int32_t index, const std::wstring& text, int32_t image, int32_t data,
                     int32_t textHeight = 0);
  int32_t GetFolderCount() const { return static_cast<int32_t>(m_folders.size()); }
  const CBarFolder& GetFolder(int32_t index) const { return m_folders.at(index); }
  CBarFolder& GetFolder(int32_t index) { return m_folders.at(index); }

  // The open folder: the one chosen last (folder 1 before any choice), the
  // last folder when fewer exist, and -1 (none) without folders.
  int32_t GetSelectedFolder() const;
  // Opens a folder (first visible item 0, no selected item); false for an
  // index outside the folders.
  bool SelectFolder(int32_t index);
  int32_t GetItemCount() const;  // of the open folder
  // Data of an item of the open folder; 0 outside it.
  int32_t GetItemData(int32_t index) const;

  int32_t GetSelectedItem() const { return m_selectedItem; }
  void SetSelectedItem(int32_t index) { m_selectedItem = index; }
  int32_t GetFirstVisible() const { return m_firstVisible; }

  platform::gdi::Rect GetFolderRect(int32_t index) const;
  platform::gdi::Rect GetItemArea() const;
  // An item of the open folder, scrolled by the first visible item.
  platform::gdi::Rect GetItemRect(int32_t index) const;
  platform::gdi::Size GetItemSize(int32_t index) const;

  // The arrows show only for a folder without a child window: up when the
  // list is scrolled, down while the last item is not fully shown.
  bool IsUpArrowShown() const;
  bool IsDownArrowShown() const;
  platform::gdi::Rect GetUpArrowRect() const;
  platform::gdi::Rect GetDownArrowRect() const;
  // One step; false when the list cannot move that way.
  bool ScrollUp();
  bool ScrollDown();

  OutBarHitResult HitTest(platform::gdi::Point point) const;

  // Where an item dragged over the point would land: the index of the item
  // under it, the item count when the point lies below the last item inside
  // the item area, none elsewhere.
  std::optional<int32_t> GetDropIndex(platform::gdi::Point point) const;
  // Moves an item of the open folder to a drop index: an item moved down
  // lands one before the index, one dropped after the last is appended.
  // False (and nothing moves) when the place is the item's own.
  bool MoveItem(int32_t from, int32_t dropIndex);

private:
  bool HasChildWindow() const;

  platform::gdi::Rect m_client;
  int32_t m_arrowSize = 16;
  std::vector<CBarFolder> m_folders;
  int32_t m_selectedFolder = 1;
  int32_t m_firstVisible = 0;
  int32_t m_selectedItem = -1;
};

}  // namespace designer
