#pragma once

// The printable elements of a page template. Each is created from a template
// file item or from one text record, keeps its rectangle in inches and draws
// itself on any canvas for a page number, converting inches to the canvas's
// pixels at draw time.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/TemplateItem.h"
#include "common/TextSplitter.h"
#include "platform/gdi/Canvas.h"
#include "preview/BorderLine.h"

// The kind attribute, by which the generator and the binding tell objects apart.
enum DrawObjectKind : int32_t {
  kDrawBase = 0,
  kDrawGrid = 1,
  kDrawField = 2,
  kDrawLabel = 3,
  kDrawBox = 4,
  kDrawLine = 6,
  kDrawPicture = 7,
  kDrawRepeatField = 8,
};

class CDrawObject {
public:
  virtual ~CDrawObject() = default;
  CDrawObject(const CDrawObject&) = delete;
  CDrawObject& operator=(const CDrawObject&) = delete;

  // Draws the object as it prints on the given page (1-based).
  virtual void Draw(int32_t page, platform::gdi::Canvas& dc) const = 0;
  // Data fields forget their text; other kinds keep theirs.
  virtual void ClearText() {}
  // Asked of a prototype: a new object read from the item when the item's
  // type is one this kind accepts, else null.
  virtual std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const {
    return nullptr;
  }

  int32_t GetKind() const { return m_kind; }

  // The rectangle in inches.
  double GetTop() const { return m_top; }
  double GetLeft() const { return m_left; }
  double GetRight() const { return m_right; }
  double GetBottom() const { return m_bottom; }
  void SetRect(double left, double top, double right, double bottom);

  const std::wstring& GetName() const { return m_name; }
  void SetName(const std::wstring& name) { m_name = name; }
  const std::wstring& GetText() const { return m_text; }
  void SetText(const std::wstring& text) { m_text = text; }

  // Border lines 0..2; the first is the pen boxes, lines and pictures draw.
  CBorderLine& GetBorderLine(int index = 0) { return m_borders.at(index); }
  const CBorderLine& GetBorderLine(int index = 0) const { return m_borders.at(index); }

  int32_t GetFillOn() const { return m_fillOn; }
  void SetFillOn(int32_t on) { m_fillOn = on; }
  platform::gdi::COLORREF GetFillColor() const { return m_fillColor; }
  void SetFillColor(platform::gdi::COLORREF color) { m_fillColor = color; }

  const std::wstring& GetFontFace() const { return m_fontFace; }
  void SetFontFace(const std::wstring& face) { m_fontFace = face; }
  // Tenths of a point.
  int32_t GetFontSize() const { return m_fontSize; }
  void SetFontSize(int32_t size) { m_fontSize = size; }
  int32_t GetBold() const { return m_bold; }
  void SetBold(int32_t bold) { m_bold = bold; }
  int32_t GetItalic() const { return m_italic; }
  void SetItalic(int32_t italic) { m_italic = italic; }
  int32_t GetUnderline() const { return m_underline; }
  void SetUnderline(int32_t underline) { m_underline = underline; }
  uint8_t GetStrikeOut() const { return m_strikeOut; }
  void SetStrikeOut(uint8_t strikeOut) { m_strikeOut = strikeOut; }
  platform::gdi::COLORREF GetTextColor() const { return m_textColor; }
  void SetTextColor(platform::gdi::COLORREF color) { m_textColor = color; }
  // DrawText alignment flags: 0 left, 1 centred, 2 right.
  int32_t GetAlignment() const { return m_alignment; }
  void SetAlignment(int32_t alignment) { m_alignment = alignment; }

protected:
  explicit CDrawObject(int32_t kind) : m_kind(kind) {}

  // Template items: the properties every kind reads (rectangle, title as the
  // text, name, fill), and those of labels and fields (text, font, colour,
  // alignment). Missing or mistyped properties read as 0, false or "".
  void ReadCommonProperties(const TemplateItem& item);
  void ReadTextProperties(const TemplateItem& item);

  // Text records: the attributes after "type:" when the record's type is one
  // of `types`, else nullopt. A record must hold exactly one ":"; the closing
  // ";" is dropped.
  static std::optional<TextSplitter> SplitRecord(const std::wstring& record,
                                                 std::initializer_list<const wchar_t*> types);
  // Attributes 0-6: left, top, right, bottom (inches), title (the text),
  // name, group (not kept).
  void ReadCommonRecord(const TextSplitter& attributes);
  // From index 7: face, size, bold, italic, underline, strike-out, colour, alignment.
  void ReadTextRecord(const TextSplitter& attributes);

  platform::gdi::Rect DeviceRect(const platform::gdi::Canvas& dc) const;

  // Draws a text into a device rectangle as labels and fields print: the
  // font at the device's resolution, transparent, word-wrapped, macros
  // replaced for the page; with `markers` "[%bold%]" and "[%italic%]" are
  // taken out of the text and switch the style on.
  void DrawTextBox(int32_t page, platform::gdi::Canvas& dc, const platform::gdi::Rect& rect,
                   std::wstring text, bool markers) const;

private:
  void ReadFontProperties(const TemplateItem& item);

  int32_t m_kind;
  double m_top = 0.0;
  double m_left = 0.0;
  double m_right = 0.0;
  double m_bottom = 0.0;
  std::wstring m_name;
  std::array<CBorderLine, 3> m_borders;
  int32_t m_fillOn = 0;
  platform::gdi::COLORREF m_fillColor = 0;
  std::wstring m_fontFace;
  int32_t m_fontSize = 0;
  int32_t m_bold = 0;
  int32_t m_italic = 0;
  int32_t m_underline = 0;
  uint8_t m_strikeOut = 0;
  platform::gdi::COLORREF m_textColor = 0;
  int32_t m_alignment = 0;
  std::wstring m_text;
};
