#include "serial/message_base.h"

#include <string>

#include "serial/factory.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

CTarnMessageBase::CTarnMessageBase(TarnULong code, TarnULong param, ITarnSerializable* payload)
    : Code(code), Param(param) {
  if (payload == nullptr)
    return;
  OpenForWrite();
  TarnWriteString(*this, payload->GetClassName());
  payload->Store(this);
  payload->AfterStore(this);
  Close();
  Status = TARN_S_OK;
}

CTarnMessageBase::CTarnMessageBase(const void* data, TarnULong size) {
  CTarnArchiveStream reply(data, data != nullptr ? size : 0);
  TarnLoadFromArchive(reply, this);
}

ITarnSerializable* CTarnMessageBase::GetPayload() {
  Status = TARN_E_FAIL;
  OpenForRead();
  Buffer.RewindRead();
  ITarnSerializable* object = nullptr;
  if (!Buffer.bytes().empty())
    object = TarnReadObject(*this);
  Close();
  Status = TARN_S_OK;
  return object;
}

TarnResult CTarnMessageBase::QueryInterface(const TarnIid& /*iid*/, void** out) {
  if (out != nullptr)
    *out = nullptr;
  return TARN_E_FAIL;
}

const char16_t* CTarnMessageBase::GetClassName() {
  return wire_name::kMessageBase;
}

void CTarnMessageBase::Store(ITarnArchive* archive) {
  TarnWriteULong(*archive, Code);
  TarnWriteUInt64(*archive, Param);
  const std::string_view payload = Buffer.bytes();
  TarnWriteULong(*archive, static_cast<TarnULong>(payload.size()));
  if (!payload.empty())
    archive->Write(payload.data(), 1, static_cast<TarnULong>(payload.size()));
}

void CTarnMessageBase::Load(ITarnArchive* archive) {
  TarnULong code = 0;
  std::uint64_t param = 0;
  TarnULong size = 0;
  if (!TarnReadULong(*archive, code) || !TarnReadUInt64(*archive, param) ||
      !TarnReadULong(*archive, size))
    return;
  archive->Status = TARN_E_FAIL;
  if (!archive->CheckReadable(size))
    return;
  std::string payload(size, '\0');
  if (size != 0 && archive->Read(payload.data(), 1, size) == 0)
    return;
  Code = code;
  // The wire keeps 8 bytes; the value is 32 bits wide.
  Param = static_cast<TarnULong>(param);
  Close();
  Buffer.Assign(payload);
  archive->Status = TARN_S_OK;
}

void CTarnMessageBase::CopyFrom(ITarnSerializable* other) {
  if (other == nullptr || WideStringView(other->GetClassName()) != wire_name::kMessageBase)
    return;
  auto* message = dynamic_cast<CTarnMessageBase*>(other);
  if (message == nullptr)
    return;
  Code = message->Code;
  Param = message->Param;
}

bool CTarnMessageBase::OpenForWrite() {
  Buffer.OpenForWrite();
  return true;
}

bool CTarnMessageBase::OpenForRead() {
  Buffer.OpenForRead();
  return true;
}

void CTarnMessageBase::Close() {
  Buffer.Close();
}

TarnULong CTarnMessageBase::Write(const void* data, TarnULong size, TarnULong count) {
  return Buffer.Write(data, size, count);
}

TarnULong CTarnMessageBase::Read(void* data, TarnULong size, TarnULong count) {
  return Buffer.Read(data, size, count);
}

bool CTarnMessageBase::CheckReadable(std::uint64_t bytes) {
  return Buffer.CheckReadable(bytes);
}

}  // namespace kova
