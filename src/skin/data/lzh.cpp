#include "skin/data/lzh.h"

#include <algorithm>
#include <bit>
#include <array>
#include <cstring>
#include <new>

#include "skin/data/byte_view_stream.h"

namespace kova {

namespace {

constexpr int N = 4096;                      // ring buffer size
constexpr int F = 60;                        // look-ahead size and longest match
constexpr int THRESHOLD = 2;                 // longer matches than this are coded as matches
constexpr int NIL = N;                       // empty link in the search trees
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths 3..60
constexpr uint8_t kFill = 0x20;              // initial ring content

constexpr size_t kBlock = 4096;  // callback block size; the bit stream does not depend on it
// Zeroed bytes after the look-ahead let the match search compare eight bytes at a time.
constexpr int kCompareSlack = 8;
static_assert(N_CHAR == LzhHuffmanTree::kSymbols);

// The fixed prefix code of the upper six bits of a match position: the canonical code
// with lengths 3 (1 value), 4 (3), 5 (8), 6 (12), 7 (24) and 8 (16), in value order.
struct PositionCode {
  std::array<uint8_t, 64> p_len{};
  std::array<uint8_t, 64> p_code{};
  std::array<uint8_t, 256> d_code{};
  std::array<uint8_t, 256> d_len{};
};

constexpr PositionCode MakePositionCode() {
  PositionCode table;
  constexpr int kGroups[][2] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
  int value = 0;
  int code = 0;  // canonical code, right-aligned in `length` bits
  int previous_length = 3;
  for (const auto& [length, count] : kGroups) {
    code <<= (length - previous_length);
    previous_length = length;
    for (int k = 0; k < count; ++k, ++value, ++code) {
      const int byte = code << (8 - length);
      table.p_len[value] = static_cast<uint8_t>(length);
      table.p_code[value] = static_cast<uint8_t>(byte);
      for (int b = byte; b < byte + (1 << (8 - length)); ++b) {
        table.d_code[b] = static_cast<uint8_t>(value);
        table.d_len[b] = static_cast<uint8_t>(length);
      }
    }
  }
  return table;
}

constexpr PositionCode kPosition = MakePositionCode();
static_assert(kPosition.p_code[1] == 0x20 && kPosition.p_code[4] == 0x50 &&
              kPosition.p_code[12] == 0x90 && kPosition.p_code[24] == 0xC0 &&
              kPosition.p_code[47] == 0xEE && kPosition.p_code[48] == 0xF0 &&
              kPosition.p_code[63] == 0xFF);

}  // namespace

// Reads the callback in blocks and hands out single bytes; reports the end once the
// callback delivers nothing.
class TLZH::Input {
 public:
  explicit Input(const TReadProc& read) : read_(read), buffer_(kBlock) {}

  bool Next(uint8_t& byte) {
    if (pos_ == len_) {
      if (ended_) {
        return false;
      }
      uint16_t got = 0;
      read_(buffer_.data(), static_cast<uint16_t>(buffer_.size()), got);
      pos_ = 0;
      len_ = std::min<size_t>(got, buffer_.size());
      if (len_ == 0) {
        ended_ = true;
        return false;
      }
    }
    byte = buffer_[pos_++];
    return true;
  }

  // The bytes of the current block not yet handed out.
  size_t Available() const { return len_ - pos_; }
  const uint8_t* Cursor() const { return buffer_.data() + pos_; }
  void Advance(size_t n) { pos_ += n; }

 private:
  const TReadProc& read_;
  std::vector<uint8_t> buffer_;
  size_t pos_ = 0;
  size_t len_ = 0;
  bool ended_ = false;
};

// Hands out the input as a stream of bits, most significant first, 32 at a time.
// Input that has ended reads as zero bits.
//
// The window holds its bits from the top down, then a single 1 that marks where they
// end, then zeros: the window alone tells how many bits it holds, which leaves the
// decoding loop one value less to keep.
class TLZH::BitReader {
 public:
  explicit BitReader(Input& in) : in_(in) {}

  uint32_t Peek() {
    // Fewer than 32 bits leave the marker above the low half.
    if (static_cast<uint32_t>(bits_) == 0) {
      Refill();
    }
    return static_cast<uint32_t>(bits_ >> 32);
  }

  // Drops `n` bits (at most 32) of those Peek returned.
  void Skip(int n) { bits_ <<= n; }

 private:
  // Tops the window up to at least 56 bits.
  void Refill() {
    int count = 63 - std::countr_zero(bits_);
    uint64_t bits = bits_ & (bits_ - 1);  // without the marker
    if (in_.Available() >= 8) [[likely]] {
      // Eight bytes at once, of which the whole ones that fit are counted.
      uint64_t word = 0;
      std::memcpy(&word, in_.Cursor(), 8);
      bits |= __builtin_bswap64(word) >> count;
      const int bytes = (63 - count) / 8;
      in_.Advance(static_cast<size_t>(bytes));
      count += bytes * 8;
      bits_ = Marked(bits, count);
      return;
    }
    bits_ = RefillByBytes(in_, bits, count);
  }

  // The first `count` bits of `bits` (below 64) followed by the marker.
  static uint64_t Marked(uint64_t bits, int count) {
    const uint64_t marker = uint64_t{1} << (63 - count);
    return (bits & ~(marker - 1) & ~marker) | marker;
  }

  // At the end of a block of input, or of the input.
  [[gnu::noinline]] static uint64_t RefillByBytes(Input& in, uint64_t bits, int count) {
    while (count <= 55) {
      uint8_t byte = 0;
      in.Next(byte);
      bits |= uint64_t{byte} << (56 - count);
      count += 8;
    }
    return Marked(bits, count);
  }

  Input& in_;
  uint64_t bits_ = uint64_t{1} << 63;  // empty
};

class TLZH::Output {
 public:
  explicit Output(const TWriteProc& write) : write_(write) {}

  void Put(uint8_t byte) {
    if (size_ == buffer_.size()) {
      Flush();
    }
    buffer_[size_++] = byte;
  }

  // Four bytes, the most significant first.
  void PutWord(uint32_t word) {
    if (buffer_.size() - size_ < 4) [[unlikely]] {
      Flush();
    }
    const uint32_t bytes = __builtin_bswap32(word);
    std::memcpy(buffer_.data() + size_, &bytes, 4);
    size_ += 4;
  }

  void Flush() {
    if (size_ == 0) {
      return;
    }
    uint16_t put = 0;
    write_(buffer_.data(), static_cast<uint16_t>(size_), put);
    if (put != size_) {
      throw EStreamError("Stream write error");
    }
    size_ = 0;
  }

 private:
  const TWriteProc& write_;
  std::array<uint8_t, kBlock> buffer_;
  size_t size_ = 0;
};

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitLZH() {
  putbuf_ = 0;
  putlen_ = 0;
  textsize_ = 0;
  codesize_ = 0;
  match_position_ = 0;
  match_length_ = 0;
  try {
    // Zeroed: the look-ahead past the end of a short input holds this fixed content.
    text_buf_.assign(N + F - 1 + kCompareSlack, 0);
    child_.assign(2 * (N + 257), 0);
    up_.assign(N + 1, 0);
    huffman_ = std::make_unique<LzhHuffmanTree>();
  } catch (const std::bad_alloc&) {
    EndLZH();
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

void TLZH::EndLZH() {
  // Releasing vectors cannot fail; the second message of the codec is never needed.
  std::vector<uint16_t>().swap(child_);
  std::vector<uint16_t>().swap(up_);
  std::vector<uint8_t>().swap(text_buf_);
  huffman_.reset();
}

// --- search trees -----------------------------------------------------------

namespace {

constexpr uint16_t kNoLink = 0xFFFF;  // up_ of a node outside the trees

constexpr size_t Left(size_t p) {
  return 2 * p;
}
constexpr size_t Right(size_t p) {
  return 2 * p + 1;
}

// The two bytes after a window's first one, the first of them in the high byte: two
// windows whose heads differ are ordered like their heads.
unsigned Head(const uint8_t* window) {
  uint16_t bytes = 0;
  std::memcpy(&bytes, window + 1, 2);
  static_assert(std::endian::native == std::endian::little);
  return __builtin_bswap16(bytes);
}

// Length of the common prefix of two look-ahead windows after their first byte, at
// most F; both may be read up to kCompareSlack bytes past F.
int CommonPrefix(const uint8_t* a, const uint8_t* b) {
  int i = 1;
  for (; i < F; i += 8) {
    uint64_t x = 0;
    uint64_t y = 0;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) {
      static_assert(std::endian::native == std::endian::little);
      return std::min(F, i + std::countr_zero(x ^ y) / 8);
    }
  }
  return F;
}

}  // namespace

void TLZH::InitTree() {
  for (size_t root = N + 1; root <= N + 256; ++root) {
    child_[Right(root)] = NIL;
  }
  std::fill(up_.begin(), up_.begin() + N, kNoLink);
}

void TLZH::InsertNode(int r) {
  const uint8_t* const text = text_buf_.data();
  uint16_t* const child = child_.data();
  const uint8_t* const key = text + r;
  // Most nodes share at most the tree's first byte and one more with the key, so their
  // heads already differ and order them.
  const unsigned key_head = Head(key);
  child[Left(r)] = child[Right(r)] = NIL;
  match_length_ = 0;
  size_t p = N + 1 + key[0];
  size_t next = 0;
  // One step per node, written out for each direction: with the way down a predicted
  // branch, the next node's load need not wait for this node's comparison.
right:
  next = child[Right(p)];
  if (next == NIL) [[unlikely]] {
    Attach(static_cast<size_t>(r), p, 1);
    return;
  }
  goto compare;
left:
  next = child[Left(p)];
  if (next == NIL) [[unlikely]] {
    Attach(static_cast<size_t>(r), p, 0);
    return;
  }
compare:
  p = next;
  if (key_head > Head(text + p)) {
    goto right;
  }
  if (key_head < Head(text + p)) {
    goto left;
  }
  {
    const int i = CommonPrefix(key, text + p);
    if (i > THRESHOLD) {
      const int position = ((r - static_cast<int>(p)) & (N - 1)) - 1;
      if (i > match_length_) {
        match_position_ = static_cast<int16_t>(position);
        match_length_ = static_cast<int16_t>(i);
        if (i == F) {
          ReplaceNode(p, static_cast<size_t>(r));
          return;
        }
      } else if (i == match_length_ && position < match_position_) {
        match_position_ = static_cast<int16_t>(position);  // nearest occurrence wins
      }
    }
    if (key[i] > text[p + i]) {
      goto right;
    }
  }
  goto left;
}

void TLZH::Attach(size_t r, size_t p, size_t side) {
  const size_t link = 2 * p + side;
  child_[link] = static_cast<uint16_t>(r);
  up_[r] = static_cast<uint16_t>(link);
}

void TLZH::ReplaceNode(size_t p, size_t r) {
  // r takes p's place and children; p leaves the tree.
  uint16_t* const child = child_.data();
  uint16_t* const up = up_.data();
  child[Left(r)] = child[Left(p)];
  child[Right(r)] = child[Right(p)];
  up[child[Left(p)]] = static_cast<uint16_t>(Left(r));
  up[child[Right(p)]] = static_cast<uint16_t>(Right(r));
  up[r] = up[p];
  child[up[p]] = static_cast<uint16_t>(r);
  up[p] = kNoLink;
}

void TLZH::DeleteNode(int p) {
  uint16_t* const child = child_.data();
  uint16_t* const up = up_.data();
  // up_ names the parent's link itself, so p's place is rewritten without asking which
  // side of its parent it hangs on. Links to NIL update up_[NIL], which nothing reads.
  if (up[p] == kNoLink) {
    return;
  }
  size_t q;
  if (child[Right(p)] == NIL) {
    q = child[Left(p)];
  } else if (child[Left(p)] == NIL) {
    q = child[Right(p)];
  } else {
    // The rightmost node of the left subtree takes p's place.
    q = child[Left(p)];
    if (child[Right(q)] != NIL) {
      do {
        q = child[Right(q)];
      } while (child[Right(q)] != NIL);
      child[up[q]] = child[Left(q)];
      up[child[Left(q)]] = up[q];
      child[Left(q)] = child[Left(p)];
      up[child[Left(p)]] = static_cast<uint16_t>(Left(q));
    }
    child[Right(q)] = child[Right(p)];
    up[child[Right(p)]] = static_cast<uint16_t>(Right(q));
  }
  up[q] = up[p];
  child[up[p]] = static_cast<uint16_t>(q);
  up[p] = kNoLink;
}

// --- bit output ------------------------------------------------------------

// Appends the low `length` bits of `code` (1 to 32), most significant first.
inline void TLZH::Putcode(Output& out, int length, uint32_t code) {
  // Fewer than 32 bits wait from before, so the 64-bit buffer holds any code; the
  // bits go out a word at a time.
  const uint64_t bits = code & ((uint64_t{1} << length) - 1);
  putbuf_ |= bits << (64 - putlen_ - length);
  putlen_ += length;
  if (putlen_ >= 32) {
    out.PutWord(static_cast<uint32_t>(putbuf_ >> 32));
    putbuf_ <<= 32;
    putlen_ -= 32;
    codesize_ += 4;
  }
}

void TLZH::EncodeEnd(Output& out) {
  // The last byte is padded with zero bits.
  while (putlen_ > 0) {
    out.Put(static_cast<uint8_t>(putbuf_ >> 56));
    putbuf_ <<= 8;
    putlen_ -= 8;
    ++codesize_;
  }
  putbuf_ = 0;
  putlen_ = 0;
}

// --- symbols ---------------------------------------------------------------

void TLZH::EncodeChar(Output& out, int c) {
  int length = 0;
  const uint32_t code = huffman_->Code(c, length);
  Putcode(out, length, code);
  huffman_->Update(c);
}

void TLZH::EncodePosition(Output& out, int c) {
  // The code of the upper six bits, then the lower six as they are.
  const int upper = c >> 6;
  const int length = kPosition.p_len[upper];
  const uint32_t prefix = kPosition.p_code[upper] >> (8 - length);
  Putcode(out, length + 6, prefix << 6 | static_cast<uint32_t>(c & 0x3F));
}

// Inline: the unpacking loop keeps the bit window in registers. The caller counts the
// symbol.
[[gnu::always_inline]] inline int TLZH::DecodeChar(LzhHuffmanTree& tree, BitReader& in) {
  int length = 0;
  const int c = tree.Decode(in.Peek(), length);
  in.Skip(length);
  return c;
}

inline int TLZH::DecodePosition(BitReader& in) {
  // The first byte names the upper six bits and the length of their code; the six
  // bits after that code are the lower ones.
  const uint32_t window = in.Peek();
  const int length = kPosition.d_len[window >> 24];
  const int upper = kPosition.d_code[window >> 24] << 6;
  in.Skip(length + 6);
  return upper | static_cast<int>((window >> (26 - length)) & 0x3F);
}

// --- pack and unpack --------------------------------------------------------

void TLZH::LZHPack(int32_t& input_size, const TReadProc& read, const TWriteProc& write) {
  InitLZH();
  try {
    Input in(read);
    Output out(write);
    huffman_->Reset(LzhHuffmanTree::Direction::kEncode);
    InitTree();
    int s = 0;
    int r = N - F;
    std::fill(text_buf_.begin(), text_buf_.begin() + r, kFill);
    int len = 0;
    uint8_t byte = 0;
    while (len < F && in.Next(byte)) {
      text_buf_[r + len] = byte;
      ++len;
    }
    textsize_ = len;
    for (int i = 1; i <= F; ++i) {
      InsertNode(r - i);
    }
    InsertNode(r);
    do {
      if (match_length_ > len) {
        match_length_ = static_cast<int16_t>(len);
      }
      if (match_length_ <= THRESHOLD) {
        match_length_ = 1;
        EncodeChar(out, text_buf_[r]);
      } else {
        EncodeChar(out, 255 - THRESHOLD + match_length_);
        EncodePosition(out, match_position_);
      }
      const int last_match_length = match_length_;
      int i = 0;
      for (; i < last_match_length && in.Next(byte); ++i) {
        DeleteNode(s);
        text_buf_[s] = byte;
        if (s < F - 1) {
          text_buf_[s + N] = byte;  // lets keys run over the wrap of the ring
        }
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        InsertNode(r);
      }
      textsize_ += i;
      while (i++ < last_match_length) {
        DeleteNode(s);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (--len != 0) {
          InsertNode(r);
        }
      }
    } while (len > 0);
    EncodeEnd(out);
    out.Flush();
  } catch (...) {
    EndLZH();
    input_size = textsize_;
    throw;
  }
  EndLZH();
  input_size = textsize_;
}

namespace {

// Hands `size` bytes to the callback at once; a short write is an error.
void WriteBlock(const TLZH::TWriteProc& write, const uint8_t* data, int size) {
  if (size == 0) {
    return;
  }
  uint16_t put = 0;
  write(data, static_cast<uint16_t>(size), put);
  if (put != size) {
    throw EStreamError("Stream write error");
  }
}

// Copies `length` bytes in ascending order with the result of a byte-by-byte loop: a
// source the copy runs into repeats its first `to - from` bytes.
void CopyForward(uint8_t* to, const uint8_t* from, int length) {
  if (from >= to || to - from >= length) {
    std::memmove(to, from, static_cast<size_t>(length));
    return;
  }
  // Each block doubles what is copied so far; it ends where the copy began, so source
  // and destination never overlap, and it keeps the pattern's phase.
  const int distance = static_cast<int>(to - from);
  for (int done = 0; done < length;) {
    const int block = std::min(length - done, done + distance);
    std::memcpy(to + done, from, static_cast<size_t>(block));
    done += block;
  }
}

}  // namespace

void TLZH::LZHUnpack(int32_t output_size, const TReadProc& read, const TWriteProc& write) {
  InitLZH();
  try {
    Input input(read);
    BitReader in(input);
    LzhHuffmanTree& tree = *huffman_;
    tree.Reset(LzhHuffmanTree::Direction::kDecode);
    uint8_t* const ring = text_buf_.data();
    std::fill(ring, ring + (N - F), kFill);
    // The ring is the output buffer too: bytes from `written` up to `out` are decoded but
    // not yet handed out. They go out at a stop: where `out` wraps, or at the end of the
    // output. Between stops a symbol only checks for the next one. (Few values live
    // through the loop, so the bit window stays in registers.)
    uint8_t* const ring_end = ring + N;
    uint8_t* out = ring + (N - F);
    const uint8_t* written = out;
    int32_t left = output_size;  // bytes still to decode from `written` on
    uint8_t* stop = out + std::min<int32_t>(F, left);
    // At `stop`: hands out the bytes and sets the next stop; false at the end.
    auto next_stop = [&] {
      const int pending = static_cast<int>(out - written);
      left -= pending;
      WriteBlock(write, written, pending);
      if (out == ring_end) {
        out = ring;
      }
      written = out;
      stop = out + std::min<int32_t>(static_cast<int32_t>(ring_end - out), left);
      return left > 0;
    };
    bool more = left > 0;
    while (more) {
      const int c = DecodeChar(tree, in);
      if (c < 256) {
        // Stored before the count, so that nothing of the symbol lives through it.
        *out = static_cast<uint8_t>(c);
        tree.Update(c);
        if (++out == stop) [[unlikely]] {
          more = next_stop();
        }
        continue;
      }
      tree.UpdateOutOfLine(c);
      const int r = static_cast<int>(out - ring);
      int from = (r - DecodePosition(in) - 1) & (N - 1);
      // A corrupt stream's last match may run past the stated size; the output holds
      // exactly that size.
      int length = std::min(c - 255 + THRESHOLD, left - static_cast<int>(out - written));
      while (length > 0) {
        const int run = std::min({length, static_cast<int>(stop - out), N - from});
        CopyForward(out, ring + from, run);
        from = (from + run) & (N - 1);
        length -= run;
        out += run;
        if (out == stop) [[unlikely]] {
          more = next_stop();
        }
      }
    }
  } catch (...) {
    EndLZH();
    throw;
  }
  EndLZH();
}

// --- stream callbacks -------------------------------------------------------

void TLZH::GetBlockStream(uint8_t* buffer, uint16_t count, uint16_t& got) {
  got = count;
  const int64_t remaining = SourceStream->Size() - SourceStream->Position();
  if (remaining < count) {
    got = static_cast<uint16_t>(std::max<int64_t>(remaining, 0));
  }
  SourceStream->ReadBuffer(buffer, got);
}

void TLZH::PutBlockStream(const uint8_t* buffer, uint16_t count, uint16_t& put) {
  put = count;
  DestStream->WriteBuffer(buffer, count);
}

TLZH::TReadProc TLZH::StreamReader() {
  return [this](uint8_t* buffer, uint16_t count, uint16_t& got) {
    GetBlockStream(buffer, count, got);
  };
}

TLZH::TWriteProc TLZH::StreamWriter() {
  return [this](const uint8_t* buffer, uint16_t count, uint16_t& put) {
    PutBlockStream(buffer, count, put);
  };
}

// --- framing ----------------------------------------------------------------

int64_t MaxUnpackedSize(int64_t packed_bytes) {
  return packed_bytes <= 0 ? 0 : packed_bytes * 8 / 10 * F + 7 * F;
}

const char* LzhStatusText(LzhStatus status) {
  switch (status) {
    case LzhStatus::kOk:
      return "ok";
    case LzhStatus::kMissingHeader:
      return "compressed stream is shorter than its 4-byte size header";
    case LzhStatus::kNegativeSize:
      return "compressed stream states a negative size";
    case LzhStatus::kSizeTooLarge:
      return "compressed stream states a size its data cannot hold";
  }
  return "unknown";
}

void CompressStream(TStream& source, TStream& dest) {
  TLZH lzh;
  lzh.SourceStream = &source;
  lzh.DestStream = &dest;
  source.SetPosition(0);
  dest.SetPosition(0);
  const int64_t size = source.Size();
  if (size > INT32_MAX) {
    throw ElzhException("LZH : input larger than 2 GiB");
  }
  dest.WriteInt32(static_cast<int32_t>(size));
  int32_t packed = 0;
  lzh.LZHPack(packed, lzh.StreamReader(), lzh.StreamWriter());
  // A reused destination must not keep stale bytes after the stream.
  dest.SetSize(dest.Position());
}

namespace {

// Reads and checks the 4-byte size header from the start of `source`.
LzhStatus ReadUnpackedSize(TStream& source, int32_t& size) {
  source.SetPosition(0);
  if (source.Size() < 4) {
    return LzhStatus::kMissingHeader;
  }
  size = source.ReadInt32();
  if (size < 0) {
    return LzhStatus::kNegativeSize;
  }
  if (size > kUnpackedSizeLimit || size > MaxUnpackedSize(source.Size() - 4)) {
    return LzhStatus::kSizeTooLarge;
  }
  return LzhStatus::kOk;
}

}  // namespace

LzhStatus DecompressStream(TStream& source, TStream& dest) {
  dest.SetPosition(0);
  int32_t size = 0;
  const LzhStatus status = ReadUnpackedSize(source, size);
  if (status != LzhStatus::kOk) {
    return status;
  }
  if (auto* memory = dynamic_cast<TMemoryStream*>(&dest)) {
    memory->SetSize(size);  // one allocation instead of growing block by block
  }
  TLZH lzh;
  lzh.SourceStream = &source;
  lzh.DestStream = &dest;
  lzh.LZHUnpack(size, lzh.StreamReader(), lzh.StreamWriter());
  dest.SetSize(size);
  return LzhStatus::kOk;
}

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data) {
  TByteViewStream source(data);
  TMemoryStream dest;
  CompressStream(source, dest);
  return dest.Data();
}

LzhStatus DecompressBytes(std::span<const uint8_t> packed, std::vector<uint8_t>& data) {
  data.clear();
  TByteViewStream source(packed);
  int32_t size = 0;
  const LzhStatus status = ReadUnpackedSize(source, size);
  if (status != LzhStatus::kOk) {
    return status;
  }
  // Decoded straight into the result, which is sized once.
  data.resize(static_cast<size_t>(size));
  size_t written = 0;
  TLZH lzh;
  lzh.SourceStream = &source;
  lzh.LZHUnpack(size, lzh.StreamReader(),
                [&](const uint8_t* buffer, uint16_t count, uint16_t& put) {
                  put = static_cast<uint16_t>(std::min<size_t>(count, data.size() - written));
                  std::memcpy(data.data() + written, buffer, put);
                  written += put;
                });
  return LzhStatus::kOk;
}

}  // namespace kova
