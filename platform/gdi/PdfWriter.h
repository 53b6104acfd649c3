#pragma once

// Writes pages into a PDF file: a cairo PDF surface, one cairo page per
// page, each drawn through a wxGCDC on cairo's context, except text, which
// pango measures and draws on cairo's context directly. The page's logical
// units are 1/pixelsPerInch of an inch, so drawing code sees a printer-like
// device. Needs no display.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/gdi/PrintTarget.h"

namespace platform::gdi {

class PangoTextMeasurer;

class PdfWriter : public PrintTarget {
public:
  PdfWriter(std::filesystem::path path, double paperWidthInches, double paperHeightInches,
            int32_t pixelsPerInch = 600);
  ~PdfWriter() override;
  PdfWriter(const PdfWriter&) = delete;
  PdfWriter& operator=(const PdfWriter&) = delete;

  // StartDoc fails when the file cannot be created; EndPage and EndDoc when
  // cairo reports an error (a full disk). GetErrorText then says why.
  bool StartDoc(const std::wstring& documentName) override;
  bool StartPage() override;
  Canvas& PageCanvas() override;
  bool EndPage() override;
  bool EndDoc() override;
  // Closes the surface and removes the unfinished file.
  void AbortDoc() override;

  // The metrics every page has.
  DeviceMetrics GetMetrics() const;
  // Measures text exactly as the pages will draw it, usable before and
  // between pages (for laying pages out in advance).
  TextMeasurer& Measurer();

  const std::wstring& GetErrorText() const { return m_error; }
  int GetPageCount() const { return m_pages; }
  const std::filesystem::path& GetPath() const { return m_path; }

private:
  struct Surface;
  struct Page;

  bool Fail(const std::wstring& what);
  PangoTextMeasurer& PangoMeasurer();

  std::filesystem::path m_path;
  double m_widthPoints;
  double m_heightPoints;
  int32_t m_pixelsPerInch;
  std::unique_ptr<Surface> m_surface;
  std::unique_ptr<Page> m_page;
  std::unique_ptr<Page> m_scratch;  // the measuring context
  std::unique_ptr<PangoTextMeasurer> m_measurer;
  std::wstring m_error;
  int m_pages = 0;
};

}  // namespace platform::gdi
