// CBasicSerializable: a raw block of bytes with a type tag. Text keys of object maps
// travel as blocks with tag 5 holding UTF-16LE units without a terminator.
#pragma once

#include <cstdint>
#include <vector>

#include "base/text.h"
#include "serial/ref_counted.h"

namespace kova {

inline constexpr TarnULong kTarnTextTag = 5;

class CBasicSerializable final : public TarnRefCounted<IBasicTarnSerializable, ITarnSerializable> {
 public:
  CBasicSerializable() = default;
  // A text block: tag 5, the units without terminator.
  explicit CBasicSerializable(WideStringView text);
  CBasicSerializable(const void* data, TarnULong size, TarnULong tag);

  // ITarnInterface. Views come with a reference.
  TarnResult QueryInterface(const TarnIid& iid, void** out) override;

  // IBasicTarnSerializable
  TarnULong GetSize() override { return static_cast<TarnULong>(Data.size()); }
  TarnULong GetTag() override { return Tag; }
  const void* GetData() override { return Data.empty() ? nullptr : Data.data(); }

  // ITarnSerializable
  const char16_t* GetClassName() override;
  // Size, the bytes (none when Size is 0), Tag.
  void Store(ITarnArchive* archive) override;
  // Replaces the block only when size, bytes and tag were all read; a size larger
  // than the remaining bytes fails without allocating.
  void Load(ITarnArchive* archive) override;
  void CopyFrom(ITarnSerializable* other) override;
  void Finalize() override;

  // The block as text when it is a text block of whole units.
  bool GetText(WideString* text) const;

 private:
  ~CBasicSerializable() override = default;

  std::vector<std::uint8_t> Data;
  TarnULong Tag = 0;
};

// The text of a key object: true only for a raw block with tag 5.
bool TarnKeyText(IBasicTarnSerializable* key, WideString* text);

}  // namespace kova
