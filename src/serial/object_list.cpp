#include "serial/object_list.h"

#include "serial/factory.h"
#include "serial/value_io.h"
#include "serial/wire_names.h"

namespace kova {

ITarnSerializable* TarnCloneObject(ITarnSerializable* item) {
  if (item == nullptr)
    return nullptr;
  TarnCreator creator = GetTarnFactory()->FindCreator(item->GetClassName());
  if (creator == nullptr)
    return nullptr;
  ITarnSerializable* copy = creator();
  if (copy != nullptr)
    copy->CopyFrom(item);
  return copy;
}

TarnResult CTarnSerializableList::QueryInterface(const TarnIid& iid, void** out) {
  if (out == nullptr)
    return TARN_E_INVALIDARG;
  if (iid == IID_ITarnSerializableList) {
    *out = static_cast<ITarnSerializableList*>(this);
  } else if (iid == IID_ITarnSerializable) {
    *out = static_cast<ITarnSerializable*>(this);
  } else {
    *out = nullptr;
    return TARN_E_NOINTERFACE;
  }
  AddRef();
  return TARN_S_OK;
}

const char16_t* CTarnSerializableList::GetClassName() {
  return wire_name::kObjectList;
}

void CTarnSerializableList::Store(ITarnArchive* archive) {
  TarnULong written = 0;
  for (ITarnSerializable* item : Items)
    written += item != nullptr ? 1 : 0;
  TarnWriteULong(*archive, written);
  for (ITarnSerializable* item : Items) {
    if (item != nullptr)
      TarnWriteObject(*archive, item);
  }
}

void CTarnSerializableList::Load(ITarnArchive* archive) {
  TarnULong count = 0;
  if (!TarnReadULong(*archive, count))
    return;
  // Each element takes at least its class name; the loop ends at the first element
  // that cannot even be named, so a huge count reads only the bytes that exist.
  for (TarnULong i = 0; i < count; ++i) {
    ITarnSerializable* object = nullptr;
    if (!TarnReadObjectChecked(*archive, &object)) {
      archive->Status = TARN_E_FAIL;
      return;
    }
    Items.push_back(object);
  }
}

void CTarnSerializableList::CopyFrom(ITarnSerializable* other) {
  RemoveAll();
  if (other == nullptr || other == this)
    return;
  void* view = nullptr;
  if (other->QueryInterface(IID_ITarnSerializableList, &view) != TARN_S_OK || view == nullptr)
    return;
  auto* list = static_cast<ITarnSerializableList*>(view);
  const TarnULong count = list->GetCount();
  for (TarnULong i = 0; i < count; ++i) {
    ITarnSerializable* element = nullptr;
    if (list->GetAt(i, &element) == TARN_S_OK && element != nullptr) {
      Add(element);
      element->Release();
    }
  }
  list->Release();
}

void CTarnSerializableList::Add(ITarnSerializable* item) {
  if (ITarnSerializable* copy = TarnCloneObject(item))
    Items.push_back(copy);
}

TarnResult CTarnSerializableList::GetAt(TarnULong index, ITarnSerializable** out) {
  if (out == nullptr || index >= Items.size())
    return TARN_E_INVALIDARG;
  *out = Items[index];
  if (*out != nullptr)
    (*out)->AddRef();
  return TARN_S_OK;
}

TarnResult CTarnSerializableList::RemoveAt(TarnULong index) {
  if (index >= Items.size())
    return TARN_E_INVALIDARG;
  ITarnSerializable* item = Items[index];
  Items.erase(Items.begin() + index);
  if (item != nullptr)
    item->Release();
  return TARN_S_OK;
}

void CTarnSerializableList::RemoveAll() {
  std::vector<ITarnSerializable*> items;
  items.swap(Items);
  for (ITarnSerializable* item : items) {
    if (item != nullptr)
      item->Release();
  }
}

}  // namespace kova
