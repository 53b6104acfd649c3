#pragma once

// The kinds of property items and the value each edits: text, integer or
// real (CPropTreeItemEdit), a choice of entries with data (combo), a colour
// (palette of 40 or the colour dialog), a path chosen through the open-file
// dialog and a font chosen through the font dialog. The dialogs go through
// the platform's seams, so tests answer them.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "designer/proptree/CPropTreeItem.h"
#include "platform/gdi/GdiTypes.h"

class wxWindow;

namespace designer {

class CPropTreeItemEdit : public CPropTreeItem {
public:
  enum class Format { Text = 0, Integer = 1, Real = 2 };
  using CPropTreeItem::CPropTreeItem;

  void SetValueFormat(Format format) { m_format = format; }
  Format GetValueFormat() const { return m_format; }
  void SetAsPassword(bool password) { m_password = password; }
  bool IsPassword() const { return m_password; }

  // The text as typed.
  void SetText(std::wstring text) { m_text = std::move(text); }
  const std::wstring& GetText() const { return m_text; }
  // The leading whole number of the text; 0 when it starts with none.
  int32_t GetInt() const;
  // The text as a whole number, white space around it allowed; none when it
  // holds anything else or lies outside 32 bits.
  std::optional<int32_t> ReadInt() const;
  void SetInt(int32_t value);
  // The leading real number of the text; 0 when it starts with none.
  double GetReal() const;
  void SetReal(double value);

  // One "*" per character for a password.
  std::wstring GetDisplayText() const override;

private:
  Format m_format = Format::Text;
  bool m_password = false;
  std::wstring m_text;
};

class CPropTreeItemCombo : public CPropTreeItem {
public:
  using CPropTreeItem::CPropTreeItem;

  // Appends an entry; returns its index.
  int32_t AddString(std::wstring text, int32_t data);
  const std::vector<std::pair<std::wstring, int32_t>>& GetEntries() const { return m_entries; }
  // The first entry with that data, or -1.
  int32_t FindCBData(int32_t data) const;
  // Selects the entry with that data; unchanged when there is none.
  void SetItemValue(int32_t data);
  // The data of the selected entry; 0 when none is selected.
  int32_t GetItemValue() const;
  void SetCurSel(int32_t index) { m_selected = index >= 0 && index < Count() ? index : -1; }
  int32_t GetCurSel() const { return m_selected; }
  std::wstring GetDisplayText() const override;

private:
  int32_t Count() const { return static_cast<int32_t>(m_entries.size()); }

  std::vector<std::pair<std::wstring, int32_t>> m_entries;
  int32_t m_selected = -1;
};

class CPropTreeItemColor : public CPropTreeItem {
public:
  // Five rows of eight (0x00BBGGRR).
  static const std::array<platform::gdi::COLORREF, 40> kPalette;

  using CPropTreeItem::CPropTreeItem;

  void SetItemValue(platform::gdi::COLORREF color) { m_color = color; }
  platform::gdi::COLORREF GetItemValue() const { return m_color; }
  // "R = %d, G = %d, B = %d".
  std::wstring GetDisplayText() const override;

  // The palette popup: 151 x 120, entry i a 13-pixel square at
  // (3 + 18 * column, 3 + 18 * row), and "More Colors" below them.
  static constexpr platform::gdi::Size kPopupSize{151, 120};
  static constexpr platform::gdi::Rect kMoreColorsRect{40, 94, 110, 114};
  static platform::gdi::Rect PaletteRect(size_t index);
  // The palette entry under a point of the popup, or -1.
  static int32_t PaletteIndexAt(platform::gdi::Point point);

  // The palette entry becomes the value and the item commits.
  void PickPalette(size_t index);
  // Runs the colour dialog with the tree's input disabled; the chosen
  // colour becomes the value. The item commits either way.
  void ChooseMoreColors(wxWindow* parent);

private:
  platform::gdi::COLORREF m_color = 0;
};

class CPropTreeItemBrowse : public CPropTreeItem {
public:
  using CPropTreeItem::CPropTreeItem;

  void SetItemValue(std::wstring text) { m_text = std::move(text); }
  const std::wstring& GetItemValue() const { return m_text; }
  std::wstring GetDisplayText() const override { return m_text; }
  // What the "..." button runs; true when the value was chosen (and
  // committed).
  virtual bool Browse(wxWindow* parent) { return false; }

protected:
  std::wstring m_text;
};

class CPropTreeItemBrowseFile : public CPropTreeItemBrowse {
public:
  CPropTreeItemBrowseFile(std::wstring filter, std::wstring defaultExtension, CPropPopulator* populator)
      : CPropTreeItemBrowse(populator), m_filter(std::move(filter)), m_defaultExtension(std::move(defaultExtension)) {}

  const std::wstring& GetFilter() const { return m_filter; }
  // The open-file dialog on the current path; the chosen path commits.
  bool Browse(wxWindow* parent) override;

private:
  std::wstring m_filter;
  std::wstring m_defaultExtension;
};

// The font's height field holds its size in tenths of a point. The font
// dialog of the desktop offers no underline or strike-out: the item carries
// them as two check box items of its own (AddEffectItems).
class CPropTreeItemFont : public CPropTreeItemBrowse {
public:
  enum class Effect { Underline = 0, StrikeOut = 1 };
  using CPropTreeItemBrowse::CPropTreeItemBrowse;

  // Inserts the check box items "Underline" and "Strike-out" below the
  // item, which must be in a tree.
  void AddEffectItems();
  void SetFont(const platform::gdi::LogFont& font);
  const platform::gdi::LogFont& GetFont() const { return m_font; }
  // The user's change of one effect: activates the item, changes the font
  // and commits.
  void SetEffect(Effect effect, bool on);
  // The font dialog on the font; the chosen font commits, a cancel leaves
  // the font as it was.
  bool Browse(wxWindow* parent) override;

private:
  platform::gdi::LogFont m_font;
};

// A check box below a font item for one of its effects.
class CPropTreeItemFontEffect : public CPropTreeItem {
public:
  CPropTreeItemFontEffect(CPropTreeItemFont::Effect effect, CPropPopulator* populator);
  CPropTreeItemFont::Effect GetEffect() const { return m_effect; }
  // The font item above takes the check as its effect.
  void OnCheck() override;

private:
  CPropTreeItemFont::Effect m_effect;
};

}  // namespace designer
