// The objects the host process hands to the library. Both are the host's own; their
// slot order is a binary contract with every host, so never reorder members.
#pragma once

#include <cstdint>

namespace kova {

// The convention of the host's COM-layout objects: on 32-bit Windows the object and
// the arguments go on the stack and the callee cleans up, as every COM object expects;
// 64-bit Windows has a single convention.
#if defined(_WIN32) && !defined(_WIN64)
#define KOVA_HOSTCALL __stdcall
#else
#define KOVA_HOSTCALL
#endif

// 32 bits on the wire and in the host's ABI (an "unsigned long" of the Windows host).
using HostULong = std::uint32_t;
using HostResult = std::int32_t;

struct HostGuid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

// The IPC connection to the product's service. Slots, counted from 1, as the library
// calls them: 6 SetServerName, 7 Disconnect, 8 Send, 10 SendAsync, 14 Shutdown,
// 15 SendWithTimeout. The rest belong to the host.
class ISendToIPCEx {
 public:
  // Receives the reply of one SendAsync; called on a thread of the connection.
  class IServerCallback {
   public:
    virtual void KOVA_HOSTCALL OnCancelled() = 0;                                 // slot 1
    virtual void KOVA_HOSTCALL OnResponse(const void* data, HostULong size) = 0;  // slot 2

   protected:
    ~IServerCallback() = default;
  };

  virtual HostResult KOVA_HOSTCALL QueryInterface(const HostGuid& iid,
                                                  void** object) = 0;        // slot 1
  virtual HostULong KOVA_HOSTCALL AddRef() = 0;                              // slot 2
  virtual HostULong KOVA_HOSTCALL Release() = 0;                             // slot 3
  virtual HostResult KOVA_HOSTCALL Connect() = 0;                            // slot 4
  virtual HostResult KOVA_HOSTCALL IsConnected() = 0;                        // slot 5
  virtual HostResult KOVA_HOSTCALL SetServerName(const char16_t* name) = 0;  // slot 6
  virtual HostResult KOVA_HOSTCALL Disconnect() = 0;                         // slot 7
  virtual HostResult KOVA_HOSTCALL Send(const void* data, HostULong size, const void** reply,
                                        HostULong* reply_size) = 0;             // slot 8
  virtual HostResult KOVA_HOSTCALL Post(const void* data, HostULong size) = 0;  // slot 9
  virtual HostResult KOVA_HOSTCALL SendAsync(const void* data, HostULong size,
                                             IServerCallback* callback) = 0;       // slot 10
  virtual HostResult KOVA_HOSTCALL CancelAsync() = 0;                              // slot 11
  virtual HostResult KOVA_HOSTCALL GetLastResult() = 0;                            // slot 12
  virtual HostResult KOVA_HOSTCALL SetDefaultTimeout(HostULong milliseconds) = 0;  // slot 13
  virtual HostResult KOVA_HOSTCALL Shutdown() = 0;                                 // slot 14
  virtual HostResult KOVA_HOSTCALL SendWithTimeout(const void* data, HostULong size,
                                                   const void** reply, HostULong* reply_size,
                                                   HostULong timeout_ms) = 0;  // slot 15

 protected:
  ~ISendToIPCEx() = default;
};

// The host's context object given to KOVA_Initialize (COM layout). The library uses
// slot 4 (GetConnection) and slot 5 (GetApplicationContext).
class IHostContext {
 public:
  virtual HostResult KOVA_HOSTCALL QueryInterface(const HostGuid& iid,
                                                  void** object) = 0;  // slot 1
  virtual HostULong KOVA_HOSTCALL AddRef() = 0;                        // slot 2
  virtual HostULong KOVA_HOSTCALL Release() = 0;                       // slot 3
  // 0 and a connection on success; anything else means no connection.
  virtual HostResult KOVA_HOSTCALL GetConnection(ISendToIPCEx** connection) = 0;  // slot 4
  // The product's application context (a COM object) for creating its components;
  // the second argument is always 0. Answers an HRESULT.
  virtual HostResult KOVA_HOSTCALL GetApplicationContext(void** application_context,
                                                         std::int32_t reserved) = 0;  // slot 5

 protected:
  ~IHostContext() = default;
};

}  // namespace kova
