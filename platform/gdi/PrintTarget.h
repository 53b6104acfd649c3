#pragma once

// Where printed pages go: a document of pages, each drawn on a canvas.
// The PDF writer is one; tests supply their own to watch the calls.

#include <string>

#include "platform/gdi/Canvas.h"

namespace platform::gdi {

class PrintTarget {
public:
  virtual ~PrintTarget() = default;

  // Each step returns false when it fails; the caller then aborts the document.
  virtual bool StartDoc(const std::wstring& documentName) = 0;
  virtual bool StartPage() = 0;
  // The canvas of the page started last; valid until EndPage.
  virtual Canvas& PageCanvas() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
  virtual void AbortDoc() = 0;
};

}  // namespace platform::gdi
