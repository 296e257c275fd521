// CMsgConfig: a configuration record exchanged with the service: five header values
// whose meaning sender and service agree on, typed text settings and keyed objects.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

struct pairTypeValue {
  TarnULong Type = 0;
  WideString Value;

  friend bool operator==(const pairTypeValue&, const pairTypeValue&) = default;
};

class CMsgConfig final : public TarnRefCounted<ITarnSerializable> {
 public:
  // The value and the object (one reference held by the record, or null).
  using ObjectEntry = std::pair<TarnULong, ITarnSerializable*>;

  CMsgConfig() = default;

  std::int32_t Header1 = 0;
  TarnULong Header2 = 0;
  TarnULong Header3 = 0;
  TarnULong Header4 = 0;
  TarnULong Header5 = 0;

  const std::map<TarnULong, pairTypeValue>& Settings() const { return Settings_; }
  void SetSetting(TarnULong key, TarnULong type, WideString value);
  // Stores `object` under `key`, taking a reference of its own (null is allowed).
  void SetObject(TarnULong key, TarnULong value, ITarnSerializable* object);
  const std::map<TarnULong, ObjectEntry>& Objects() const { return Objects_; }

  TarnResult QueryInterface(const TarnIid& iid, void** out) override;
  const char16_t* GetClassName() override;
  // Headers, settings, then the objects. Only entries whose object is not null are
  // counted and written, so the record always reads back in step.
  void Store(ITarnArchive* archive) override;
  // A count of 0 leaves that map as it was; a count that the remaining bytes cannot
  // hold fails without touching it. A key read twice keeps the later entry.
  void Load(ITarnArchive* archive) override;
  // Takes Header1, Header2, Header4 and the settings of another record.
  void CopyFrom(ITarnSerializable* other) override;
  void Finalize() override { ReleaseObjects(); }

 private:
  ~CMsgConfig() override { Finalize(); }
  void ReleaseObjects();

  std::map<TarnULong, pairTypeValue> Settings_;
  std::map<TarnULong, ObjectEntry> Objects_;
};

}  // namespace kova
