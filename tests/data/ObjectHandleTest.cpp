#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "data/ObjectHandle.h"
#include "data/ObjectHandleTable.h"

namespace {

ObjectHandleTable& Table() {
  return ObjectHandleTable::Instance();
}

TEST(ObjectHandle, HandlesCountUpAndAreNeverReused) {
  int previous;
  {
    ObjectHandle first(0);
    previous = first.GetHandle();
    EXPECT_GE(previous, 1);
  }
  ObjectHandle next(0);
  EXPECT_EQ(next.GetHandle(), previous + 1);
}

TEST(ObjectHandle, CopiesShareOneEntryAndTheLastOneErasesIt) {
  const size_t before = Table().Size();
  auto original = std::make_unique<ObjectHandle>(7);
  const int handle = original->GetHandle();
  {
    ObjectHandle copy(*original);
    EXPECT_EQ(copy.GetHandle(), handle);
    EXPECT_EQ(Table().Find(handle)->refCount, 2);
  }
  EXPECT_EQ(Table().Find(handle), (ObjectHandleEntry{7, 7, 1}));
  original.reset();
  EXPECT_FALSE(Table().Find(handle).has_value());
  EXPECT_EQ(Table().Size(), before);
}

TEST(ObjectHandle, AllCopiesSeeTheIdSetThroughOne) {
  ObjectHandle a(0);
  ObjectHandle b(a);
  std::vector<ObjectHandle> more(3, b);
  b.SetId(15);
  EXPECT_EQ(a.GetId(), 15);
  for (const auto& copy : more) EXPECT_EQ(copy.GetId(), 15);
}

TEST(ObjectHandle, ResetReleasesTheFormerEntry) {
  const size_t before = Table().Size();
  ObjectHandle handle(3);
  const int former = handle.GetHandle();
  for (int i = 0; i < 50; ++i) handle.Reset(100 + i);  // a reader loading row after row
  EXPECT_FALSE(Table().Find(former).has_value());
  EXPECT_EQ(handle.GetId(), 149);
  EXPECT_EQ(Table().Size(), before + 1);
  EXPECT_EQ(Table().Find(handle.GetHandle())->refCount, 1);
}

TEST(ObjectHandle, ResetKeepsAFormerEntryOtherCopiesStillName) {
  ObjectHandle handle(3);
  ObjectHandle copy(handle);
  handle.Reset(9);
  EXPECT_EQ(copy.GetId(), 3);
  EXPECT_EQ(Table().Find(copy.GetHandle())->refCount, 1);
  EXPECT_EQ(handle.GetId(), 9);
  EXPECT_NE(handle.GetHandle(), copy.GetHandle());
}

TEST(ObjectHandle, AssignmentMovesTheReference) {
  const size_t before = Table().Size();
  ObjectHandle a(1);
  ObjectHandle b(2);
  const int formerB = b.GetHandle();
  b = a;
  EXPECT_FALSE(Table().Find(formerB).has_value());
  EXPECT_EQ(Table().Find(a.GetHandle())->refCount, 2);
  ObjectHandle& same = b;
  b = same;
  EXPECT_EQ(Table().Find(a.GetHandle())->refCount, 2);
  EXPECT_EQ(b.GetId(), 1);
  EXPECT_EQ(Table().Size(), before + 1);
}

TEST(ObjectHandle, MoveHandsTheReferenceOverAndLeavesNoEntryBehind) {
  const size_t before = Table().Size();
  ObjectHandle a(5);
  const int handle = a.GetHandle();
  ObjectHandle b(std::move(a));
  EXPECT_EQ(b.GetHandle(), handle);
  EXPECT_EQ(a.GetHandle(), 0);
  EXPECT_EQ(a.GetId(), 0);
  EXPECT_EQ(Table().Find(handle), (ObjectHandleEntry{5, 5, 1}));

  ObjectHandle c(6);
  const int formerC = c.GetHandle();
  c = std::move(b);  // c's own entry was its last reference
  EXPECT_FALSE(Table().Find(formerC).has_value());
  EXPECT_EQ(Table().Find(handle)->refCount, 1);

  ObjectHandle copy(c);
  copy = std::move(c);  // both named the entry: one reference is left
  EXPECT_EQ(Table().Find(handle)->refCount, 1);
  EXPECT_EQ(copy.GetId(), 5);

  a = copy;  // a handle moved from takes a reference again
  EXPECT_EQ(Table().Find(handle)->refCount, 2);
  a.Reset(9);
  EXPECT_EQ(Table().Find(handle)->refCount, 1);
  EXPECT_EQ(Table().Size(), before + 2);
}

TEST(ObjectHandle, AGrowingVectorMovesItsHandles) {
  const size_t before = Table().Size();
  {
    std::vector<ObjectHandle> handles;
    for (int id = 1; id <= 100; ++id) handles.emplace_back(id);
    EXPECT_EQ(Table().Size(), before + 100);
    for (int i = 0; i < 100; ++i) {
      EXPECT_EQ(Table().Find(handles[i].GetHandle()), (ObjectHandleEntry{i + 1, i + 1, 1})) << i;
    }
  }
  EXPECT_EQ(Table().Size(), before);
}

TEST(ObjectHandle, RevertTakesBackOnlyIdsChangedSinceTheLastCommit) {
  ObjectHandle loaded(12);
  ObjectHandle fresh(0);
  ObjectHandle copy(fresh);
  fresh.SetId(30);
  RevertObjectIds();
  EXPECT_EQ(fresh.GetId(), 0);
  EXPECT_EQ(copy.GetId(), 0);
  EXPECT_EQ(loaded.GetId(), 12);

  fresh.SetId(31);
  CommitObjectIds();
  RevertObjectIds();
  EXPECT_EQ(copy.GetId(), 31);
  EXPECT_EQ(Table().Find(fresh.GetHandle()), (ObjectHandleEntry{31, 31, 2}));
}

TEST(ObjectHandleTable, OperationsOnAMissingHandleAreIgnored) {
  const int missing = CreateObjectHandle(5);
  Table().Erase(missing);
  Table().SetId(missing, 8);
  EXPECT_EQ(Table().GetId(missing), 0);
  EXPECT_EQ(Table().AddRef(missing), 0);
  EXPECT_EQ(Table().Release(missing), 0);
  EXPECT_FALSE(Table().Find(missing).has_value());
}

TEST(ObjectHandleTable, CreateStartsWithoutReferences) {
  const int handle = CreateObjectHandle(4);
  EXPECT_EQ(Table().Find(handle), (ObjectHandleEntry{4, 4, 0}));
  Table().Erase(handle);
}

TEST(ObjectHandleTable, CreateReferencedAndReleaseAndEraseTakeOneStepEach) {
  const int handle = Table().CreateReferenced(4);
  EXPECT_EQ(Table().Find(handle), (ObjectHandleEntry{4, 4, 1}));
  EXPECT_EQ(Table().AddRef(handle), 2);
  EXPECT_EQ(Table().ReleaseAndErase(handle), 1);
  EXPECT_TRUE(Table().Find(handle).has_value());
  EXPECT_EQ(Table().ReleaseAndErase(handle), 0);
  EXPECT_FALSE(Table().Find(handle).has_value());
  EXPECT_EQ(Table().ReleaseAndErase(handle), 0);  // a missing handle is ignored
}

}  // namespace
