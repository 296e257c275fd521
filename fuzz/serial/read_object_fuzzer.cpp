// TarnReadObject over a memory archive holding arbitrary bytes; whatever loads must
// store again without trouble.
#include <cstddef>
#include <cstdint>

#include "serial/auto_ptr.h"
#include "serial/value_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kova::CTarnArchiveStream archive(data, static_cast<kova::TarnULong>(size));
  archive.OpenForRead();
  kova::CAutoTarnPtr<kova::ITarnSerializable> object(kova::TarnReadObject(archive));
  if (object)
    (void)kova::TarnStoreToBytes(object.get());
  return 0;
}
