// Word wrapping with the PDF writer's own fonts. The breaks, places and
// widths in the table are what the writer measured when it measured through
// wx; measuring differently must not move a single one of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "platform/gdi/PdfWriter.h"
#include "platform/gdi/TextLayout.h"

using namespace platform::gdi;

namespace {

enum FontKind { kSans, kSerifBoldCell, kMonoItalic, kSansDecorated, kSmall };

LogFont FontOf(FontKind kind) {
  LogFont font;
  switch (kind) {
    case kSans:
      font.faceName = L"DejaVu Sans";
      font.height = -100;
      break;
    case kSerifBoldCell:  // a positive height is the cell, not the em
      font.faceName = L"DejaVu Serif";
      font.height = 120;
      font.weight = FW_BOLD;
      break;
    case kMonoItalic:
      font.faceName = L"DejaVu Sans Mono";
      font.height = -67;
      font.italic = true;
      break;
    case kSansDecorated:
      font.faceName = L"DejaVu Sans";
      font.height = 67;
      font.underline = true;
      font.strikeOut = true;
      break;
    case kSmall:
      font.faceName = L"DejaVu Sans";
      font.height = -31;
      break;
  }
  return font;
}

enum TextKind { kParagraph, kNoSpaces, kDigits, kBlanks, kHardBreaks, kAccents };

std::wstring TextOf(TextKind kind) {
  switch (kind) {
    case kParagraph:
      return L"Payment is due within thirty days of the invoice date. Please quote the invoice number "
             L"AVAST-2024 with your transfer; office hours are Monday to Friday.";
    case kNoSpaces:
      return L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-000987654321.pdf";
    case kDigits:
      return L"12345678901234567890123456789012345678901234567890";
    case kBlanks:  // runs of blanks, tabs, kerned pairs and ligatures
      return L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV  ";
    case kHardBreaks:
      return L"Mountain Bakery Ltd\r\nBakers' Lane 7\n\nNorth Hill\rCountry";
    case kAccents:
      return L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 "
             L"\u00c5ngstr\u00f6m";
  }
  return {};
}

enum Format { kLeft, kRight, kEllipsis };

unsigned FlagsOf(Format format) {
  switch (format) {
    case kLeft:
      return DT_WORDBREAK | DT_NOPREFIX;
    case kRight:
      return DT_WORDBREAK | DT_NOPREFIX | DT_RIGHT;
    case kEllipsis:
      return DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_CENTER;
  }
  return 0;
}

struct Line {
  std::wstring text;
  int32_t x;
  int32_t width;

  bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* out) {
  *out << '"' << std::string(line.text.begin(), line.text.end()) << "\" at " << line.x << " wide "
       << line.width;
}

// Laid out in the rectangle from (100, 200), `width` wide. Next to each other
// the rows use different fonts, so that a measurement of one font answering
// for another shows.
struct Wrapped {
  FontKind font;
  TextKind text;
  int32_t width;
  Format format;
  int32_t height;
  std::vector<Line> lines;
};

const Wrapped kWrapped[] = {
    // clang-format off
    {kSans, kParagraph, 700, kLeft, 1638, {{L"Payment is", 100, 549}, {L"due within", 100, 523},
        {L"thirty days of", 100, 664}, {L"the invoice", 100, 552}, {L"date. Please", 100, 614},
        {L"quote the", 100, 484}, {L"invoice", 100, 356}, {L"number", 100, 389}, {L"AVAST-2024", 100, 599},
        {L"with your", 100, 468}, {L"transfer;", 100, 428}, {L"office hours", 100, 587},
        {L"are Monday", 100, 587}, {L"to Friday.", 100, 452}}},
    {kSerifBoldCell, kParagraph, 700, kLeft, 1800, {{L"Payment is", 100, 625}, {L"due within", 100, 607},
        {L"thirty days", 100, 609}, {L"of the", 100, 334}, {L"invoice", 100, 406},
        {L"date. Please", 100, 690}, {L"quote the", 100, 547}, {L"invoice", 100, 406}, {L"number", 100, 446},
        {L"AVAST-2024", 100, 681}, {L"with your", 100, 539}, {L"transfer;", 100, 499},
        {L"office hours", 100, 681}, {L"are Monday", 100, 672}, {L"to Friday.", 100, 536}}},
    {kMonoItalic, kParagraph, 700, kLeft, 780, {{L"Payment is due", 100, 560}, {L"within thirty", 100, 520},
        {L"days of the", 100, 440}, {L"invoice date.", 100, 520}, {L"Please quote the", 100, 640},
        {L"invoice number", 100, 560}, {L"AVAST-2024 with", 100, 600}, {L"your transfer;", 100, 560},
        {L"office hours are", 100, 640}, {L"Monday to Friday.", 100, 680}}},
    {kSansDecorated, kParagraph, 700, kLeft, 536, {{L"Payment is due within", 100, 633},
        {L"thirty days of the", 100, 495}, {L"invoice date. Please", 100, 574},
        {L"quote the invoice", 100, 500}, {L"number AVAST-2024", 100, 589},
        {L"with your transfer;", 100, 533}, {L"office hours are Monday", 100, 692}, {L"to Friday.", 100, 261}}},
    {kSmall, kParagraph, 700, kLeft, 148, {{L"Payment is due within thirty days of the", 100, 622},
        {L"invoice date. Please quote the invoice", 100, 594},
        {L"number AVAST-2024 with your transfer;", 100, 617},
        {L"office hours are Monday to Friday.", 100, 528}}},
    {kSans, kParagraph, 1500, kLeft, 702, {{L"Payment is due within thirty", 100, 1405},
        {L"days of the invoice date.", 100, 1236}, {L"Please quote the invoice", 100, 1229},
        {L"number AVAST-2024 with", 100, 1264}, {L"your transfer; office hours are", 100, 1497},
        {L"Monday to Friday.", 100, 877}}},
    {kSerifBoldCell, kParagraph, 1500, kLeft, 840, {{L"Payment is due within", 100, 1268},
        {L"thirty days of the invoice", 100, 1421}, {L"date. Please quote the", 100, 1273},
        {L"invoice number", 100, 888}, {L"AVAST-2024 with your", 100, 1256},
        {L"transfer; office hours are", 100, 1437}, {L"Monday to Friday.", 100, 1023}}},
    {kMonoItalic, kParagraph, 1500, kLeft, 390, {{L"Payment is due within thirty days of", 100, 1440},
        {L"the invoice date. Please quote the", 100, 1360},
        {L"invoice number AVAST-2024 with your", 100, 1400},
        {L"transfer; office hours are Monday to", 100, 1440}, {L"Friday.", 100, 280}}},
    {kSansDecorated, kParagraph, 1500, kLeft, 268, {
        {L"Payment is due within thirty days of the invoice", 100, 1368},
        {L"date. Please quote the invoice number AVAST-2024", 100, 1477},
        {L"with your transfer; office hours are Monday to", 100, 1319}, {L"Friday.", 100, 185}}},
    {kSmall, kParagraph, 1500, kLeft, 74, {
        {L"Payment is due within thirty days of the invoice date. Please quote the invoice number", 100, 1358},
        {L"AVAST-2024 with your transfer; office hours are Monday to Friday.", 100, 1023}}},
    {kSans, kParagraph, 1500, kRight, 702, {{L"Payment is due within thirty", 195, 1405},
        {L"days of the invoice date.", 364, 1236}, {L"Please quote the invoice", 371, 1229},
        {L"number AVAST-2024 with", 336, 1264}, {L"your transfer; office hours are", 103, 1497},
        {L"Monday to Friday.", 723, 877}}},
    {kSerifBoldCell, kParagraph, 1500, kRight, 840, {{L"Payment is due within", 332, 1268},
        {L"thirty days of the invoice", 179, 1421}, {L"date. Please quote the", 327, 1273},
        {L"invoice number", 712, 888}, {L"AVAST-2024 with your", 344, 1256},
        {L"transfer; office hours are", 163, 1437}, {L"Monday to Friday.", 577, 1023}}},
    {kMonoItalic, kParagraph, 1500, kRight, 390, {{L"Payment is due within thirty days of", 160, 1440},
        {L"the invoice date. Please quote the", 240, 1360},
        {L"invoice number AVAST-2024 with your", 200, 1400},
        {L"transfer; office hours are Monday to", 160, 1440}, {L"Friday.", 1320, 280}}},
    {kSansDecorated, kParagraph, 1500, kRight, 268, {
        {L"Payment is due within thirty days of the invoice", 232, 1368},
        {L"date. Please quote the invoice number AVAST-2024", 123, 1477},
        {L"with your transfer; office hours are Monday to", 281, 1319}, {L"Friday.", 1415, 185}}},
    {kSmall, kParagraph, 1500, kRight, 74, {
        {L"Payment is due within thirty days of the invoice date. Please quote the invoice number", 242, 1358},
        {L"AVAST-2024 with your transfer; office hours are Monday to Friday.", 577, 1023}}},
    {kSans, kParagraph, 1500, kEllipsis, 117, {{L"Payment is due within thirty...", 106, 1487}}},
    {kSerifBoldCell, kParagraph, 1500, kEllipsis, 120, {{L"Payment is due within t...", 120, 1459}}},
    {kMonoItalic, kParagraph, 1500, kEllipsis, 78, {{L"Payment is due within thirty days ...", 110, 1480}}},
    {kSansDecorated, kParagraph, 1500, kEllipsis, 67, {
        {L"Payment is due within thirty days of the invoice d...", 111, 1477}}},
    {kSmall, kParagraph, 1500, kEllipsis, 37, {
        {L"Payment is due within thirty days of the invoice date. Please quote the invoice number AVAST...", 104, 1492}}},
    {kSans, kParagraph, 3000, kLeft, 351, {
        {L"Payment is due within thirty days of the invoice date.", 100, 2673},
        {L"Please quote the invoice number AVAST-2024 with your", 100, 2781},
        {L"transfer; office hours are Monday to Friday.", 100, 2150}}},
    {kSerifBoldCell, kParagraph, 3000, kLeft, 480, {
        {L"Payment is due within thirty days of the invoice", 100, 2725},
        {L"date. Please quote the invoice number AVAST-2024", 100, 2914},
        {L"with your transfer; office hours are Monday to", 100, 2650}, {L"Friday.", 100, 385}}},
    {kMonoItalic, kParagraph, 3000, kLeft, 234, {
        {L"Payment is due within thirty days of the invoice date. Please quote the", 100, 2840},
        {L"invoice number AVAST-2024 with your transfer; office hours are Monday to", 100, 2880},
        {L"Friday.", 100, 280}}},
    {kSansDecorated, kParagraph, 3000, kLeft, 134, {
        {L"Payment is due within thirty days of the invoice date. Please quote the invoice number AVAST-2024", 100, 2863},
        {L"with your transfer; office hours are Monday to Friday.", 100, 1522}}},
    {kSmall, kParagraph, 3000, kLeft, 37, {
        {L"Payment is due within thirty days of the invoice date. Please quote the invoice number AVAST-2024 with your transfer; office hours are Monday to Friday.", 100, 2391}}},
    {kSans, kNoSpaces, 700, kLeft, 936, {{L"https://invoic", 100, 652}, {L"es.example.c", 100, 663},
        {L"om/customer", 100, 662}, {L"s/000123/stat", 100, 695}, {L"ements/2024", 100, 665},
        {L"-11/INV-2024-", 100, 693}, {L"0009876543", 100, 640}, {L"21.pdf", 100, 321}}},
    {kSerifBoldCell, kNoSpaces, 700, kLeft, 1080, {{L"https://invoi", 100, 687}, {L"ces.example", 100, 695},
        {L".com/custo", 100, 619}, {L"mers/00012", 100, 676}, {L"3/statement", 100, 684},
        {L"s/2024-11/I", 100, 647}, {L"NV-2024-00", 100, 675}, {L"098765432", 100, 639}, {L"1.pdf", 100, 293}}},
    {kMonoItalic, kNoSpaces, 700, kLeft, 468, {{L"https://invoices.", 100, 680},
        {L"example.com/custo", 100, 680}, {L"mers/000123/state", 100, 680}, {L"ments/2024-11/INV", 100, 680},
        {L"-2024-00098765432", 100, 680}, {L"1.pdf", 100, 200}}},
    {kSansDecorated, kNoSpaces, 700, kLeft, 335, {{L"https://invoices.exampl", 100, 670},
        {L"e.com/customers/00012", 100, 700}, {L"3/statements/2024-11/I", 100, 680},
        {L"NV-2024-00098765432", 100, 676}, {L"1.pdf", 100, 149}}},
    {kSmall, kNoSpaces, 700, kLeft, 111, {{L"https://invoices.example.com/customers/000", 100, 699},
        {L"123/statements/2024-11/INV-2024-0009876", 100, 689}, {L"54321.pdf", 100, 161}}},
    {kSans, kNoSpaces, 1500, kLeft, 468, {{L"https://invoices.example.com", 100, 1473},
        {L"/customers/000123/statemen", 100, 1483}, {L"ts/2024-11/INV-2024-000987", 100, 1458},
        {L"654321.pdf", 100, 577}}},
    {kSerifBoldCell, kNoSpaces, 1500, kLeft, 480, {{L"https://invoices.example.c", 100, 1480},
        {L"om/customers/000123/sta", 100, 1475}, {L"tements/2024-11/INV-202", 100, 1473},
        {L"4-000987654321.pdf", 100, 1187}}},
    {kMonoItalic, kNoSpaces, 1500, kLeft, 234, {{L"https://invoices.example.com/customer", 100, 1480},
        {L"s/000123/statements/2024-11/INV-2024-", 100, 1480}, {L"000987654321.pdf", 100, 640}}},
    {kSansDecorated, kNoSpaces, 1500, kLeft, 134, {
        {L"https://invoices.example.com/customers/000123/st", 100, 1479},
        {L"atements/2024-11/INV-2024-000987654321.pdf", 100, 1396}}},
    {kSmall, kNoSpaces, 1500, kLeft, 74, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-000987654321.", 100, 1498},
        {L"pdf", 100, 51}}},
    {kSans, kNoSpaces, 1500, kRight, 468, {{L"https://invoices.example.com", 127, 1473},
        {L"/customers/000123/statemen", 117, 1483}, {L"ts/2024-11/INV-2024-000987", 142, 1458},
        {L"654321.pdf", 1023, 577}}},
    {kSerifBoldCell, kNoSpaces, 1500, kRight, 480, {{L"https://invoices.example.c", 120, 1480},
        {L"om/customers/000123/sta", 125, 1475}, {L"tements/2024-11/INV-202", 127, 1473},
        {L"4-000987654321.pdf", 413, 1187}}},
    {kMonoItalic, kNoSpaces, 1500, kRight, 234, {{L"https://invoices.example.com/customer", 120, 1480},
        {L"s/000123/statements/2024-11/INV-2024-", 120, 1480}, {L"000987654321.pdf", 960, 640}}},
    {kSansDecorated, kNoSpaces, 1500, kRight, 134, {
        {L"https://invoices.example.com/customers/000123/st", 121, 1479},
        {L"atements/2024-11/INV-2024-000987654321.pdf", 204, 1396}}},
    {kSmall, kNoSpaces, 1500, kRight, 74, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-000987654321.", 102, 1498},
        {L"pdf", 1549, 51}}},
    {kSans, kNoSpaces, 1500, kEllipsis, 117, {{L"https://invoices.example.co...", 115, 1470}}},
    {kSerifBoldCell, kNoSpaces, 1500, kEllipsis, 120, {{L"https://invoices.example...", 105, 1490}}},
    {kMonoItalic, kNoSpaces, 1500, kEllipsis, 78, {{L"https://invoices.example.com/custo...", 110, 1480}}},
    {kSansDecorated, kNoSpaces, 1500, kEllipsis, 67, {
        {L"https://invoices.example.com/customers/000123/...", 110, 1480}}},
    {kSmall, kNoSpaces, 1500, kEllipsis, 37, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-00098765432...", 101, 1498}}},
    {kSans, kNoSpaces, 3000, kLeft, 234, {
        {L"https://invoices.example.com/customers/000123/statement", 100, 2995},
        {L"s/2024-11/INV-2024-000987654321.pdf", 100, 1996}}},
    {kSerifBoldCell, kNoSpaces, 3000, kLeft, 240, {
        {L"https://invoices.example.com/customers/000123/sta", 100, 2955},
        {L"tements/2024-11/INV-2024-000987654321.pdf", 100, 2660}}},
    {kMonoItalic, kNoSpaces, 3000, kLeft, 156, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-0", 100, 3000},
        {L"00987654321.pdf", 100, 600}}},
    {kSansDecorated, kNoSpaces, 3000, kLeft, 67, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-000987654321.pdf", 100, 2875}}},
    {kSmall, kNoSpaces, 3000, kLeft, 37, {
        {L"https://invoices.example.com/customers/000123/statements/2024-11/INV-2024-000987654321.pdf", 100, 1549}}},
    {kSans, kDigits, 700, kLeft, 585, {{L"1234567890", 100, 640}, {L"1234567890", 100, 640},
        {L"1234567890", 100, 640}, {L"1234567890", 100, 640}, {L"1234567890", 100, 640}}},
    {kSerifBoldCell, kDigits, 700, kLeft, 720, {{L"123456789", 100, 639}, {L"012345678", 100, 639},
        {L"901234567", 100, 639}, {L"890123456", 100, 639}, {L"789012345", 100, 639}, {L"67890", 100, 355}}},
    {kMonoItalic, kDigits, 700, kLeft, 234, {{L"12345678901234567", 100, 680},
        {L"89012345678901234", 100, 680}, {L"5678901234567890", 100, 640}}},
    {kSansDecorated, kDigits, 700, kLeft, 201, {{L"123456789012345678", 100, 666},
        {L"901234567890123456", 100, 666}, {L"78901234567890", 100, 518}}},
    {kSmall, kDigits, 700, kLeft, 74, {{L"12345678901234567890123456789012345", 100, 700},
        {L"678901234567890", 100, 300}}},
    {kSans, kDigits, 1500, kLeft, 351, {{L"12345678901234567890123", 100, 1472},
        {L"45678901234567890123456", 100, 1472}, {L"7890", 100, 256}}},
    {kSerifBoldCell, kDigits, 1500, kLeft, 360, {{L"123456789012345678901", 100, 1491},
        {L"234567890123456789012", 100, 1491}, {L"34567890", 100, 568}}},
    {kMonoItalic, kDigits, 1500, kLeft, 156, {{L"1234567890123456789012345678901234567", 100, 1480},
        {L"8901234567890", 100, 520}}},
    {kSansDecorated, kDigits, 1500, kLeft, 134, {{L"1234567890123456789012345678901234567890", 100, 1480},
        {L"1234567890", 100, 370}}},
    {kSmall, kDigits, 1500, kLeft, 37, {{L"12345678901234567890123456789012345678901234567890", 100, 1000}}},
    {kSans, kDigits, 1500, kRight, 351, {{L"12345678901234567890123", 128, 1472},
        {L"45678901234567890123456", 128, 1472}, {L"7890", 1344, 256}}},
    {kSerifBoldCell, kDigits, 1500, kRight, 360, {{L"123456789012345678901", 109, 1491},
        {L"234567890123456789012", 109, 1491}, {L"34567890", 1032, 568}}},
    {kMonoItalic, kDigits, 1500, kRight, 156, {{L"1234567890123456789012345678901234567", 120, 1480},
        {L"8901234567890", 1080, 520}}},
    {kSansDecorated, kDigits, 1500, kRight, 134, {{L"1234567890123456789012345678901234567890", 120, 1480},
        {L"1234567890", 1230, 370}}},
    {kSmall, kDigits, 1500, kRight, 37, {{L"12345678901234567890123456789012345678901234567890", 600, 1000}}},
    {kSans, kDigits, 1500, kEllipsis, 117, {{L"123456789012345678901...", 130, 1440}}},
    {kSerifBoldCell, kDigits, 1500, kEllipsis, 120, {{L"1234567890123456789...", 121, 1457}}},
    {kMonoItalic, kDigits, 1500, kEllipsis, 78, {{L"1234567890123456789012345678901234...", 110, 1480}}},
    {kSansDecorated, kDigits, 1500, kEllipsis, 67, {{L"123456789012345678901234567890123456789...", 101, 1497}}},
    {kSmall, kDigits, 1500, kEllipsis, 37, {{L"12345678901234567890123456789012345678901234567890", 350, 1000}}},
    {kSans, kDigits, 3000, kLeft, 234, {{L"1234567890123456789012345678901234567890123456", 100, 2944},
        {L"7890", 100, 256}}},
    {kSerifBoldCell, kDigits, 3000, kLeft, 240, {{L"123456789012345678901234567890123456789012", 100, 2982},
        {L"34567890", 100, 568}}},
    {kMonoItalic, kDigits, 3000, kLeft, 78, {
        {L"12345678901234567890123456789012345678901234567890", 100, 2000}}},
    {kSansDecorated, kDigits, 3000, kLeft, 67, {
        {L"12345678901234567890123456789012345678901234567890", 100, 1850}}},
    {kSmall, kDigits, 3000, kLeft, 37, {{L"12345678901234567890123456789012345678901234567890", 100, 1000}}},
    {kSans, kBlanks, 700, kLeft, 585, {{L"Net   total", 100, 500}, {L"including", 100, 454},
        {L"VAT    WAVE", 100, 598}, {L"Type  fi fl ffi", 100, 581}, {L"Tax:  AVAVAV", 100, 641}}},
    {kSerifBoldCell, kBlanks, 700, kLeft, 720, {{L"Net   total", 100, 580}, {L"including", 100, 543},
        {L"VAT", 100, 221}, {L"WAVE Type", 100, 633}, {L"fi fl ffi   Tax:", 100, 682}, {L"AVAVAV", 100, 437}}},
    {kMonoItalic, kBlanks, 700, kLeft, 390, {{L"Net   total", 100, 440}, {L"including  VAT", 100, 560},
        {L"WAVE Type  fi fl", 100, 640}, {L"ffi   Tax:", 100, 400}, {L"AVAVAV", 100, 240}}},
    {kSansDecorated, kBlanks, 700, kLeft, 268, {{L"Net   total", 100, 287},
        {L"including  VAT    WAVE", 100, 641}, {L"Type  fi fl ffi   Tax:", 100, 500}, {L"AVAVAV", 100, 219}}},
    {kSmall, kBlanks, 700, kLeft, 74, {{L"Net   total\t\tincluding  VAT    WAVE", 100, 670},
        {L"Type  fi fl ffi   Tax:  AVAVAV", 100, 408}}},
    {kSans, kBlanks, 1500, kLeft, 351, {{L"Net   total\t\tincluding", 100, 1478},
        {L"VAT    WAVE Type  fi fl ffi", 100, 1211}, {L"Tax:  AVAVAV", 100, 641}}},
    {kSerifBoldCell, kBlanks, 1500, kLeft, 480, {{L"Net   total", 100, 580},
        {L"including  VAT    WAVE", 100, 1317}, {L"Type  fi fl ffi   Tax:", 100, 1014}, {L"AVAVAV", 100, 437}}},
    {kMonoItalic, kBlanks, 1500, kLeft, 234, {{L"Net   total\t\tincluding", 100, 1320},
        {L"VAT    WAVE Type  fi fl ffi   Tax:", 100, 1360}, {L"AVAVAV", 100, 240}}},
    {kSansDecorated, kBlanks, 1500, kLeft, 134, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl", 100, 1493}, {L"ffi   Tax:  AVAVAV", 100, 479}}},
    {kSmall, kBlanks, 1500, kLeft, 37, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV", 100, 1088}}},
    {kSans, kBlanks, 1500, kRight, 351, {{L"Net   total\t\tincluding", 122, 1478},
        {L"VAT    WAVE Type  fi fl ffi", 389, 1211}, {L"Tax:  AVAVAV", 959, 641}}},
    {kSerifBoldCell, kBlanks, 1500, kRight, 480, {{L"Net   total", 1020, 580},
        {L"including  VAT    WAVE", 283, 1317}, {L"Type  fi fl ffi   Tax:", 586, 1014}, {L"AVAVAV", 1163, 437}}},
    {kMonoItalic, kBlanks, 1500, kRight, 234, {{L"Net   total\t\tincluding", 280, 1320},
        {L"VAT    WAVE Type  fi fl ffi   Tax:", 240, 1360}, {L"AVAVAV", 1360, 240}}},
    {kSansDecorated, kBlanks, 1500, kRight, 134, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl", 107, 1493}, {L"ffi   Tax:  AVAVAV", 1121, 479}}},
    {kSmall, kBlanks, 1500, kRight, 37, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV", 512, 1088}}},
    {kSans, kBlanks, 1500, kEllipsis, 117, {{L"Net   total\t\tincludi...", 126, 1448}}},
    {kSerifBoldCell, kBlanks, 1500, kEllipsis, 120, {{L"Net   total\t\tincl...", 113, 1474}}},
    {kMonoItalic, kBlanks, 1500, kEllipsis, 78, {{L"Net   total\t\tincluding ...", 110, 1480}}},
    {kSansDecorated, kBlanks, 1500, kEllipsis, 67, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi...", 103, 1493}}},
    {kSmall, kBlanks, 1500, kEllipsis, 37, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV  ", 296, 1108}}},
    {kSans, kBlanks, 3000, kLeft, 234, {{L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi", 100, 2753},
        {L"Tax:  AVAVAV", 100, 641}}},
    {kSerifBoldCell, kBlanks, 3000, kLeft, 240, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi", 100, 2911}, {L"fl ffi   Tax:  AVAVAV", 100, 1081}}},
    {kMonoItalic, kBlanks, 3000, kLeft, 156, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:", 100, 2760}, {L"AVAVAV", 100, 240}}},
    {kSansDecorated, kBlanks, 3000, kLeft, 67, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV", 100, 1990}}},
    {kSmall, kBlanks, 3000, kLeft, 37, {
        {L"Net   total\t\tincluding  VAT    WAVE Type  fi fl ffi   Tax:  AVAVAV", 100, 1088}}},
    {kSans, kHardBreaks, 700, kLeft, 819, {{L"Mountain", 100, 464}, {L"Bakery Ltd", 100, 536},
        {L"Bakers' Lane", 100, 640}, {L"7", 100, 64}, {L"", 100, 0}, {L"North Hill", 100, 470},
        {L"Country", 100, 396}}},
    {kSerifBoldCell, kHardBreaks, 700, kLeft, 840, {{L"Mountain", 100, 555}, {L"Bakery Ltd", 100, 627},
        {L"Bakers'", 100, 430}, {L"Lane 7", 100, 384}, {L"", 100, 0}, {L"North Hill", 100, 585},
        {L"Country", 100, 457}}},
    {kMonoItalic, kHardBreaks, 700, kLeft, 468, {{L"Mountain Bakery", 100, 600}, {L"Ltd", 100, 120},
        {L"Bakers' Lane 7", 100, 560}, {L"", 100, 0}, {L"North Hill", 100, 400}, {L"Country", 100, 280}}},
    {kSansDecorated, kHardBreaks, 700, kLeft, 335, {{L"Mountain Bakery Ltd", 100, 593},
        {L"Bakers' Lane 7", 100, 421}, {L"", 100, 0}, {L"North Hill", 100, 270}, {L"Country", 100, 228}}},
    {kSmall, kHardBreaks, 700, kLeft, 185, {{L"Mountain Bakery Ltd", 100, 322}, {L"Bakers' Lane 7", 100, 229},
        {L"", 100, 0}, {L"North Hill", 100, 147}, {L"Country", 100, 124}}},
    {kSans, kHardBreaks, 1500, kLeft, 585, {{L"Mountain Bakery Ltd", 100, 1032},
        {L"Bakers' Lane 7", 100, 736}, {L"", 100, 0}, {L"North Hill", 100, 470}, {L"Country", 100, 396}}},
    {kSerifBoldCell, kHardBreaks, 1500, kLeft, 600, {{L"Mountain Bakery Ltd", 100, 1218},
        {L"Bakers' Lane 7", 100, 850}, {L"", 100, 0}, {L"North Hill", 100, 585}, {L"Country", 100, 457}}},
    {kMonoItalic, kHardBreaks, 1500, kLeft, 390, {{L"Mountain Bakery Ltd", 100, 760},
        {L"Bakers' Lane 7", 100, 560}, {L"", 100, 0}, {L"North Hill", 100, 400}, {L"Country", 100, 280}}},
    {kSansDecorated, kHardBreaks, 1500, kLeft, 335, {{L"Mountain Bakery Ltd", 100, 593},
        {L"Bakers' Lane 7", 100, 421}, {L"", 100, 0}, {L"North Hill", 100, 270}, {L"Country", 100, 228}}},
    {kSmall, kHardBreaks, 1500, kLeft, 185, {{L"Mountain Bakery Ltd", 100, 322},
        {L"Bakers' Lane 7", 100, 229}, {L"", 100, 0}, {L"North Hill", 100, 147}, {L"Country", 100, 124}}},
    {kSans, kHardBreaks, 1500, kRight, 585, {{L"Mountain Bakery Ltd", 568, 1032},
        {L"Bakers' Lane 7", 864, 736}, {L"", 1600, 0}, {L"North Hill", 1130, 470}, {L"Country", 1204, 396}}},
    {kSerifBoldCell, kHardBreaks, 1500, kRight, 600, {{L"Mountain Bakery Ltd", 382, 1218},
        {L"Bakers' Lane 7", 750, 850}, {L"", 1600, 0}, {L"North Hill", 1015, 585}, {L"Country", 1143, 457}}},
    {kMonoItalic, kHardBreaks, 1500, kRight, 390, {{L"Mountain Bakery Ltd", 840, 760},
        {L"Bakers' Lane 7", 1040, 560}, {L"", 1600, 0}, {L"North Hill", 1200, 400}, {L"Country", 1320, 280}}},
    {kSansDecorated, kHardBreaks, 1500, kRight, 335, {{L"Mountain Bakery Ltd", 1007, 593},
        {L"Bakers' Lane 7", 1179, 421}, {L"", 1600, 0}, {L"North Hill", 1330, 270}, {L"Country", 1372, 228}}},
    {kSmall, kHardBreaks, 1500, kRight, 185, {{L"Mountain Bakery Ltd", 1278, 322},
        {L"Bakers' Lane 7", 1371, 229}, {L"", 1600, 0}, {L"North Hill", 1453, 147}, {L"Country", 1476, 124}}},
    {kSans, kHardBreaks, 1500, kEllipsis, 117, {{L"Mountain Bakery Ltd  Baker...", 115, 1470}}},
    {kSerifBoldCell, kHardBreaks, 1500, kEllipsis, 120, {{L"Mountain Bakery Ltd  B...", 108, 1484}}},
    {kMonoItalic, kHardBreaks, 1500, kEllipsis, 78, {{L"Mountain Bakery Ltd  Bakers' Lane ...", 110, 1480}}},
    {kSansDecorated, kHardBreaks, 1500, kEllipsis, 67, {
        {L"Mountain Bakery Ltd  Bakers' Lane 7  North Hill C...", 116, 1468}}},
    {kSmall, kHardBreaks, 1500, kEllipsis, 37, {
        {L"Mountain Bakery Ltd  Bakers' Lane 7  North Hill Country", 414, 872}}},
    {kSans, kHardBreaks, 3000, kLeft, 585, {{L"Mountain Bakery Ltd", 100, 1032},
        {L"Bakers' Lane 7", 100, 736}, {L"", 100, 0}, {L"North Hill", 100, 470}, {L"Country", 100, 396}}},
    {kSerifBoldCell, kHardBreaks, 3000, kLeft, 600, {{L"Mountain Bakery Ltd", 100, 1218},
        {L"Bakers' Lane 7", 100, 850}, {L"", 100, 0}, {L"North Hill", 100, 585}, {L"Country", 100, 457}}},
    {kMonoItalic, kHardBreaks, 3000, kLeft, 390, {{L"Mountain Bakery Ltd", 100, 760},
        {L"Bakers' Lane 7", 100, 560}, {L"", 100, 0}, {L"North Hill", 100, 400}, {L"Country", 100, 280}}},
    {kSansDecorated, kHardBreaks, 3000, kLeft, 335, {{L"Mountain Bakery Ltd", 100, 593},
        {L"Bakers' Lane 7", 100, 421}, {L"", 100, 0}, {L"North Hill", 100, 270}, {L"Country", 100, 228}}},
    {kSmall, kHardBreaks, 3000, kLeft, 185, {{L"Mountain Bakery Ltd", 100, 322},
        {L"Bakers' Lane 7", 100, 229}, {L"", 100, 0}, {L"North Hill", 100, 147}, {L"Country", 100, 124}}},
    {kSans, kAccents, 700, kLeft, 585, {{L"Gr\u00fc\u00dfe aus", 100, 514},
        {L"K\u00f6ln \u2014 Pr\u00e9cis", 100, 672}, {L"\u20ac 1.234,56", 100, 544},
        {L"na\u00efve caf\u00e9", 100, 518}, {L"\u00c5ngstr\u00f6m", 100, 482}}},
    {kSerifBoldCell, kAccents, 700, kLeft, 720, {{L"Gr\u00fc\u00dfe aus", 100, 591},
        {L"K\u00f6ln \u2014", 100, 406}, {L"Pr\u00e9cis \u20ac", 100, 461}, {L"1.234,56", 100, 498},
        {L"na\u00efve caf\u00e9", 100, 576}, {L"\u00c5ngstr\u00f6m", 100, 558}}},
    {kMonoItalic, kAccents, 700, kLeft, 312, {{L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014", 100, 640},
        {L"Pr\u00e9cis \u20ac 1.234,56", 100, 680}, {L"na\u00efve caf\u00e9", 100, 400},
        {L"\u00c5ngstr\u00f6m", 100, 320}}},
    {kSansDecorated, kAccents, 700, kLeft, 201, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis", 100, 698},
        {L"\u20ac 1.234,56 na\u00efve caf\u00e9", 100, 627}, {L"\u00c5ngstr\u00f6m", 100, 278}}},
    {kSmall, kAccents, 700, kLeft, 74, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve", 100, 655},
        {L"caf\u00e9 \u00c5ngstr\u00f6m", 100, 226}}},
    {kSans, kAccents, 1500, kLeft, 351, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac", 100, 1314},
        {L"1.234,56 na\u00efve caf\u00e9", 100, 998}, {L"\u00c5ngstr\u00f6m", 100, 482}}},
    {kSerifBoldCell, kAccents, 1500, kLeft, 360, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis", 100, 1423},
        {L"\u20ac 1.234,56 na\u00efve caf\u00e9", 100, 1217}, {L"\u00c5ngstr\u00f6m", 100, 558}}},
    {kMonoItalic, kAccents, 1500, kLeft, 156, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56", 100, 1360},
        {L"na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 760}}},
    {kSansDecorated, kAccents, 1500, kLeft, 134, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9", 100, 1343},
        {L"\u00c5ngstr\u00f6m", 100, 278}}},
    {kSmall, kAccents, 1500, kLeft, 37, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 891}}},
    {kSans, kAccents, 1500, kRight, 351, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac", 286, 1314},
        {L"1.234,56 na\u00efve caf\u00e9", 602, 998}, {L"\u00c5ngstr\u00f6m", 1118, 482}}},
    {kSerifBoldCell, kAccents, 1500, kRight, 360, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis", 177, 1423},
        {L"\u20ac 1.234,56 na\u00efve caf\u00e9", 383, 1217}, {L"\u00c5ngstr\u00f6m", 1042, 558}}},
    {kMonoItalic, kAccents, 1500, kRight, 156, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56", 240, 1360},
        {L"na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 840, 760}}},
    {kSansDecorated, kAccents, 1500, kRight, 134, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9", 257, 1343},
        {L"\u00c5ngstr\u00f6m", 1322, 278}}},
    {kSmall, kAccents, 1500, kRight, 37, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 709, 891}}},
    {kSans, kAccents, 1500, kEllipsis, 117, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac ...", 129, 1442}}},
    {kSerifBoldCell, kAccents, 1500, kEllipsis, 120, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9ci...", 113, 1474}}},
    {kMonoItalic, kAccents, 1500, kEllipsis, 78, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56...", 110, 1480}}},
    {kSansDecorated, kAccents, 1500, kEllipsis, 67, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5n...", 105, 1490}}},
    {kSmall, kAccents, 1500, kEllipsis, 37, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 404, 891}}},
    {kSans, kAccents, 3000, kLeft, 117, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 2858}}},
    {kSerifBoldCell, kAccents, 3000, kLeft, 240, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9", 100, 2676},
        {L"\u00c5ngstr\u00f6m", 100, 558}}},
    {kMonoItalic, kAccents, 3000, kLeft, 78, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 2160}}},
    {kSansDecorated, kAccents, 3000, kLeft, 67, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 1639}}},
    {kSmall, kAccents, 3000, kLeft, 37, {
        {L"Gr\u00fc\u00dfe aus K\u00f6ln \u2014 Pr\u00e9cis \u20ac 1.234,56 na\u00efve caf\u00e9 \u00c5ngstr\u00f6m", 100, 891}}},
    // clang-format on
};

void ExpectWrappedAsBefore(TextMeasurer& measurer) {
  for (const Wrapped& wrapped : kWrapped) {
    const TextLayout layout = LayoutText(TextOf(wrapped.text), Rect{100, 200, 100 + wrapped.width, 20000},
                                         FlagsOf(wrapped.format), FontOf(wrapped.font), measurer);
    std::vector<Line> lines;
    for (const TextLine& line : layout.lines) lines.push_back(Line{line.text, line.x, line.width});
    EXPECT_EQ(lines, wrapped.lines) << "font " << wrapped.font << ", text " << wrapped.text << ", width "
                                    << wrapped.width << ", format " << wrapped.format;
    EXPECT_EQ(layout.height, wrapped.height) << "font " << wrapped.font << ", text " << wrapped.text;
  }
}

TEST(PdfTextWrapping, LayoutMeasurerBreaksAsBefore) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "wrapped.pdf", 8.27, 11.69, 600);
  ExpectWrappedAsBefore(pdf.Measurer());
}

TEST(PdfTextWrapping, PageMeasurerBreaksAsBefore) {
  corvane::test::TempDir dir;
  PdfWriter pdf(dir / "wrapped.pdf", 8.27, 11.69, 600);
  ASSERT_TRUE(pdf.StartDoc(L"Wrapped"));
  ASSERT_TRUE(pdf.StartPage());
  ExpectWrappedAsBefore(pdf.PageCanvas().Measurer());
  ASSERT_TRUE(pdf.EndPage());
  ASSERT_TRUE(pdf.EndDoc());
}

}  // namespace
