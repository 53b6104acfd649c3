// Lays out a 1,000-line invoice and renders it to PDF, timing each step:
//  - the invoice road: a template with repeat fields for five line fields,
//    their row limit at the line count, on one (long) page;
//  - the paged road: the same lines spread by grids over a first page, as
//    many middle pages as they need and a last page;
//  - small invoices (20, 50 and 100 lines) on the invoice road, the ones
//    printed most.
// Beside each stand two floors that draw the same strings in the same fonts
// on pages of the same size into a PDF: one through pango, one layout per
// string as the engine draws them, and one through plain cairo alone
// (cairo_show_text, the font set once per page and change). The runs take
// turns with their floors, so that both see the same load; the figures are
// min and median.
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
#include <pango/pangocairo.h>
#include <unistd.h>

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
  std::vector<double> load, layout, render, total, floor, cairo;
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

// The pango floor: the same strings in the same fonts at the same places,
// each drawn through a pango layout.
double PangoFloor(const Pages& pages, const preview::PaperSize& paper, int unitsPerInch,
                  const std::filesystem::path& pdfPath) {
  return TimePdf(paper, unitsPerInch, pdfPath, [&](cairo_t* cr) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    for (const platform::gdi::RecordedPage& page : pages) {
      for (const platform::gdi::TextOp* text : page.Texts()) {
        PangoFontDescription* font = pango_font_description_new();
        const std::string face = Ascii(text->font.faceName);
        pango_font_description_set_family(font, face.empty() ? "DejaVu Sans" : face.c_str());
        pango_font_description_set_absolute_size(font, std::abs(text->font.height) * double(PANGO_SCALE));
        pango_font_description_set_weight(font, static_cast<PangoWeight>(text->font.weight));
        pango_layout_set_font_description(layout, font);
        pango_font_description_free(font);
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

// The plain cairo floor: the same strings at the same places through cairo's
// own text call; the font is set at the start of each page and when it
// changes, and each string is placed on its baseline.
double PlainCairoFloor(const Pages& pages, const preview::PaperSize& paper, int unitsPerInch,
                       const std::filesystem::path& pdfPath) {
  return TimePdf(paper, unitsPerInch, pdfPath, [&](cairo_t* cr) {
    for (const platform::gdi::RecordedPage& page : pages) {
      const platform::gdi::LogFont* current = nullptr;
      double ascent = 0.0;
      for (const platform::gdi::TextOp* text : page.Texts()) {
        if (!current || !(text->font == *current)) {
          current = &text->font;
          const std::string face = Ascii(text->font.faceName);
          cairo_select_font_face(cr, face.empty() ? "DejaVu Sans" : face.c_str(), CAIRO_FONT_SLANT_NORMAL,
                                 text->font.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
          cairo_set_font_size(cr, std::abs(text->font.height));
          cairo_font_extents_t extents;
          cairo_font_extents(cr, &extents);
          ascent = extents.ascent;
        }
        cairo_move_to(cr, text->x, text->y + ascent);
        cairo_show_text(cr, Ascii(text->text).c_str());
      }
      cairo_show_page(cr);
    }
  });
}

void Render(CReportGenerator& report, const std::filesystem::path& pdfPath, Times& times) {
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
  std::filesystem::path floorPath = pdfPath;
  floorPath.replace_extension(".floor.pdf");
  times.floor.push_back(PangoFloor(pages, paper, 600, floorPath));
  floorPath.replace_extension(".cairo.pdf");
  times.cairo.push_back(PlainCairoFloor(pages, paper, 600, floorPath));
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
  Render(doc.GetGenerator(), folder / "invoice.pdf", times);
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
  Render(report, folder / "paged.pdf", times);
  times.total.push_back(times.load.back() + times.layout.back() + times.render.back());
}

// A batch label renderer's figure for one string on this kind of machine.
constexpr double kBatchRendererMicroseconds = 28.0;

void Print(const std::string& road, const Times& times) {
  const double total = Median(times.total);
  std::printf("%-12s pages %4d  strings %6zu  pdf %8ju bytes  load+bind %7.2f  layout %7.2f  render %7.2f ms\n",
              road.c_str(), times.pages, times.strings, times.bytes, Median(times.load), Median(times.layout),
              Median(times.render));
  std::printf("%-12s total %8.2f / %8.2f ms  pango floor %8.2f / %8.2f ms  ratio %5.2fx / %5.2fx\n", "",
              Min(times.total), total, Min(times.floor), Median(times.floor), Min(times.total) / Min(times.floor),
              total / Median(times.floor));
  std::printf("%-12s %22s  plain cairo %8.2f / %8.2f ms  ratio %5.2fx / %5.2fx\n", "", "", Min(times.cairo),
              Median(times.cairo), Min(times.total) / Min(times.cairo), total / Median(times.cairo));
  const double perString = times.strings ? Min(times.total) * 1000.0 / times.strings : 0.0;
  std::printf("%-12s per string %6.2f us (min), %5.2fx a batch label renderer's %.0f us\n", "", perString,
              perString / kBatchRendererMicroseconds, kBatchRendererMicroseconds);
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
