#pragma once

// A report: an ordered list of page templates (first, middle and last page
// kinds), each a container of draw objects. Loads page templates from a
// template file or from text records, looks objects up by name, numbers the
// printed pages (a middle page template repeats while its grids have lines
// left) and draws or prints them.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/PrintDialog.h"
#include "platform/gdi/PrintTarget.h"
#include "preview/Container.h"

class CReportGenerator {
public:
  CReportGenerator() = default;
  virtual ~CReportGenerator() = default;
  CReportGenerator(const CReportGenerator&) = delete;
  CReportGenerator& operator=(const CReportGenerator&) = delete;

  const std::wstring& GetDocumentName() const { return m_documentName; }
  // A report that already has a name is cleared first.
  void SetDocumentName(const std::wstring& name);

  // Reads a template file into a new middle page template. False when the
  // file holds no object this engine draws, and when it cannot be read; a
  // read failure is shown in a "Corvane Preview" message box.
  bool LoadTemplate(const std::filesystem::path& path);

  // Loaders of text records, one record per line. Each adds one page
  // template of the kind (PageKind) unless CanAddPage refuses it; false when
  // refused, unreadable, or when no record made an object.
  bool LoadFromString(const std::wstring& text, int32_t pageKind);
  bool LoadFromStringArray(const std::vector<std::wstring>& records, int32_t pageKind);
  // The whole file as UTF-16LE text.
  bool LoadFromFile(const std::filesystem::path& path, int32_t pageKind);
  // A text file read line by line; a read failure keeps the file's error text.
  bool LoadFromTextFile(const std::wstring& path, int32_t pageKind);
  // The resource of type "RG_REPORT" with that id in the module that holds
  // this engine, as UTF-16LE text (read up to its terminating NUL, or to its
  // end when it has none). False when there is no such resource, when it is
  // empty, and as LoadFromString.
  bool LoadFromResource(int32_t resourceId, int32_t pageKind);

  // Fills the grids named `name` with lines: the first page's grid takes
  // what it holds, the last page's the remainder of the middle grid's
  // capacity (at most its own), the middle grids the rest. False when lines
  // are left for middle pages and no middle page template has such a grid.
  bool DistributeLines(const std::wstring& name, const std::vector<std::wstring>& lines);

  // Sets the text of the first object of that name (pages searched from the
  // first) when it is a data field or repeat field.
  void SetFieldText(const std::wstring& name, const std::wstring& text);
  void Clear();
  // Data fields, repeat fields and grids forget their texts.
  void ClearFieldTexts();

  // Numbers the printed pages and returns their count.
  int32_t GetPageCount();
  // Draws printed page `page` (1-based). Coordinates use the canvas's
  // horizontal resolution for x and vertical for y. An object that fails to
  // draw is skipped; nothing escapes.
  void DrawPage(platform::gdi::Canvas& dc, int32_t page);
  // Prints every page as one document named by the document name. False
  // when the document, a page or the end of the document fails.
  bool Print(platform::gdi::PrintTarget& target);
  // Shows the print dialog (no page range, no selection, no print-to-file;
  // copies are the printer's) and, when the user confirms, prints every page
  // on the chosen printer as Print does; a print that fails is reported in a
  // "Corvane Preview" message box. Always 0.
  int32_t PrintWithDialog();

  int32_t GetContainerCount() const { return static_cast<int32_t>(m_pages.GetCount()); }
  // 0 / "" / null for indexes out of range.
  int32_t GetObjectCount(int32_t page) const;
  std::wstring GetObjectName(int32_t object, int32_t page) const;
  CDrawObject* GetObject(int32_t object, int32_t page) const;
  // Kind of the first object of that name on the page (-1: all pages, from
  // the first); 0 when there is none.
  int32_t GetObjectType(const std::wstring& name, int32_t page = -1) const;
  // Rows per inch of the grid of that name; -1 when it is no grid.
  int32_t GetGridAttribute(const std::wstring& name, int32_t page) const;
  // Appends to the page template when the index is valid; otherwise the
  // object is dropped.
  void AddObject(std::unique_ptr<CDrawObject> object, int32_t page);

  const std::wstring& GetErrorText() const { return m_errorText; }
  void SetErrorText(const std::wstring& text) { m_errorText = text; }
  const CContainerArray& GetPages() const { return m_pages; }

  // The caption of the engine's message boxes.
  static const wchar_t* const kMessageCaption;
  // What the user is told when pages could not be printed.
  static const wchar_t* const kPrintFailedText;
  // The resource type of report pages in text form.
  static constexpr char kResourceType[] = "RG_REPORT";

private:
  bool CanAddPage(int32_t pageKind) const;
  bool AddPage(const std::vector<std::wstring>& records, int32_t pageKind);
  // UTF-16LE text up to its first NUL; false when there are no bytes.
  bool LoadFromUtf16(const uint8_t* bytes, size_t count, int32_t pageKind);
  void PlacePage(std::unique_ptr<CContainer> page);
  CContainer* FindPageFor(int32_t page) const;
  platform::gdi::PrintJob MakePrintJob();
  void ShowError(const std::wstring& text) const;

  std::wstring m_documentName;
  CContainerArray m_pages;
  std::wstring m_errorText;
  bool m_numbered = false;
};
