// The class names that identify objects on the wire. The service uses the same texts,
// so they are written out here once and never derived from the compiler's type names.
#pragma once

namespace kova::wire_name {

inline constexpr char16_t kWideString[] =
    u"class CSimpleSerializable<std::basic_string<wchar_t,std::char_traits<wchar_t>,"
    u"std::allocator<wchar_t> > >";
inline constexpr char16_t kWideStringList[] =
    u"class CSimpleSerializableList<std::basic_string<wchar_t,std::char_traits<wchar_t>,"
    u"std::allocator<wchar_t> > >";
inline constexpr char16_t kObjectList[] = u"class CTarnSerializableList";
inline constexpr char16_t kObjectMap[] = u"class CTarnSerializableMap";
inline constexpr char16_t kBasic[] = u"class CBasicSerializable";
inline constexpr char16_t kULong[] = u"class CSimpleSerializable<unsigned long>";
inline constexpr char16_t kBool[] = u"class CSimpleSerializable<bool>";
inline constexpr char16_t kInt[] = u"class CSimpleSerializable<int>";
inline constexpr char16_t kDouble[] = u"class CSimpleSerializable<double>";
inline constexpr char16_t kByte[] = u"class CSimpleSerializable<unsigned char>";
inline constexpr char16_t kUInt64[] = u"class CSimpleSerializable<unsigned __int64>";
inline constexpr char16_t kULongList[] = u"class CSimpleSerializableList<unsigned long>";
inline constexpr char16_t kBoolList[] = u"class CSimpleSerializableList<bool>";
inline constexpr char16_t kMessageBase[] = u"class CTarnMessageBase";
inline constexpr char16_t kMsgConfig[] = u"class CMsgConfig";
inline constexpr char16_t kMsgModAvSystemActions[] = u"class CMsgModAvSystemActions";

}  // namespace kova::wire_name
