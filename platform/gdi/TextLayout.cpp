#include "platform/gdi/TextLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform::gdi {
namespace {

// Positions are worked out in 64 bits and brought back into an int32: a
// template's absurd font sizes or rectangles must not overflow.
int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

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
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) break;
    paragraphs.emplace_back(text, start, end - start);
    start = end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
  }
  if (start < text.size() || paragraphs.empty()) paragraphs.emplace_back(text, start, std::wstring::npos);
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

  // Appends the lines of one paragraph broken to the width. Greedy: a line
  // ends at the last word end before the first one at which the line no
  // longer fits; a first word that does not fit alone is broken between
  // characters the same way.
  void Wrap(std::wstring_view paragraph, std::vector<std::wstring>& out) {
    size_t start = 0;
    const size_t size = paragraph.size();
    if (size == 0) {
      out.emplace_back();
      return;
    }
    if (size <= kShortParagraph && Measure(paragraph) <= m_width) {
      // Most paragraphs are short and fit: one measurement, of what is then
      // drawn. Long ones are not measured whole in vain.
      size_t lineEnd = size;
      while (lineEnd > 0 && IsBlank(paragraph[lineEnd - 1])) --lineEnd;
      out.emplace_back(paragraph.substr(0, lineEnd));
      return;
    }
    std::vector<size_t> ends;
    while (start < size) {
      const auto nextWordEnd = [&](size_t pos) {
        if (pos >= size) return kNone;
        size_t wordEnd = pos;
        while (wordEnd < size && IsBlank(paragraph[wordEnd])) ++wordEnd;
        while (wordEnd < size && !IsBlank(paragraph[wordEnd])) ++wordEnd;
        return wordEnd;
      };
      size_t end = start;
      if (!FirstWordOverflows(paragraph, start, nextWordEnd(start))) {
        const size_t words = FirstOverflow(paragraph, start, start, 0, nextWordEnd, ends);
        end = words == 0 ? start : ends[words - 1];
      }
      if (end == start) {
        // Not even the first word fits: break it between characters, at
        // least one to a line.
        const size_t wordEnd = nextWordEnd(start);
        const auto nextChar = [&](size_t pos) { return pos < wordEnd ? pos + 1 : kNone; };
        const int first = Measure(paragraph.substr(start, 1));
        const size_t chars = FirstOverflow(paragraph, start, start + 1, first, nextChar, ends);
        end = chars == 0 ? start + 1 : ends[chars - 1];
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
  static constexpr size_t kNone = static_cast<size_t>(-1);
  static constexpr size_t kShortParagraph = 256;

  // Whether the text from `start` to `wordEnd` is known to be wider than the
  // line from a part of it: a word far longer than a line is then not
  // measured whole once for every line it is broken into.
  bool FirstWordOverflows(std::wstring_view text, size_t start, size_t wordEnd) {
    int64_t estimate = 0;
    size_t end = start;
    while (end < wordEnd && estimate <= m_width) estimate += Measure(text.substr(end++, 1));
    return end < wordEnd && Measure(text.substr(start, end - start)) > m_width;
  }

  // Of the growing prefixes [start, ends[k]), whose ends `next` gives one
  // after another from `pos`, the index of the first that is wider than the
  // line, or their count when all fit. Each piece between two ends is
  // measured once and their widths summed to find the candidate; whole
  // prefixes are measured only around it, so a paragraph costs time in
  // proportion to its length. The answer is the one measuring every prefix
  // would give, for widths that grow with the text.
  template <class Next>
  size_t FirstOverflow(std::wstring_view text, size_t start, size_t pos, int64_t estimate, Next next,
                       std::vector<size_t>& ends) {
    ends.clear();
    const auto fits = [&](size_t k) { return Measure(text.substr(start, ends[k] - start)) <= m_width; };
    const auto grow = [&] {
      const size_t end = next(pos);
      if (end == kNone) return false;
      estimate += Measure(text.substr(pos, end - pos));
      ends.push_back(end);
      pos = end;
      return true;
    };
    while (estimate <= m_width && grow()) {
    }
    size_t first = ends.size();
    if (estimate > m_width && !ends.empty()) {
      first = ends.size() - 1;
      if (fits(first)) {
        // The pieces summed to more than the whole: go on measuring wholes.
        ++first;
        while ((first < ends.size() || grow()) && fits(first)) ++first;
      }
    }
    while (first > 0 && !fits(first - 1)) --first;
    return first;
  }

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
  Wrapper wrapper(font, measurer, Clamp32(int64_t{rect.right} - rect.left));

  std::vector<std::wstring> lines;
  for (const std::wstring& paragraph : SplitParagraphs(plain, singleLine)) {
    if ((format & DT_WORDBREAK) && !singleLine) {
      wrapper.Wrap(paragraph, lines);
    } else {
      lines.push_back(paragraph);
    }
  }

  const int32_t lineHeight = measurer.LineHeight(font);
  int64_t y = rect.top;
  if (singleLine && (format & DT_VCENTER)) {
    y = rect.top + (int64_t{rect.bottom} - rect.top - lineHeight) / 2;
  } else if (singleLine && (format & DT_BOTTOM)) {
    y = int64_t{rect.bottom} - lineHeight;
  }

  int32_t widest = 0;
  for (std::wstring& line : lines) {
    if (format & DT_END_ELLIPSIS) line = wrapper.Ellipsize(line);
    TextLine placed;
    placed.width = wrapper.Measure(line);
    if (format & DT_CENTER) {
      placed.x = Clamp32(rect.left + (int64_t{rect.right} - rect.left - placed.width) / 2);
    } else if (format & DT_RIGHT) {
      placed.x = Clamp32(int64_t{rect.right} - placed.width);
    } else {
      placed.x = rect.left;
    }
    placed.y = Clamp32(y);
    placed.text = std::move(line);
    widest = std::max(widest, placed.width);
    y += lineHeight;
    layout.lines.push_back(std::move(placed));
  }
  const int64_t height = int64_t{lineHeight} * static_cast<int64_t>(layout.lines.size());
  layout.height = Clamp32(height);
  layout.bounds.right = Clamp32(int64_t{rect.left} + widest);
  layout.bounds.bottom = Clamp32(rect.top + height);
  return layout;
}

}  // namespace platform::gdi
