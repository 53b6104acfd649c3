#pragma once

// A document template: how one kind of frame with its view is made on the
// shared document. The application registers one per resource id (128 main
// frame, 130 item form, 134 stock input, 137 invoice, 140 company, 141 price
// list) and opens a window with
//
//   BaseFrameWnd* frame = docTemplate.CreateNewFrame(document);
//   ... store the object id and other values in the frame ...
//   DocTemplate::InitialUpdateFrame(frame);
//
// The frame owns its view windows; the document only knows them.

#include <functional>

class BaseFrameWnd;
class Document;
class View;
class wxWindow;

class DocTemplate {
public:
  // Constructs the frame object and loads its window (BaseFrameWnd::LoadFrame);
  // null when that fails.
  using FrameFactory = std::function<BaseFrameWnd*(wxWindow* parent)>;
  // Creates the view window as a child of the frame; null when that fails.
  using ViewFactory = std::function<View*(BaseFrameWnd* frame)>;

  DocTemplate(unsigned resourceId, FrameFactory frameFactory, ViewFactory viewFactory);

  unsigned GetResourceId() const { return m_resourceId; }

  // The new frame with its view on the document, the view being the frame's
  // active view; not shown yet. Null (nothing left open) when either fails.
  BaseFrameWnd* CreateNewFrame(Document& document, wxWindow* parent = nullptr) const;
  // Runs the initial update of the frame's views and shows the frame.
  static void InitialUpdateFrame(BaseFrameWnd* frame, bool makeVisible = true);

private:
  unsigned m_resourceId;
  FrameFactory m_frameFactory;
  ViewFactory m_viewFactory;
};
