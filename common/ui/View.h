#pragma once

// A view: a window inside a frame that shows the shared document. Concrete
// views derive from a wx window class and from View, return themselves from
// GetViewWindow, fill themselves in OnInitialUpdate and reload in OnUpdate.
// Menu and toolbar commands of the frame reach the frame's active view first,
// then the frame, then the application.

class BaseFrameWnd;
class Document;
class wxWindow;

class View {
public:
  View() = default;
  virtual ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  Document* GetDocument() const { return m_document; }
  virtual wxWindow* GetViewWindow() = 0;

  // Once, after the frame and its values are in place; the default calls
  // OnUpdate(nullptr, 0, nullptr).
  virtual void OnInitialUpdate();
  virtual void OnUpdate(View* sender, long hint, void* hintObject) {}

  // The nearest BaseFrameWnd up the window's parent chain, or null.
  BaseFrameWnd* GetParentFrame();

private:
  friend class BaseFrameWnd;
  friend class Document;
  Document* m_document = nullptr;
  BaseFrameWnd* m_frame = nullptr;  // the frame that lists this view
};
