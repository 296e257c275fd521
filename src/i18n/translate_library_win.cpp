#include "config/module_directory_win.h"
#include "config/sibling_libraries_win.h"
#include "i18n/translate.h"

namespace kova {

CTranslate::CTranslate() : owns_library_(true) {
  const WideString directory = ModuleDirectory(ThisModule()) + u"\\";
  if (LangLibrary::Load(directory.c_str())) {
    if (auto create = LangLibrary::CreateDictionaryEntry()) {
      create(&dictionary_);
    }
  }
}

CTranslate::~CTranslate() {
  if (!owns_library_) {
    return;
  }
  if (auto release = LangLibrary::ReleaseEntry()) {
    release();
  }
  LangLibrary::Unload();
  dictionary_ = nullptr;
}

}  // namespace kova
