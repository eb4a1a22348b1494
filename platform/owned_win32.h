#pragma once
// Ownership of what Windows hands out and wants back: a kernel or file handle, a GDI object
// or its selection into a DC, a COM interface or apartment, a VARIANT or a BSTR is given
// back once, when its owner goes, on every path.
//
//   const Owned<ComInterface<IUnknown>> running(found);  // Release()d at the end of scope
//   Owned<Variant> result;                                 // VariantInit, then VariantClear
//   host->Invoke(..., result.put(), ...);

#include <windows.h>

#include <oleauto.h>

#include <utility>

// What an owner needs to know of a kind: its empty value and how it is given back.
template <typename Value, Value kEmpty, auto release>
struct PlainKind {
  using Type = Value;
  static Type Empty() { return kEmpty; }
  static bool IsEmpty(const Type& value) { return value == kEmpty; }
  static void Release(Type& value) { release(value); }
};

inline void ReleaseScreenDC(HDC dc) {
  ReleaseDC(nullptr, dc);
}
inline void LeaveComApartment(bool) {
  CoUninitialize();
}

using KernelHandle = PlainKind<HANDLE, nullptr, CloseHandle>;
using Bstr = PlainKind<BSTR, nullptr, SysFreeString>;
using Window = PlainKind<HWND, nullptr, DestroyWindow>;
using ScreenDC = PlainKind<HDC, nullptr, ReleaseScreenDC>;
using MemoryDC = PlainKind<HDC, nullptr, DeleteDC>;
template <typename Object>
using GdiObject = PlainKind<Object, nullptr, DeleteObject>;
// True when CoInitializeEx succeeded on the thread, which the owner must not leave.
using ComApartment = PlainKind<bool, false, LeaveComApartment>;

template <typename Interface>
struct ComInterface {
  using Type = Interface*;
  static Type Empty() { return nullptr; }
  static bool IsEmpty(Type object) { return object == nullptr; }
  static void Release(Type object) { object->Release(); }
};

// A file handle, which the system gives as INVALID_HANDLE_VALUE when it has none.
struct FileHandle {
  using Type = HANDLE;
  static Type Empty() { return INVALID_HANDLE_VALUE; }
  static bool IsEmpty(Type file) { return file == INVALID_HANDLE_VALUE; }
  static void Release(Type file) { CloseHandle(file); }
};

// An object selected into a DC, with what it replaced: selected back when the owner goes.
//   const Owned<Selection> selected({dc, SelectObject(dc, bitmap)});
struct Selection {
  struct Type {
    HDC dc;
    HGDIOBJ previous;
  };
  static Type Empty() { return {nullptr, nullptr}; }
  static bool IsEmpty(const Type& selection) { return selection.previous == nullptr; }
  static void Release(const Type& selection) { SelectObject(selection.dc, selection.previous); }
};

struct Variant {
  using Type = VARIANT;
  static Type Empty() {
    VARIANT empty;
    VariantInit(&empty);
    return empty;
  }
  static bool IsEmpty(const Type& value) { return value.vt == VT_EMPTY; }
  static void Release(Type& value) { VariantClear(&value); }
};

template <typename Kind>
class Owned {
 public:
  using Type = typename Kind::Type;

  Owned() = default;
  explicit Owned(Type value) : value_(value) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : value_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  const Type& get() const { return value_; }
  Type& operator*() { return value_; }
  Type operator->() const { return value_; }
  explicit operator bool() const { return !Kind::IsEmpty(value_); }
  // For a call that fills in a new value: what was owned is given back first.
  Type* put() {
    reset();
    return &value_;
  }
  Type release() { return std::exchange(value_, Kind::Empty()); }
  void reset(Type value = Kind::Empty()) {
    if (!Kind::IsEmpty(value_)) Kind::Release(value_);
    value_ = value;
  }

 private:
  Type value_ = Kind::Empty();
};
