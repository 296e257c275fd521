// Published properties read and written by name, the way the skin engine reads other
// code's controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/classes/component.h"
#include "skin/apply/skin_properties.h"

namespace kova {
namespace {

enum class TLook { lkFlat, lkRaised };
const EnumTypeInfo kLookInfo{"TLook", {"lkFlat", "lkRaised"}};
using TLooks = EnumSet<TLook>;

// One published property of every kind the helpers tell apart.
class TWidget : public TComponent {
  KOVA_DECLARE_CLASS(TWidget)

 public:
  using TComponent::TComponent;
  bool flat = false;
  TLook look = TLook::lkFlat;
  TLooks looks;
  int count = 0;
  std::string short_text;
  std::string narrow_text;
  WideString wide_text;
  WideString unicode_text;
  TComponent* partner = nullptr;
  TNotifyEvent on_click;
  int fixed() const { return 7; }
};

const ClassInfo& TWidget::StaticClass() {
  static const ClassInfo info("TWidget", &TComponent::StaticClass(),
                              PropertyListBuilder<TWidget>()
                                  .Boolean(
                                      "Flat", [](const TWidget& w) { return w.flat; },
                                      [](TWidget& w, bool v) { w.flat = v; })
                                  .Enum(
                                      "Look", kLookInfo, [](const TWidget& w) { return w.look; },
                                      [](TWidget& w, TLook v) { w.look = v; })
                                  .Set<TLook>(
                                      "Looks", kLookInfo, [](const TWidget& w) { return w.looks; },
                                      [](TWidget& w, TLooks v) { w.looks = v; })
                                  .Integer(
                                      "Count", [](const TWidget& w) { return w.count; },
                                      [](TWidget& w, int v) { w.count = v; })
                                  .Integer("Fixed", &TWidget::fixed)
                                  .ShortString(
                                      "Short", [](const TWidget& w) { return w.short_text; },
                                      [](TWidget& w, const std::string& v) { w.short_text = v; })
                                  .NarrowString(
                                      "Narrow", [](const TWidget& w) { return w.narrow_text; },
                                      [](TWidget& w, const std::string& v) { w.narrow_text = v; })
                                  .String(
                                      "Wide", [](const TWidget& w) { return w.wide_text; },
                                      [](TWidget& w, const WideString& v) { w.wide_text = v; })
                                  .UnicodeString(
                                      "Native", [](const TWidget& w) { return w.unicode_text; },
                                      [](TWidget& w, const WideString& v) { w.unicode_text = v; })
                                  .Object<TComponent>(
                                      "Partner", [](const TWidget& w) { return w.partner; },
                                      [](TWidget& w, TComponent* v) { w.partner = v; })
                                  .Method<TNotifyEvent>(
                                      "OnClick", [](const TWidget& w) { return w.on_click; },
                                      [](TWidget& w, TNotifyEvent v) { w.on_click = std::move(v); })
                                  .Build());
  return info;
}

class SkinPropertiesTest : public ::testing::Test {
 protected:
  SkinPropertiesTest() {
    widget_.flat = true;
    widget_.look = TLook::lkRaised;
    widget_.looks = TLooks{TLook::lkFlat};
    widget_.count = -12;
    widget_.short_text = "short";
    widget_.narrow_text = "caf\xE9";  // 8-bit text
    widget_.wide_text = u"wide \u20AC";
    widget_.unicode_text = u"native";
    widget_.partner = &partner_;
  }
  TComponent partner_{nullptr};
  TWidget widget_{nullptr};
};

TEST_F(SkinPropertiesTest, ReadingByName) {
  struct Case {
    const char* name;
    const char16_t* property;  // GetProperty
    int64_t integer;           // GetIntProperty
    const char* enumeration;   // GetEnumProperty
    const char16_t* string;    // GetStringProp
  };
  const Case cases[] = {
      {"Flat", u"True", 1, "True", u""},
      {"look", u"lkRaised", 1, "lkRaised", u""},  // names in any case
      {"Looks", u"", 0, "", u""},                 // sets read as nothing here
      {"Count", u"-12", -12, "", u""},
      {"Fixed", u"7", 7, "", u""},
      {"Short", u"", 0, "", u"short"},
      {"Narrow", u"", 0, "", u"caf\u00E9"},  // 8-bit text converted
      {"Wide", u"", 0, "", u"wide \u20AC"},
      {"Native", u"", 0, "", u"native"},
      {"Partner", u"", 0, "", u""},
      {"NoSuchProperty", u"", 0, "", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetProperty(&widget_, c.name), WideString(c.property)) << c.name;
    EXPECT_EQ(GetIntProperty(&widget_, c.name), c.integer) << c.name;
    EXPECT_EQ(GetEnumProperty(&widget_, c.name), std::string(c.enumeration)) << c.name;
    EXPECT_EQ(GetStringProp(&widget_, c.name), WideString(c.string)) << c.name;
  }
  EXPECT_TRUE(HasProperty(&widget_, "Partner"));
  EXPECT_FALSE(HasProperty(&widget_, "NoSuchProperty"));
  // Nothing at all reads as empty too.
  EXPECT_EQ(GetProperty(nullptr, "Flat"), u"");
  EXPECT_EQ(GetObjProp(nullptr, "Partner"), nullptr);
}

TEST_F(SkinPropertiesTest, ObjectsAndEventsByName) {
  EXPECT_EQ(GetObjProp(&widget_, "Partner"), &partner_);
  EXPECT_EQ(GetObjProp(&widget_, "Partner", &TComponent::StaticClass()), &partner_);
  // An object of another class than the one asked for is not answered.
  EXPECT_EQ(GetObjProp(&widget_, "Partner", &TWidget::StaticClass()), nullptr);
  EXPECT_EQ(GetObjProp(&widget_, "Count"), nullptr);

  int clicks = 0;
  widget_.on_click = [&clicks](TObject*) { ++clicks; };
  const std::any method = GetObjMethod(&widget_, "OnClick");
  ASSERT_TRUE(method.has_value());
  std::any_cast<const TNotifyEvent&>(method)(&widget_);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(GetObjMethod(&widget_, "NoSuchEvent").has_value());
}

TEST_F(SkinPropertiesTest, WritingByName) {
  struct Case {
    const char* name;
    const char16_t* value;
    bool written;
    const char16_t* read_back;  // GetProperty, or GetStringProp for strings
  };
  const Case cases[] = {
      {"Flat", u"False", true, u"False"},
      {"Look", u"lkflat", true, u"lkFlat"},
      {"Look", u"lkSideways", false, u"lkFlat"},  // an unknown value name is not written
      {"Count", u"42", true, u"42"},
      {"Count", u"4x2", false, u"42"},
      {"Fixed", u"8", false, u"7"},  // read-only
      {"Short", u"changed", true, u"changed"},
      {"Narrow", u"na\u00EFve", true, u"na\u00EFve"},
      {"Wide", u"\u20AC 5", true, u"\u20AC 5"},
      // The native Unicode string kind and sets are left alone.
      {"Native", u"changed", false, u"native"},
      {"Looks", u"[lkRaised]", false, u""},
      {"NoSuchProperty", u"1", false, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetProperty(&widget_, c.name, c.value), c.written) << c.name;
    const WideString read = GetProperty(&widget_, c.name).empty() ? GetStringProp(&widget_, c.name)
                                                                  : GetProperty(&widget_, c.name);
    EXPECT_EQ(read, WideString(c.read_back)) << c.name;
  }
  EXPECT_EQ(widget_.looks, TLooks{TLook::lkFlat});
  // A short string keeps at most 255 characters.
  EXPECT_TRUE(SetProperty(&widget_, "Short", WideString(300, u'a')));
  EXPECT_EQ(widget_.short_text.size(), 255u);
  EXPECT_FALSE(SetProperty(nullptr, "Flat", u"True"));
}

TEST(SkinPropertiesClassTest, InheritsFromAnAncestorByName) {
  TWidget widget(nullptr);
  EXPECT_TRUE(InheritsFromName(widget, "TWidget"));
  EXPECT_TRUE(InheritsFromName(widget, "tcomponent"));
  EXPECT_TRUE(InheritsFromName(widget, "TObject"));
  EXPECT_FALSE(InheritsFromName(widget, "TControl"));
}

}  // namespace
}  // namespace kova
