// Tabs over the system's tab control: the tab control (a row of tabs named by Tabs),
// and the page control, whose tabs are its tab sheets and which shows the sheet of the
// selected tab.
#pragma once

#include <memory>
#include <vector>

#include "forms/classes/strings.h"
#include "forms/controls/control.h"

namespace kova {

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
extern const EnumTypeInfo kTabStyleInfo;
extern const EnumTypeInfo kTabPositionInfo;

class TCustomTabControl : public TWinControl {
  KOVA_DECLARE_CLASS(TCustomTabControl)

 public:
  explicit TCustomTabControl(TComponent* owner);

  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle style);
  TTabPosition TabPosition() const { return tab_position_; }
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool multi_line);
  // The area inside the tabs where the pages go, in client coordinates.
  RECT DisplayRect() const;
  // The selected tab, -1 when none.
  int TabIndex() const;

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  LRESULT NotifyReflected(NMHDR* header) override;
  // The tab texts, in order.
  virtual std::vector<WideString> TabTexts() const = 0;
  virtual int WantedTabIndex() const = 0;
  // The user selected another tab.
  virtual void TabSelected(int index) = 0;
  // The display area changed size.
  virtual void DisplayChanged() {}
  // Puts the tab texts and the selection into the window.
  void SyncTabs();

 private:
  TTabStyle style_ = TTabStyle::tsTabs;
  TTabPosition tab_position_ = TTabPosition::tpTop;
  bool multi_line_ = false;
};

class TTabControl : public TCustomTabControl {
  KOVA_DECLARE_CLASS(TTabControl)

 public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;
  TStringList& Tabs() { return *tabs_; }
  void SetTabIndex(int index);

 protected:
  std::vector<WideString> TabTexts() const override;
  int WantedTabIndex() const override { return tab_index_; }
  void TabSelected(int index) override;

 private:
  std::unique_ptr<TStringList> tabs_;
  int tab_index_ = -1;
};

class TPageControl;

// One page of a page control; its caption is its tab's text.
class TTabSheet : public TCustomControl {
  KOVA_DECLARE_CLASS(TTabSheet)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return page_control_; }
  void SetPageControl(TPageControl* control);
  // Index among the page control's sheets, -1 outside one.
  int PageIndex() const;
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool visible);

  void SetParent(TWinControl* parent) override;

 protected:
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
};

class TPageControl : public TCustomTabControl {
  KOVA_DECLARE_CLASS(TPageControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

 protected:
  std::vector<WideString> TabTexts() const override;
  int WantedTabIndex() const override;
  void TabSelected(int index) override;
  void DisplayChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  // The sheets whose tabs show, in order.
  std::vector<TTabSheet*> VisibleTabs() const;
  void PlaceSheets();

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

}  // namespace kova
