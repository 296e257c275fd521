// The form manager: everything the library holds between KOVA_Initialize and
// KOVA_Uninitialize, and the dialogs' way to the shared services.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "config/cloader_win.h"
#include "config/interface_catalog.h"
#include "base/text.h"
#include "frame/modal_dialog.h"
#include "i18n/translate.h"
#include "ipc/host_interfaces.h"

namespace kova {

// The endpoint of the product's service on the IPC connection.
inline constexpr char16_t kServiceEndpoint[] = u"TREMMSrvcPpal";

class TComponent;

class CMsg {
 public:
  // Loads the dictionary, the product name, the resource library and the interface
  // catalog; raises CatalogUnreadable when the catalog cannot be read (what was loaded
  // before is released again).
  explicit CMsg(IHostContext* host_context);
  ~CMsg();
  CMsg(const CMsg&) = delete;
  CMsg& operator=(const CMsg&) = delete;

  // Refreshes the IPC connection, then creates the dialog of `form_id` as the current
  // dialog (destroying the one before). 0 when a dialog was created, 1 otherwise.
  std::int32_t ShowForm(std::uint32_t form_id);

  // Runs the firewall activation prompt modally with the given owner (or none) and
  // destroys it when it has closed; it never becomes the current dialog.
  void ShowFirewallPrompt(TComponent* owner);

  IModalDialog* GetCurrentDialog() const { return current_dialog_.get(); }
  CTranslate* GetTranslator() const { return translator_.get(); }
  HMODULE GetResourceModule() const { return resource_library_.GetHandle(); }
  IHostContext* GetHostContext() const { return host_context_; }
  const CInterfaceGlobalCatalog* GetGlobalCatalog() const { return catalog_.get(); }
  ISendToIPCEx* GetConnection() const { return connection_; }
  const WideString& GetProductName() const { return product_name_; }
  const WideString& GetDictionaryPath() const { return dictionary_path_; }

 private:
  void LoadProductName();
  void ReleaseConnection();
  void ReleaseTranslator();

  std::unique_ptr<IModalDialog> current_dialog_;
  IHostContext* host_context_ = nullptr;
  std::int32_t dictionary_handle_ = 0;
  CLoader resource_library_;
  std::unique_ptr<CTranslate> translator_;
  ISendToIPCEx* connection_ = nullptr;
  std::unique_ptr<CInterfaceGlobalCatalog> catalog_;
  WideString product_name_;
  WideString dictionary_path_;
};

// Installation path + "Lang\" + language + "\KOVADict.kvd", joined without any other
// separator (the setup writes the path with its final backslash).
WideString DictionaryPath(const WideString& setup_path, const WideString& language);

}  // namespace kova
