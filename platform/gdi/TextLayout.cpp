#include "platform/gdi/TextLayout.h"

#include <algorithm>

namespace platform::gdi {
namespace {

std::wstring RemovePrefixes(std::wstring_view text) {
  std::wstring result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') {
        result += L'&';
        ++i;
      }
      continue;
    }
    result += text[i];
  }
  return result;
}

// Paragraphs between hard line breaks. A break at the very end opens no
// further line.
std::vector<std::wstring> SplitParagraphs(const std::wstring& text, bool singleLine) {
  std::vector<std::wstring> paragraphs;
  if (singleLine) {
    std::wstring line = text;
    std::replace(line.begin(), line.end(), L'\r', L' ');
    std::replace(line.begin(), line.end(), L'\n', L' ');
    paragraphs.push_back(std::move(line));
    return paragraphs;
  }
  std::wstring current;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      paragraphs.push_back(std::move(current));
      current.clear();
      continue;
    }
    current += c;
  }
  if (!current.empty() || paragraphs.empty()) paragraphs.push_back(std::move(current));
  return paragraphs;
}

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

class Wrapper {
public:
  Wrapper(const LogFont& font, TextMeasurer& measurer, int32_t width)
      : m_font(font), m_measurer(measurer), m_width(width) {}

  int Measure(std::wstring_view text) { return m_measurer.TextWidth(m_font, text); }

  // Appends the lines of one paragraph broken to the width.
  void Wrap(std::wstring_view paragraph, std::vector<std::wstring>& out) {
    size_t start = 0;
    const size_t size = paragraph.size();
    if (size == 0) {
      out.emplace_back();
      return;
    }
    while (start < size) {
      // Greedy: take words while the line up to the end of the word fits.
      size_t end = start;  // end of the last word that fits
      size_t pos = start;
      while (pos < size) {
        size_t wordEnd = pos;
        while (wordEnd < size && IsBlank(paragraph[wordEnd])) ++wordEnd;
        while (wordEnd < size && !IsBlank(paragraph[wordEnd])) ++wordEnd;
        if (Measure(paragraph.substr(start, wordEnd - start)) > m_width) break;
        end = wordEnd;
        pos = wordEnd;
      }
      if (end == start) {
        // Not even the first word fits: break it between characters.
        size_t wordEnd = start;
        while (wordEnd < size && IsBlank(paragraph[wordEnd])) ++wordEnd;
        while (wordEnd < size && !IsBlank(paragraph[wordEnd])) ++wordEnd;
        end = start + 1;
        while (end < wordEnd && Measure(paragraph.substr(start, end + 1 - start)) <= m_width) ++end;
      }
      size_t lineEnd = end;
      while (lineEnd > start && IsBlank(paragraph[lineEnd - 1])) --lineEnd;
      out.emplace_back(paragraph.substr(start, lineEnd - start));
      start = end;
      while (start < size && IsBlank(paragraph[start])) ++start;
    }
  }

  std::wstring Ellipsize(const std::wstring& line) {
    if (Measure(line) <= m_width) return line;
    static const std::wstring kEllipsis = L"...";
    std::wstring shortened = line;
    while (!shortened.empty() && Measure(shortened + kEllipsis) > m_width) shortened.pop_back();
    return shortened + kEllipsis;
  }

private:
  const LogFont& m_font;
  TextMeasurer& m_measurer;
  int32_t m_width;
};

}  // namespace

TextLayout LayoutText(std::wstring_view text, const Rect& rect, unsigned format, const LogFont& font,
                      TextMeasurer& measurer) {
  TextLayout layout;
  layout.bounds = Rect{rect.left, rect.top, rect.left, rect.top};
  if (text.empty()) return layout;

  const bool singleLine = (format & DT_SINGLELINE) != 0;
  const std::wstring plain = (format & DT_NOPREFIX) ? std::wstring(text) : RemovePrefixes(text);
  Wrapper wrapper(font, measurer, rect.Width());

  std::vector<std::wstring> lines;
  for (const std::wstring& paragraph : SplitParagraphs(plain, singleLine)) {
    if ((format & DT_WORDBREAK) && !singleLine) {
      wrapper.Wrap(paragraph, lines);
    } else {
      lines.push_back(paragraph);
    }
  }

  const int32_t lineHeight = measurer.LineHeight(font);
  int32_t y = rect.top;
  if (singleLine && (format & DT_VCENTER)) {
    y = rect.top + (rect.Height() - lineHeight) / 2;
  } else if (singleLine && (format & DT_BOTTOM)) {
    y = rect.bottom - lineHeight;
  }

  int32_t widest = 0;
  for (std::wstring& line : lines) {
    if (format & DT_END_ELLIPSIS) line = wrapper.Ellipsize(line);
    TextLine placed;
    placed.width = wrapper.Measure(line);
    if (format & DT_CENTER) {
      placed.x = rect.left + (rect.Width() - placed.width) / 2;
    } else if (format & DT_RIGHT) {
      placed.x = rect.right - placed.width;
    } else {
      placed.x = rect.left;
    }
    placed.y = y;
    placed.text = std::move(line);
    widest = std::max(widest, placed.width);
    y += lineHeight;
    layout.lines.push_back(std::move(placed));
  }
  layout.height = lineHeight * static_cast<int32_t>(layout.lines.size());
  layout.bounds.right = rect.left + widest;
  layout.bounds.bottom = rect.top + layout.height;
  return layout;
}

}  // namespace platform::gdi
