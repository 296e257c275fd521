// The skin engine's compressor: LZSS over a 4096-byte ring buffer with an adaptive
// Huffman code for literals and match lengths and a fixed prefix code for match
// positions (ring 4096, look-ahead 60, threshold 2). Streams are bit-compatible with
// every decoder of that classic format.
//
// The compressed-stream framing used by skin files and compressed INI text is a
// signed 32-bit little-endian uncompressed size followed by the bit stream; see
// CompressStream / DecompressStream.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "base/streams.h"
#include "skin/data/lzh_huffman.h"

namespace kova {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TLZH {
 public:
  // Block callbacks: move up to `count` bytes and report how many were moved. The
  // reader signals the end of its input by reporting 0.
  using TReadProc = std::function<void(uint8_t* buffer, uint16_t count, uint16_t& got)>;
  using TWriteProc = std::function<void(const uint8_t* buffer, uint16_t count, uint16_t& put)>;

  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Streams behind GetBlockStream / PutBlockStream; not owned.
  TStream* SourceStream = nullptr;
  TStream* DestStream = nullptr;

  // Compresses everything `read` delivers; `input_size` receives the number of
  // uncompressed bytes consumed.
  void LZHPack(int32_t& input_size, const TReadProc& read, const TWriteProc& write);
  // Decodes until exactly `output_size` bytes have been written. Input that ends
  // early decodes as zero bits.
  void LZHUnpack(int32_t output_size, const TReadProc& read, const TWriteProc& write);

  void GetBlockStream(uint8_t* buffer, uint16_t count, uint16_t& got);
  void PutBlockStream(const uint8_t* buffer, uint16_t count, uint16_t& put);
  TReadProc StreamReader();
  TWriteProc StreamWriter();

  int32_t textsize() const { return textsize_; }
  int32_t codesize() const { return codesize_; }

 private:
  class Input;
  class BitReader;
  class Output;

  void InitLZH();
  void EndLZH();

  void InitTree();
  void InsertNode(int r);
  void DeleteNode(int p);
  void ReplaceNode(size_t p, size_t r);
  // Out of line, so that the search loads its links straight from the node index.
  [[gnu::noinline]] void Attach(size_t r, size_t p, size_t side);

  void Putcode(Output& out, int length, uint32_t code);
  void EncodeEnd(Output& out);

  void EncodeChar(Output& out, int c);
  void EncodePosition(Output& out, int c);
  static int DecodeChar(LzhHuffmanTree& tree, BitReader& in);
  static int DecodePosition(BitReader& in);

  // The output side keeps up to 64 pending bits so that codes longer than 16 bits
  // (possible in a deep adaptive tree) are emitted intact.
  uint64_t putbuf_ = 0;
  int putlen_ = 0;

  int32_t textsize_ = 0;
  int32_t codesize_ = 0;
  int16_t match_position_ = 0;
  int16_t match_length_ = 0;

  std::vector<uint8_t> text_buf_;
  // The search trees: node p's left link at 2p and its right one at 2p + 1 of child_,
  // and in up_ the index of the link that holds p. Nodes are ring positions; the 256
  // roots, one per first byte, come after them.
  std::vector<uint16_t> child_, up_;
  std::unique_ptr<LzhHuffmanTree> huffman_;
};

// Largest uncompressed size a stream of `packed_bytes` can encode: every symbol costs
// at least one bit and a 60-byte match at least ten, so at most 48 bytes per byte.
int64_t MaxUnpackedSize(int64_t packed_bytes);
// Sizes above this are refused outright.
inline constexpr int64_t kUnpackedSizeLimit = int64_t{256} << 20;

enum class LzhStatus {
  kOk,
  kMissingHeader,  // fewer than 4 bytes
  kNegativeSize,
  kSizeTooLarge,  // more than the compressed bytes can hold, or above the limit
};
const char* LzhStatusText(LzhStatus status);

// Writes the 4-byte size of `source` and the compressed bit stream of its whole
// content to `dest` from position 0; `dest` ends where the stream ends.
void CompressStream(TStream& source, TStream& dest);
// Reads the size header and the bit stream of `source` from position 0 and writes
// exactly the stated number of bytes to `dest` from position 0; `dest` is cut to
// that size. A header that cannot be right is refused before anything is decoded.
LzhStatus DecompressStream(TStream& source, TStream& dest);

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data);
LzhStatus DecompressBytes(std::span<const uint8_t> packed, std::vector<uint8_t>& data);

}  // namespace kova
