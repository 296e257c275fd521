// The numbered states and kinds of a skinned window and of the skin manager, as named
// values. The numbers are the ones other modules of the product and stored values use.
#pragma once

#include <cstdint>

#include "forms/classes/object.h"

namespace kova {

// Life of a skinned window's entry.
enum class SkinFormState : int32_t {
  kNew = 0,       // created, set-up message not yet handled
  kReady = 1,     // skinned
  kChanging = 3,  // applying a changed skin
  kRemoving = 4,  // being removed
  kResizing = 5,  // re-sizing during set-up
  kDeleted = 6,   // its window is gone; purged by the manager
};

// What the window is in an MDI application.
enum class SkinFormStyle : uint8_t { kOrdinary = 0, kMDIFrame = 1, kMDIChild = 2 };
enum class SkinWindowState : uint8_t { kNormal = 0, kMaximized = 1, kMinimized = 2 };
enum class SkinBorderStyle : uint8_t { kSizable = 0, kSingle = 1, kNone = 2, kDialog = 3 };

// The caption's boxes; as a set the bits are 1, 2, 4, 8 and 16.
enum class SkinBorderIcon : uint8_t {
  kMaximize = 0,
  kMinimize = 1,
  kHelp = 2,
  kSystemMenu = 3,
  kKeepSysMenuStyle = 4,  // leave WS_SYSMENU as the window has it
};
using SkinBorderIcons = EnumSet<SkinBorderIcon>;

// The kind of menu about to open.
enum class SkinMenuKind : int32_t { kPopup = 0, kMenuBar = 1, kSystem = 2 };

// The manager's life: values above kRunning only come from increments by modules that
// share the manager.
enum class SkinManagerState : int32_t { kIdle = 0, kRunning = 1, kShuttingDown = 4 };

}  // namespace kova
