#pragma once

// One invoice opened for preview or printing, without any window: the
// template path, a private copy of the invoice data and the report. Loading
// reads the template and binds the data to its data fields and repeat fields
// by their names.

#include <cstdint>
#include <string>

#include "common/FieldMap.h"
#include "preview/ReportGenerator.h"

class InvoiceDoc {
public:
  InvoiceDoc() = default;
  InvoiceDoc(const InvoiceDoc&) = delete;
  InvoiceDoc& operator=(const InvoiceDoc&) = delete;

  void SetTemplatePath(const std::wstring& path) { m_templatePath = path; }
  const std::wstring& GetTemplatePath() const { return m_templatePath; }

  // Replaces the document's data by a copy of every entry of the map; the
  // caller's map is never written to.
  void SetData(const FieldMap& data);
  const FieldMap& GetData() const { return m_data; }

  // Loads the template (a failure is shown by the generator and leaves no
  // pages) and binds, for each named object of the first page template:
  // - a data field takes the display text of the entry under its name, or
  //   keeps its template text when there is none;
  // - a repeat field, whose name is the key of its first row, takes one row
  //   per key from there on, up to its row limit or the first missing row.
  // Each object is bound by the kind of the first object of its name on any
  // page: a label named like an earlier data field shows the field's value,
  // and a data field named like an earlier repeat field keeps its template
  // text. A repeat field whose name is no field key stays empty; the load
  // then shows "Field parse error" and returns false after binding
  // everything else.
  bool LoadAndBind();

  CReportGenerator& GetGenerator() { return m_generator; }
  const CReportGenerator& GetGenerator() const { return m_generator; }

  // Why invoice lines are left out: a repeat field's row limit, or rows that
  // reach below the largest page a PDF allows.
  enum class HiddenBy { RowLimit, Page };

  // Invoice lines that a repeat field had to leave out (the most over all
  // repeat fields); 0 when every line is shown. A field whose row limit is 0
  // shows no lines on purpose and leaves none out.
  int32_t HiddenLineCount() const { return m_hiddenLines; }
  // The rows of the repeat field that left out the most lines.
  int32_t ShownLineCount() const { return m_shownLines; }
  // What the user is told, never in a modal box; empty when nothing is hidden.
  std::wstring HiddenLinesWarning() const;
  static std::wstring FormatHiddenLinesWarning(int32_t hidden, int32_t shown,
                                               HiddenBy cause = HiddenBy::RowLimit);

private:
  void BindRepeatField(class CDrawRepeatField& field);

  std::wstring m_templatePath;
  FieldMap m_data;
  CReportGenerator m_generator;
  int32_t m_hiddenLines = 0;
  int32_t m_shownLines = 0;
  HiddenBy m_hiddenBy = HiddenBy::RowLimit;
};
