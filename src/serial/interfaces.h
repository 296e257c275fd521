// The reference-counted interface family of the serialization library. Interface IDs
// are private to the process; the byte format is what crosses the wire.
#pragma once

#include <cstdint>
#include <cstring>

#include "base/text.h"
#include "serial/result.h"

namespace kova {

class ITarnArchive;

struct TarnIid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];

  friend bool operator==(const TarnIid& a, const TarnIid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
  }
};

// CA727B5B-0E5C-7BC9-7748-8ABB1F322703
inline constexpr TarnIid IID_ITarnSerializable = {
    0xCA727B5B, 0x0E5C, 0x7BC9, {0x77, 0x48, 0x8A, 0xBB, 0x1F, 0x32, 0x27, 0x03}};
// 12A41B8A-162A-184F-BE2A-14AB131B15FA
inline constexpr TarnIid IID_ISimpleSerializable = {
    0x12A41B8A, 0x162A, 0x184F, {0xBE, 0x2A, 0x14, 0xAB, 0x13, 0x1B, 0x15, 0xFA}};
// 2F7D78EC-4DCD-48B3-55D2-CE9DAC3BCE72
inline constexpr TarnIid IID_ITarnSerializableStringData = {
    0x2F7D78EC, 0x4DCD, 0x48B3, {0x55, 0xD2, 0xCE, 0x9D, 0xAC, 0x3B, 0xCE, 0x72}};
// 37CB790D-4563-E245-93D9-C2B4849DA75D, shared by every element type.
inline constexpr TarnIid IID_ISimpleSerializableList = {
    0x37CB790D, 0x4563, 0xE245, {0x93, 0xD9, 0xC2, 0xB4, 0x84, 0x9D, 0xA7, 0x5D}};
// EF3AD221-4B05-3C1A-29EA-DB86869FFBCE
inline constexpr TarnIid IID_IBasicTarnSerializable = {
    0xEF3AD221, 0x4B05, 0x3C1A, {0x29, 0xEA, 0xDB, 0x86, 0x86, 0x9F, 0xFB, 0xCE}};
// 8A7B8B05-4DCA-D25D-26B3-7E991DC10373
inline constexpr TarnIid IID_ITarnSerializableList = {
    0x8A7B8B05, 0x4DCA, 0xD25D, {0x26, 0xB3, 0x7E, 0x99, 0x1D, 0xC1, 0x03, 0x73}};
// A81E99A3-4144-0B1E-DDF8-4A9F842670D5
inline constexpr TarnIid IID_ITarnSerializableMap = {
    0xA81E99A3, 0x4144, 0x0B1E, {0xDD, 0xF8, 0x4A, 0x9F, 0x84, 0x26, 0x70, 0xD5}};

class ITarnInterface {
 public:
  virtual TarnULong AddRef() = 0;
  // Deletes the object when the count reaches 0; answers the remaining count.
  virtual TarnULong Release() = 0;
  virtual TarnResult QueryInterface(const TarnIid& iid, void** out) = 0;

 protected:
  ~ITarnInterface() = default;
};

class ITarnSerializable : public ITarnInterface {
 public:
  virtual void Initialize() {}
  virtual void Finalize() {}
  // "class " followed by the type name; identifies the object on the wire.
  virtual const char16_t* GetClassName() = 0;
  virtual void AfterStore(ITarnArchive* /*archive*/) {}
  virtual void AfterLoad(ITarnArchive* /*archive*/) {}
  virtual void Store(ITarnArchive* archive) = 0;
  virtual void Load(ITarnArchive* archive) = 0;
  virtual void CopyFrom(ITarnSerializable* other) = 0;
  virtual TarnULong Reserved() { return 0; }

 protected:
  ~ITarnSerializable() = default;
};

class ISimpleSerializable {
 public:
  virtual const void* GetData() = 0;
  virtual TarnULong GetSize() = 0;

 protected:
  ~ISimpleSerializable() = default;
};

class ITarnSerializableStringData {
 public:
  // Copies the value as text with its terminator when *length units suffice;
  // otherwise stores the needed length in *length and answers false.
  virtual bool GetStringData(char16_t* buffer, TarnULong* length) = 0;

 protected:
  ~ITarnSerializableStringData() = default;
};

template <typename T>
class ISimpleSerializableList {
 public:
  virtual TarnULong GetCount() = 0;
  virtual void Add(T value) = 0;
  virtual TarnResult GetAt(TarnULong index, T* out) = 0;
  virtual TarnResult RemoveAt(TarnULong index) = 0;
  virtual void RemoveAll() = 0;

 protected:
  ~ISimpleSerializableList() = default;
};

class IBasicTarnSerializable : public ITarnInterface {
 public:
  virtual TarnULong GetSize() = 0;
  virtual TarnULong GetTag() = 0;
  virtual const void* GetData() = 0;

 protected:
  ~IBasicTarnSerializable() = default;
};

class ITarnSerializableList : public ITarnSerializable {
 public:
  virtual TarnULong GetCount() = 0;
  virtual void Add(ITarnSerializable* item) = 0;
  virtual TarnResult GetAt(TarnULong index, ITarnSerializable** out) = 0;
  virtual TarnResult RemoveAt(TarnULong index) = 0;
  virtual void RemoveAll() = 0;

 protected:
  ~ITarnSerializableList() = default;
};

class ITarnSerializableMap : public ITarnSerializable {
 public:
  virtual TarnULong GetCount() = 0;
  virtual TarnResult GetKeyAt(TarnULong index, IBasicTarnSerializable** key) = 0;
  virtual TarnResult SetAt(IBasicTarnSerializable* key, ITarnSerializable* value) = 0;
  virtual TarnResult Lookup(IBasicTarnSerializable* key, ITarnSerializable** value) = 0;
  virtual TarnResult RemoveKey(IBasicTarnSerializable* key) = 0;
  virtual void RemoveAll() = 0;

 protected:
  ~ITarnSerializableMap() = default;
};

// Creates a new object holding one reference owned by the caller.
using TarnCreator = ITarnSerializable* (*)();

class ITarnFactory {
 public:
  virtual void Register(const char16_t* class_name, TarnCreator creator) = 0;
  virtual TarnCreator FindCreator(const char16_t* class_name) = 0;

 protected:
  ~ITarnFactory() = default;
};

}  // namespace kova
