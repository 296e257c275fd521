// CAutoTarnPtr<T> owns one reference to a serializable object and releases it when it
// goes. It never adds a reference of its own.
#pragma once

#include <utility>

#include "serial/interfaces.h"

namespace kova {

template <typename T>
class CAutoTarnPtr {
 public:
  CAutoTarnPtr() = default;
  explicit CAutoTarnPtr(T* object) : object_(object) {}

  // Takes over the reference of `object` when it is a T (a checked down-cast); holds
  // null otherwise. A foreign object stays owned by the caller.
  template <typename From>
  requires(!std::is_same_v<From, T> && std::is_polymorphic_v<From>) static CAutoTarnPtr
      FromInterface(From* object) {
    return CAutoTarnPtr(dynamic_cast<T*>(object));
  }

  CAutoTarnPtr(CAutoTarnPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  CAutoTarnPtr& operator=(CAutoTarnPtr&& other) noexcept {
    if (this != &other)
      reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  CAutoTarnPtr(const CAutoTarnPtr&) = delete;
  CAutoTarnPtr& operator=(const CAutoTarnPtr&) = delete;

  ~CAutoTarnPtr() { reset(); }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Hands the reference to the caller.
  [[nodiscard]] T* release() { return std::exchange(object_, nullptr); }

  void reset(T* object = nullptr) {
    T* old = std::exchange(object_, object);
    if (old)
      old->Release();
  }

  // For out-parameters that deliver a reference: `Lookup(key, ptr.put())`.
  T** put() {
    reset();
    return &object_;
  }

 private:
  T* object_ = nullptr;
};

}  // namespace kova
