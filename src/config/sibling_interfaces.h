// Objects handed out by the product's sibling modules. Each is a binary contract
// between separately built modules: member order is slot order, never reorder.
// On x64 Windows a virtual call passes the object as the first argument, which is the
// calling convention these modules agree on; in the 32-bit build they agree on the
// compilers' member-function convention (the object in ECX, the callee cleans up).
// The host's COM-layout objects differ: see ipc/host_interfaces.h.
#pragma once

#include <cstdint>

namespace kova {

// --- KOVAUtils.dll: configuration store -----------------------------------------
class IConfigStore {
 public:
  // Slot 1. The string value of a configuration identifier, NUL-terminated and owned
  // by the store (valid until the library is uninitialised); null when unknown.
  virtual const char16_t* GetString(std::uint32_t id, std::int32_t reserved) = 0;
  // Slot 2. An integer value; `fallback` when unknown.
  virtual std::int32_t GetInteger(std::uint32_t id, std::int32_t fallback) = 0;

 protected:
  ~IConfigStore() = default;
};

// Configuration identifier of the product's display name.
inline constexpr std::uint32_t kConfigProductName = 0x4009004;

// --- TREMLang.dll: dictionary ----------------------------------------------------
class ILangDictionary {
 public:
  virtual std::int32_t Reserved1() = 0;  // slot 1
  // Slot 2. Loads the dictionary file; writes a handle (0 when nothing was loaded).
  virtual std::int32_t Load(const char16_t* path, std::int32_t* handle) = 0;
  virtual std::int32_t Reserved3() = 0;  // slot 3
  // Slot 4. Non-zero when the translation of `key` was written to `buffer` (NUL
  // included). When the buffer is too small, answers 0 and sets *size to the size the
  // translation needs in characters, NUL included (so that a translation of exactly
  // the first buffer's size is reported as larger than it and fetched again).
  virtual std::int32_t Lookup(const std::int32_t* handle, const char16_t* key, char16_t* buffer,
                              std::uint32_t* size) = 0;
  // Slot 5. Unloads the dictionary of that handle.
  virtual std::int32_t Unload(const std::int32_t* handle) = 0;

 protected:
  ~ILangDictionary() = default;
};

// --- DORFiles.dll: files repository ----------------------------------------------
class IFilesStream {
 public:
  // Length of the item's text in UTF-16 units (byte-order mark included).
  virtual std::uint32_t GetLength() = 0;
  // Reads up to *length units; writes the number read back to *length. 0 on success.
  virtual std::int32_t Read(char16_t* buffer, std::uint32_t* length) = 0;
  // Ends the stream and frees it. 0 on success.
  virtual std::int32_t Close(std::int32_t flags) = 0;

 protected:
  ~IFilesStream() = default;
};

class IFilesItem {
 public:
  // Opens the item's content. 0 and a stream on success.
  virtual std::int32_t OpenStream(std::int32_t mode, IFilesStream** stream, std::int32_t share) = 0;

 protected:
  ~IFilesItem() = default;  // items belong to the repository
};

class IFilesRepository {
 public:
  // Opens an item by name. 0 and an item (owned by the repository) on success.
  virtual std::int32_t OpenItem(const char16_t* name, IFilesItem** item) = 0;

 protected:
  ~IFilesRepository() = default;
};

// --- drTXml.dll: XML documents with XPath ------------------------------------------
class ITarnString {
 public:
  virtual const char16_t* GetChars() = 0;  // NUL-terminated
  virtual bool IsEmpty() = 0;
  virtual void Release() = 0;

 protected:
  ~ITarnString() = default;
};

class IXmlNode {
 public:
  // 0 and a string object (the caller releases it) on success.
  virtual std::int32_t GetText(ITarnString** text) = 0;
  virtual std::int32_t GetAttribute(const char16_t* name, ITarnString** value) = 0;
  virtual void Release() = 0;

 protected:
  ~IXmlNode() = default;
};

class IXmlQuery {
 public:
  // 0 and a node (the caller releases it) when the XPath selects one.
  virtual std::int32_t SelectSingleNode(const char16_t* xpath, IXmlNode** node) = 0;

 protected:
  ~IXmlQuery() = default;  // owned by its root
};

class IXmlRoot {
 public:
  virtual IXmlQuery* GetQuery() = 0;

 protected:
  ~IXmlRoot() = default;  // owned by its document
};

class IXmlDocument {
 public:
  virtual bool LoadFromText(const char16_t* text) = 0;
  virtual IXmlRoot* GetRoot() = 0;  // null before a successful load
  virtual void Release() = 0;

 protected:
  ~IXmlDocument() = default;
};

class IHostContext;  // host/ipc: src/ipc/host_interfaces.h

// Entry points, C calling convention, exported under exactly these names.
extern "C" {
using CommonDefsInitializeFn = std::int32_t (*)(IHostContext* context);
using CommonDefsUninitializeFn = std::int32_t (*)();
using CommonDefsGetConfigStoreFn = IConfigStore* (*)();
using CommonDefsGetConfigStringListFn = void* (*)();
using LangCreateDictionaryFn = std::int32_t (*)(ILangDictionary** dictionary);  // _00001_
using LangReleaseFn = std::int32_t (*)();                                       // _00002_
using XmlInitLibraryFn = std::int32_t (*)(std::int32_t);
using XmlReleaseLibraryFn = std::int32_t (*)();
using XmlCreateDocumentFn = IXmlDocument* (*)();
using FilesInitLibraryFn = std::int32_t (*)(std::int32_t);
using FilesReleaseLibraryFn = std::int32_t (*)();
using FilesGetRepositoryFn = IFilesRepository* (*)();
using KovaInitializeFn = std::int32_t (*)(void* context);
using KovaShowFormFn = std::int32_t (*)(std::int32_t form_id);
using KovaUninitializeFn = std::int32_t (*)();
}

}  // namespace kova
