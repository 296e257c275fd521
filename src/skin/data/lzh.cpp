#include "skin/data/lzh.h"

#include <algorithm>
#include <array>
#include <new>

namespace kova {

namespace {

constexpr int N = 4096;                      // ring buffer size
constexpr int F = 60;                        // look-ahead size and longest match
constexpr int THRESHOLD = 2;                 // longer matches than this are coded as matches
constexpr int NIL = N;                       // empty link in the search trees
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths 3..60
constexpr int T = N_CHAR * 2 - 1;            // Huffman table size
constexpr int R = T - 1;                     // Huffman root
constexpr int MAX_FREQ = 0x8000;             // rebuild the tree at this root frequency
constexpr uint8_t kFill = 0x20;              // initial ring content

constexpr size_t kBlock = 4096;  // callback block size; the bit stream does not depend on it

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

 private:
  const TReadProc& read_;
  std::vector<uint8_t> buffer_;
  size_t pos_ = 0;
  size_t len_ = 0;
  bool ended_ = false;
};

class TLZH::Output {
 public:
  explicit Output(const TWriteProc& write) : write_(write) { buffer_.reserve(kBlock); }

  void Put(uint8_t byte) {
    buffer_.push_back(byte);
    if (buffer_.size() == kBlock) {
      Flush();
    }
  }

  void Flush() {
    if (buffer_.empty()) {
      return;
    }
    uint16_t put = 0;
    write_(buffer_.data(), static_cast<uint16_t>(buffer_.size()), put);
    if (put != buffer_.size()) {
      throw EStreamError("Stream write error");
    }
    buffer_.clear();
  }

 private:
  const TWriteProc& write_;
  std::vector<uint8_t> buffer_;
};

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitLZH() {
  getbuf_ = 0;
  getlen_ = 0;
  putbuf_ = 0;
  putlen_ = 0;
  textsize_ = 0;
  codesize_ = 0;
  match_position_ = 0;
  match_length_ = 0;
  try {
    // Zeroed: the look-ahead past the end of a short input holds this fixed content.
    text_buf_.assign(N + F - 1, 0);
    lson_.assign(N + 1, 0);
    dad_.assign(N + 1, 0);
    rson_.assign(N + 257, 0);
    freq_.assign(T + 1, 0);
    prnt_.assign(T + N_CHAR, 0);
    son_.assign(T, 0);
  } catch (const std::bad_alloc&) {
    EndLZH();
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

void TLZH::EndLZH() {
  // Releasing vectors cannot fail; the second message of the codec is never needed.
  for (auto* table : {&lson_, &dad_, &rson_, &freq_, &prnt_, &son_}) {
    std::vector<uint16_t>().swap(*table);
  }
  std::vector<uint8_t>().swap(text_buf_);
}

// --- search trees -----------------------------------------------------------

void TLZH::InitTree() {
  for (int i = N + 1; i <= N + 256; ++i) {
    rson_[i] = NIL;
  }
  for (int i = 0; i < N; ++i) {
    dad_[i] = NIL;
  }
}

void TLZH::InsertNode(int r) {
  int cmp = 1;
  const uint8_t* key = &text_buf_[r];
  int p = N + 1 + key[0];
  rson_[r] = lson_[r] = NIL;
  match_length_ = 0;
  for (;;) {
    if (cmp >= 0) {
      if (rson_[p] != NIL) {
        p = rson_[p];
      } else {
        rson_[p] = static_cast<uint16_t>(r);
        dad_[r] = static_cast<uint16_t>(p);
        return;
      }
    } else {
      if (lson_[p] != NIL) {
        p = lson_[p];
      } else {
        lson_[p] = static_cast<uint16_t>(r);
        dad_[r] = static_cast<uint16_t>(p);
        return;
      }
    }
    int i = 1;
    for (; i < F; ++i) {
      cmp = key[i] - text_buf_[p + i];
      if (cmp != 0) {
        break;
      }
    }
    if (i > THRESHOLD) {
      const int position = ((r - p) & (N - 1)) - 1;
      if (i > match_length_) {
        match_position_ = static_cast<int16_t>(position);
        match_length_ = static_cast<int16_t>(i);
        if (match_length_ >= F) {
          break;
        }
      } else if (i == match_length_ && position < match_position_) {
        match_position_ = static_cast<int16_t>(position);  // nearest occurrence wins
      }
    }
  }
  // A full-length match: r replaces p in the tree.
  dad_[r] = dad_[p];
  lson_[r] = lson_[p];
  rson_[r] = rson_[p];
  dad_[lson_[p]] = static_cast<uint16_t>(r);
  dad_[rson_[p]] = static_cast<uint16_t>(r);
  if (rson_[dad_[p]] == p) {
    rson_[dad_[p]] = static_cast<uint16_t>(r);
  } else {
    lson_[dad_[p]] = static_cast<uint16_t>(r);
  }
  dad_[p] = NIL;
}

void TLZH::DeleteNode(int p) {
  if (dad_[p] == NIL) {
    return;
  }
  int q;
  if (rson_[p] == NIL) {
    q = lson_[p];
  } else if (lson_[p] == NIL) {
    q = rson_[p];
  } else {
    q = lson_[p];
    if (rson_[q] != NIL) {
      do {
        q = rson_[q];
      } while (rson_[q] != NIL);
      rson_[dad_[q]] = lson_[q];
      dad_[lson_[q]] = dad_[q];
      lson_[q] = lson_[p];
      dad_[lson_[p]] = static_cast<uint16_t>(q);
    }
    rson_[q] = rson_[p];
    dad_[rson_[p]] = static_cast<uint16_t>(q);
  }
  dad_[q] = dad_[p];
  if (rson_[dad_[p]] == p) {
    rson_[dad_[p]] = static_cast<uint16_t>(q);
  } else {
    lson_[dad_[p]] = static_cast<uint16_t>(q);
  }
  dad_[p] = NIL;
}

// --- bit input and output ---------------------------------------------------

int TLZH::GetBit(Input& in) {
  while (getlen_ <= 8) {
    uint8_t byte = 0;  // missing input reads as zero bits
    in.Next(byte);
    getbuf_ = static_cast<uint16_t>(getbuf_ | (byte << (8 - getlen_)));
    getlen_ = static_cast<uint8_t>(getlen_ + 8);
  }
  const int bit = getbuf_ >> 15;
  getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
  --getlen_;
  return bit;
}

int TLZH::GetByte(Input& in) {
  while (getlen_ <= 8) {
    uint8_t byte = 0;
    in.Next(byte);
    getbuf_ = static_cast<uint16_t>(getbuf_ | (byte << (8 - getlen_)));
    getlen_ = static_cast<uint8_t>(getlen_ + 8);
  }
  const int byte = getbuf_ >> 8;
  getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
  getlen_ = static_cast<uint8_t>(getlen_ - 8);
  return byte;
}

// Appends the low `length` bits of `code`, most significant first.
void TLZH::Putcode(Output& out, int length, uint32_t code) {
  while (length > 0) {
    const int chunk = std::min(length, 32);
    length -= chunk;
    const uint64_t bits = (code >> length) & ((uint64_t{1} << chunk) - 1);
    putbuf_ |= bits << (64 - putlen_ - chunk);
    putlen_ += chunk;
    while (putlen_ >= 8) {
      out.Put(static_cast<uint8_t>(putbuf_ >> 56));
      putbuf_ <<= 8;
      putlen_ -= 8;
      ++codesize_;
    }
  }
}

void TLZH::EncodeEnd(Output& out) {
  if (putlen_ > 0) {
    out.Put(static_cast<uint8_t>(putbuf_ >> 56));
    putbuf_ = 0;
    putlen_ = 0;
    ++codesize_;
  }
}

// --- adaptive Huffman coding ------------------------------------------------

void TLZH::StartHuff() {
  for (int i = 0; i < N_CHAR; ++i) {
    freq_[i] = 1;
    son_[i] = static_cast<uint16_t>(i + T);
    prnt_[i + T] = static_cast<uint16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    son_[j] = static_cast<uint16_t>(i);
    prnt_[i] = prnt_[i + 1] = static_cast<uint16_t>(j);
  }
  freq_[T] = 0xFFFF;
  prnt_[R] = 0;
}

void TLZH::reconst() {
  // Keep the leaves, halved (rounding up), packed to the front.
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son_[i] >= T) {
      freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
      son_[j] = son_[i];
      ++j;
    }
  }
  // Rebuild the internal nodes, each inserted after the last entry not above it.
  for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, ++j2) {
    const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    freq_[j2] = f;
    int k = j2 - 1;
    while (f < freq_[k]) {
      --k;
    }
    ++k;
    std::copy_backward(freq_.begin() + k, freq_.begin() + j2, freq_.begin() + j2 + 1);
    freq_[k] = f;
    std::copy_backward(son_.begin() + k, son_.begin() + j2, son_.begin() + j2 + 1);
    son_[k] = static_cast<uint16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son_[i];
    if (k >= T) {
      prnt_[k] = static_cast<uint16_t>(i);
    } else {
      prnt_[k] = prnt_[k + 1] = static_cast<uint16_t>(i);
    }
  }
}

void TLZH::update(int c) {
  if (freq_[R] == MAX_FREQ) {
    reconst();
  }
  c = prnt_[c + T];
  do {
    const unsigned k = ++freq_[c];
    int l = c + 1;
    if (k > freq_[l]) {
      while (k > freq_[++l]) {
      }
      --l;
      freq_[c] = freq_[l];
      freq_[l] = static_cast<uint16_t>(k);

      const int i = son_[c];
      prnt_[i] = static_cast<uint16_t>(l);
      if (i < T) {
        prnt_[i + 1] = static_cast<uint16_t>(l);
      }
      const int j = son_[l];
      son_[l] = static_cast<uint16_t>(i);
      prnt_[j] = static_cast<uint16_t>(c);
      if (j < T) {
        prnt_[j + 1] = static_cast<uint16_t>(c);
      }
      son_[c] = static_cast<uint16_t>(j);
      c = l;
    }
    c = prnt_[c];
  } while (c != 0);
}

void TLZH::EncodeChar(Output& out, int c) {
  // One bit per level from the leaf up; the root's bit is sent first. The tree's
  // frequencies stay below 2^15, which bounds its depth well below 32.
  uint32_t code = 0;
  int length = 0;
  int k = prnt_[c + T];
  do {
    code |= static_cast<uint32_t>(k & 1) << length;
    ++length;
    k = prnt_[k];
  } while (k != R);
  Putcode(out, length, code);
  update(c);
}

void TLZH::EncodePosition(Output& out, int c) {
  const int upper = c >> 6;
  Putcode(out, kPosition.p_len[upper], kPosition.p_code[upper] >> (8 - kPosition.p_len[upper]));
  Putcode(out, 6, static_cast<uint32_t>(c & 0x3F));
}

int TLZH::DecodeChar(Input& in) {
  int c = son_[R];
  while (c < T) {
    c += GetBit(in);
    c = son_[c];
  }
  c -= T;
  update(c);
  return c;
}

int TLZH::DecodePosition(Input& in) {
  int i = GetByte(in);
  const int upper = kPosition.d_code[i] << 6;
  int j = kPosition.d_len[i] - 2;
  while (j-- > 0) {
    i = (i << 1) + GetBit(in);
  }
  return upper | (i & 0x3F);
}

// --- pack and unpack --------------------------------------------------------

void TLZH::LZHPack(int32_t& input_size, const TReadProc& read, const TWriteProc& write) {
  InitLZH();
  try {
    Input in(read);
    Output out(write);
    StartHuff();
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

void TLZH::LZHUnpack(int32_t output_size, const TReadProc& read, const TWriteProc& write) {
  InitLZH();
  try {
    Input in(read);
    Output out(write);
    StartHuff();
    std::fill(text_buf_.begin(), text_buf_.begin() + (N - F), kFill);
    int r = N - F;
    int32_t count = 0;
    auto emit = [&](uint8_t byte) {
      out.Put(byte);
      text_buf_[r] = byte;
      r = (r + 1) & (N - 1);
      ++count;
    };
    while (count < output_size) {
      const int c = DecodeChar(in);
      if (c < 256) {
        emit(static_cast<uint8_t>(c));
      } else {
        const int i = (r - DecodePosition(in) - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        // A corrupt stream's last match may run past the stated size; the output
        // holds exactly that size.
        for (int k = 0; k < j && count < output_size; ++k) {
          emit(text_buf_[(i + k) & (N - 1)]);
        }
      }
    }
    out.Flush();
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

LzhStatus DecompressStream(TStream& source, TStream& dest) {
  source.SetPosition(0);
  dest.SetPosition(0);
  if (source.Size() < 4) {
    return LzhStatus::kMissingHeader;
  }
  const int32_t size = source.ReadInt32();
  if (size < 0) {
    return LzhStatus::kNegativeSize;
  }
  if (size > kUnpackedSizeLimit || size > MaxUnpackedSize(source.Size() - 4)) {
    return LzhStatus::kSizeTooLarge;
  }
  TLZH lzh;
  lzh.SourceStream = &source;
  lzh.DestStream = &dest;
  lzh.LZHUnpack(size, lzh.StreamReader(), lzh.StreamWriter());
  dest.SetSize(size);
  return LzhStatus::kOk;
}

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> data) {
  TMemoryStream source(std::vector<uint8_t>(data.begin(), data.end()));
  TMemoryStream dest;
  CompressStream(source, dest);
  return dest.Data();
}

LzhStatus DecompressBytes(std::span<const uint8_t> packed, std::vector<uint8_t>& data) {
  TMemoryStream source(std::vector<uint8_t>(packed.begin(), packed.end()));
  TMemoryStream dest;
  const LzhStatus status = DecompressStream(source, dest);
  data = status == LzhStatus::kOk ? dest.Data() : std::vector<uint8_t>();
  return status;
}

}  // namespace kova
