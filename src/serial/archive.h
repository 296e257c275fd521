// Archives: the flat byte streams that serializable objects are written to and read
// from. The format carries no lengths of its own: a reader issues exactly the reads
// the writer issued, in the same order.
#pragma once

#include <cstdint>
#include <string_view>

#include "serial/archive_buffer.h"
#include "serial/interfaces.h"

namespace kova {

class ITarnArchive {
 public:
  // Creates the objects read from this archive; taken from GetTarnFactory() the first
  // time one is needed.
  ITarnFactory* Factory = nullptr;
  // Outcome of the last value operation: TARN_E_FAIL until one completes, then 0.
  TarnResult Status = TARN_E_FAIL;

  // Ends the archive's life (deletes a stand-alone archive, releases a message).
  virtual void Destroy() = 0;
  // Each closes whatever is open first. Both always answer true.
  virtual bool OpenForWrite() = 0;
  virtual bool OpenForRead() = 0;
  virtual void Close() = 0;
  // Answer size * count, or 0 when the archive is not open that way, the stream failed
  // or (Read) fewer bytes remain. Callers treat 0 as failure.
  virtual TarnULong Write(const void* data, TarnULong size, TarnULong count) = 0;
  virtual TarnULong Read(void* data, TarnULong size, TarnULong count) = 0;
  // Whether `bytes` more bytes remain to be read. A count taken from outside bytes is
  // checked with this before anything is allocated for it; a false answer fails the
  // reader as a short read does.
  virtual bool CheckReadable(std::uint64_t bytes) = 0;

 protected:
  ~ITarnArchive() = default;
};

// A stand-alone memory archive.
class CTarnArchiveStream final : public ITarnArchive {
 public:
  CTarnArchiveStream() = default;
  // The bytes are the archive's contents; the first opening for reading starts at the
  // first of them, and an opening for writing appends after them.
  CTarnArchiveStream(const void* data, TarnULong length);
  ~CTarnArchiveStream() = default;

  CTarnArchiveStream(const CTarnArchiveStream&) = delete;
  CTarnArchiveStream& operator=(const CTarnArchiveStream&) = delete;

  // For archives made with new.
  void Destroy() override { delete this; }
  bool OpenForWrite() override;
  bool OpenForRead() override;
  void Close() override;
  TarnULong Write(const void* data, TarnULong size, TarnULong count) override;
  TarnULong Read(void* data, TarnULong size, TarnULong count) override;
  bool CheckReadable(std::uint64_t bytes) override;

  std::string_view Contents() const { return Buffer.bytes(); }

 private:
  ArchiveBuffer Buffer;
};

}  // namespace kova
