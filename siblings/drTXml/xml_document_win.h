// XML documents of drTXml.dll, on the platform's MSXML: a document owns its root
// object, the root owns its query object; nodes and strings are handed to the caller,
// who releases them.
#pragma once

#include <windows.h>
#include <msxml2.h>

#include <atomic>
#include <memory>

#include "config/sibling_interfaces.h"
#include "drTXml/com_ref_win.h"
#include "base/text.h"

namespace kova::siblings {

class TarnString final : public ITarnString {
 public:
  explicit TarnString(WideString text) : text_(std::move(text)) {}
  const char16_t* GetChars() override { return text_.c_str(); }
  bool IsEmpty() override { return text_.empty(); }
  void Release() override { delete this; }

 private:
  ~TarnString() = default;
  WideString text_;
};

class XmlNode final : public IXmlNode {
 public:
  explicit XmlNode(ComRef<IXMLDOMNode> node) : node_(std::move(node)) {}
  std::int32_t GetText(ITarnString** text) override;
  std::int32_t GetAttribute(const char16_t* name, ITarnString** value) override;
  void Release() override { delete this; }

 private:
  ~XmlNode() = default;
  ComRef<IXMLDOMNode> node_;
};

class XmlQuery final : public IXmlQuery {
 public:
  explicit XmlQuery(IXMLDOMDocument2* document) : document_(document) {}
  std::int32_t SelectSingleNode(const char16_t* xpath, IXmlNode** node) override;

 private:
  IXMLDOMDocument2* document_;  // owned by the document object
};

class XmlRoot final : public IXmlRoot {
 public:
  explicit XmlRoot(IXMLDOMDocument2* document) : query_(document) {}
  IXmlQuery* GetQuery() override { return &query_; }

 private:
  XmlQuery query_;
};

class XmlDocument final : public IXmlDocument {
 public:
  // A new document holding one reference; null when MSXML is not available.
  static XmlDocument* Create();

  bool LoadFromText(const char16_t* text) override;
  IXmlRoot* GetRoot() override { return root_.get(); }
  void Release() override;

 private:
  explicit XmlDocument(ComRef<IXMLDOMDocument2> document) : document_(std::move(document)) {}
  ~XmlDocument() = default;

  ComRef<IXMLDOMDocument2> document_;
  std::unique_ptr<XmlRoot> root_;  // exists after a successful load
  std::atomic<long> references_{1};
};

}  // namespace kova::siblings
