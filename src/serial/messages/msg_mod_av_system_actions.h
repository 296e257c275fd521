// CMsgModAvSystemActions: named system actions exchanged with the service, as text
// values under text keys (ordered code unit by code unit).
#pragma once

#include <map>

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

class CMsgModAvSystemActions final : public TarnRefCounted<ITarnSerializable> {
 public:
  CMsgModAvSystemActions() = default;

  TarnULong Header = 0;
  std::map<WideString, WideString> Actions;

  TarnResult QueryInterface(const TarnIid& iid, void** out) override;
  const char16_t* GetClassName() override;
  // Header, the count, then each key and value string in key order.
  void Store(ITarnArchive* archive) override;
  // Inserts the stored pairs; a key already present keeps its value. A count that the
  // remaining bytes cannot hold, or a pair that cannot be read, inserts nothing.
  void Load(ITarnArchive* archive) override;
  // Takes Header only.
  void CopyFrom(ITarnSerializable* other) override;

 private:
  ~CMsgModAvSystemActions() override = default;
};

}  // namespace kova
