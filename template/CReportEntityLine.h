#pragma once

// A line of the template ("report_line", item type 3): the diagram line
// with a pen width (pixels), style and colour.

#include "template/diagram/CDiagramLine.h"

class CReportEntityLine : public CDiagramLine {
public:
  CReportEntityLine();

  int32_t GetPenWidth() const { return m_width; }
  void SetPenWidth(int32_t pixels) { m_width = pixels; }
  int32_t GetPenStyle() const { return m_style; }
  void SetPenStyle(int32_t style) { m_style = style; }
  platform::gdi::COLORREF GetPenColor() const { return m_color; }
  void SetPenColor(platform::gdi::COLORREF color) { m_color = color; }

  std::unique_ptr<CDiagramEntity> Clone() const override;
  void Copy(const CDiagramEntity& other) override;
  bool FromString(const std::wstring& record) override;
  std::wstring GetString() const override;
  std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item) override;
  std::optional<TemplateItem> MakeTemplateItem() const override;
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::Line; }

private:
  int32_t m_width = 0;
  int32_t m_style = platform::gdi::PS_SOLID;
  platform::gdi::COLORREF m_color = 0;
};
