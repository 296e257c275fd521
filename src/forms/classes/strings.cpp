#include "forms/classes/strings.h"

#include <string>

namespace kova {

const ClassInfo& TStrings::StaticClass() {
  static const ClassInfo info(
      "TStrings", &TPersistent::StaticClass(),
      PropertyListBuilder<TStrings>().String("Text", &TStrings::Text, &TStrings::SetText).Build());
  return info;
}

void TStrings::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) {
    throw EFrameworkError("List index out of bounds (" + std::to_string(index) + ")");
  }
}

void TStrings::Put(int index, const WideString& line) {
  TObject* object = GetObject(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, line, object);
  EndUpdate();
}

TObject* TStrings::GetObject(int) const {
  return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const WideString& line, TObject* object) {
  Insert(index, line);
  PutObject(index, object);
}

int TStrings::Add(const WideString& line) {
  const int index = Count();
  Insert(index, line);
  return index;
}

int TStrings::AddObject(const WideString& line, TObject* object) {
  const int index = Count();
  InsertObject(index, line, object);
  return index;
}

int TStrings::IndexOf(WideStringView text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) == text) {
      return i;
    }
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetObject(i) == object) {
      return i;
    }
  }
  return -1;
}

WideString TStrings::Text() const {
  WideString out;
  for (int i = 0; i < Count(); ++i) {
    out += Get(i);
    out += u"\r\n";
  }
  return out;
}

void TStrings::SetText(const WideString& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      Add(text.substr(start, i - start));
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
        ++i;
      }
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) {
    Add(text.substr(start));
  }
  EndUpdate();
}

WideString TStrings::Join(WideStringView separator) const {
  WideString out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) {
      out += separator;
    }
    out += Get(i);
  }
  return out;
}

void TStrings::BeginUpdate() {
  if (update_count_++ == 0) {
    SetUpdateState(true);
  }
}

void TStrings::EndUpdate() {
  if (update_count_ > 0 && --update_count_ == 0) {
    SetUpdateState(false);
  }
}

void TStrings::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TStrings*>(source)) {
    if (other == this) {
      return;
    }
    BeginUpdate();
    Clear();
    for (int i = 0; i < other->Count(); ++i) {
      AddObject(other->Get(i), other->GetObject(i));
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

const ClassInfo& TStringList::StaticClass() {
  static const ClassInfo info("TStringList", &TStrings::StaticClass(), {});
  return info;
}

WideString TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const WideString& line) {
  CheckIndex(index, Count());
  Changing();
  items_[static_cast<size_t>(index)].text = line;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index, Count());
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

void TStringList::Insert(int index, const WideString& line) {
  InsertObject(index, line, nullptr);
}

void TStringList::InsertObject(int index, const WideString& line, TObject* object) {
  CheckIndex(index, Count() + 1);
  Changing();
  items_.insert(items_.begin() + index, Item{line, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) {
    return;
  }
  Changing();
  items_.clear();
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  const TNotifyEvent& event = updating ? OnChanging : OnChange;
  if (event) {
    event(this);
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) {
    OnChanging(this);
  }
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) {
    OnChange(this);
  }
}

}  // namespace kova
