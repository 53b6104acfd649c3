#pragma once

// The frame of one tabbed editing form. It holds the id of the edited
// business object (0 = a new one) and owns the object itself, which the
// concrete frame creates in LoadEditedObject; the form's pages read from and
// write into it. The concrete frame adds its toolbar and status bar in
// OnCreate and sets its caption in UpdateFrameCaption.
//
//   class ItemFrame : public BaseTabFrame {
//     void LoadEditedObject() override {
//       SetEditedObject(std::make_unique<Invoice::Item>(GetObjectId()));
//     }
//     void UpdateFrameCaption() override { SetTitle(...); }
//     bool SaveChanges() override;  // through the form: SaveAllPages
//   };

#include <cstdint>
#include <memory>

#include "data/objects/Object.h"
#include "shell/ui/BaseSaveFrame.h"

class BaseTabFrame : public BaseSaveFrame {
public:
  BaseTabFrame();
  ~BaseTabFrame() override;

  int32_t GetObjectId() const { return m_objectId; }
  void SetObjectId(int32_t objectId) { m_objectId = objectId; }

  // The edited object, null until LoadEditedObject ran.
  Invoice::Object* GetEditedObject() const { return m_editedObject.get(); }
  // The edited object as its own class, null when it is not one.
  template <class T>
  T* GetEditedObjectAs() const {
    return dynamic_cast<T*>(m_editedObject.get());
  }
  // Takes ownership; the previous object is deleted.
  void SetEditedObject(std::unique_ptr<Invoice::Object> object) { m_editedObject = std::move(object); }

  // Sets the caption from the edited object; nothing in the base.
  virtual void UpdateFrameCaption() {}
  // Creates the edited object from the object id (a new one for 0).
  virtual void LoadEditedObject() = 0;

private:
  int32_t m_objectId = 0;
  std::unique_ptr<Invoice::Object> m_editedObject;
};
