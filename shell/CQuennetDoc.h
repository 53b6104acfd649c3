#pragma once

// The one document of the main program. It holds no data of its own (the
// data lives in the database); every frame's views sit on it. When start-up
// creates it, it hands itself to the main window, which creates its
// right-pane views on it.

#include "common/ui/Document.h"

class CQuennetDoc : public Document {
public:
  // The new document's own set-up; true on success. Hands the document to
  // the application's main frame when there is one.
  virtual bool OnNewDocument();
};
