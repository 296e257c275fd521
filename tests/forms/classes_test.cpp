#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms/classes/collection.h"
#include "forms/classes/component.h"
#include "forms/classes/strings.h"
#include "forms/classes/typinfo.h"

namespace kova {
namespace {

enum class TShade { shLight, shMedium, shDark };
const EnumTypeInfo kShadeInfo{"TShade", {"shLight", "shMedium", "shDark"}};

// A small component that publishes one property of every kind.
class TGadget : public TComponent {
  KOVA_DECLARE_CLASS(TGadget)

 public:
  explicit TGadget(TComponent* owner) : TComponent(owner) {}

  WideString Caption() const { return caption_; }
  void SetCaption(const WideString& v) { caption_ = v; }
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  int Version() const { return 7; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  EnumSet<TShade> Shades() const { return shades_; }
  void SetShades(EnumSet<TShade> v) { shades_ = v; }
  TStringList* Lines() const { return lines_.get(); }
  void SetLines(TStringList* v) { lines_->Assign(v); }
  TNotifyEvent OnClick() const { return on_click_; }
  void SetOnClick(TNotifyEvent v) { on_click_ = std::move(v); }

 private:
  WideString caption_;
  int width_ = 0;
  TShade shade_ = TShade::shLight;
  EnumSet<TShade> shades_;
  std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
  TNotifyEvent on_click_;
};

const ClassInfo& TGadget::StaticClass() {
  static const ClassInfo info(
      "TGadget", &TComponent::StaticClass(),
      PropertyListBuilder<TGadget>()
          .String("Caption", &TGadget::Caption, &TGadget::SetCaption)
          .Integer("Width", &TGadget::Width, &TGadget::SetWidth)
          .Integer("Version", &TGadget::Version)
          .Enum("Shade", kShadeInfo, &TGadget::Shade, &TGadget::SetShade)
          .Set<TShade>("Shades", kShadeInfo, &TGadget::Shades, &TGadget::SetShades)
          .Object<TStringList>("Lines", &TGadget::Lines, &TGadget::SetLines)
          .Method<TNotifyEvent>("OnClick", &TGadget::OnClick, &TGadget::SetOnClick)
          .Build());
  return info;
}

// Derived under another name without publishing anything of its own.
class TFancyGadget : public TGadget {
  KOVA_DECLARE_CLASS(TFancyGadget)

 public:
  using TGadget::TGadget;
};

const ClassInfo& TFancyGadget::StaticClass() {
  static const ClassInfo info("TFancyGadget", &TGadget::StaticClass(), {});
  return info;
}

// Records its own destruction into a shared log.
class TLogged : public TComponent {
 public:
  TLogged(TComponent* owner, std::string tag, std::vector<std::string>* log)
      : TComponent(owner), tag_(std::move(tag)), log_(log) {}
  ~TLogged() override { log_->push_back(tag_); }

  std::vector<std::string> removed;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove) {
      removed.push_back(WideToUtf8(component->Name()));
    }
  }

 private:
  std::string tag_;
  std::vector<std::string>* log_;
};

TEST(PublishedProperties, TextOfEveryKindReadsAndWritesByName) {
  TGadget gadget(nullptr);
  struct Case {
    const char* name;
    const char16_t* written;
    const char16_t* read_back;
  };
  const Case cases[] = {
      {"Caption", u"Cancelar", u"Cancelar"},
      {"caption", u"lower-case name", u"lower-case name"},
      {"Width", u"97", u"97"},
      {"Width", u"-12", u"-12"},
      {"Width", u"$1F", u"31"},
      {"Shade", u"shDark", u"shDark"},
      {"Shade", u"SHMEDIUM", u"shMedium"},
      {"Shades", u"[]", u"[]"},
      {"Shades", u"[shLight,shDark]", u"[shLight,shDark]"},
      {"Name", u"btnClose", u"btnClose"},
      {"Tag", u"99", u"99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " = " + WideToUtf8(c.written));
    EXPECT_TRUE(SetPropText(gadget, c.name, c.written));
    EXPECT_EQ(GetPropText(gadget, c.name), WideString(c.read_back));
  }
  EXPECT_EQ(gadget.Width(), 31);
  EXPECT_EQ(gadget.Tag(), 99);
  EXPECT_TRUE(gadget.Shades().Has(TShade::shDark));
}

TEST(PublishedProperties, MissingReadOnlyAndInvalidValuesAreNotWritten) {
  TGadget gadget(nullptr);
  gadget.SetWidth(5);
  gadget.SetShade(TShade::shMedium);

  EXPECT_FALSE(IsPublishedProp(gadget, "Colour"));
  EXPECT_EQ(GetStrProp(gadget, "Colour"), u"");
  EXPECT_FALSE(GetOrdProp(gadget, "Colour").has_value());
  EXPECT_FALSE(GetPropText(gadget, "Colour").has_value());
  EXPECT_FALSE(SetStrProp(gadget, "Colour", u"red"));
  EXPECT_EQ(GetObjectProp(gadget, "Colour"), nullptr);

  struct Case {
    const char* name;
    const char16_t* value;
  };
  const Case rejected[] = {
      {"Version", u"8"},          // read-only
      {"Width", u"twelve"},       // not a number
      {"Width", u"12px"},         // trailing garbage
      {"Shade", u"shPurple"},     // no such value name
      {"Shades", u"[shPurple]"},  // no such element
      {"Shades", u"[shLight"},    // unbalanced
      {"Lines", u"text"},         // objects have no text
  };
  for (const Case& c : rejected) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(SetPropText(gadget, c.name, c.value));
  }
  EXPECT_EQ(gadget.Version(), 7);
  EXPECT_EQ(gadget.Width(), 5);
  EXPECT_EQ(gadget.Shade(), TShade::shMedium);
  EXPECT_FALSE(SetOrdProp(gadget, "Shade", 3));  // ordinal out of range
  // A string property is not an integer one, and the other way round.
  EXPECT_FALSE(SetStrProp(gadget, "Width", u"3"));
  EXPECT_EQ(GetStrProp(gadget, "Width"), u"");
}

TEST(PublishedProperties, ObjectAndMethodProperties) {
  TGadget gadget(nullptr);
  gadget.Lines()->SetText(u"one\r\ntwo");

  TObject* lines = GetObjectProp(gadget, "Lines");
  ASSERT_NE(lines, nullptr);
  EXPECT_EQ(lines->ClassName(), "TStringList");
  EXPECT_EQ(GetObjectProp(gadget, "Lines", &TStrings::StaticClass()), lines);
  EXPECT_EQ(GetObjectProp(gadget, "Lines", &TComponent::StaticClass()), nullptr);
  EXPECT_EQ(FindPropInfo(gadget, "Lines")->object_class, &TStringList::StaticClass())
      << "declared class is reported";

  TStringList replacement;
  replacement.SetText(u"three");
  EXPECT_TRUE(SetObjectProp(gadget, "Lines", &replacement));
  EXPECT_EQ(gadget.Lines()->Text(), u"three\r\n");
  TGadget wrong_class(nullptr);
  EXPECT_FALSE(SetObjectProp(gadget, "Lines", &wrong_class));

  TObject* clicked = nullptr;
  EXPECT_TRUE(SetMethodProp(gadget, "OnClick", TNotifyEvent([&](TObject* s) { clicked = s; })));
  auto handler = std::any_cast<TNotifyEvent>(GetMethodProp(gadget, "OnClick"));
  ASSERT_TRUE(handler);
  handler(&gadget);
  EXPECT_EQ(clicked, &gadget);
  EXPECT_FALSE(SetMethodProp(gadget, "OnClick", std::any(42))) << "wrong event type";
  EXPECT_FALSE(GetMethodProp(gadget, "OnMissing").has_value());
}

TEST(ClassInformation, DerivedClassReportsItsOwnNameAndInheritsProperties) {
  TFancyGadget fancy(nullptr);
  EXPECT_EQ(fancy.ClassName(), "TFancyGadget");
  EXPECT_TRUE(fancy.InheritsFrom(TGadget::StaticClass()));
  EXPECT_TRUE(fancy.InheritsFrom(TComponent::StaticClass()));
  EXPECT_FALSE(fancy.InheritsFrom(TStrings::StaticClass()));
  EXPECT_TRUE(fancy.Is<TGadget>());
  EXPECT_TRUE(SetStrProp(fancy, "Caption", u"x"));

  std::vector<std::string> names;
  for (const PropertyInfo* p : fancy.ClassType().AllProperties()) {
    names.emplace_back(p->name);
  }
  EXPECT_EQ(names.front(), "Name") << "ancestors' properties come first";
  EXPECT_EQ(names.back(), "OnClick");
}

TEST(ComponentOwnership, OwnedComponentsKeepIndexOrderAndDieWithOwner) {
  std::vector<std::string> log;
  auto owner = std::make_unique<TLogged>(nullptr, "owner", &log);
  auto* a = new TLogged(owner.get(), "a", &log);
  auto* b = new TLogged(owner.get(), "b", &log);
  auto* c = new TLogged(owner.get(), "c", &log);
  a->SetName(u"lblA");
  b->SetName(u"lblB");
  c->SetName(u"lblC");
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->GetComponent(0), a);
  EXPECT_EQ(owner->GetComponent(2), c);
  EXPECT_EQ(owner->GetComponent(3), nullptr);
  EXPECT_EQ(c->ComponentIndex(), 2);
  EXPECT_EQ(owner->FindComponent(u"LBLB"), b);
  EXPECT_EQ(owner->FindComponent(u"lblD"), nullptr);

  delete b;  // a component destroyed first leaves its owner's list
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->GetComponent(1), c);
  EXPECT_EQ(owner->removed, std::vector<std::string>{"lblB"});

  owner.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"b", "owner", "c", "a"}))
      << "owned components die after the owner's own destructor, the last first";
}

TEST(ComponentOwnership, FreeNotificationTellsTheListenerOnce) {
  std::vector<std::string> log;
  TLogged listener(nullptr, "listener", &log);
  {
    TLogged watched(nullptr, "watched", &log);
    watched.SetName(u"watched");
    listener.FreeNotification(&watched);
  }
  EXPECT_EQ(listener.removed, std::vector<std::string>{"watched"});

  auto watched = std::make_unique<TLogged>(nullptr, "w2", &log);
  listener.FreeNotification(watched.get());
  listener.RemoveFreeNotification(watched.get());
  watched.reset();
  EXPECT_EQ(listener.removed.size(), 1u);
}

TEST(StringList, TextSplitsAtEveryLineBreakForm) {
  struct Case {
    const char16_t* text;
    std::vector<WideString> lines;
  };
  const Case cases[] = {
      {u"", {}},
      {u"one", {u"one"}},
      {u"a\r\nb", {u"a", u"b"}},
      {u"a\nb\n", {u"a", u"b"}},
      {u"a\rb\r\n", {u"a", u"b"}},
      {u"a\n\nb", {u"a", u"", u"b"}},
      {u"\r\n", {u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    TStringList list;
    list.SetText(c.text);
    std::vector<WideString> lines;
    for (int i = 0; i < list.Count(); ++i) {
      lines.push_back(list.Get(i));
    }
    EXPECT_EQ(lines, c.lines);
  }
  TStringList list;
  list.SetText(u"a\nb");
  EXPECT_EQ(list.Text(), u"a\r\nb\r\n");
  EXPECT_EQ(list.Join(u" "), u"a b");
}

TEST(StringList, ObjectsTravelWithTheirLinesAndChangesAreBatched) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  TStringList marker_a, marker_b;
  list.BeginUpdate();
  list.AddObject(u"first", &marker_a);
  list.AddObject(u"second", &marker_b);
  list.Insert(0, u"zero");
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.GetObject(1), &marker_a);
  EXPECT_EQ(list.IndexOfObject(&marker_b), 2);
  EXPECT_EQ(list.IndexOf(u"second"), 2);
  EXPECT_EQ(list.IndexOf(u"SECOND"), -1);
  list.Put(1, u"renamed");
  EXPECT_EQ(list.GetObject(1), &marker_a);
  EXPECT_EQ(changes, 2);
  list.Delete(0);
  EXPECT_EQ(list.Get(0), u"renamed");
  EXPECT_THROW(list.Get(5), EFrameworkError);
  EXPECT_THROW(list.Insert(3, u"x"), EFrameworkError);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(copy.Text(), list.Text());
  EXPECT_EQ(copy.GetObject(1), &marker_b);
  TGadget not_strings(nullptr);
  EXPECT_THROW(copy.Assign(&not_strings), EFrameworkError);
}

class TNamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string name;
  void Assign(const TPersistent* source) override {
    name = dynamic_cast<const TNamedItem&>(*source).name;
  }
};

TEST(Collection, ItemsKnowTheirIndexAndAreOwned) {
  std::vector<TCollectionItem*> updates;
  TCollection collection([](TCollection* c) { return new TNamedItem(c); });
  collection.OnUpdate = [&](TCollectionItem* item) { updates.push_back(item); };
  auto* first = static_cast<TNamedItem*>(collection.Add());
  auto* second = static_cast<TNamedItem*>(collection.Add());
  auto* third = static_cast<TNamedItem*>(collection.Add());
  first->name = "first";
  third->name = "third";
  EXPECT_EQ(collection.Count(), 3);
  EXPECT_EQ(third->Index(), 2);
  EXPECT_EQ(third->Collection(), &collection);

  third->SetIndex(0);
  EXPECT_EQ(collection.Items(0), third);
  EXPECT_EQ(first->Index(), 1);
  EXPECT_EQ(collection.FindItemID(second->ID()), second);

  collection.Delete(1);  // first
  EXPECT_EQ(collection.Count(), 2);
  EXPECT_EQ(collection.Items(1), second);
  EXPECT_THROW(collection.Items(2), EFrameworkError);

  TCollection copy([](TCollection* c) { return new TNamedItem(c); });
  copy.Assign(&collection);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(static_cast<TNamedItem*>(copy.Items(0))->name, "third");

  updates.clear();
  collection.BeginUpdate();
  collection.Add();
  collection.Add();
  collection.EndUpdate();
  EXPECT_EQ(updates, std::vector<TCollectionItem*>{nullptr}) << "one refresh for the batch";
}

}  // namespace
}  // namespace kova
