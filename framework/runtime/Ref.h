#pragma once

#include <concepts>
#include <cstddef>
#include <utility>

#include "framework/runtime/Object.h"

namespace framework {

// A counted reference to a framework object; an empty Ref is nil.
template <class T>
class Ref {
 public:
  Ref() noexcept = default;
  Ref(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor): nil converts implicitly

  // Takes a new reference on `object`.
  explicit Ref(T* object) noexcept : object_(object) { RuntimeLockObject(object_); }

  Ref(const Ref& other) noexcept : Ref(other.object_) {}
  Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

  template <class U>
  requires std::derived_from<U, T> Ref(const Ref<U>& other)
  noexcept : Ref(static_cast<T*>(other.get())) {}  // NOLINT: upcast

  template <class U>
  requires std::derived_from<U, T> Ref(Ref<U>&& other)
  noexcept : object_(other.release()) {}  // NOLINT: upcast

  Ref& operator=(Ref other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  ~Ref() { RuntimeUnlockObject(object_); }

  T* get() const noexcept { return object_; }
  T* operator->() const noexcept { return object_; }
  T& operator*() const noexcept { return *object_; }
  explicit operator bool() const noexcept { return object_ != nullptr; }

  void reset() noexcept { *this = Ref(); }

  // Also against nil, which converts to an empty Ref.
  friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.object_ == b.object_; }

 private:
  template <class U>
  friend class Ref;
  template <class U, class... Args>
  friend Ref<U> MakeObject(Args&&... args);

  // Takes over a reference that the caller already owns.
  static Ref Adopt(T* object) noexcept {
    Ref ref;
    ref.object_ = object;
    return ref;
  }
  // Gives up the reference without releasing it.
  T* release() noexcept { return std::exchange(object_, nullptr); }

  T* object_ = nullptr;
};

// What a Ref refers to: Target is T for Ref<T>, and void for any other type.
template <class T>
struct RefTraits {
  using Target = void;
};
template <class T>
struct RefTraits<Ref<T>> {
  using Target = T;
};

// Creates an object of class T with one reference, owned by the result.
template <class T, class... Args>
Ref<T> MakeObject(Args&&... args) {
  return Ref<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace framework
