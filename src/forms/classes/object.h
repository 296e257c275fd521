// The root of the framework's class tree and its run-time type information: every
// framework class knows its name, its ancestor and its published properties, so code
// that only holds a TObject* can test its class and read or write properties by name.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/text.h"

namespace kova {

class TObject;
class ClassInfo;

// Raised by framework operations that cannot do what they were asked (for example
// assigning a persistent object from one of an unrelated class).
class EFrameworkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class PropertyKind { kString, kInteger, kEnumeration, kSet, kObject, kMethod };

// How a string property keeps its text: a short string (at most 255 8-bit characters), a
// narrow 8-bit string, a wide string of UTF-16 units, or the native Unicode string type.
// The accessors always carry UTF-16; 8-bit kinds are converted as Latin-1.
enum class StringKind { kShort, kNarrow, kWide, kUnicode };

// Value names of an enumeration type in ordinal order. A set of the enumeration is a bit
// mask with bit n standing for the value of ordinal n.
struct EnumTypeInfo {
  std::string_view type_name;
  std::vector<std::string_view> value_names;

  // Ordinal of a value name (compared without regard to ASCII case), -1 when unknown.
  int ValueOf(std::string_view name) const;
  // Value name of an ordinal, empty when out of range.
  std::string_view NameOf(int64_t ordinal) const;
  // "[a,b]" for a set mask; parsing accepts the same form, brackets optional.
  std::string SetToString(int64_t mask) const;
  // Answers false (leaving mask alone) when a name is unknown.
  bool StringToSet(std::string_view text, int64_t& mask) const;
};

// One published property: its kind and type-erased accessors. Only the accessors of
// its kind are set; a property without a setter is read-only.
struct PropertyInfo {
  std::string_view name;
  PropertyKind kind = PropertyKind::kInteger;
  const EnumTypeInfo* enum_type = nullptr;     // enumerations and sets
  const ClassInfo* object_class = nullptr;     // object properties: the declared class
  StringKind string_kind = StringKind::kWide;  // string properties

  std::function<WideString(const TObject&)> get_string;
  std::function<void(TObject&, const WideString&)> set_string;
  std::function<int64_t(const TObject&)> get_ordinal;  // integers, enumerations, set masks
  std::function<void(TObject&, int64_t)> set_ordinal;
  std::function<TObject*(const TObject&)> get_object;
  std::function<void(TObject&, TObject*)> set_object;
  std::function<std::any(const TObject&)> get_method;  // holds the event's std::function
  std::function<void(TObject&, const std::any&)> set_method;

  bool IsWritable() const { return set_string || set_ordinal || set_object || set_method; }
};

// Class name, ancestor and own published properties of one framework class.
class ClassInfo {
 public:
  ClassInfo(std::string_view name, const ClassInfo* parent, std::vector<PropertyInfo> properties);

  std::string_view Name() const { return name_; }
  const ClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const ClassInfo& ancestor) const;

  // Property by name (ASCII case-insensitive), searching this class, then its ancestors.
  const PropertyInfo* FindProperty(std::string_view name) const;
  // Every published property, ancestors' first.
  std::vector<const PropertyInfo*> AllProperties() const;

 private:
  std::string_view name_;
  const ClassInfo* parent_;
  std::vector<PropertyInfo> properties_;
};

// Declares the class information of a framework class; the definition goes in its .cpp
// (see PropertyListBuilder). A derived class that declares its own reports its own name.
#define KOVA_DECLARE_CLASS(Self)                        \
 public:                                                \
  static const ::kova::ClassInfo& StaticClass();        \
  const ::kova::ClassInfo& ClassType() const override { \
    return Self::StaticClass();                         \
  }                                                     \
                                                        \
 private:

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const ClassInfo& StaticClass();
  virtual const ClassInfo& ClassType() const { return StaticClass(); }

  std::string_view ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const ClassInfo& ancestor) const { return ClassType().InheritsFrom(ancestor); }
  template <class T>
  bool Is() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }
};

// The value names of Boolean properties, which are enumerations: False, True.
extern const EnumTypeInfo kBooleanInfo;

// A set of enumeration values stored as a bit mask, as published set properties are.
template <class E>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<E> values) {
    for (E v : values) {
      Include(v);
    }
  }
  static constexpr EnumSet FromMask(uint32_t mask) {
    EnumSet s;
    s.mask_ = mask;
    return s;
  }
  constexpr bool Has(E v) const { return (mask_ >> static_cast<unsigned>(v)) & 1u; }
  constexpr void Include(E v) { mask_ |= 1u << static_cast<unsigned>(v); }
  constexpr void Exclude(E v) { mask_ &= ~(1u << static_cast<unsigned>(v)); }
  constexpr bool Empty() const { return mask_ == 0; }
  constexpr uint32_t Mask() const { return mask_; }
  friend constexpr bool operator==(EnumSet, EnumSet) = default;

 private:
  uint32_t mask_ = 0;
};

// Builds the published property list of class T from its accessors (member function
// pointers or lambdas taking T&).
template <class T>
class PropertyListBuilder {
 public:
  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& String(std::string_view name, G get, S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kString);
    p.get_string = [get](const TObject& o) {
      return WideString(std::invoke(get, static_cast<const T&>(o)));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_string = [set](TObject& o, const WideString& v) {
        std::invoke(set, static_cast<T&>(o), v);
      };
    }
    return Add(std::move(p));
  }

  // A string property of the native Unicode string type (UTF-16 accessors, as String).
  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& UnicodeString(std::string_view name, G get, S set = nullptr) {
    String(name, get, set);
    properties_.back().string_kind = StringKind::kUnicode;
    return *this;
  }

  // Narrow and short string properties, read and written through 8-bit accessors; a short
  // string keeps at most 255 characters.
  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& NarrowString(std::string_view name, G get, S set = nullptr) {
    return EightBitString(name, StringKind::kNarrow, get, set);
  }
  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& ShortString(std::string_view name, G get, S set = nullptr) {
    return EightBitString(name, StringKind::kShort, get, set);
  }

  // A Boolean property: an enumeration of kBooleanInfo over a bool getter and setter.
  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& Boolean(std::string_view name, G get, S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kEnumeration);
    p.enum_type = &kBooleanInfo;
    p.get_ordinal = [get](const TObject& o) {
      return static_cast<int64_t>(static_cast<bool>(std::invoke(get, static_cast<const T&>(o))));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_ordinal = [set](TObject& o, int64_t v) {
        std::invoke(set, static_cast<T&>(o), v != 0);
      };
    }
    return Add(std::move(p));
  }

  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& Integer(std::string_view name, G get, S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kInteger);
    p.get_ordinal = [get](const TObject& o) {
      return static_cast<int64_t>(std::invoke(get, static_cast<const T&>(o)));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_ordinal = [set](TObject& o, int64_t v) { InvokeOrdinalSetter(set, o, v); };
    }
    return Add(std::move(p));
  }

  template <class G, class S = std::nullptr_t>
  PropertyListBuilder& Enum(std::string_view name, const EnumTypeInfo& type, G get,
                            S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kEnumeration);
    p.enum_type = &type;
    p.get_ordinal = [get](const TObject& o) {
      return static_cast<int64_t>(std::invoke(get, static_cast<const T&>(o)));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_ordinal = [set](TObject& o, int64_t v) { InvokeOrdinalSetter(set, o, v); };
    }
    return Add(std::move(p));
  }

  template <class E, class G, class S = std::nullptr_t>
  PropertyListBuilder& Set(std::string_view name, const EnumTypeInfo& type, G get,
                           S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kSet);
    p.enum_type = &type;
    p.get_ordinal = [get](const TObject& o) {
      return static_cast<int64_t>(std::invoke(get, static_cast<const T&>(o)).Mask());
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_ordinal = [set](TObject& o, int64_t v) {
        std::invoke(set, static_cast<T&>(o), EnumSet<E>::FromMask(static_cast<uint32_t>(v)));
      };
    }
    return Add(std::move(p));
  }

  // Object property of declared class O.
  template <class O, class G, class S = std::nullptr_t>
  PropertyListBuilder& Object(std::string_view name, G get, S set = nullptr) {
    PropertyInfo p = Make(name, PropertyKind::kObject);
    p.object_class = &O::StaticClass();
    p.get_object = [get](const TObject& o) -> TObject* {
      return std::invoke(get, static_cast<const T&>(o));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_object = [set](TObject& o, TObject* v) {
        auto* typed = dynamic_cast<O*>(v);
        if (v != nullptr && typed == nullptr) {
          throw EFrameworkError("object of the wrong class for property");
        }
        std::invoke(set, static_cast<T&>(o), typed);
      };
    }
    return Add(std::move(p));
  }

  // Event property whose value is the std::function type Ev.
  template <class Ev, class G, class S>
  PropertyListBuilder& Method(std::string_view name, G get, S set) {
    PropertyInfo p = Make(name, PropertyKind::kMethod);
    p.get_method = [get](const TObject& o) {
      return std::any(Ev(std::invoke(get, static_cast<const T&>(o))));
    };
    p.set_method = [set](TObject& o, const std::any& v) {
      std::invoke(set, static_cast<T&>(o), v.has_value() ? std::any_cast<const Ev&>(v) : Ev());
    };
    return Add(std::move(p));
  }

  std::vector<PropertyInfo> Build() { return std::move(properties_); }

 private:
  template <class G, class S>
  PropertyListBuilder& EightBitString(std::string_view name, StringKind kind, G get, S set) {
    PropertyInfo p = Make(name, PropertyKind::kString);
    p.string_kind = kind;
    p.get_string = [get](const TObject& o) {
      return Latin1ToWide(std::string(std::invoke(get, static_cast<const T&>(o))));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.set_string = [set, kind](TObject& o, const WideString& v) {
        std::string narrow = WideToLatin1(v);
        if (kind == StringKind::kShort && narrow.size() > 255) {
          narrow.resize(255);
        }
        std::invoke(set, static_cast<T&>(o), narrow);
      };
    }
    return Add(std::move(p));
  }

  static PropertyInfo Make(std::string_view name, PropertyKind kind) {
    PropertyInfo p;
    p.name = name;
    p.kind = kind;
    return p;
  }
  template <class S>
  static void InvokeOrdinalSetter(const S& set, TObject& o, int64_t v) {
    using Arg = SetterArg<S>;
    std::invoke(set, static_cast<T&>(o), static_cast<Arg>(v));
  }
  // Member function setters take the value as their only argument; lambda setters take
  // the object and the value.
  template <class S>
  struct SetterArgOf : SetterArgOf<decltype(&S::operator())> {};
  template <class L, class O, class A>
  struct SetterArgOf<void (L::*)(O&, A) const> {
    using type = std::remove_cvref_t<A>;
  };
  template <class C, class A>
  struct SetterArgOf<void (C::*)(A)> {
    using type = std::remove_cvref_t<A>;
  };
  template <class S>
  using SetterArg = typename SetterArgOf<S>::type;

  PropertyListBuilder& Add(PropertyInfo p) {
    properties_.push_back(std::move(p));
    return *this;
  }

  std::vector<PropertyInfo> properties_;
};

}  // namespace kova
