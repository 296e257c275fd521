// The reply constructor of CTarnMessageBase and GetPayload over arbitrary reply bytes.
#include <cstddef>
#include <cstdint>

#include "serial/auto_ptr.h"
#include "serial/message_base.h"
#include "serial/value_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kova::CAutoTarnPtr<kova::CTarnMessageBase> reply(
      new kova::CTarnMessageBase(data, static_cast<kova::TarnULong>(size)));
  (void)reply->GetParam();
  kova::CAutoTarnPtr<kova::ITarnSerializable> payload(reply->GetPayload());
  if (payload)
    (void)kova::TarnStoreToBytes(payload.get());
  return 0;
}
