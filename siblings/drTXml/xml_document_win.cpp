#include "drTXml/xml_document_win.h"

namespace kova::siblings {

namespace {

// The platform's identifiers of its XML parser, versions 6.0 and 3.0.
constexpr CLSID kDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kDomDocument30 = {
    0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
constexpr IID kIXMLDOMDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
constexpr IID kIXMLDOMElement = {
    0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

constexpr std::int32_t kOk = 0;
constexpr std::int32_t kNotFound = 1;
constexpr std::int32_t kInvalidArgument = 2;

void SetProperty(IXMLDOMDocument2* document, const wchar_t* name, VARIANT value) {
  Bstr property(name);
  document->setProperty(property.get(), value);
}

ITarnString* NewString(const Bstr& text) {
  return new TarnString(text.get() ? WideString(FromWin(text.get()), text.length()) : WideString());
}

}  // namespace

XmlDocument* XmlDocument::Create() {
  ComRef<IXMLDOMDocument2> document;
  for (const CLSID& clsid : {kDomDocument60, kDomDocument30}) {
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIXMLDOMDocument2,
                                   document.ReceiveVoid())) &&
        document) {
      break;
    }
  }
  if (!document) {
    return nullptr;
  }
  document->put_async(VARIANT_FALSE);
  document->put_validateOnParse(VARIANT_FALSE);
  document->put_resolveExternals(VARIANT_FALSE);
  VARIANT xpath;
  VariantInit(&xpath);
  xpath.vt = VT_BSTR;
  xpath.bstrVal = SysAllocString(L"XPath");
  SetProperty(document.get(), L"SelectionLanguage", xpath);
  VariantClear(&xpath);
  // The catalog is plain data: no document type definitions, nothing fetched.
  VARIANT prohibit;
  VariantInit(&prohibit);
  prohibit.vt = VT_BOOL;
  prohibit.boolVal = VARIANT_TRUE;
  SetProperty(document.get(), L"ProhibitDTD", prohibit);
  return new XmlDocument(std::move(document));
}

bool XmlDocument::LoadFromText(const char16_t* text) {
  root_.reset();
  if (text == nullptr) {
    return false;
  }
  // Documents of ours never declare a document type. Some parsers ignore ProhibitDTD,
  // so a declaration (and with it entity expansion) is refused here for all of them.
  if (WideStringView(text).find(u"<!DOCTYPE") != WideStringView::npos) {
    return false;
  }
  Bstr source(AsWin(text));
  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (FAILED(document_->loadXML(source.get(), &loaded)) || loaded != VARIANT_TRUE) {
    return false;
  }
  ComRef<IXMLDOMElement> element;
  if (FAILED(document_->get_documentElement(element.Receive())) || !element) {
    return false;
  }
  root_ = std::make_unique<XmlRoot>(document_.get());
  return true;
}

void XmlDocument::Release() {
  if (references_.fetch_sub(1) == 1) {
    delete this;
  }
}

std::int32_t XmlQuery::SelectSingleNode(const char16_t* xpath, IXmlNode** node) {
  if (node == nullptr) {
    return kInvalidArgument;
  }
  *node = nullptr;
  if (xpath == nullptr) {
    return kInvalidArgument;
  }
  Bstr query(AsWin(xpath));
  ComRef<IXMLDOMNode> found;
  // S_FALSE: nothing selected; a failure: the expression is not valid XPath.
  if (document_->selectSingleNode(query.get(), found.Receive()) != S_OK || !found) {
    return kNotFound;
  }
  *node = new XmlNode(std::move(found));
  return kOk;
}

std::int32_t XmlNode::GetText(ITarnString** text) {
  if (text == nullptr) {
    return kInvalidArgument;
  }
  *text = nullptr;
  Bstr value;
  if (FAILED(node_->get_text(value.Receive()))) {
    return kNotFound;
  }
  *text = NewString(value);
  return kOk;
}

std::int32_t XmlNode::GetAttribute(const char16_t* name, ITarnString** value) {
  if (value == nullptr) {
    return kInvalidArgument;
  }
  *value = nullptr;
  if (name == nullptr) {
    return kInvalidArgument;
  }
  ComRef<IXMLDOMElement> element;
  if (FAILED(node_->QueryInterface(kIXMLDOMElement, element.ReceiveVoid())) || !element) {
    return kNotFound;
  }
  Bstr attribute(AsWin(name));
  Variant result;
  if (element->getAttribute(attribute.get(), result.get()) != S_OK ||
      result.value().vt != VT_BSTR) {
    return kNotFound;
  }
  const BSTR chars = result.value().bstrVal;
  *value = new TarnString(chars ? WideString(FromWin(chars), SysStringLen(chars)) : WideString());
  return kOk;
}

}  // namespace kova::siblings
