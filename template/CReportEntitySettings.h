#pragma once

// The attributes that new template entities start with, and the measurement
// unit the designer shows (0 until the view sets it, 1 inches, 2
// centimetres). One object for the whole process.

#include <cstdint>

#include "platform/gdi/GdiTypes.h"

struct ReportBorder;
struct ReportTextAttributes;
class CReportEntityBox;
class CReportEntityLine;

class CReportEntitySettings {
public:
  static CReportEntitySettings& Instance();
  virtual ~CReportEntitySettings() = default;

  // Border of boxes and pictures.
  void ApplyCommonDefaults(ReportBorder& border) const;
  void ApplyBoxDefaults(CReportEntityBox& box) const;
  void ApplyLineDefaults(CReportEntityLine& line) const;
  void ApplyLabelDefaults(ReportTextAttributes& text) const;
  void ApplyFieldDefaults(ReportTextAttributes& text) const;

  int32_t GetUnits() const { return m_units; }
  void SetUnits(int32_t units) { m_units = units; }

private:
  CReportEntitySettings();

  // Height 120 is read as the font size in tenths of a point.
  platform::gdi::LogFont m_font;
  int32_t m_alignment = 0;
  platform::gdi::COLORREF m_textColor = 0;
  platform::gdi::COLORREF m_lineColor = 0;
  int32_t m_lineStyle = platform::gdi::PS_SOLID;
  int32_t m_lineWidth = 0;
  bool m_boxFilled = false;
  platform::gdi::COLORREF m_boxFillColor = platform::gdi::RGB(255, 255, 255);
  bool m_border = true;
  platform::gdi::COLORREF m_borderColor = 0;
  int32_t m_borderStyle = platform::gdi::PS_SOLID;
  int32_t m_borderWidth = 0;
  int32_t m_units = 0;
};
