#include "skin/data/skin_data.h"

#include <algorithm>
#include <filesystem>

#include "forms/classes/filer.h"
#include "skin/data/byte_view_stream.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_class_map.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_store.h"

namespace kova {

namespace {

// Manager actions requested by the skin component.
constexpr int kActionDelay = 250;

bool SameAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

}  // namespace

const ClassInfo& TSkinData::StaticClass() {
  static const ClassInfo info(
      "TSkinData", &TComponent::StaticClass(),
      PropertyListBuilder<TSkinData>()
          .Integer("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .Set<TSkinControlType>("SkinControls", kSkinControlTypeInfo, &TSkinData::SkinControls,
                                 &TSkinData::SetSkinControls)
          .Set<TSkinOption>("Options", kSkinOptionInfo, &TSkinData::Options, &TSkinData::SetOptions)
          .String("SkinFile", &TSkinData::SkinFile, &TSkinData::LoadFromFile)
          .String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .Enum("SkinFormtype", kSkinFormTypeInfo, &TSkinData::SkinFormtype,
                &TSkinData::SetSkinFormtype)
          .String("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .Integer("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .Integer("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .Method<TOnFormSkin>(
              "OnFormSkin", [](const TSkinData& d) { return d.OnFormSkin; },
              [](TSkinData& d, TOnFormSkin e) { d.OnFormSkin = std::move(e); })
          .Method<TNotifyEvent>(
              "OnSkinChanged", [](const TSkinData& d) { return d.OnSkinChanged; },
              [](TSkinData& d, TNotifyEvent e) { d.OnSkinChanged = std::move(e); })
          .Method<TOnSkinControl>(
              "OnSkinControl", [](const TSkinData& d) { return d.OnSkinControl; },
              [](TSkinData& d, TOnSkinControl e) { d.OnSkinControl = std::move(e); })
          .Method<TOnSkinForm>(
              "OnBeforeSkinForm", [](const TSkinData& d) { return d.OnBeforeSkinForm; },
              [](TSkinData& d, TOnSkinForm e) { d.OnBeforeSkinForm = std::move(e); })
          .Method<TOnSkinForm>(
              "OnAfterSkinForm", [](const TSkinData& d) { return d.OnAfterSkinForm; },
              [](TSkinData& d, TOnSkinForm e) { d.OnAfterSkinForm = std::move(e); })
          .Build());
  return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), skin_controls_(DefaultSkinControls()), options_(DefaultSkinOptions()) {
  AppIcon.SetPixelFormat(PixelFormat::k24Bit);
  FillDefaultSkin3rd(skin3rd_);
  Button = std::make_unique<TDataSkinButton>("Buttons");
  Left = std::make_unique<TDataSkinBorder>("Left");
  Right = std::make_unique<TDataSkinBorder>("Right");
  Top = std::make_unique<TDataSkinBorder>("Top");
  Bottom = std::make_unique<TDataSkinBorder>("Bottom");
  Title = std::make_unique<TDataSkinTitle>("Title");
  LoadSkinResourceBitmap("KESTRELMENU", MenuImages);
  SkinMaximizedSize(MaxWidth, MaxHeight);
}

TSkinData::~TSkinData() {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->RemoveSkinData(this);
  }
  DestroyHint();
}

WideString TSkinData::SkinStore() const {
  return designing_ && !skin_data_.Data().empty() ? u"(Good)" : u"(none)";
}

// ---- loading ----

void TSkinData::LoadFromFile(const WideString& file_name) {
  BeginLoad();
  skin_file_ = file_name;
  if (designing_) {
    if (!file_name.empty() && skin_data_.Size() > 0) {
      skin_data_.Clear();
    }
    return;
  }
  std::error_code ec;
  const std::filesystem::path path(std::u16string(file_name.begin(), file_name.end()));
  if (file_name.empty() || !std::filesystem::is_regular_file(path, ec)) {
    return;
  }
  try {
    skin_data_.LoadFromFile(path);
  } catch (const EStreamError&) {
    return;  // an unreadable file leaves the current skin in place
  }
  LoadSkin();
  UpdateSkin();
}

void TSkinData::LoadFromStream(TStream& stream) {
  BeginLoad();
  skin_data_.LoadFromStream(stream);
  LoadSkin();
  if (form_type_ == TSkinFormType::sfMainform) {
    UpdateSkin();
  }
}

void TSkinData::LoadFromCollection(const TSkinStore& store, int index) {
  if (index < 0 || index >= store.Store()->Count()) {
    return;
  }
  BeginLoad();
  skin_data_.Clear();
  store.Store()->Item(index)->CopyData(skin_data_);
  skin_data_.SetPosition(0);
  LoadSkin();
  UpdateSkin();
}

bool TSkinData::LoadSkin() {
  if (designing_) {
    return false;
  }
  TSkinReader reader;
  TByteViewStream raw(skin_data_.Data());
  const bool ok = reader.Loadfromstream(raw);
  if (ok) {
    TQuickIni ini;
    TMemoryStream text;
    std::string entry_name;
    reader.readIni(".ini", text, entry_name);
    text.SetPosition(0);
    ini.LoadFromStream(&text);
    reader_ = &reader;
    ini_ = &ini;
    const std::filesystem::path ini_path = std::filesystem::temp_directory_path() / entry_name;
    try {
      LoadFromIni(ini_path.string());
    } catch (...) {
      reader_ = nullptr;
      ini_ = nullptr;
      throw;
    }
    reader_ = nullptr;
    ini_ = nullptr;
  }
  return ok;
}

void TSkinData::ReadData(TStream& stream) {
  TakeStoredSkin(stream, false);
}

void TSkinData::TakeStoredSkin(TStream& stream, bool exact) {
  const int64_t available = stream.Size() - stream.Position();
  if (available < 4) {
    throw EStreamError("SkinStream: " + std::to_string(available) +
                       " bytes are too few to hold the skin's length");
  }
  const int32_t size = stream.ReadInt32();
  const int64_t follow = available - 4;
  const int64_t expected = std::max<int32_t>(size, 0);
  if (expected > follow) {
    throw EStreamError("SkinStream: the stored skin is " + std::to_string(size) +
                       " bytes long, but only " + std::to_string(follow) + " bytes follow");
  }
  if (exact && expected < follow) {
    throw EStreamError("SkinStream: " + std::to_string(follow - expected) +
                       " bytes follow the stored skin of " + std::to_string(expected) + " bytes");
  }
  // Only a whole skin replaces the one held.
  TMemoryStream bytes;
  if (expected > 0) {
    bytes.CopyFrom(stream, expected);
  }
  std::swap(skin_data_, bytes);
  skin_data_.SetPosition(0);
  if (!designing_ && skin_data_.Size() > 0) {
    try {
      LoadSkin();
    } catch (...) {
      std::swap(skin_data_, bytes);  // keep the file that goes with the model
      throw;
    }
  }
}

void TSkinData::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream", [this](TStream& stream) { TakeStoredSkin(stream, true); },
      [this](TStream& stream) { WriteData(stream); }, skin_data_.Size() > 0);
}

void TSkinData::WriteData(TStream& stream) const {
  WriteSkinStream(stream, skin_data_);
}

void TSkinData::Readbmp(TBitmap& bitmap, std::string_view file_name) const {
  if (reader_ == nullptr) {
    bitmap.Clear();
    return;
  }
  ReadSkinBitmap(*reader_, file_name, bitmap);
}

// ---- queries ----

bool TSkinData::GetPrecolor(TColor& color, int index) const {
  if (index < 0 || index >= static_cast<int>(PreColors.size())) {
    return false;
  }
  color = PreColors[static_cast<size_t>(index)];
  return true;
}

TDataSkinObject* TSkinData::FindObject(std::string_view name) const {
  const TDataSkinObject* fixed[] = {Title.get(),           Left.get(),
                                    Right.get(),           Top.get(),
                                    Bottom.get(),          MenuBar.get(),
                                    Button.get(),          Progress.get(),
                                    ProgressChunk.get(),   GroupBoxEdge.get(),
                                    GroupBox.get(),        Tabs.get(),
                                    StatusBarEdges.get(),  TabPane.get(),
                                    ToolBars.get(),        ComboButton.get(),
                                    SunkEdge.get(),        ExtraImages.get(),
                                    Headerbar.get(),       MenuItem.get(),
                                    MenuBackground.get(),  Scrollbar.get(),
                                    HorzScroll.get(),      VertScroll.get(),
                                    HorzScrollThumb.get(), VertScrollThumb.get(),
                                    ThumbHorz.get(),       ThumbVert.get(),
                                    ThumbLeft.get(),       ThumbRight.get(),
                                    ThumbUp.get(),         ThumbDown.get(),
                                    UpDownHorz.get(),      UpDownVert.get(),
                                    Track.get(),           TrackVert.get(),
                                    Toolbar.get(),         ComboxArrow.get(),
                                    MinCaption.get()};
  for (const TDataSkinObject* object : fixed) {
    if (object != nullptr && SameAscii(object->IDName, name)) {
      return const_cast<TDataSkinObject*>(object);
    }
  }
  return nullptr;
}

// ---- life cycle ----

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (designing_) {
    return;
  }
  if (!SkinHasScrollBarInfo()) {
    skin_controls_.Exclude(TSkinControlType::xcScrollbar);
  }
  SkinManagerLink* manager = EnsureSkinManager();
  if (manager != nullptr) {
    manager->AddSkinData(this);
  }
  CreateCaptionFont();
  if (form_type_ != TSkinFormType::sfMainform) {
    if (manager != nullptr) {
      manager->SetActive(true);
      manager->SetState(manager->State() + 1);
    }
    if (manager != nullptr && active_) {
      manager->AddOwnerForm(this);
    }
    return;
  }
  if (manager != nullptr) {
    manager->InstallHook();
  }
  if (active_) {
    if (loading_) {
      active_ = false;
    } else if (manager != nullptr) {
      manager->SetAction(SkinAction::kActivate, kActionDelay);
    }
  }
  if (skin_controls_.Has(TSkinControlType::xcMainMenu)) {
    skin_controls_.Exclude(TSkinControlType::xcMenuItem);
  } else {
    skin_controls_.Exclude(TSkinControlType::xcSystemMenu);
  }
  TakeAppIcon();
}

void TSkinData::SetActive(bool value) {
  if (value == active_) {
    return;
  }
  active_ = value;
  if (designing_ || IsLoading()) {
    return;
  }
  if (form_type_ != TSkinFormType::sfMainform && form_type_ != TSkinFormType::sfOnlyThisForm) {
    return;
  }
  SkinManagerLink* manager = CurrentSkinManager();
  if (manager == nullptr) {
    return;
  }
  manager->SetActionData(this);
  if (!value) {
    manager->SetAction(SkinAction::kDeactivate, kActionDelay);
  } else if (!loading_) {
    manager->SetAction(SkinAction::kActivate, kActionDelay);
  }
  if (value && form_type_ == TSkinFormType::sfMainform) {
    manager->SetState(1);
  }
}

void TSkinData::UpdateSkin() {
  if (designing_ || IsLoading()) {
    return;
  }
  if (CurrentSkinManager() == nullptr) {
    Loaded();
  }
  SkinManagerLink* manager = CurrentSkinManager();
  if (manager == nullptr) {
    return;
  }
  manager->SetActionData(this);
  manager->DeleteSysbtn();
  if (manager->State() == 1) {
    manager->SetAction(SkinAction::kSkinChanged, kActionDelay);
  }
}

// ---- forwarding to the manager ----

void TSkinData::Install() {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetAction(SkinAction::kActivate, kActionDelay);
  }
}

void TSkinData::Uninstall() {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetAction(SkinAction::kDeactivate, kActionDelay);
  }
}

void TSkinData::ChangeForm(SkinWindow form_wnd) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetActionWnd(form_wnd);
    manager->SetActionData(this);
    manager->SetAction(SkinAction::kReskinWindow, kActionDelay);
  }
}

void TSkinData::SkinForm(SkinWindow wnd) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetAdding(true);
    manager->AddForm(wnd);
    manager->SetAdding(false);
  }
}

void TSkinData::AddNestForm(SkinWindow parent, SkinWindow child) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->AddNestForm(parent, child);
  }
}

void TSkinData::UpdateSkinControl(SkinWindow form, SkinWindow control) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->UpdateSkinControl(form, control);
  }
}

void TSkinData::UpdateMenu(SkinWindow form) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->UpdateMenu(form);
  }
}

void TSkinData::UpdateMainMenu(bool flag) {
  main_menu_flag_ = flag;
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetMainMenuFlag(flag);
  }
}

void TSkinData::DeleteGraphicControl(SkinWindow form, TComponent* control) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->DeleteGraphicControl(form, control);
  }
}

void TSkinData::EnableSkin(bool flag) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->SetActive(flag);
  }
}

void TSkinData::InstallThread(uint32_t thread_id) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->InstallThread(thread_id);
  }
}

void TSkinData::UnInstallThread(uint32_t thread_id) {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    manager->UnInstallThread(thread_id);
  }
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) {
    OnSkinChanged(this);
  }
}

void TSkinData::DoDebug(const WideString& text) {
  if (DebugList != nullptr) {
    DebugList->Add(text);
  }
}

bool TSkinData::ChangeProperty(TObject& object, std::string_view name, std::string_view value) {
  const PropertyInfo* property = object.ClassType().FindProperty(name);
  if (property == nullptr || property->kind != PropertyKind::kEnumeration ||
      property->enum_type == nullptr || !property->set_ordinal) {
    return false;
  }
  const int ordinal = property->enum_type->ValueOf(value);
  if (ordinal < 0) {
    return false;
  }
  property->set_ordinal(object, ordinal);
  return true;
}

void TSkinData::DoFormSkin(SkinWindow handle, const WideString& class_name, bool& skin) {
  deciding_window_ = handle;
  if (OnFormSkin) {
    OnFormSkin(this, class_name, skin);
    return;
  }
  if (class_name == u"SysMonthCal32") {
    skin = false;
  } else if (class_name.starts_with(u"Tfr") && skin_controls_.Has(TSkinControlType::xcFastReport)) {
    skin = false;
  }
}

void TSkinData::ActivateHint(int left, int top, const WideString& text) {
  if (!options_.Has(TSkinOption::xoCaptionButtonHint) || hint_shown_) {
    return;
  }
  ShowHint(left, top, text);
  hint_shown_ = true;
}

void TSkinData::HideHint() {
  if (!hint_shown_) {
    return;
  }
  DestroyHint();
  hint_shown_ = false;
}

}  // namespace kova
