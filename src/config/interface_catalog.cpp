#include "config/interface_catalog.h"

#include <algorithm>
#include <limits>
#include <variant>

namespace kova {

std::int32_t CatalogInteger(WideStringView text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::min(value * 10 + (text[i] - u'0'), kLimit);
  }
  if (negative) {
    return static_cast<std::int32_t>(-value);
  }
  return static_cast<std::int32_t>(std::min(value, kLimit - 1));
}

bool CatalogBoolean(WideStringView text) {
  return text == u"true";
}

CInterfaceGlobalCatalog::CInterfaceGlobalCatalog()
    : process_extension_list(u"EXE|COM|MSI|"),
      service_name(u"TarnServiceMain"),
      list_separator(u"|"),
      skin_file_name(u"KOVASkin.skn"),
      service_check_interval(15000),
      service_check_interval_on_error(6000),
      service_start_timeout(30000),
      service_start_check_interval(200),
      red_range_max(32),
      red_range_min(0),
      yellow_range_max(65),
      yellow_range_min(33),
      green_range_max(100),
      green_range_min(66),
      undo_action_layer_timeout(3000),
      auto_diag_request_timeout(60000),
      console_opening_timeout(300),
      status_activity_update_interval(5000),
      open_console_visible(true),
      undo_action_layer_visible(true),
      malware_info_tries(1),
      malware_info_max_id(10) {}

void CInterfaceGlobalCatalog::ReadFrom(ICatalogSource& source) {
  using Target = std::variant<WideString*, std::int32_t*, bool*>;
  struct Key {
    const char16_t* base;
    const char16_t* suffix;
    const char16_t* attribute;  // null: the node's text
    Target target;
  };
  const char16_t* global = u"/InterfaceGlobalCatalog/GlobalConfig";
  const char16_t* urls = u"/InterfaceGlobalCatalog/Urls";
  const char16_t* diag = u"/InterfaceGlobalCatalog/AutoDiagCfg";
  const char16_t* features = u"/InterfaceGlobalCatalog/Features/Profile[@name='Normal']";
  // In the order the product has always read them.
  const Key keys[] = {
      {global, u"/ProcessExtensionList", nullptr, &process_extension_list},
      {global, u"/TarnServiceName", nullptr, &service_name},
      {global, u"/TarnServiceCheckTTL", nullptr, &service_check_interval},
      {global, u"/TarnServiceCheckTTL_OnError", nullptr, &service_check_interval_on_error},
      {global, u"/StringListSeparator", u"charSeparator", &list_separator},
      {global, u"/SkinFileName", nullptr, &skin_file_name},
      {global, u"/ConsoleOpeningTimeout", nullptr, &console_opening_timeout},
      {global, u"/StartServiceConfig", u"timeout", &service_start_timeout},
      {global, u"/StartServiceConfig", u"checkinterval", &service_start_check_interval},
      {global, u"/UndoActionLayer", u"timeout", &undo_action_layer_timeout},
      {global, u"/UndoActionLayer", u"visible", &undo_action_layer_visible},
      {global, u"/GetMalwareInfo", u"try", &malware_info_tries},
      {global, u"/GetMalwareInfo", u"maxID", &malware_info_max_id},
      {global, u"/StatusActivityTimeUpdate", nullptr, &status_activity_update_interval},
      {features, u"/Feature[@name='OpenConsole']", u"visible", &open_console_visible},
      {diag, u"/ColorIntervals/Color[@name='Red']", u"maxRangeValue", &red_range_max},
      {diag, u"/ColorIntervals/Color[@name='Red']", u"minRangeValue", &red_range_min},
      {diag, u"/ColorIntervals/Color[@name='Yellow']", u"maxRangeValue", &yellow_range_max},
      {diag, u"/ColorIntervals/Color[@name='Yellow']", u"minRangeValue", &yellow_range_min},
      {diag, u"/ColorIntervals/Color[@name='Green']", u"maxRangeValue", &green_range_max},
      {diag, u"/ColorIntervals/Color[@name='Green']", u"minRangeValue", &green_range_min},
      {diag, u"/WaitForRequestAutoDiag", u"timeout", &auto_diag_request_timeout},
      {urls, u"/Download", nullptr, &download_url},
      {urls, u"/CI", nullptr, &ci_url},
      {urls, u"/NewFeatures", nullptr, &new_features_url},
      {urls, u"/WebHelp", nullptr, &web_help_url},
      {urls, u"/Home", nullptr, &home_url},
      {urls, u"/YourOpinion", nullptr, &opinion_url},
      {urls, u"/Forum", nullptr, &forum_url},
      {urls, u"/TechSupport", nullptr, &tech_support_url},
      {urls, u"/Shop", nullptr, &shop_url},
      {urls, u"/MyShop", nullptr, &my_shop_url},
  };
  for (const Key& key : keys) {
    const WideString xpath = WideString(key.base) + key.suffix;
    const WideString text =
        key.attribute ? source.GetAttribute(xpath, key.attribute) : source.GetNodeText(xpath);
    if (auto* s = std::get_if<WideString*>(&key.target)) {
      **s = text;
    } else if (auto* i = std::get_if<std::int32_t*>(&key.target)) {
      **i = CatalogInteger(text);
    } else {
      *std::get<bool*>(key.target) = CatalogBoolean(text);
    }
  }
  if (status_activity_update_interval == 0) {
    status_activity_update_interval = 1000;
  }
}

}  // namespace kova
