// TSkinData: the component that holds one skin. Its published properties say which
// forms and controls are skinned; loading a skin file turns the file's INI description
// and images into the model that the form, menu and control painting reads: skin
// objects with their images, margins and state counts, the caption buttons, the colour
// scheme and the caption font.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/classes/component.h"
#include "base/streams.h"
#include "forms/classes/strings.h"
#include "forms/graphics/bitmap.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_platform.h"
#include "skin/data/skin_types.h"

// The system's scroll-bar record (SCROLLBARINFO on Windows).
struct tagSCROLLBARINFO;

namespace kova {

class TQuickIni;
class TSkinReader;
class TSkinStore;

using TOnFormSkin = std::function<void(TObject* sender, const WideString& class_name, bool& skin)>;
// Asked for every control before the built-in rules: with the skin data, the skinned
// window's entry, the control and its class name. A handler that puts a control skinning
// object into `result` decides for the control; one that leaves it empty lets the rules
// decide.
using TOnSkinControl =
    std::function<void(TObject* sender, TObject* form_entry, TObject* control,
                       const WideString& class_name, std::unique_ptr<TComponent>& result)>;
using TOnSkinForm =
    std::function<void(TObject* sender, TObject* form, SkinWindow wnd, const WideString& cls)>;

inline constexpr char kSkinDataVersion[] = "5.25.04.13";

class TSkinData : public TComponent {
  KOVA_DECLARE_CLASS(TSkinData)

 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  int32_t DisableTag() const { return disable_tag_; }
  void SetDisableTag(int32_t tag) { disable_tag_ = tag; }
  TSkinControlTypes SkinControls() const { return skin_controls_; }
  void SetSkinControls(TSkinControlTypes controls) { skin_controls_ = controls; }
  TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions options) { options_ = options; }
  const TStringList& Skin3rd() const { return skin3rd_; }
  void SetControlList(const TStrings& list) { skin3rd_.Assign(&list); }
  const WideString& SkinFile() const { return skin_file_; }
  WideString SkinStore() const;
  void SetSkinStore(const WideString&) {}
  TSkinFormType SkinFormtype() const { return form_type_; }
  void SetSkinFormtype(TSkinFormType type) { form_type_ = type; }
  WideString Version() const { return Latin1ToWide(kSkinDataVersion); }
  void SetVersion(const WideString&) {}
  bool MenuUpdate() const { return menu_update_; }
  void SetMenuUpdate(bool value) { menu_update_ = value; }
  bool MenuMerge() const { return menu_merge_; }
  void SetMenuMerge(bool value) { menu_merge_ = value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Loading (the file name is kept in SkinFile).
  void LoadFromFile(const WideString& file_name);
  void LoadFromStream(TStream& stream);
  void LoadFromCollection(const TSkinStore& store, int index);
  bool LoadSkin();
  // The "SkinStream" property: a 32-bit length, then the skin file's bytes. ReadData
  // raises EStreamError, leaving the component as it was, when fewer bytes follow than
  // the length says.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  // Stores "SkinStream" while the component holds a skin file.
  void DefineProperties(TFiler& filer) override;
  void LoadFromIni(const std::string& ini_name);
  // Loads an image of the skin being read; anything but a ".bmp" entry empties it.
  void Readbmp(TBitmap& bitmap, std::string_view file_name) const;

  // Derived images and colours.
  void SetFrame();
  void ReBuildCombobox();
  void ReBuildComboxArrow();
  void RebuildToolbar();
  void CreateMdibtn(int first);
  void CreateMinCaption();
  void CreateCaptionFont();
  TColor GetCaptionColor() const;

  // Queries of the painting code.
  bool GetPrecolor(TColor& color, int index) const;
  bool IsHint() const { return hint_shown_; }
  // The system's GetScrollBarInfo where the system offers it; false otherwise (and on
  // systems without windows). |info| carries its size in, as the system expects.
  bool GetScrollBarInfo(SkinWindow window, int32_t object, tagSCROLLBARINFO& info) const;
  // True until a skin description has been read.
  bool Empty() const { return empty_; }
  bool Loading() const { return loading_; }
  const std::string& SkinName() const { return skin_name_; }
  const TMemoryStream& SkinData() const { return skin_data_; }
  TColor Color(TShemeColor index) const { return Colors[static_cast<size_t>(index)]; }
  bool IsColorSet(TShemeColor index) const { return ColorSet[static_cast<size_t>(index)]; }
  // The object read from (or derived as) `name`, compared ignoring case; null when
  // absent. Borders are "Left", "Right", "Top", "Bottom"; the title is "Title".
  TDataSkinObject* FindObject(std::string_view name) const;

  // Requests to the skin manager.
  void Install();
  void Uninstall();
  void ChangeForm(SkinWindow form_wnd);
  void SkinForm(SkinWindow wnd);
  void AddNestForm(SkinWindow parent, SkinWindow child);
  void UpdateSkinControl(SkinWindow form, SkinWindow control);
  void UpdateMenu(SkinWindow form);
  void UpdateMainMenu(bool flag);
  void DeleteGraphicControl(SkinWindow form, TComponent* control);
  void EnableSkin(bool flag);
  void InstallThread(uint32_t thread_id);
  void UnInstallThread(uint32_t thread_id);
  void DoSkinChanged();
  void DoDebug(const WideString& text);
  TStrings* DebugList = nullptr;  // not owned
  // Sets an enumerated published property of any framework object by its value name.
  static bool ChangeProperty(TObject& object, std::string_view name, std::string_view value);
  void UpdateSkin();

  // Decides whether a window class is skinned; remembers the window being decided.
  void DoFormSkin(SkinWindow handle, const WideString& class_name, bool& skin);
  SkinWindow DecidingWindow() const { return deciding_window_; }

  // The caption button hint (shown only with xoCaptionButtonHint).
  void ActivateHint(int left, int top, const WideString& text);
  void HideHint();

  // Components of a designer set this; loading and activation then do nothing.
  void SetDesigning(bool designing) { designing_ = designing; }
  bool Designing() const { return designing_; }
  // Runs what the framework runs once stored properties are applied.
  void Loaded() override;

  // The model. Absent objects are null; the borders, title and push buttons always
  // exist (their images may be empty).
  std::array<TColor, kShemeColorCount> Colors{};
  std::array<bool, kShemeColorCount> ColorSet{};
  std::vector<TColor> PreColors;
  std::array<TColor, 10> CustomColors{};
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinButton> Button;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
  std::unique_ptr<TDataSkinObject> ThumbHorz, ThumbVert, ThumbLeft, ThumbRight, ThumbUp, ThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
  std::unique_ptr<TDataSkinObject> Track, TrackVert;
  std::unique_ptr<TDataSkinObject> Toolbar;
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> MinCaption;
  TSkinControlList ControlList;

  TBitmap MenuImages;  // 16-pixel glyphs side by side, white is the mask colour
  int MenuImageCount() const { return MenuImages.Width() / 16; }
  TBitmap AppIcon;
  SkinCaptionFont CaptionFont;
  TColor CaptionBrushColor = 0;  // the colour of the caption brush, set by every load
  int MaxWidth = 0;
  int MaxHeight = 0;

 private:
  // Readers of the INI being loaded.
  WideString IniString(const char* section, const std::string& key,
                       const char* default_value = "") const;
  int32_t IniInt(const char* section, const std::string& key, int32_t default_value) const;
  TColor GetColor(const WideString& text, TColor default_value) const;
  void ReadRGB(const char* section, const std::string& prefix, TColor& color) const;
  int GetSectionNum(const std::string& prefix, const std::string& key) const;
  void ReadColor2(TShemeColor index, const char* key, TColor default_value);
  void ReadBord();
  void ReadColor();
  void ReadSysButton();
  void ReadButton();
  void ReadTitle(const char* section);
  void ReadCommon(TDataSkinObject& object, const char* section, bool with_frame);
  template <class T>
  void ReadObjectAs(std::unique_ptr<T>& object, const char* section, bool with_frame);
  void ReadObject(std::unique_ptr<TDataSkinObject>& object, const char* section);
  void ReadObject2(std::unique_ptr<TDataSkinBorder>& object, const char* section,
                   const char* second_key);
  void ReadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& object, const char* section);
  void ReadProgress(std::unique_ptr<TDataSkinBorder>& object, const char* section);
  void ReadMenuBar(std::unique_ptr<TDataSkinObject>& object, const char* section);
  void ReadTrack(std::unique_ptr<TDataSkinObject>& object, const char* name);
  void BeginLoad() { loading_ = true; }
  // Takes a stored skin from `stream` once it is known to be whole; `exact` also refuses
  // bytes after it.
  void TakeStoredSkin(TStream& stream, bool exact);
  void ShowHint(int left, int top, const WideString& text);  // platform part
  void DestroyHint();                                        // platform part
  void TakeAppIcon();                                        // platform part

  bool active_ = false;
  int32_t disable_tag_ = 99;
  TSkinControlTypes skin_controls_;
  TSkinOptions options_;
  TStringList skin3rd_;
  WideString skin_file_;
  TSkinFormType form_type_ = TSkinFormType::sfMainform;
  bool menu_update_ = true;
  bool menu_merge_ = false;
  bool main_menu_flag_ = true;
  bool designing_ = false;
  bool loading_ = true;
  bool empty_ = true;
  bool hint_shown_ = false;
  // The hint window, owned through a platform object this header does not name.
  std::shared_ptr<void> hint_window_;
  SkinWindow deciding_window_ = nullptr;
  std::string skin_name_;
  TMemoryStream skin_data_;

  // Alive only while a skin is being interpreted.
  const TQuickIni* ini_ = nullptr;
  const TSkinReader* reader_ = nullptr;
  std::vector<WideString> sections_;
};

}  // namespace kova
