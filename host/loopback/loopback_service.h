// The loop-back service: answers a request the way the product's service answers
// every request it understands, so the send path can be exercised end to end.
#pragma once

#include <string>
#include <string_view>

namespace kova::loopback {

// The flat reply to the flat request `request`: a message with the request's Code,
// Param 0 and the request's payload bytes unchanged. A request that is not a message
// gets a reply with Code 0, Param 0x80000000 and no payload.
std::string AnswerRequest(std::string_view request);

}  // namespace kova::loopback
