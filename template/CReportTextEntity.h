#pragma once

// What labels and data fields share: the eight text attributes with one
// setter each, their template item (the title once more as property 1, then
// 5-12) and their text record (the head in inches, then the attributes).

#include <memory>
#include <optional>
#include <string>

#include "template/ReportAttributes.h"
#include "template/diagram/CDiagramEntity.h"

class CReportTextEntity : public CDiagramEntity {
public:
  const ReportTextAttributes& GetTextAttributes() const { return m_text; }
  void SetTextAttributes(const ReportTextAttributes& text) { m_text = text; }

  const std::wstring& GetFontFace() const { return m_text.face; }
  void SetFontFace(const std::wstring& face) { m_text.face = face; }
  int32_t GetFontSize() const { return m_text.size; }
  void SetFontSize(int32_t tenthPoints) { m_text.size = tenthPoints; }
  bool GetBold() const { return m_text.bold; }
  void SetBold(bool bold) { m_text.bold = bold; }
  bool GetItalic() const { return m_text.italic; }
  void SetItalic(bool italic) { m_text.italic = italic; }
  bool GetUnderline() const { return m_text.underline; }
  void SetUnderline(bool underline) { m_text.underline = underline; }
  bool GetStrikeOut() const { return m_text.strikeOut; }
  void SetStrikeOut(bool strikeOut) { m_text.strikeOut = strikeOut; }
  platform::gdi::COLORREF GetTextColor() const { return m_text.color; }
  void SetTextColor(platform::gdi::COLORREF color) { m_text.color = color; }
  int32_t GetAlignment() const { return m_text.alignment; }
  void SetAlignment(int32_t alignment) { m_text.alignment = alignment; }

  TemplateItemType GetItemType() const { return m_itemType; }

  // The base Copy, then the text attributes (and what a subclass adds).
  void Copy(const CDiagramEntity& other) override;
  bool FromString(const std::wstring& record) override;
  std::wstring GetString() const override;
  std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item) override;
  std::optional<TemplateItem> MakeTemplateItem() const override;
  // Draws GetDrawnText with the text attributes.
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;

protected:
  CReportTextEntity(const wchar_t* type, TemplateItemType itemType);

  // What Draw shows: the label its title, a data field its name.
  virtual std::wstring GetDrawnText() const = 0;
  // A subclass's own properties and its reading of a record.
  virtual void WriteOwnProperties(TemplateItem& item) const {}
  virtual void ReadOwnProperties(const TemplateItem& item) {}
  virtual void ReadOwnRecord() {}

private:
  TemplateItemType m_itemType;
  ReportTextAttributes m_text;
};
