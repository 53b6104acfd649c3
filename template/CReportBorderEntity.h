#pragma once

// What boxes and pictures share: a border with one setter per attribute.

#include <optional>
#include <string>

#include "common/TextSplitter.h"
#include "template/ReportAttributes.h"
#include "template/diagram/CDiagramEntity.h"

class CReportBorderEntity : public CDiagramEntity {
public:
  const ReportBorder& GetBorderAttributes() const { return m_border; }
  void SetBorderAttributes(const ReportBorder& border) { m_border = border; }

  bool GetBorder() const { return m_border.drawn; }
  void SetBorder(bool drawn) { m_border.drawn = drawn; }
  int32_t GetBorderWidth() const { return m_border.width; }
  void SetBorderWidth(int32_t pixels) { m_border.width = pixels; }
  int32_t GetBorderStyle() const { return m_border.style; }
  void SetBorderStyle(int32_t style) { m_border.style = style; }
  platform::gdi::COLORREF GetBorderColor() const { return m_border.color; }
  void SetBorderColor(platform::gdi::COLORREF color) { m_border.color = color; }

  void Copy(const CDiagramEntity& other) override;

protected:
  CReportBorderEntity();

  // The record's head and border; its attributes (the entity's own follow
  // the border's four), or nothing when the head cannot be read.
  std::optional<TextSplitter> ReadBorderRecord(const std::wstring& record);
  // The record up to and with the border, and the comma after it.
  std::wstring BorderRecordHead() const;
  // The common properties and the border of a template item, and back.
  void ReadBorderItem(const TemplateItem& item);
  void WriteBorderItem(TemplateItem& item) const;

private:
  ReportBorder m_border;
};
