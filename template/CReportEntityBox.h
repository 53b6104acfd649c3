#pragma once

// A rectangle ("report_box", item type 4): a border and an optional fill.

#include "template/CReportBorderEntity.h"

class CReportEntityBox : public CReportBorderEntity {
public:
  CReportEntityBox();

  bool GetFilled() const { return m_filled; }
  void SetFilled(bool filled) { m_filled = filled; }
  platform::gdi::COLORREF GetFillColor() const { return m_fillColor; }
  void SetFillColor(platform::gdi::COLORREF color) { m_fillColor = color; }

  std::unique_ptr<CDiagramEntity> Clone() const override;
  void Copy(const CDiagramEntity& other) override;
  bool FromString(const std::wstring& record) override;
  std::wstring GetString() const override;
  std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item) override;
  std::optional<TemplateItem> MakeTemplateItem() const override;
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::Rect; }

private:
  bool m_filled = false;
  platform::gdi::COLORREF m_fillColor = 0;
};
