// TStrings (a list of text lines, each with an attached object) and TStringList, the
// list that keeps its lines in memory. Text joins the lines, each followed by CR LF;
// assigning Text splits at CR LF, CR or LF.
#pragma once

#include <vector>

#include "forms/classes/component.h"

namespace kova {

class TStrings : public TPersistent {
  KOVA_DECLARE_CLASS(TStrings)

 public:
  virtual int Count() const = 0;
  virtual WideString Get(int index) const = 0;
  virtual void Put(int index, const WideString& line);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const WideString& line) = 0;
  virtual void InsertObject(int index, const WideString& line, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Add(const WideString& line);
  int AddObject(const WideString& line, TObject* object);
  // First index of a line equal to text (case-sensitive), -1 when absent.
  virtual int IndexOf(WideStringView text) const;
  int IndexOfObject(const TObject* object) const;

  WideString Text() const;
  void SetText(const WideString& text);
  // Lines joined with the separator, no trailing separator.
  WideString Join(WideStringView separator) const;

  void BeginUpdate();
  void EndUpdate();

  void Assign(const TPersistent* source) override;

 protected:
  // Called when the update count drops to 0 (and at every change while it is 0).
  virtual void SetUpdateState(bool updating) { (void)updating; }
  int UpdateCount() const { return update_count_; }
  void CheckIndex(int index, int limit) const;

 private:
  int update_count_ = 0;
};

class TStringList : public TStrings {
  KOVA_DECLARE_CLASS(TStringList)

 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  WideString Get(int index) const override;
  void Put(int index, const WideString& line) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const WideString& line) override;
  void InsertObject(int index, const WideString& line, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Changing();
  void Changed();

  struct Item {
    WideString text;
    TObject* object = nullptr;  // attached, not owned
  };
  std::vector<Item> items_;
};

}  // namespace kova
