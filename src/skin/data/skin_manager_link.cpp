#include "skin/data/skin_manager_link.h"

namespace kova {

namespace {

SkinManagerFactory g_factory = nullptr;
SkinManagerLink* (*g_current)() = nullptr;

}  // namespace

SkinManagerLink* CurrentSkinManager() {
  return g_current != nullptr ? g_current() : nullptr;
}

SkinManagerLink* EnsureSkinManager() {
  if (SkinManagerLink* manager = CurrentSkinManager()) {
    return manager;
  }
  return g_factory != nullptr ? g_factory() : nullptr;
}

void SetSkinManagerFactory(SkinManagerFactory factory, SkinManagerLink* (*current)()) {
  g_factory = factory;
  g_current = current;
}

}  // namespace kova
