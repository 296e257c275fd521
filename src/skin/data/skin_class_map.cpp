#include "skin/data/skin_class_map.h"

namespace kova {

const std::vector<std::string_view>& DefaultSkin3rdRows() {
  static const std::vector<std::string_view> rows = {
      "TCategoryButtons=scrollbar",
      "TVirtualStringTree=scrollbar",
      "TVirtualDrawTree=scrollbar",
      "TAdvPanelGroup=scrollbar",
      "THTMLViewer=scrollbar",
      "TDBCtrlGrid=scrollbar",
      "TImageEnMView=scrollbar",
      "TImageEnView=scrollbar",
      "TAdvMemo=scrollbar",
      "TDBAdvMemo=scrollbar",
      "TPngSpeedbutton=pngspeedbutton",
      "TPngBitBtn=pngbitbtn",
      "TTBXDockablePanel=Panel",
      "TControlBar=Panel",
      "TTBDock=Panel",
      "TTBToolbar=Panel",
      "TRzGroup=Panel",
      "TLMDCalculator=panel",
      "TLMDGROUPBOX=panel",
      "TLMDSIMPLEPANEL=panel",
      "TLMDDBCalendar=panel",
      "TLMDButtonPanel=panel",
      "TLMDLMDCalculator=panel",
      "TLMDHeaderPanel=panel",
      "TLMDTechnicalLine=panel",
      "TLMDLMDClock=panel",
      "TLMDTrackbar=panel",
      "TComboboxex=combobox",
      "TcxDBLookupComboBox=combobox",
      "TcxDBComboBox=combobox",
      "TcxDBDateEdit=combobox",
      "TcxDBImageComboBox=combobox",
      "TcxDBCalcEdit=combobox",
      "TcxDBBlobEdit=combobox",
      "TcxDBPopupEdit=combobox",
      "TcxDBFontNameComboBox=combobox",
      "TcxDBShellComboBox=combobox",
      "TRxLookupEdit=combobox",
      "TRxDBLookupCombo=combobox",
      "TRzDateTimeEdit=combobox",
      "TRzColorEdit=combobox",
      "TRzDateTimePicker=combobox",
      "TRzDBDateTimeEdit=combobox",
      "TRzDbColorEdit=combobox",
      "TRzDBDateTimePicker=combobox",
      "TLMDListCombobox=Combobox",
      "TLMDCheckListCombobox=Combobox",
      "TLMDHeaderListCombobox=Combobox",
      "TLMDImageCombobox=Combobox",
      "TLMDColorCombobox=Combobox",
      "TLMDFontCombobox=Combobox",
      "TLMDFontSizeCombobox=Combobox",
      "TLMDFontSizeCombobox=Combobox",
      "TLMDPrinterCombobox=Combobox",
      "TLMDDriveCombobox=Combobox",
      "TLMDCalculatorComboBox=Combobox",
      "TLMDTrackBarComboBox=Combobox",
      "TLMDCalendarComboBox=Combobox",
      "TLMDTreeComboBox=Combobox",
      "TDBLookupCombobox=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWDBLookupCombo=Combobox",
      "TWWKeyCombo=Combobox",
      "TWWTempKeyCombo=Combobox",
      "TWWDBDateTimePicker=Combobox",
      "TRxSpeedButton=speedbutton",
      "TfrSpeedButton=speedbutton",
      "TfrTBButton=speedbutton",
      "TRzButton=button",
      "TRzBitbtn=bitbtn",
      "TLMDButton=bitbtn",
      "TcxButton=bitbtn",
      "TRzMenuButton=menubtn",
      "TRzCheckGroup=CheckGroup",
      "TLMDCheckGroup=CheckGroup",
      "TLMDDBCheckGroup=CheckGroup",
      "TRzRadioGroup=Radiogroup",
      "TRzDBRadioGroup=Radiogroup",
      "TLMDRADIOGROUP=radiogroup",
      "TLMDDBRADIOGROUP=radiogroup",
      "TWWRADIOGROUP=radiogroup",
      "TcxDBRadioGroup=radiogroup",
      "TcxRadioGroup=radiogroup",
      "TRzButtonEdit=Edit",
      "TLMDCalculatorEdit=Edit",
      "TLMDEDIT=edit",
      "TLMDMASKEDIT=edit",
      "TLMDBROWSEEDIT=edit",
      "TLMDEXTSPINEDIT=edit",
      "TLMDCALENDAREDIT=edit",
      "TLMDFILEOPENEDIT=edit",
      "TLMDFILESAVEEDIT=edit",
      "TLMDCOLOREDIT=edit",
      "TLMDDBEDIT=edit",
      "TLMDDBMASKEDIT=edit",
      "TLMDDBEXTSPINEDIT=edit",
      "TLMDDBSPINEDIT=edit",
      "TLMDDBEDITDBLookup=edit",
      "TLMDEDITDBLookup=edit",
      "TWWDBEDIT=edit",
      "TOVCPICTUREFIELD=edit",
      "TOVCDBPICTUREFIELD=edit",
      "TOVCSLIDEREDIT=edit",
      "TOVCDBSLIDEREDIT=edit",
      "TOVCSIMPLEFIELD=edit",
      "TOVCDBSIMPLEFIELD=edit",
      "TO32DBFLEXEDIT=edit",
      "TOVCNUMERICFIELD=edit",
      "TOVCDBNUMERICFIELD=edit",
      "TRzDBRadioButton=Radiobutton",
      "TLMDRadiobutton=Radiobutton",
      "TLMDGroupBox=Groupbox",
      "TcxGroupbox=groupbox",
      "TDBCheckboxEh=Checkbox",
      "TDBCheckboxEh=Checkbox",
      "TLMDCHECKBOX=Checkbox",
      "TLMDDBCHECKBOX=Checkbox",
  };
  return rows;
}

void FillDefaultSkin3rd(TStrings& list) {
  list.BeginUpdate();
  list.Clear();
  for (std::string_view row : DefaultSkin3rdRows()) {
    list.Add(Latin1ToWide(row));
  }
  list.EndUpdate();
}

namespace {

WideString Lower(WideStringView text) {
  WideString out(text);
  for (char16_t& c : out) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c + 32);
    }
  }
  return out;
}

}  // namespace

WideString FindSkin3rdKind(const TStrings& list, WideStringView class_name) {
  const WideString key = Lower(class_name) + u"=";
  for (int i = 0; i < list.Count(); ++i) {
    const WideString row = Lower(list.Get(i));
    if (row.starts_with(key)) {
      return row.substr(key.size());
    }
  }
  return {};
}

}  // namespace kova
