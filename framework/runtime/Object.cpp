#include "framework/runtime/Object.h"

#include "framework/runtime/Assert.h"
#include "framework/runtime/ClassRecord.h"

namespace framework {

namespace {
// Single-threaded like the rest of the framework: every object lives on the UI thread.
std::int64_t liveObjects = 0;
}  // namespace

Object::Object(const ClassRecord& record) noexcept : class_(&record) {
  ++liveObjects;
}

Object::~Object() {
  --liveObjects;
}

std::int64_t Object::LiveCount() noexcept {
  return liveObjects;
}

bool Object::IsA(const ClassRecord& record) const noexcept {
  return class_->IsSubclassOf(record);
}

void Object::End() noexcept {
  // The finalisers run from the object's own class up to the root. A finaliser sees the object
  // still whole; it cannot resurrect it.
  references_ = 1;
  for (const ClassRecord* record = class_; record; record = record->Superclass()) {
    if (auto finalizer = record->InstanceFinalizer()) {
      try {
        finalizer(*this);
      } catch (...) {
        // An ending object has no caller to report to; the rest of the chain still runs.
      }
    }
  }
  delete this;
}

void RuntimeLockObject(Object* object) noexcept {
  if (object) ++object->references_;
}

void RuntimeUnlockObject(Object* object) noexcept {
  if (!object) return;
  FRAMEWORK_ASSERT(object->references_ > 0);
  if (--object->references_ == 0) object->End();
}

}  // namespace framework
