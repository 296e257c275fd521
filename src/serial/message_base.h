// CTarnMessageBase: the envelope of every request to and reply from the service. It is
// a serializable object (code, result parameter and payload bytes) and, at the same
// time, an archive over its own payload.
#pragma once

#include <string_view>

#include "serial/archive.h"
#include "serial/archive_buffer.h"
#include "serial/ref_counted.h"

namespace kova {

class CTarnMessageBase final : public TarnRefCounted<ITarnSerializable, ITarnArchive> {
 public:
  // Code and Param 0, no payload.
  CTarnMessageBase() = default;
  // Carries the flat form of `payload` (class name and fields). The message does not
  // keep the payload object; the caller still owns it.
  CTarnMessageBase(TarnULong code, TarnULong param, ITarnSerializable* payload);
  // A reply: takes code, param and payload from the flat message in `data`. Bytes that
  // do not begin with the message's class name give code 0, param 0 and no payload.
  CTarnMessageBase(const void* data, TarnULong size);

  TarnULong GetCode() const { return Code; }
  // The result of a request in a reply: 0 means success.
  TarnULong GetParam() const { return Param; }
  // A new object holding the payload (one reference owned by the caller), or null for
  // an empty payload or a class no one registered. Reads from the payload's first
  // byte each time.
  ITarnSerializable* GetPayload();
  std::string_view PayloadBytes() const { return Buffer.bytes(); }

  // ITarnInterface: the message has no views.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // ITarnSerializable. Store writes Code (4 bytes), Param (8 bytes), the payload size
  // and the payload; Load reads them back, and a payload size larger than the
  // remaining bytes fails without allocating and leaves the message unchanged.
  const char16_t* GetClassName() override;
  void Store(ITarnArchive* archive) override;
  void Load(ITarnArchive* archive) override;
  // Takes Code and Param; the payload is not copied.
  void CopyFrom(ITarnSerializable* other) override;
  void Finalize() override { Close(); }

  // ITarnArchive over the payload bytes.
  void Destroy() override { Release(); }
  bool OpenForWrite() override;
  bool OpenForRead() override;
  void Close() override;
  TarnULong Write(const void* data, TarnULong size, TarnULong count) override;
  TarnULong Read(void* data, TarnULong size, TarnULong count) override;
  bool CheckReadable(std::uint64_t bytes) override;

 private:
  ~CTarnMessageBase() override { Finalize(); }

  TarnULong Code = 0;
  TarnULong Param = 0;
  ArchiveBuffer Buffer;
};

}  // namespace kova
