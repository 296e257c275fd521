#include "serial/value_io.h"

#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "serial/factory.h"

namespace kova {

namespace {

template <typename Unsigned>
void WriteLittleEndian(ITarnArchive& archive, Unsigned value) {
  std::uint8_t bytes[sizeof(Unsigned)];
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
  archive.Status = TARN_E_FAIL;
  if (archive.Write(bytes, sizeof bytes, 1) != 0)
    archive.Status = TARN_S_OK;
}

template <typename Unsigned>
bool ReadLittleEndian(ITarnArchive& archive, Unsigned& value) {
  std::uint8_t bytes[sizeof(Unsigned)];
  archive.Status = TARN_E_FAIL;
  if (archive.Read(bytes, sizeof bytes, 1) == 0)
    return false;
  Unsigned result = 0;
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    result |= static_cast<Unsigned>(bytes[i]) << (8 * i);
  }
  value = result;
  archive.Status = TARN_S_OK;
  return true;
}

template <typename Unsigned, typename T>
bool ReadAs(ITarnArchive& archive, T& value) {
  Unsigned raw;
  if (!ReadLittleEndian(archive, raw))
    return false;
  value = std::bit_cast<T>(raw);
  return true;
}

constexpr int kMaxObjectDepth = 64;

// Reads the class name and creates the object it names; Status is 0 afterwards in
// every case, as an unknown class is not an archive failure.
bool ReadObject(ITarnArchive& archive, ITarnSerializable** object) {
  *object = nullptr;
  archive.Status = TARN_E_FAIL;
  // Containers nest through this function; outside bytes must not be able to nest
  // them deep enough to exhaust the stack. Deeper objects fail the reader.
  thread_local int depth = 0;
  if (depth >= kMaxObjectDepth) {
    archive.CheckReadable(std::numeric_limits<std::uint64_t>::max());
    return false;
  }
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
  } guard(depth);
  WideString name;
  const bool named = TarnReadString(archive, name);
  if (archive.Factory == nullptr)
    archive.Factory = GetTarnFactory();
  if (TarnCreator creator = archive.Factory->FindCreator(name.c_str())) {
    if (ITarnSerializable* created = creator()) {
      created->Load(&archive);
      created->AfterLoad(&archive);
      *object = created;
    }
  }
  archive.Status = TARN_S_OK;
  return named;
}

}  // namespace

void TarnWriteByte(ITarnArchive& archive, std::uint8_t value) {
  WriteLittleEndian(archive, value);
}
void TarnWriteBool(ITarnArchive& archive, bool value) {
  WriteLittleEndian(archive, static_cast<std::uint8_t>(value ? 1 : 0));
}
void TarnWriteInt(ITarnArchive& archive, std::int32_t value) {
  WriteLittleEndian(archive, static_cast<std::uint32_t>(value));
}
void TarnWriteULong(ITarnArchive& archive, std::uint32_t value) {
  WriteLittleEndian(archive, value);
}
void TarnWriteUInt64(ITarnArchive& archive, std::uint64_t value) {
  WriteLittleEndian(archive, value);
}
void TarnWriteDouble(ITarnArchive& archive, double value) {
  WriteLittleEndian(archive, std::bit_cast<std::uint64_t>(value));
}

bool TarnReadByte(ITarnArchive& archive, std::uint8_t& value) {
  return ReadLittleEndian(archive, value);
}
bool TarnReadBool(ITarnArchive& archive, bool& value) {
  std::uint8_t byte;
  if (!ReadLittleEndian(archive, byte))
    return false;
  value = byte != 0;
  return true;
}
bool TarnReadInt(ITarnArchive& archive, std::int32_t& value) {
  return ReadAs<std::uint32_t>(archive, value);
}
bool TarnReadULong(ITarnArchive& archive, std::uint32_t& value) {
  return ReadLittleEndian(archive, value);
}
bool TarnReadUInt64(ITarnArchive& archive, std::uint64_t& value) {
  return ReadLittleEndian(archive, value);
}
bool TarnReadDouble(ITarnArchive& archive, double& value) {
  return ReadAs<std::uint64_t>(archive, value);
}

ITarnArchive& TarnWriteString(ITarnArchive& archive, const char16_t* text) {
  return TarnWriteString(archive, text ? WideStringView(text) : WideStringView());
}

ITarnArchive& TarnWriteString(ITarnArchive& archive, WideStringView text) {
  archive.Status = TARN_E_FAIL;
  if (text.size() >= std::numeric_limits<TarnULong>::max() / 2)
    return archive;
  const auto count = static_cast<TarnULong>(text.size() + 1);
  std::uint8_t count_bytes[4];
  for (int i = 0; i < 4; ++i)
    count_bytes[i] = static_cast<std::uint8_t>(count >> (8 * i));
  if (archive.Write(count_bytes, 4, 1) == 0)
    return archive;

  // The units with their terminator, little-endian whatever the host's order.
  std::string units;
  try {
    units.resize(std::size_t{count} * 2);
  } catch (const std::bad_alloc&) {
    return archive;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    units[2 * i] = static_cast<char>(text[i] & 0xFF);
    units[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  if (archive.Write(units.data(), 2, count) != 0)
    archive.Status = TARN_S_OK;
  return archive;
}

bool TarnReadString(ITarnArchive& archive, WideString& text) {
  archive.Status = TARN_E_FAIL;
  std::uint8_t count_bytes[4];
  if (archive.Read(count_bytes, 4, 1) == 0)
    return false;
  archive.Status = TARN_E_FAIL;
  TarnULong count = 0;
  for (int i = 0; i < 4; ++i)
    count |= TarnULong{count_bytes[i]} << (8 * i);
  if (count == 0 || !archive.CheckReadable(std::uint64_t{count} * 2))
    return false;

  std::string units;
  try {
    units.resize(std::size_t{count} * 2);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (archive.Read(units.data(), 2, count) == 0)
    return false;
  WideString result;
  result.reserve(count);
  for (TarnULong i = 0; i < count; ++i) {
    const auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(units[2 * i]) |
                                            static_cast<std::uint8_t>(units[2 * i + 1]) << 8);
    if (unit == 0)
      break;
    result.push_back(unit);
  }
  text = std::move(result);
  archive.Status = TARN_S_OK;
  return true;
}

void TarnWriteObject(ITarnArchive& archive, ITarnSerializable* object) {
  archive.Status = TARN_E_FAIL;
  if (object == nullptr)
    return;
  TarnWriteString(archive, object->GetClassName());
  object->Store(&archive);
  object->AfterStore(&archive);
  archive.Status = TARN_S_OK;
}

ITarnSerializable* TarnReadObject(ITarnArchive& archive) {
  ITarnSerializable* object = nullptr;
  ReadObject(archive, &object);
  return object;
}

bool TarnReadObjectChecked(ITarnArchive& archive, ITarnSerializable** object) {
  return ReadObject(archive, object);
}

std::string TarnStoreToBytes(ITarnSerializable* object) {
  CTarnArchiveStream archive;
  if (object != nullptr && archive.OpenForWrite()) {
    TarnWriteString(archive, object->GetClassName());
    object->Store(&archive);
    object->AfterStore(&archive);
    archive.Close();
  }
  return std::string(archive.Contents());
}

bool TarnStoreToBuffer(ITarnSerializable* object, void* buffer, TarnULong* size) {
  if (size == nullptr)
    return false;
  const std::string bytes = TarnStoreToBytes(object);
  const bool fits = buffer != nullptr && *size >= bytes.size();
  if (fits && !bytes.empty())
    std::memcpy(buffer, bytes.data(), bytes.size());
  *size = static_cast<TarnULong>(bytes.size());
  return fits;
}

void TarnLoadFromArchive(ITarnArchive& archive, ITarnSerializable* object) {
  archive.Status = TARN_E_FAIL;
  if (object == nullptr || !archive.OpenForRead())
    return;
  WideString name;
  TarnReadString(archive, name);
  if (name == WideStringView(object->GetClassName())) {
    object->Load(&archive);
    object->AfterLoad(&archive);
    archive.Status = TARN_S_OK;
  }
  archive.Close();
}

}  // namespace kova
