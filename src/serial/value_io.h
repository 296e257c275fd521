// Moving values, strings and objects through an archive. Each operation sets the
// archive's Status to TARN_E_FAIL first and to 0 once it has completed; a failed read
// leaves its target unchanged. The reads also answer whether they completed.
#pragma once

#include <cstdint>
#include <string>

#include "base/text.h"
#include "serial/archive.h"

namespace kova {

// Fixed-size values, little-endian: 1 byte, 1 byte (0 or 1), 4, 4, 8 and 8 bytes.
void TarnWriteByte(ITarnArchive& archive, std::uint8_t value);
void TarnWriteBool(ITarnArchive& archive, bool value);
void TarnWriteInt(ITarnArchive& archive, std::int32_t value);
void TarnWriteULong(ITarnArchive& archive, std::uint32_t value);
void TarnWriteUInt64(ITarnArchive& archive, std::uint64_t value);
void TarnWriteDouble(ITarnArchive& archive, double value);

bool TarnReadByte(ITarnArchive& archive, std::uint8_t& value);
// Any byte other than 0 reads as true.
bool TarnReadBool(ITarnArchive& archive, bool& value);
bool TarnReadInt(ITarnArchive& archive, std::int32_t& value);
bool TarnReadULong(ITarnArchive& archive, std::uint32_t& value);
bool TarnReadUInt64(ITarnArchive& archive, std::uint64_t& value);
bool TarnReadDouble(ITarnArchive& archive, double& value);

// A 32-bit count of UTF-16 units including the terminator, then the units. A null
// text is written as the empty string.
ITarnArchive& TarnWriteString(ITarnArchive& archive, const char16_t* text);
ITarnArchive& TarnWriteString(ITarnArchive& archive, WideStringView text);
// The text ends at the first 0 unit. A count of 0, or one larger than the bytes that
// remain, fails without allocating.
bool TarnReadString(ITarnArchive& archive, WideString& text);

// The class name, then the object's fields. A null object writes nothing and leaves
// Status failed.
void TarnWriteObject(ITarnArchive& archive, ITarnSerializable* object);
// A new object with one reference owned by the caller, or null for a class that no
// one registered (whose fields are then not skipped: nothing says how long they are).
ITarnSerializable* TarnReadObject(ITarnArchive& archive);
// As TarnReadObject; answers false when not even the class name could be read, which
// lets containers stop at the end of the data instead of collecting nulls.
bool TarnReadObjectChecked(ITarnArchive& archive, ITarnSerializable** object);

// The flat form of an object: its class name and fields. Copies them into `buffer`
// and answers true when *size is large enough; otherwise copies nothing and answers
// false. *size receives the length in both cases.
bool TarnStoreToBuffer(ITarnSerializable* object, void* buffer, TarnULong* size);
// The flat form as a byte string (empty for a null object).
std::string TarnStoreToBytes(ITarnSerializable* object);
// The reverse of TarnStoreToBuffer into an existing object: loads only when the bytes
// name the object's own class. Otherwise the object keeps its values and Status shows
// only the outcome of reading the name.
void TarnLoadFromArchive(ITarnArchive& archive, ITarnSerializable* object);

}  // namespace kova
