#include "template/CReportEntitySettings.h"

#include "template/CReportEntityBox.h"
#include "template/CReportEntityLine.h"
#include "template/ReportAttributes.h"

using namespace platform::gdi;

CReportEntitySettings& CReportEntitySettings::Instance() {
  static CReportEntitySettings settings;
  return settings;
}

CReportEntitySettings::CReportEntitySettings() {
  m_font.height = 120;
  m_font.weight = FW_NORMAL;
  m_font.faceName = L"Times New Roman";
}

void CReportEntitySettings::ApplyCommonDefaults(ReportBorder& border) const {
  border.drawn = m_border;
  border.color = m_borderColor;
  border.style = m_borderStyle;
  border.width = m_borderWidth;
}

void CReportEntitySettings::ApplyBoxDefaults(CReportEntityBox& box) const {
  box.SetFilled(m_boxFilled);
  box.SetFillColor(m_boxFillColor);
}

void CReportEntitySettings::ApplyLineDefaults(CReportEntityLine& line) const {
  line.SetPenColor(m_lineColor);
  line.SetPenStyle(m_lineStyle);
  line.SetPenWidth(m_lineWidth);
}

void CReportEntitySettings::ApplyLabelDefaults(ReportTextAttributes& text) const {
  text.face = m_font.faceName;
  text.size = m_font.height;
  text.bold = m_font.weight != FW_NORMAL;
  text.italic = m_font.italic;
  text.strikeOut = m_font.strikeOut;
  text.underline = m_font.underline;
  text.color = m_textColor;
  text.alignment = m_alignment;
}

void CReportEntitySettings::ApplyFieldDefaults(ReportTextAttributes& text) const {
  ApplyLabelDefaults(text);
}
