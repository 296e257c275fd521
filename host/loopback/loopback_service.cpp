#include "loopback/loopback_service.h"

#include "serial/auto_ptr.h"
#include "serial/message_base.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova::loopback {

std::string AnswerRequest(std::string_view request) {
  CTarnArchiveStream archive(request.data(), static_cast<TarnULong>(request.size()));
  CAutoTarnPtr<CTarnMessageBase> parsed(new CTarnMessageBase());
  archive.OpenForRead();
  WideString name;
  bool understood = TarnReadString(archive, name) && name == wire_name::kMessageBase;
  if (understood) {
    parsed->Load(&archive);
    understood = archive.Status == TARN_S_OK;
  }

  CAutoTarnPtr<CTarnMessageBase> reply(new CTarnMessageBase(understood ? parsed->GetCode() : 0,
                                                            understood ? 0 : TARN_E_FAIL, nullptr));
  const std::string_view payload = parsed->PayloadBytes();
  if (understood && !payload.empty()) {
    reply->OpenForWrite();
    reply->Write(payload.data(), 1, static_cast<TarnULong>(payload.size()));
    reply->Close();
  }
  return TarnStoreToBytes(reply.get());
}

}  // namespace kova::loopback
