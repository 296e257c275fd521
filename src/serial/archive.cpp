#include "serial/archive.h"

namespace kova {

CTarnArchiveStream::CTarnArchiveStream(const void* data, TarnULong length)
    : Buffer(data ? std::string_view(static_cast<const char*>(data), length) : std::string_view()) {
}

bool CTarnArchiveStream::OpenForWrite() {
  Buffer.OpenForWrite();
  return true;
}

bool CTarnArchiveStream::OpenForRead() {
  Buffer.OpenForRead();
  return true;
}

void CTarnArchiveStream::Close() {
  Buffer.Close();
}

TarnULong CTarnArchiveStream::Write(const void* data, TarnULong size, TarnULong count) {
  return Buffer.Write(data, size, count);
}

TarnULong CTarnArchiveStream::Read(void* data, TarnULong size, TarnULong count) {
  return Buffer.Read(data, size, count);
}

bool CTarnArchiveStream::CheckReadable(std::uint64_t bytes) {
  return Buffer.CheckReadable(bytes);
}

}  // namespace kova
