#pragma once

// Reads a text file into lines, asking for the file with the open-file
// dialog when no path is given. Used by the report generator to load page
// templates from text records.

#include <string>
#include <vector>

class CTextFile {
public:
  // The extension names the dialog's filter and default extension ("" for
  // none); the line separator is kept for writers (reading splits at any
  // line end).
  CTextFile(std::wstring extension = L"", std::wstring lineSeparator = L"\n");
  virtual ~CTextFile() = default;

  // The standard file dialog (open, or save when `save`); true and the
  // chosen path when the user confirms.
  virtual bool GetFilename(bool save, std::wstring& path);

  // Reads the file as text, one entry per line (empty lines too; a carriage
  // return before a line feed is dropped). An empty path asks for one.
  // UTF-16LE files (with or without a byte-order mark) and UTF-8 files are
  // read. False with the error text set when the file cannot be read; false
  // with an empty error text when the dialog was cancelled.
  bool ReadTextFile(std::wstring path, std::vector<std::wstring>& lines);

  const std::wstring& GetErrorText() const { return m_error; }
  const std::wstring& GetExtension() const { return m_extension; }
  const std::wstring& GetLineSeparator() const { return m_lineSeparator; }

private:
  std::wstring m_error;
  std::wstring m_extension;
  std::wstring m_lineSeparator;
};
