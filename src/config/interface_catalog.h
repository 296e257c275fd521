// The product's user-interface settings, read once from the interface catalog
// "KOVAMainCat" when the form manager is built.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "base/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kova {

// Where catalog values come from: XPath queries on the catalog document.
class ICatalogSource {
 public:
  virtual ~ICatalogSource() = default;
  // The selected node's text; empty when the node is missing.
  virtual WideString GetNodeText(const WideString& xpath) = 0;
  // The selected node's attribute; empty when the node or the attribute is missing.
  virtual WideString GetAttribute(const WideString& xpath, const WideString& name) = 0;
};

// Raised when the catalog cannot be opened; carries no message.
class CatalogUnreadable : public std::exception {
 public:
  const char* what() const noexcept override { return ""; }
};

// Catalog integers: leading white space and a sign accepted, conversion stops at the
// first non-digit, no digits give 0; values beyond 32 bits saturate.
std::int32_t CatalogInteger(WideStringView text);
// Catalog booleans: true exactly for "true".
bool CatalogBoolean(WideStringView text);

class CInterfaceGlobalCatalog {
 public:
  // Sets the defaults only; ReadFrom fills the values.
  CInterfaceGlobalCatalog();
#ifdef _WIN32
  // Reads the catalog through the product's XML and files libraries found in the
  // directory of `module`; raises CatalogUnreadable when it cannot be opened.
  explicit CInterfaceGlobalCatalog(HMODULE module);
#endif
  virtual ~CInterfaceGlobalCatalog() = default;

  // Queries every value in the catalog's order and stores it; a missing value replaces
  // the default with empty, 0 or false.
  void ReadFrom(ICatalogSource& source);

  WideString process_extension_list;
  WideString service_name;
  WideString list_separator;
  WideString skin_file_name;
  WideString download_url;
  WideString ci_url;
  WideString new_features_url;
  WideString web_help_url;
  WideString home_url;
  WideString opinion_url;
  WideString forum_url;
  WideString tech_support_url;
  WideString shop_url;
  WideString my_shop_url;
  std::int32_t service_check_interval;
  std::int32_t service_check_interval_on_error;
  std::int32_t service_start_timeout;
  std::int32_t service_start_check_interval;
  std::int32_t red_range_max;
  std::int32_t red_range_min;
  std::int32_t yellow_range_max;
  std::int32_t yellow_range_min;
  std::int32_t green_range_max;
  std::int32_t green_range_min;
  std::int32_t undo_action_layer_timeout;
  std::int32_t auto_diag_request_timeout;
  std::int32_t console_opening_timeout;
  std::int32_t status_activity_update_interval;
  bool open_console_visible;
  bool undo_action_layer_visible;
  std::int32_t malware_info_tries;
  std::int32_t malware_info_max_id;
};

}  // namespace kova
