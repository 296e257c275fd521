#include "serial/basic_serializable.h"

#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

CBasicSerializable::CBasicSerializable(WideStringView text) : Tag(kTarnTextTag) {
  Data.reserve(text.size() * 2);
  for (char16_t unit : text) {
    Data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    Data.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
}

CBasicSerializable::CBasicSerializable(const void* data, TarnULong size, TarnULong tag) : Tag(tag) {
  if (data != nullptr && size != 0) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    Data.assign(bytes, bytes + size);
  }
}

TarnResult CBasicSerializable::QueryInterface(const TarnIid& iid, void** out) {
  if (out == nullptr)
    return TARN_E_INVALIDARG;
  if (iid == IID_IBasicTarnSerializable) {
    *out = static_cast<IBasicTarnSerializable*>(this);
  } else if (iid == IID_ITarnSerializable) {
    *out = static_cast<ITarnSerializable*>(this);
  } else {
    *out = nullptr;
    return TARN_E_NOINTERFACE;
  }
  AddRef();
  return TARN_S_OK;
}

const char16_t* CBasicSerializable::GetClassName() {
  return wire_name::kBasic;
}

void CBasicSerializable::Store(ITarnArchive* archive) {
  TarnWriteULong(*archive, static_cast<TarnULong>(Data.size()));
  if (!Data.empty())
    archive->Write(Data.data(), 1, static_cast<TarnULong>(Data.size()));
  TarnWriteULong(*archive, Tag);
}

void CBasicSerializable::Load(ITarnArchive* archive) {
  TarnULong size = 0;
  if (!TarnReadULong(*archive, size))
    return;
  archive->Status = TARN_E_FAIL;
  if (!archive->CheckReadable(std::uint64_t{size} + 4))
    return;
  std::vector<std::uint8_t> data(size);
  if (size != 0 && archive->Read(data.data(), 1, size) == 0)
    return;
  TarnULong tag = 0;
  if (!TarnReadULong(*archive, tag))
    return;
  Data = std::move(data);
  Tag = tag;
}

void CBasicSerializable::CopyFrom(ITarnSerializable* other) {
  Finalize();
  if (other == nullptr)
    return;
  void* view = nullptr;
  if (other->QueryInterface(IID_IBasicTarnSerializable, &view) != TARN_S_OK || view == nullptr)
    return;
  auto* block = static_cast<IBasicTarnSerializable*>(view);
  const auto* bytes = static_cast<const std::uint8_t*>(block->GetData());
  if (bytes != nullptr)
    Data.assign(bytes, bytes + block->GetSize());
  Tag = block->GetTag();
  block->Release();
}

void CBasicSerializable::Finalize() {
  Data.clear();
  Data.shrink_to_fit();
  Tag = 0;
}

bool CBasicSerializable::GetText(WideString* text) const {
  if (Tag != kTarnTextTag || Data.size() % 2 != 0)
    return false;
  text->clear();
  text->reserve(Data.size() / 2);
  for (std::size_t i = 0; i < Data.size(); i += 2)
    text->push_back(static_cast<char16_t>(Data[i] | Data[i + 1] << 8));
  return true;
}

bool TarnKeyText(IBasicTarnSerializable* key, WideString* text) {
  if (key == nullptr || key->GetTag() != kTarnTextTag || key->GetSize() % 2 != 0)
    return false;
  const auto* bytes = static_cast<const std::uint8_t*>(key->GetData());
  text->clear();
  for (TarnULong i = 0; bytes != nullptr && i < key->GetSize(); i += 2)
    text->push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
  return true;
}

}  // namespace kova
