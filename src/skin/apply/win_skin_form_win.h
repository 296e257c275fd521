// TWinSkinForm: the skinning object of one registered window. It subclasses the
// window, answers the skinned-window query, finishes its set-up on the posted set-up
// message and follows the window's destruction (state 4, then 6) so the manager can
// purge it. It replaces the window's non-client area by the skin's borders, title strip
// and caption buttons, cuts the window to the skin's outline and handles the
// non-client mouse itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win/handles_win.h"

#include "forms/classes/component.h"
#include "forms/controls/control.h"
#include "forms/controls/menus.h"
#include "skin/apply/caption_buttons.h"
#include "skin/apply/frame_geometry.h"
#include "skin/apply/skin_form_types.h"
#include "skin/apply/win_skin_controls_win.h"
#include "skin/apply/win_sys_button_win.h"
#include "skin/data/skin_data.h"

namespace kova {

class TSkinManage;
class TMenuBtn;
class TWinSkinMenu;
struct SkinRegistries;

// The strip of border `index` (1 left, 2 right, 3 top, 4 bottom) of `data` as a window of
// the given activation shows it; empty for an empty image or size.
TBitmap ComposeSkinBorderStrip(const TSkinData& data, int index, int width, int height,
                               bool active);
// The pixels of `bitmap` that are not within the tolerances (d_red, d_green, d_blue)
// above `key`, as a region shifted by (x, y).
UniqueRegion BitmapToRegion(const TBitmap& bitmap, int x, int y, int d_red, int d_green, int d_blue,
                            TColor key);

class TWinSkinForm : public TComponent {
  KOVA_DECLARE_CLASS(TWinSkinForm)

 public:
  // `owner` is the framework form, or null for a plain window (the manager frees it).
  TWinSkinForm(TComponent* owner, TSkinManage* manager);
  ~TWinSkinForm() override;

  void SetHandle(HWND wnd) { handle_ = wnd; }
  HWND Handle() const { return handle_; }
  void SetModuleInstance(HINSTANCE instance) { module_instance_ = instance; }
  HINSTANCE ModuleInstance() const { return module_instance_; }
  void SetClassName(const WideString& name) { class_name_ = name; }
  const WideString& WindowClassName() const { return class_name_; }
  TComponent* Form() const { return Owner(); }
  TSkinData* SkinData() const { return skin_data_; }

  void InitTform(TSkinData* data, TComponent* form);
  void InitDlg(TSkinData* data);
  SkinFormState State() const { return state_; }
  void SetState(SkinFormState state) { state_ = state; }

  SkinFormStyle FormStyle() const { return form_style_; }
  SkinBorderStyle BorderStyle() const { return border_style_; }
  SkinWindowState WindowState() const { return window_state_; }
  SkinBorderIcons BorderIcons() const { return border_icons_; }
  void SetWindowState(SkinWindowState state) { window_state_ = state; }
  // The frame is skinned at all (MDI children may keep the system's border).
  bool SkinFrame() const { return skin_frame_; }
  // The MDI client window of an MDI frame, or null.
  HWND MDIClient() const { return mdi_client_; }

  // Cuts the window to the skin's outline: the window's rectangle, less the key-coloured
  // pixels of borders that are see-through. Nothing for a zero-size window, an MDI child
  // that is not in its normal state, or an unskinned frame.
  void Cropwindow();
  // Takes the window region away again.
  void Uncropwindow();
  bool Cropped() const { return cropped_; }
  // Makes the system recompute and repaint the window's frame.
  void Refresh();

  // Gives the window its own procedure back and takes the region away (idempotent).
  void UnSubclass();
  // The same while the window is being destroyed: the system frees the region itself.
  void UnSubclass3();
  void RePaint();
  void DeleteSysbtn();
  // Reads the frame widths and the caption buttons from the skin.
  void InitSkinData();
  void SkinChange();
  // The window got no skin after all: its own procedure back, nothing more to do.
  void GiveUp();

  // The skinned controls of the window: a framework form's controls by their classes, a
  // plain dialog's child windows by their window classes.
  void InitControls();
  // A control window made after set-up (a size grip) joins the list.
  TSkinControl* AddControlh(HWND wnd);
  void DeleteControls();
  TSkinControls* Controls() const { return controls_.get(); }

  // Paints borders, title strip and caption buttons into `dc`, or into the window's own
  // device context when null.
  void UpdateNc(HDC dc = nullptr);
  // Gives the window the outer size that keeps its client area inside the skin's frame.
  void ResizeForm(bool keep_client);

  int BorderLeft() const { return border_left_; }
  int CaptionHeight() const { return caption_height_; }
  int BorderRight() const { return border_right_; }
  int BorderBottom() const { return border_bottom_; }
  bool Active() const { return active_; }
  bool MessageBox() const { return message_box_; }
  const RECT& CaptionRect() const { return caption_rect_; }
  const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return sys_buttons_; }

  // The window's menu bar menu, kept while the skin draws the bar inside its frame.
  HMENU NativeMenu() const { return menu_; }
  int MenuHeight() const { return menu_height_; }

  // The non-client object under the mouse or pressed, or null.
  TNCObject* HotObject() const { return hot_object_; }
  void SetHotObject(TNCObject* object) { hot_object_ = object; }
  // Redraws one caption button with the state image `state`.
  void DrawSysbtn(const TWinSysButton& button, NCObjectState state);
  // Forgets the time the mouse has hovered and hides the hint.
  void ResetHint();
  // A screen point in window coordinates.
  POINT GetWinXY(POINT screen) const;

  // Owner-drawn menu items: switches the items of `menu` and its submenus to owner
  // drawing (remembering their captions), and gives every switched item its own type
  // back.
  void WMINITMENU(HMENU menu);
  void RestoreMenuItems();
  // A native item the entry draws.
  struct SkinnedMenuItem {
    HMENU menu = nullptr;
    UINT position = 0;
    UINT id = 0;
    UINT type = 0;  // as the menu had it
    HMENU submenu = nullptr;
    std::u16string caption;
  };
  const std::vector<SkinnedMenuItem>& SkinnedMenuItems() const { return skinned_items_; }

  // Framework menus drawn by the skin: the items get the entry's measure and draw
  // handlers (their own are kept and given back by RestoreFrameworkMenus). The main menu
  // of `control` (a form), the popup menus it owns (made owner-drawn), and one item tree;
  // `children` takes the sub-items of each item too.
  void InitMainMenu(TComponent* control, TSkinData* data, bool children);
  void InitPopMenu(TComponent* control, TSkinData* data, bool children);
  void InitToolbarMenu(TMenuItem* item, TSkinData* data);
  void RestoreFrameworkMenus();
  // A framework item, owned by `owner`, made from the native item at `index` of `menu`:
  // its caption ("-" for none), enabled and checked state, and its submenu's items.
  TMenuItem* CreateMenuItem(HMENU menu, int index, TComponent* owner);
  // The handlers: the framework's own measure of the item (its picture set aside) with
  // room for the skin's item margin and the image or check column; the skin's look.
  void MeasureItem(TMenuItem& item, HDC dc, int& width, int& height);
  void DrawMenuItem(TMenuItem& item, HDC dc, const RECT& rect, bool selected);
  // Whether the item carries the entry's handlers.
  bool HasSkinHandlers(const TMenuItem& item) const;
  // The skinned copy of the system menu while it is shown, or null.
  TPopupMenu* SystemMenuPopup() const { return sys_menu_popup_.get(); }

  // The skinned menu bar, or null for a window without a menu.
  TWinSkinMenu* MenuBar() const { return skin_menu_.get(); }
  void RedrawMenuButton(const TMenuBtn& button);
  // Opens the button's menu below it (posting its command first); returns when it closes.
  void CheckMenu(TMenuBtn& button);
  // Presses another button while a menu is open, so its menu opens next.
  void ClickButton(const TMenuBtn& button);
  void CancelMenu();
  // 0x3518: the menu-bar button under the screen point in lParam opens its menu; while
  // another button's menu is open, that one closes first.
  void MenuSelect(LPARAM screen_point);
  // Paints the menu-bar row again (its buttons and the MDI child buttons in it).
  void RedrawMenuRow();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static LRESULT CALLBACK WinWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT msg, WPARAM wparam, LPARAM lparam);
  // Hands the message to the window's own procedure.
  LRESULT Forward(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void InitSkin(TSkinData* data);
  void FinishSetup();
  void AfterSkin();
  void ResizeMessageBox(int& width, int client_width);

  // Stage three of the dispatch: the non-client messages.
  bool NonClientMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
  LRESULT NCCalcSize(WPARAM wparam, LPARAM lparam);
  LRESULT NCHitTest(WPARAM wparam, LPARAM lparam);
  LRESULT NCActivate(WPARAM wparam, LPARAM lparam);
  LRESULT WMSysCommand(WPARAM wparam, LPARAM lparam);
  // The non-client mouse; each answers whether the message was consumed.
  bool NCMouseMove(LPARAM lparam);
  bool NCLButtonDown(WPARAM& wparam, LPARAM lparam);
  bool NCLButtonUp(LPARAM lparam);
  bool NCLButtonDblClk(LPARAM lparam);
  bool NCRButtonDown(WPARAM wparam, LPARAM lparam);

  // Owner-drawn menu items; each answers whether the item was the entry's.
  bool WMMEASUREITEM(MEASUREITEMSTRUCT& measure);
  bool WMDRAWITEM(const DRAWITEMSTRUCT& draw);
  const SkinnedMenuItem* FindSkinnedItem(HMENU menu, UINT id) const;
  void GiveSkinHandlers(TMenuItem& item);
  // The framework item with the command id among the skinned system menu and, for a
  // framework form, its main menu and the screen's popup menus; null when none.
  TMenuItem* FindFrameworkItem(UINT id) const;
  // What one owner-drawn item shows, native or framework.
  struct MenuItemLook {
    std::u16string text;  // with its accelerator marks
    std::u16string shortcut;
    bool separator = false;
    bool checked = false;
    bool radio = false;
    bool enabled = true;
    bool submenu = false;
    const TImageList* images = nullptr;
    int image_index = -1;
    HMENU menu = nullptr;  // the menu the item is in
  };
  void PaintMenuItem(const MenuItemLook& look, HDC dc, const RECT& rect, bool selected);
  void ComposeMenuItem(const MenuItemLook& look, HDC dc, const RECT& rect, bool selected);
  void DefaultMenuItem(const MenuItemLook& look, HDC dc, const RECT& rect, bool selected);
  void DrawItemText(HDC dc, const MenuItemLook& look, const RECT& rect, TColor color);
  void DrawItemImage(HDC dc, const MenuItemLook& look, const RECT& column);

  // The menu bar.
  void SetupMenuBar();
  // The framework form's main menu, or null.
  const TMainMenu* FrameworkMainMenu() const;
  void ReleaseMenuBar();
  void LayoutMenuBar();
  void DrawMenuBar(HDC dc);
  bool MenuBarButtonDown(POINT window_point);
  bool MenuBarKey(WPARAM key);

  // Painting.
  void UpdateStyle(bool painting);
  void Drawborder(int index, const RECT& rect, HDC dc);
  void DrawFLine(HDC dc, const TWinSysButton* single, NCObjectState single_state);
  void DrawLine(HDC dc, int strip_width, int text_left_limit);
  RECT MeasureCaption(HDC dc, const std::u16string& text) const;
  std::u16string WindowText() const;
  void FetchIcon();
  void MakeCaptionFont();

  // Caption buttons.
  FrameWidths Widths() const;
  CaptionWindow CaptionState() const;
  void UpdateSysbtnVisibility();
  void SetSysbtnRect(int width, const RECT& text);
  int FrameOf(const TWinSysButton& button, NCObjectState state, bool single) const;
  TWinSysButton* FindBtn(POINT window_point) const;
  void SysBtnAction(POINT screen);
  void Maximize();
  void Restore();
  void Minimize();
  bool CheckSysmenu() const;
  void OnTimer();
  void StartTimer();
  void StopTimer();
  void PostSysCommand(WPARAM command);

  // The skinned copy of the system menu.
  void PopSysmenu(POINT screen);
  void CreateSysmenu2();

  // The framework form's message method while the frame is skinned.
  void HookFormMethod();
  void UnhookFormMethod();
  void NewWndProc(TMessage& message);
  void RefreshAfterSetText();
  // The form's colour taken from the skin, and given back on removal.
  void ApplyFormColor();
  void RestoreFormColor();
  // Dialog characters for the accelerators of the skinned menu bar; answers whether the
  // bar used the character. Without a bar nothing is used.
  bool MenuBarDialogChar(TMessage& message);
  // A new native menu for the skinned menu bar (set by the framework or the MDI client).
  void MenuBarTakeMenu(HMENU menu);
  // The window's menu moves into the skinned frame: the system shows none of its own.
  void TakeNativeMenu();
  // A menu the window was given while skinned; the bar takes it when `to_bar`.
  void TakeChangedNativeMenu(bool to_bar);
  void GiveBackNativeMenu();

  // The MDI client of an MDI frame, subclassed while the frame is skinned.
  void SubclassMDI();
  void UnSubclassMDI();
  static LRESULT CALLBACK WinMDIProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT MDIClientMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  void ReadWindowState();
  void Subclass();
  void RestoreWindowProc();
  // The manager while it is the module's one; null once it has gone.
  TSkinManage* Manager() const;

  // Whether the message being handled already reached the window's own procedure.
  struct ForwardFrame {
    bool forwarded = false;
    LRESULT result = 0;
  };
  ForwardFrame forward_;
  TSkinManage* manager_;
  // The registry that lists this entry; told when the entry goes.
  std::weak_ptr<SkinRegistries> registries_;
  HWND handle_ = nullptr;
  HINSTANCE module_instance_ = nullptr;
  WideString class_name_;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  SkinFormState state_ = SkinFormState::kNew;
  SkinFormStyle form_style_ = SkinFormStyle::kOrdinary;
  SkinBorderStyle border_style_ = SkinBorderStyle::kSizable;
  SkinWindowState window_state_ = SkinWindowState::kNormal;
  SkinBorderIcons border_icons_;
  HWND mdi_client_ = nullptr;
  bool skin_frame_ = false;
  bool child_ = false;
  bool active_ = false;
  bool sizable_ = false;
  bool unicode_ = false;
  bool message_box_ = false;
  bool right_to_left_ = false;
  bool busy_ = false;
  HWND owner_wnd_ = nullptr;
  HMENU system_menu_ = nullptr;
  HICON icon_ = nullptr;  // the window's or its class's, not ours to free
  int border_left_ = 0;
  int caption_height_ = 0;
  int border_right_ = 0;
  int border_bottom_ = 0;
  int menu_height_ = 0;
  SIZE native_frame_{};
  RECT client_rect_{};
  RECT caption_rect_{};
  int right_buttons_x_ = 0;
  int width_ = 0;
  int height_ = 0;
  DWORD last_sys_menu_click_ = 0;
  DWORD double_click_time_ = 0;
  bool sys_menu_clicked_ = false;
  // The framework form (a control) whose message method is replaced, and the old one.
  TControl* hooked_form_ = nullptr;
  TWndMethod old_window_proc_;
  std::optional<TColor> color_before_;
  HMENU menu_ = nullptr;
  WNDPROC mdi_prev_proc_ = nullptr;
  bool saved_menu_update_ = false;
  UniqueFont caption_font_;
  std::unique_ptr<TPopupMenu> sys_menu_popup_;
  // Framework items carrying the entry's handlers, with the handlers they had before.
  struct FrameworkItem {
    TMenuItem* item = nullptr;
    TMenuMeasureItemEvent measure;
    TMenuDrawItemEvent draw;
  };
  std::vector<FrameworkItem> framework_items_;
  // Framework popup menus made owner-drawn, with the setting they had before.
  struct FrameworkPopup {
    TPopupMenu* menu = nullptr;
    bool owner_draw = false;
  };
  std::vector<FrameworkPopup> framework_popups_;
  std::vector<std::unique_ptr<TWinSysButton>> sys_buttons_;
  std::vector<SkinnedMenuItem> skinned_items_;
  std::unique_ptr<TWinSkinMenu> skin_menu_;
  std::unique_ptr<TSkinControls> controls_;
  TNCObject* hot_object_ = nullptr;
  UINT_PTR timer_ = 0;
  int hover_time_ = 0;
  bool hint_shown_ = false;
  // The region given to the window belongs to the system; only its size is kept.
  bool cropped_ = false;
  int region_width_ = 0;
  int region_height_ = 0;
};

}  // namespace kova
