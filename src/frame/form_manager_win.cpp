#include "frame/form_manager_win.h"

#include "config/module_directory_win.h"
#include "config/setup_registry_win.h"
#include "config/sibling_libraries_win.h"
#include "dialogs/firewall_prompt_win.h"
#include "frame/trace_win.h"

namespace kova {

WideString DictionaryPath(const WideString& setup_path, const WideString& language) {
  return setup_path + u"Lang\\" + language + u"\\KOVADict.kvd";
}

CMsg::CMsg(IHostContext* host_context) : host_context_(host_context) {
  translator_ = std::make_unique<CTranslate>();
  dictionary_path_ = DictionaryPath(GetSetupPath(), GetSetupLanguage());
  dictionary_handle_ = translator_->LoadDictionary(dictionary_path_);

  LoadProductName();

  const WideString resources = ModuleDirectory(ThisModule()) + u"\\KOVAResources.dll";
  resource_library_.Load(resources.c_str(), 0, true);

  try {
    catalog_ = std::make_unique<CInterfaceGlobalCatalog>(ThisModule());
  } catch (...) {
    // The destructor will not run: release what the steps before have loaded.
    ReleaseTranslator();
    throw;
  }
  Trace(u"initialised: product name \"" + product_name_ + u"\", skin file \"" +
        catalog_->skin_file_name + u"\", dictionary \"" + dictionary_path_ + u"\"");
  Trace(u"dictionary: \"Desinstalaci\u00F3n de %s\" -> \"" +
        translator_->Translate(u"Desinstalaci\u00F3n de %s") + u"\"");
}

void CMsg::LoadProductName() {
  if (!CommonDefsLibrary::Load(nullptr, host_context_)) {
    return;
  }
  if (IConfigStore* store = CommonDefsLibrary::GetConfigStore()) {
    if (const char16_t* name = store->GetString(kConfigProductName, 0)) {
      product_name_ = name;
    }
  }
  CommonDefsLibrary::Unload();
}

CMsg::~CMsg() {
  ReleaseConnection();
  ReleaseTranslator();
  current_dialog_.reset();
  resource_library_.Unload(true);
  catalog_.reset();
}

void CMsg::ReleaseConnection() {
  if (connection_ != nullptr) {
    connection_->Disconnect();
    connection_->Shutdown();
    connection_ = nullptr;
  }
}

void CMsg::ReleaseTranslator() {
  if (translator_) {
    translator_->UnloadDictionary(dictionary_handle_);
    translator_.reset();
  }
}

std::int32_t CMsg::ShowForm(std::uint32_t form_id) {
  if (host_context_ != nullptr) {
    ISendToIPCEx* connection = nullptr;
    if (host_context_->GetConnection(&connection) == 0 && connection != nullptr) {
      connection_ = connection;
      connection_->SetServerName(kServiceEndpoint);
    }
  }
  if (form_id > 4) {
    return 1;
  }
  const DialogFactory factory = FindDialogFactory(form_id);
  if (factory == nullptr) {
    return 1;
  }
  // The dialog shown before has closed and nothing else can reach it.
  current_dialog_.reset();
  current_dialog_ = factory(*this);
  return current_dialog_ ? 0 : 1;
}

void CMsg::ShowFirewallPrompt(TComponent* owner) {
  const auto prompt = std::make_unique<TFirewallActivateForm>(owner, *this);
  prompt->ShowModal();
}

}  // namespace kova
