#include "serial/messages/msg_mod_av_system_actions.h"

#include <utility>
#include <vector>

#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

TarnResult CMsgModAvSystemActions::QueryInterface(const TarnIid& /*iid*/, void** out) {
  if (out != nullptr)
    *out = nullptr;
  return TARN_E_FAIL;
}

const char16_t* CMsgModAvSystemActions::GetClassName() {
  return wire_name::kMsgModAvSystemActions;
}

void CMsgModAvSystemActions::Store(ITarnArchive* archive) {
  TarnWriteULong(*archive, Header);
  TarnWriteULong(*archive, static_cast<TarnULong>(Actions.size()));
  for (const auto& [key, value] : Actions) {
    TarnWriteString(*archive, WideStringView(key));
    TarnWriteString(*archive, WideStringView(value));
  }
}

void CMsgModAvSystemActions::Load(ITarnArchive* archive) {
  TarnULong header = 0, count = 0;
  if (!TarnReadULong(*archive, header))
    return;
  Header = header;
  if (!TarnReadULong(*archive, count) || count == 0)
    return;
  archive->Status = TARN_E_FAIL;
  // Two strings of at least 6 bytes each per pair.
  if (!archive->CheckReadable(std::uint64_t{count} * 12))
    return;
  std::vector<std::pair<WideString, WideString>> pairs;
  for (TarnULong i = 0; i < count; ++i) {
    WideString key, value;
    if (!TarnReadString(*archive, key) || !TarnReadString(*archive, value))
      return;
    pairs.emplace_back(std::move(key), std::move(value));
  }
  for (auto& [key, value] : pairs)
    Actions.try_emplace(std::move(key), std::move(value));
}

void CMsgModAvSystemActions::CopyFrom(ITarnSerializable* other) {
  if (auto* actions = dynamic_cast<CMsgModAvSystemActions*>(other))
    Header = actions->Header;
}

}  // namespace kova
