#include "platform/gdi/PdfWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>
#include <system_error>

#include "platform/TextCodec.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PangoTextMeasurer.h"

namespace platform::gdi {

struct PdfWriter::Surface {
  cairo_surface_t* surface = nullptr;

  ~Surface() {
    if (surface) cairo_surface_destroy(surface);
  }
  cairo_status_t Status() const { return cairo_surface_status(surface); }
};

namespace {

// A page's canvas: text is measured by the writer's measurer and drawn by it
// straight onto the page's cairo context, as wx would draw it, gathered into
// a batch; the rest goes through the wxGCDC on the same context, after what
// the batch holds.
class PdfPageCanvas : public DeviceContext {
public:
  PdfPageCanvas(wxGCDC& dc, const DeviceMetrics& metrics, cairo_t* cairo, PangoTextMeasurer& measurer)
      : DeviceContext(dc, metrics), m_batch(cairo), m_measurer(measurer) {}

  TextMeasurer& Measurer() override { return m_measurer; }
  // Draws the text gathered so far; the page is shown after this.
  void Flush() { m_batch.Flush(); }

protected:
  void DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) override {
    // wx fills an opaque background and lays out several lines on its own.
    if (GetBkMode() == OPAQUE || text.find(L'\n') != std::wstring_view::npos) {
      m_batch.Flush();
      DeviceContext::DoText(x, y, text, clip);
      return;
    }
    if (!clip) {
      m_measurer.Draw(m_batch, GetFont(), text, GetTextColor(), x, y);
      return;
    }
    m_batch.Flush();
    wxGraphicsContext* context = GetDC().GetGraphicsContext();
    context->PushState();
    context->Clip(clip->left, clip->top, clip->Width(), clip->Height());
    m_measurer.Draw(m_batch, GetFont(), text, GetTextColor(), x, y);
    m_batch.Flush();
    context->PopState();
  }
  void DoRectangle(const Rect& rect) override {
    m_batch.Flush();
    DeviceContext::DoRectangle(rect);
  }
  void DoEllipse(const Rect& rect) override {
    m_batch.Flush();
    DeviceContext::DoEllipse(rect);
  }
  void DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    m_batch.Flush();
    DeviceContext::DoLine(x1, y1, x2, y2);
  }
  void DoStretchDib(const Dib& dib, const Rect& dest) override {
    m_batch.Flush();
    DeviceContext::DoStretchDib(dib, dest);
  }

private:
  GlyphBatch m_batch;
  PangoTextMeasurer& m_measurer;
};

}  // namespace

// One cairo context on the surface, scaled to the page units, wrapped into a
// wxGCDC. The DC owns the graphics context made from cairo's context.
struct PdfWriter::Page {
  cairo_t* cairo = nullptr;
  std::unique_ptr<wxGCDC> dc;
  std::unique_ptr<DeviceContext> canvas;
  PdfPageCanvas* textCanvas = nullptr;  // the canvas, when the writer's measurer draws its text

  Page(cairo_surface_t* surface, const DeviceMetrics& metrics, PangoTextMeasurer* measurer) {
    cairo = cairo_create(surface);
    cairo_scale(cairo, 72.0 / metrics.pixelsPerInchX, 72.0 / metrics.pixelsPerInchY);
    wxGraphicsContext* context =
        wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cairo);
    dc = std::make_unique<wxGCDC>(context);
    if (measurer) {
      auto pageCanvas = std::make_unique<PdfPageCanvas>(*dc, metrics, cairo, *measurer);
      textCanvas = pageCanvas.get();
      canvas = std::move(pageCanvas);
    } else {
      canvas = std::make_unique<DeviceContext>(*dc, metrics);
    }
  }
  ~Page() {
    // The wx objects flush into cairo's context before it goes.
    canvas.reset();
    dc.reset();
    if (cairo) cairo_destroy(cairo);
  }
};

namespace {

std::wstring CairoText(cairo_status_t status) {
  return platform::FromUtf8(cairo_status_to_string(status));
}

}  // namespace

PdfWriter::PdfWriter(std::filesystem::path path, double paperWidthInches, double paperHeightInches,
                     int32_t pixelsPerInch)
    : m_path(std::move(path)),
      m_widthPoints(std::max(1.0, paperWidthInches * 72.0)),
      m_heightPoints(std::max(1.0, paperHeightInches * 72.0)),
      m_pixelsPerInch(std::max<int32_t>(1, pixelsPerInch)) {}

PdfWriter::~PdfWriter() {
  m_page.reset();
  m_measurer.reset();
  m_scratch.reset();
  if (m_surface) cairo_surface_finish(m_surface->surface);
}

DeviceMetrics PdfWriter::GetMetrics() const {
  DeviceMetrics metrics;
  metrics.pixelsPerInchX = m_pixelsPerInch;
  metrics.pixelsPerInchY = m_pixelsPerInch;
  metrics.width = static_cast<int32_t>(std::lround(m_widthPoints / 72.0 * m_pixelsPerInch));
  metrics.height = static_cast<int32_t>(std::lround(m_heightPoints / 72.0 * m_pixelsPerInch));
  return metrics;
}

PangoTextMeasurer& PdfWriter::PangoMeasurer() {
  if (!m_measurer) {
    // A PDF surface that writes nowhere lays text out with the same font
    // options, and a DC on it sizes fonts as the pages' DCs do.
    static Surface nowhere{cairo_pdf_surface_create_for_stream(nullptr, nullptr, 1, 1)};
    m_scratch = std::make_unique<Page>(nowhere.surface, GetMetrics(), nullptr);
    m_measurer = std::make_unique<PangoTextMeasurer>(m_scratch->cairo, m_scratch->dc->GetPPI().y);
  }
  return *m_measurer;
}

TextMeasurer& PdfWriter::Measurer() {
  return PangoMeasurer();
}

bool PdfWriter::Fail(const std::wstring& what) {
  m_error = what;
  return false;
}

bool PdfWriter::StartDoc(const std::wstring& documentName) {
  m_error.clear();
  m_pages = 0;
  auto surface = std::make_unique<Surface>();
  surface->surface = cairo_pdf_surface_create(m_path.string().c_str(), m_widthPoints, m_heightPoints);
  if (surface->Status() != CAIRO_STATUS_SUCCESS) {
    return Fail(L"Cannot create " + WideFromPath(m_path) + L": " + CairoText(surface->Status()));
  }
  if (!documentName.empty()) {
    cairo_pdf_surface_set_metadata(surface->surface, CAIRO_PDF_METADATA_TITLE,
                                   platform::ToUtf8(documentName).c_str());
  }
  m_surface = std::move(surface);
  return true;
}

bool PdfWriter::StartPage() {
  if (!m_surface) return Fail(L"No document was started");
  m_page = std::make_unique<Page>(m_surface->surface, GetMetrics(), &PangoMeasurer());
  return true;
}

Canvas& PdfWriter::PageCanvas() {
  return *m_page->canvas;
}

bool PdfWriter::EndPage() {
  if (!m_page) return Fail(L"No page was started");
  cairo_t* cairo = m_page->cairo;
  if (m_page->textCanvas) m_page->textCanvas->Flush();
  m_page->canvas.reset();
  m_page->dc.reset();
  cairo_show_page(cairo);
  cairo_status_t status = cairo_status(cairo);
  m_page.reset();
  if (status != CAIRO_STATUS_SUCCESS) return Fail(CairoText(status));
  ++m_pages;
  return true;
}

bool PdfWriter::EndDoc() {
  if (!m_surface) return Fail(L"No document was started");
  m_page.reset();
  cairo_surface_finish(m_surface->surface);
  cairo_status_t status = m_surface->Status();
  m_surface.reset();
  if (status != CAIRO_STATUS_SUCCESS)
    return Fail(L"Cannot write " + WideFromPath(m_path) + L": " + CairoText(status));
  return true;
}

void PdfWriter::AbortDoc() {
  m_page.reset();
  if (!m_surface) return;
  cairo_surface_finish(m_surface->surface);
  m_surface.reset();
  std::error_code ignored;
  std::filesystem::remove(m_path, ignored);
}

}  // namespace platform::gdi
