#pragma once

// What boxes and pictures share: a border with one setter per attribute.

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

private:
  ReportBorder m_border;
};
