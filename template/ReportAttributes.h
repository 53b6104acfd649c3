#pragma once

// The attribute sets that several template entities share: the text of
// labels and data fields, and the border of boxes and pictures. Each knows
// its template item properties and its part of the text record.

#include <cstdint>
#include <string>

#include "common/TemplateItem.h"
#include "common/TemplateTextProperties.h"
#include "common/TextSplitter.h"
#include "platform/gdi/Canvas.h"

// The properties and, besides them, the text record and the drawing.
struct ReportTextAttributes : TemplateTextProperties {
  // ",face,size,bold,italic,underline,strike-out,colour,alignment"; the face
  // is written as it is.
  std::wstring Record() const;
  // From the attributes after the common head, the face at index first.
  void ReadRecord(const TextSplitter& attributes, int32_t first = 0);
  // The text with this font (size times zoom), colour and alignment, word
  // wrapped inside the rectangle on a transparent background.
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect, const std::wstring& text, double zoom) const;

  bool operator==(const ReportTextAttributes&) const = default;
};

struct ReportBorder {
  bool drawn = false;
  int32_t width = 0;  // pixels; 0 draws one pixel wide
  int32_t style = platform::gdi::PS_SOLID;
  platform::gdi::COLORREF color = 0;

  // Properties 15-18 (the width in inches).
  void Write(TemplateItem& item) const;
  void Read(const TemplateItem& item);
  // ",drawn,width in inches,style,colour".
  std::wstring Record() const;
  void ReadRecord(const TextSplitter& attributes, int32_t first = 0);
  // The pen of the border, or the null pen when it is not drawn.
  platform::gdi::Pen MakePen() const;

  bool operator==(const ReportBorder&) const = default;
};

// A pen of a template entity; the width is pixels of the paper.
platform::gdi::Pen MakeEntityPen(int32_t style, int32_t width, platform::gdi::COLORREF color);
