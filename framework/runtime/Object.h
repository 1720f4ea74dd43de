#pragma once

#include <cstddef>
#include <cstdint>

namespace framework {

class ClassRecord;

// Base of every framework object: an intrusive reference count and the object's class record.
// Objects are made by MakeObject or RuntimeNewObject and held through Ref; the last release runs
// the class chain's finalisers and ends the object.
class Object {
 public:
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  std::int64_t ReferenceCount() const noexcept { return references_; }
  const ClassRecord& Class() const noexcept { return *class_; }
  bool IsA(const ClassRecord& record) const noexcept;

  // Number of framework objects alive in the process; tests compare it before and after.
  static std::int64_t LiveCount() noexcept;

 protected:
  explicit Object(const ClassRecord& record) noexcept;
  virtual ~Object();

 private:
  friend void RuntimeLockObject(Object* object) noexcept;
  friend void RuntimeUnlockObject(Object* object) noexcept;
  // The last release: the finalisers, then the end of the object.
  void End() noexcept;

  const ClassRecord* class_;
  std::int64_t references_ = 1;
};

// Takes and releases a reference; nil is ignored. The last release ends the object.
void RuntimeLockObject(Object* object) noexcept;
void RuntimeUnlockObject(Object* object) noexcept;

}  // namespace framework
