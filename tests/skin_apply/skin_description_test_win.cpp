// A form description carries a skin the way a stored form does: the skin component's
// "SkinStream" as hexadecimal text.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/classes/filer.h"
#include "forms/controls/form_description.h"
#include "product_skin.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

class SkinDescriptionTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    SkinApplyTest::SetUp();
    RegisterComponentClass<TSkinData>();
  }
  // The form description of one skin component with the given "SkinStream" text.
  void LoadSkinForm(TForm& form, std::u16string_view stream_text) {
    LoadForm(
        form,
        {"TForm", "SkinnedForm", {}, {{"TSkinData", "SkinData1", {{"SkinStream", stream_text}}}}});
  }
};

TEST_F(SkinDescriptionTest, HexadecimalSkinStreamLoadsTheSkin) {
  TSkinData source(nullptr);
  testing::Load(source, testing::ProductSkin());
  ASSERT_FALSE(source.Empty());
  const std::u16string hex = BinaryToHex(WriteBinaryProperties(source).at(0).data);

  TForm* form = MakeForm();
  LoadSkinForm(*form, u"{" + hex + u"}");
  auto* data = dynamic_cast<TSkinData*>(form->FindComponent(u"SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinName(), "KOVA Dark");
  EXPECT_EQ(data->SkinData().Data(), source.SkinData().Data());
  EXPECT_EQ(data->SysButtons.size(), source.SysButtons.size());
  // Loading it made the module's manager, which now lists it.
  ASSERT_NE(SkinManager(), nullptr);
  const auto& listed = SkinManager()->SkinDatas();
  EXPECT_NE(std::find(listed.begin(), listed.end(), data), listed.end());
}

TEST_F(SkinDescriptionTest, BadSkinStreamTextIsABadValueOfThatProperty) {
  const struct {
    const char* what;
    std::u16string text;
  } cases[] = {
      {"not hexadecimal", u"{12XY}"},
      {"shorter than its length", u"{10000000AABB}"},
  };
  for (const auto& c : cases) {
    TForm* form = MakeForm();
    try {
      LoadSkinForm(*form, c.text);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EFrameworkError& error) {
      EXPECT_NE(std::string(error.what()).find("SkinData1.SkinStream"), std::string::npos)
          << c.what << ": " << error.what();
    }
  }
  // A name that is neither published nor stored is still an unknown property.
  TForm* form = MakeForm();
  EXPECT_THROW(LoadForm(*form, {"TForm", "F", {}, {{"TSkinData", "S", {{"SkinStreams", u"00"}}}}}),
               EFrameworkError);
}

}  // namespace
}  // namespace kova
