// Lays out a 1,000-line invoice and renders it to PDF, timing each step:
//  - the invoice road: a template with repeat fields for five line fields,
//    their row limit at the line count, on one (long) page;
//  - the paged road: the same lines spread by grids over a first page, as
//    many middle pages as they need and a last page;
//  - small invoices (20, 50 and 100 lines) on the invoice road, the ones
//    printed most.
// Beside each stand three floors that draw the same strings in the same
// faces, at the em the engine prints and at the same places, on pages of the
// same size into a PDF:
//  - pango: one layout, its font set when the font changes, each string
//    drawn by pango (one call a string, as pango draws);
//  - plain cairo: each string turned into glyphs by cairo's own text call
//    (cairo_scaled_font_text_to_glyphs, no shaping), the glyphs of a page
//    drawn in one cairo_show_glyphs per font, as the engine gathers them;
//  - shaped: each string shaped by HarfBuzz (hb_shape), the glyphs of a page
//    drawn in one cairo_show_glyphs per font.
// The fonts of every floor are set up before the clock starts, as the
// engine keeps its fonts set up for the process. The runs take turns with
// their floors, so that both see the same load; the figures are min and
// median. Each case writes its own PDFs (invoice-1000.pdf, paged.pdf,
// invoice-20.pdf, ..., each floor's beside as .pango.pdf, .cairo.pdf and
// .shaped.pdf).
//
//   preview_render [line count] [repetitions] [folder to keep the PDFs in]

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <cairo-pdf.h>
#include <fontconfig/fontconfig.h>
#include <hb.h>
#include <pango/pangocairo.h>
#include <unistd.h>

#include <map>

#include "common/TemplateFile.h"
#include "platform/gdi/PdfWriter.h"
#include "preview/DrawGrid.h"
#include "preview/InvoiceDoc.h"
#include "preview/ReportRendering.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Times {
  std::vector<double> load, layout, render, total, pango, cairo, shaped;
  int pages = 0;
  size_t strings = 0;
  uintmax_t bytes = 0;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

double Min(const std::vector<double>& values) {
  return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

TemplateItem TextItem(TemplateItemType type, const std::wstring& name, const std::wstring& text, double left,
                      double top, double right, double bottom) {
  namespace p = template_props;
  TemplateItem item(type);
  item.SetProperty(p::kText, Value(text));
  item.SetProperty(p::kTitle, Value(text));
  item.SetProperty(p::kName, Value(name));
  item.SetProperty(p::kGroup, Value(int32_t{0}));
  item.SetProperty(p::kFontFace, Value(L"DejaVu Sans"));
  item.SetProperty(p::kFontSize, Value(int32_t{80}));
  item.SetProperty(p::kBold, Value::Boolean(false));
  item.SetProperty(p::kItalic, Value::Boolean(false));
  item.SetProperty(p::kUnderline, Value::Boolean(false));
  item.SetProperty(p::kStrikeOut, Value::Boolean(false));
  item.SetProperty(p::kTextColor, Value(int32_t{0}));
  item.SetProperty(p::kAlignment, Value(int32_t{type == TemplateItemType::Label ? 0 : 2}));
  item.SetProperty(p::kLeft, Value(left));
  item.SetProperty(p::kTop, Value(top));
  item.SetProperty(p::kRight, Value(right));
  item.SetProperty(p::kBottom, Value(bottom));
  return item;
}

// Line fields: name, price, quantity, tax %, total.
constexpr int kColumns[] = {1, 2, 3, 8, 10};
constexpr double kColumnLeft[] = {0.6, 3.4, 4.4, 5.2, 6.0};
constexpr double kColumnRight[] = {3.3, 4.3, 5.1, 5.9, 7.6};
constexpr double kRowHeight = 0.15;

void WriteTemplate(const std::filesystem::path& path, int rowLimit) {
  TemplateFile file;
  file.AddItem(TextItem(TemplateItemType::Label, L"", L"INVOICE  page [%page%]", 0.6, 0.5, 4, 0.8));
  file.AddItem(
      TextItem(TemplateItemType::InvoiceField, L"FLD_100_000", L"Invoice Number", 4.5, 0.5, 7.6, 0.8));
  file.AddItem(TextItem(TemplateItemType::InvoiceField, L"FLD_111_000", L"Client", 0.6, 0.9, 4, 1.2));
  file.AddItem(TextItem(TemplateItemType::InvoiceField, L"FLD_103_000", L"Total", 4.5, 0.9, 7.6, 1.2));
  for (size_t column = 0; column < std::size(kColumns); ++column) {
    const std::wstring key = FieldId(kColumns[column], 0).GetKey();
    TemplateItem repeat = TextItem(TemplateItemType::RepeatField, key, L"", kColumnLeft[column], 1.5,
                                   kColumnRight[column], 1.5 + kRowHeight);
    repeat.SetProperty(template_props::kFieldKey, Value(key));
    repeat.SetProperty(template_props::kRepeatRows, Value(int32_t{rowLimit}));
    file.AddItem(repeat);
  }
  file.Save(path);
}

FieldMap MakeInvoice(int lines) {
  FieldMap data;
  data.Insert(FieldId(100, 0), Value(L"INV-2024-1000"));
  data.Insert(FieldId(111, 0), Value(L"Mountain Bakery Ltd"));
  double total = 0;
  for (int line = 0; line < lines; ++line) {
    const double price = 10.0 + line % 97 + 0.25;
    const int32_t quantity = 1 + line % 12;
    data.Insert(FieldId(1, line), Value(L"Item number " + std::to_wstring(line + 1) + L" of the delivery"));
    data.Insert(FieldId(2, line), Value(price));
    data.Insert(FieldId(3, line), Value(quantity));
    data.Insert(FieldId(8, line), Value(18.0));
    data.Insert(FieldId(10, line), Value(price * quantity * 1.18));
    total += price * quantity * 1.18;
  }
  data.Insert(FieldId(103, 0), Value(total));
  return data;
}

using Pages = std::vector<platform::gdi::RecordedPage>;

// Milliseconds that drawing the pages into a PDF of the paper's size takes,
// the context scaled to the page units; `draw` shows every page.
template <class Draw>
double TimePdf(const preview::PaperSize& paper, int unitsPerInch, const std::filesystem::path& pdfPath,
               Draw draw) {
  const Clock::time_point start = Clock::now();
  cairo_surface_t* surface =
      cairo_pdf_surface_create(pdfPath.c_str(), paper.widthInches * 72.0, paper.heightInches * 72.0);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, 72.0 / unitsPerInch, 72.0 / unitsPerInch);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return MillisecondsSince(start);
}

std::string Ascii(const std::wstring& text) {
  std::string ascii;
  for (wchar_t c : text) ascii += c < 0x80 ? static_cast<char>(c) : '?';
  return ascii;
}

// One font of the pages as the floors draw it: the face fontconfig gives for
// the family, weight and slant (the engine's pango asks fontconfig the
// same), at the em the engine prints. A LogFont's positive height is the
// font's whole cell (ascent and descent), a negative one its em.
struct FloorFont {
  std::string family;
  bool bold = false;
  bool italic = false;
  double em = 0;      // page units
  double ascent = 0;  // page units, from the top of a line to its baseline
  double unitsPerEm = 0;
  hb_font_t* shaper = nullptr;
  cairo_font_face_t* face = nullptr;
  PangoFontDescription* pango = nullptr;
};

class FloorFonts {
public:
  explicit FloorFonts(int unitsPerInch) : m_unitsPerInch(unitsPerInch) {}
  ~FloorFonts() {
    for (auto& [key, font] : m_fonts) {
      hb_font_destroy(font.shaper);
      cairo_font_face_destroy(font.face);
      pango_font_description_free(font.pango);
    }
  }
  FloorFonts(const FloorFonts&) = delete;
  FloorFonts& operator=(const FloorFonts&) = delete;

  // Sets up every font of the pages.
  void Prepare(const Pages& pages) {
    for (const platform::gdi::RecordedPage& page : pages) {
      for (const platform::gdi::TextOp* text : page.Texts()) For(text->font);
    }
  }

  const FloorFont& For(const platform::gdi::LogFont& logFont) {
    if (const auto found = m_fonts.find(logFont); found != m_fonts.end()) return found->second;
    FloorFont font;
    font.family = Ascii(logFont.faceName);
    if (font.family.empty()) font.family = "DejaVu Sans";
    font.bold = logFont.weight >= 600;
    font.italic = logFont.italic;

    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    int index = 0;
    if (!match || FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) {
      std::fprintf(stderr, "no font for %s\n", font.family.c_str());
      std::exit(1);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    hb_blob_t* blob = hb_blob_create_from_file(reinterpret_cast<const char*>(file));
    hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(index));
    font.shaper = hb_font_create(face);
    font.unitsPerEm = hb_face_get_upem(face);
    hb_font_set_scale(font.shaper, static_cast<int>(font.unitsPerEm), static_cast<int>(font.unitsPerEm));
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    FcPatternDestroy(match);
    FcPatternDestroy(pattern);

    hb_font_extents_t extents{};
    hb_font_get_h_extents(font.shaper, &extents);
    const double cell = extents.ascender - extents.descender;
    if (logFont.height > 0) {
      font.em = logFont.height * font.unitsPerEm / cell;
    } else {
      font.em = logFont.height < 0 ? -logFont.height : m_unitsPerInch / 6.0;
    }
    font.ascent = extents.ascender * font.em / font.unitsPerEm;

    font.face = cairo_toy_font_face_create(font.family.c_str(),
                                           font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    font.pango = pango_font_description_new();
    pango_font_description_set_family(font.pango, font.family.c_str());
    pango_font_description_set_absolute_size(font.pango, font.em * PANGO_SCALE);
    pango_font_description_set_weight(font.pango, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(font.pango, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return m_fonts.emplace(logFont, font).first->second;
  }

private:
  int m_unitsPerInch;
  std::map<platform::gdi::LogFont, FloorFont> m_fonts;
};

// The pango floor: the same strings in the same fonts at the same places,
// each drawn through one pango layout whose font is set when it changes.
double PangoFloor(const Pages& pages, FloorFonts& fonts, const preview::PaperSize& paper, int unitsPerInch,
                  const std::filesystem::path& pdfPath) {
  return TimePdf(paper, unitsPerInch, pdfPath, [&](cairo_t* cr) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    const FloorFont* current = nullptr;
    for (const platform::gdi::RecordedPage& page : pages) {
      for (const platform::gdi::TextOp* text : page.Texts()) {
        const FloorFont& font = fonts.For(text->font);
        if (&font != current) {
          current = &font;
          pango_layout_set_font_description(layout, font.pango);
        }
        const std::string utf8 = Ascii(text->text);
        pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
        cairo_move_to(cr, text->x, text->y);
        pango_cairo_show_layout(cr, layout);
      }
      cairo_show_page(cr);
    }
    g_object_unref(layout);
  });
}

// Glyphs of a page gathered and drawn in one call per font, as the engine
// gathers them.
class PageGlyphs {
public:
  explicit PageGlyphs(cairo_t* cr) : m_cr(cr) {}

  // Makes the font current, drawing what the previous one gathered.
  void Use(const FloorFont& font) {
    if (&font == m_font) return;
    Flush();
    m_font = &font;
    cairo_set_font_face(m_cr, font.face);
    cairo_set_font_size(m_cr, font.em);
  }
  cairo_scaled_font_t* ScaledFont() const { return cairo_get_scaled_font(m_cr); }
  std::vector<cairo_glyph_t>& Glyphs() { return m_glyphs; }

  void Flush() {
    if (!m_glyphs.empty()) cairo_show_glyphs(m_cr, m_glyphs.data(), static_cast<int>(m_glyphs.size()));
    m_glyphs.clear();
  }
  void EndPage() {
    Flush();
    m_font = nullptr;
    cairo_show_page(m_cr);
  }

private:
  cairo_t* m_cr;
  const FloorFont* m_font = nullptr;
  std::vector<cairo_glyph_t> m_glyphs;
};

// The plain cairo floor: cairo's own text call turns each string into
// glyphs (one glyph a character, no shaping) on its baseline.
double PlainCairoFloor(const Pages& pages, FloorFonts& fonts, const preview::PaperSize& paper,
                       int unitsPerInch, const std::filesystem::path& pdfPath) {
  return TimePdf(paper, unitsPerInch, pdfPath, [&](cairo_t* cr) {
    PageGlyphs gathered(cr);
    for (const platform::gdi::RecordedPage& page : pages) {
      for (const platform::gdi::TextOp* text : page.Texts()) {
        const FloorFont& font = fonts.For(text->font);
        gathered.Use(font);
        const std::string utf8 = Ascii(text->text);
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(gathered.ScaledFont(), text->x, text->y + font.ascent, utf8.c_str(),
                                             static_cast<int>(utf8.size()), &glyphs, &count, nullptr, nullptr,
                                             nullptr) == CAIRO_STATUS_SUCCESS) {
          gathered.Glyphs().insert(gathered.Glyphs().end(), glyphs, glyphs + count);
        }
        cairo_glyph_free(glyphs);
      }
      gathered.EndPage();
    }
  });
}

// The shaped floor: HarfBuzz shapes each string (kerning, ligatures, the
// font's own advances), its glyphs placed from the string's baseline.
double ShapedFloor(const Pages& pages, FloorFonts& fonts, const preview::PaperSize& paper, int unitsPerInch,
                   const std::filesystem::path& pdfPath) {
  return TimePdf(paper, unitsPerInch, pdfPath, [&](cairo_t* cr) {
    PageGlyphs gathered(cr);
    hb_buffer_t* buffer = hb_buffer_create();
    for (const platform::gdi::RecordedPage& page : pages) {
      for (const platform::gdi::TextOp* text : page.Texts()) {
        const FloorFont& font = fonts.For(text->font);
        gathered.Use(font);
        const std::string utf8 = Ascii(text->text);
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf8(buffer, utf8.c_str(), static_cast<int>(utf8.size()), 0, -1);
        hb_buffer_guess_segment_properties(buffer);
        hb_shape(font.shaper, buffer, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
        const double scale = font.em / font.unitsPerEm;
        double x = text->x;
        const double y = text->y + font.ascent;
        for (unsigned i = 0; i < count; ++i) {
          gathered.Glyphs().push_back(
              {infos[i].codepoint, x + positions[i].x_offset * scale, y - positions[i].y_offset * scale});
          x += positions[i].x_advance * scale;
        }
      }
      gathered.EndPage();
    }
    hb_buffer_destroy(buffer);
  });
}

// Renders the report into <folder>/<name>.pdf and each floor into
// <name>.pango.pdf, <name>.cairo.pdf and <name>.shaped.pdf.
void Render(CReportGenerator& report, const std::filesystem::path& folder, const std::string& name,
            Times& times) {
  const std::filesystem::path pdfPath = folder / (name + ".pdf");
  const preview::PaperSize paper = preview::ReportPaperSize(report);
  platform::gdi::PdfWriter pdf(pdfPath, paper.widthInches, paper.heightInches, 600);
  Clock::time_point start = Clock::now();
  const auto pages = preview::LayOutReport(report, pdf.GetMetrics(), pdf.Measurer());
  times.layout.push_back(MillisecondsSince(start));
  start = Clock::now();
  if (!preview::PrintPages(pages, pdf, L"Invoice")) {
    std::fprintf(stderr, "cannot write %s\n", pdfPath.c_str());
    std::exit(1);
  }
  times.render.push_back(MillisecondsSince(start));
  times.pages = static_cast<int>(pages.size());
  times.strings = 0;
  for (const auto& page : pages) times.strings += page.Texts().size();
  times.bytes = std::filesystem::file_size(pdfPath);
  FloorFonts fonts(600);
  fonts.Prepare(pages);
  times.pango.push_back(PangoFloor(pages, fonts, paper, 600, folder / (name + ".pango.pdf")));
  times.cairo.push_back(PlainCairoFloor(pages, fonts, paper, 600, folder / (name + ".cairo.pdf")));
  times.shaped.push_back(ShapedFloor(pages, fonts, paper, 600, folder / (name + ".shaped.pdf")));
}

// The invoice road: read the template, bind the data.
void InvoiceRoad(const std::filesystem::path& folder, const FieldMap& data, int lines, Times& times) {
  InvoiceDoc doc;
  doc.SetTemplatePath((folder / "invoice.zlt").wstring());
  const Clock::time_point start = Clock::now();
  doc.SetData(data);
  if (!doc.LoadAndBind() || doc.HiddenLineCount() != 0) {
    std::fprintf(stderr, "binding failed\n");
    std::exit(1);
  }
  times.load.push_back(MillisecondsSince(start));
  Render(doc.GetGenerator(), folder, "invoice-" + std::to_string(lines), times);
  times.total.push_back(times.load.back() + times.layout.back() + times.render.back());
}

// The paged road: the first page takes 40 lines, each middle page 50, the last 30.
void PagedRoad(const std::filesystem::path& folder, int lines, Times& times) {
  CReportGenerator report;
  const Clock::time_point start = Clock::now();
  const wchar_t* const header =
      L"report_label:0.6,0.5,4,0.8,INVOICE  page [%page%],,0,DejaVu Sans,80,1,0,0,0,0,0;";
  const std::pair<int32_t, int> pages[] = {{kFirstPage, 40}, {kMiddlePage, 50}, {kLastPage, 30}};
  for (int index = 0; index < 3; ++index) {
    report.LoadFromString(header, pages[index].first);
    auto grid = std::make_unique<CDrawGrid>(6);
    grid->SetName(L"lines");
    grid->SetFontFace(L"DejaVu Sans");
    grid->SetFontSize(80);
    grid->SetRect(0.6, 1.0, 7.6, 1.0 + pages[index].second / 6.0 + 0.01);
    report.AddObject(std::move(grid), index == 0 ? 0 : index);
  }
  std::vector<std::wstring> texts;
  for (int line = 0; line < lines; ++line) {
    texts.push_back(L"Item number " + std::to_wstring(line + 1) + L"    " + std::to_wstring(1 + line % 12) +
                    L" x 10.25");
  }
  report.DistributeLines(L"lines", texts);
  times.load.push_back(MillisecondsSince(start));
  Render(report, folder, "paged", times);
  times.total.push_back(times.load.back() + times.layout.back() + times.render.back());
}

void PrintFloor(const char* name, const std::vector<double>& floor, const Times& times) {
  std::printf("%-12s %-12s %8.2f / %8.2f ms  ratio %5.2fx / %5.2fx\n", "", name, Min(floor), Median(floor),
              Min(times.total) / Min(floor), Median(times.total) / Median(floor));
}

void Print(const std::string& road, const Times& times) {
  std::printf("%-12s pages %4d  strings %6zu  pdf %8ju bytes  load+bind %7.2f  layout %7.2f  render %7.2f ms\n",
              road.c_str(), times.pages, times.strings, times.bytes, Median(times.load), Median(times.layout),
              Median(times.render));
  std::printf("%-12s %-12s %8.2f / %8.2f ms\n", "", "total", Min(times.total), Median(times.total));
  PrintFloor("pango floor", times.pango, times);
  PrintFloor("plain cairo", times.cairo, times);
  PrintFloor("shaped floor", times.shaped, times);
  const double perString = times.strings ? Min(times.total) * 1000.0 / times.strings : 0.0;
  std::printf("%-12s per string %6.2f us (min)\n", "", perString);
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const bool keep = argc > 3;
  const std::filesystem::path folder =
      keep ? std::filesystem::path(argv[3])
           : std::filesystem::temp_directory_path() / ("preview_render." + std::to_string(getpid()));
  std::filesystem::create_directories(folder);

  WriteTemplate(folder / "invoice.zlt", lines);
  const FieldMap data = MakeInvoice(lines);
  Times invoice, paged;
  constexpr int kSmall[] = {20, 50, 100};
  Times small[std::size(kSmall)];
  std::vector<FieldMap> smallData;
  for (int count : kSmall) smallData.push_back(MakeInvoice(count));
  for (int round = 0; round < repetitions; ++round) {
    WriteTemplate(folder / "invoice.zlt", lines);
    InvoiceRoad(folder, data, lines, invoice);
    PagedRoad(folder, lines, paged);
    for (size_t i = 0; i < std::size(kSmall); ++i) {
      WriteTemplate(folder / "invoice.zlt", kSmall[i]);
      InvoiceRoad(folder, smallData[i], kSmall[i], small[i]);
    }
  }
  double load[3] = {};
  const bool loadKnown = getloadavg(load, 3) == 3;
  std::printf("%d invoice lines, %d runs (min / median), PDF at 600 units per inch", lines, repetitions);
  if (loadKnown) std::printf(", load average %.2f %.2f %.2f", load[0], load[1], load[2]);
  std::printf("\n");
  Print("invoice", invoice);
  Print("paged", paged);
  for (size_t i = 0; i < std::size(kSmall); ++i) Print("small " + std::to_string(kSmall[i]), small[i]);
  if (keep) {
    std::printf("PDFs kept in %s\n", folder.c_str());
  } else {
    std::filesystem::remove_all(folder);
  }
  return 0;
}
