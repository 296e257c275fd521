#include "skin/data/lzh_huffman.h"

#include <algorithm>

namespace kova {

void LzhHuffmanTree::Reset(Direction direction) {
  for (int i = 0; i < kSymbols; ++i) {
    freq_[i] = 1;
    son_[i] = static_cast<uint16_t>(i + kNodes);
    prnt_[i + kNodes] = static_cast<uint16_t>(i);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    son_[j] = static_cast<uint16_t>(i);
    prnt_[i] = prnt_[i + 1] = static_cast<uint16_t>(j);
  }
  std::fill(freq_.begin() + kNodes, freq_.end(), 0xFFFF);  // sentinel that ends every run
  prnt_[kRoot] = 0;
  entered_.fill(0);
  top_margin_ = 0;
  top_code_stale_ = true;
  decoding_ = direction == Direction::kDecode;
  RenewTable();
}

void LzhHuffmanTree::Rebuild() {
  // The leaves, halved (rounding up), in their order, which stays sorted.
  std::array<uint16_t, kSymbols> leaf_freq;
  std::array<uint16_t, kSymbols> leaf_son;
  int leaves = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (son_[i] >= kNodes) {
      leaf_freq[leaves] = static_cast<uint16_t>((freq_[i] + 1) / 2);
      leaf_son[leaves] = son_[i];
      ++leaves;
    }
  }
  // Each internal node pairs the next two slots and goes after every slot whose
  // frequency is not above its own. Their frequencies come in rising order, so the
  // slots are the merge of the leaves and the internal nodes as they are formed, a
  // leaf first when the two are equal. A node's pair is placed before it is needed.
  int leaf = 0;
  int pair = 0;  // first slot of the next internal node's children
  for (int slot = 0; slot < kNodes; ++slot) {
    const bool pair_placed = pair + 1 < slot;
    const unsigned pair_freq = pair_placed ? unsigned{freq_[pair]} + freq_[pair + 1] : 0x10000u;
    if (leaf < kSymbols && leaf_freq[leaf] <= pair_freq) {
      freq_[slot] = leaf_freq[leaf];
      son_[slot] = leaf_son[leaf];
      ++leaf;
    } else {
      freq_[slot] = static_cast<uint16_t>(pair_freq);
      son_[slot] = static_cast<uint16_t>(pair);
      pair += 2;
    }
  }
  for (int i = 0; i < kNodes; ++i) {
    const int k = son_[i];
    if (k >= kNodes) {
      prnt_[k] = static_cast<uint16_t>(i);
    } else {
      prnt_[k] = prnt_[k + 1] = static_cast<uint16_t>(i);
    }
  }
  RenewTable();
}

size_t LzhHuffmanTree::LongRunEnd(size_t c) const {
  // Most runs end within a few more words of four; the longest, among the rarest
  // symbols, are galloped through and the last step searched. The sentinel after the
  // root ends every run.
  const unsigned f = freq_[c];
  for (int word = 0; word < 4; ++word, c += 4) {
    const uint64_t differ = DifferAfter(c, f);
    if (differ != 0) {
      return c + static_cast<size_t>(std::countr_zero(differ)) / 16;
    }
  }
  const unsigned value = f + 1;
  size_t low = c;  // freq_[low] < value
  size_t step = 1;
  while (freq_[std::min<size_t>(low + step, kNodes)] < value) {
    low += step;
    step *= 2;
  }
  size_t high = std::min<size_t>(low + step, kNodes);  // freq_[high] >= value
  while (high - low > 1) {
    const size_t middle = low + (high - low) / 2;
    if (freq_[middle] < value) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low;
}

void LzhHuffmanTree::UpdateOutOfLine(int symbol) {
  Update(symbol);
}

size_t LzhHuffmanTree::TradeToRunEnd(size_t c) {
  const size_t end = RunEnd(c);
  TradeSubtrees(c, end);
  return end;
}

void LzhHuffmanTree::RefreshTableAfterSwap(size_t c, size_t l) {
  RefreshTable(static_cast<int>(c));
  RefreshTable(static_cast<int>(l));
}

void LzhHuffmanTree::SettleOrCountInTurn(size_t slot) {
  if (top_margin_ == 0) {
    SettleTop();
    return;
  }
  // There was no margin: the symbol just counted in bulk is counted in turn.
  --entered_[slot - kTopFirst];
  size_t c = slot;
  do {
    if (freq_[c] == freq_[c + 1]) {
      const size_t l = RunEnd(c);
      TradeSubtrees(c, l);
      c = l;
    }
    ++freq_[c];
    c = prnt_[c];
  } while (c != 0);
  top_code_stale_ = true;
  // Ties among the top slots tend to last a while: look for a margin again only after a
  // stretch of symbols counted in turn.
  if (top_margin_ <= -kTurnStretch) {
    SettleTop();
  }
}

void LzhHuffmanTree::SettleTop() {
  // A parent's slot is above its children's: carrying the counts upwards in slot order
  // adds each one to every slot on its way to the root.
  for (int c = kTopFirst; c < kRoot; ++c) {
    const uint16_t count = entered_[c - kTopFirst];
    freq_[c] = static_cast<uint16_t>(freq_[c] + count);
    entered_[prnt_[c] - kTopFirst] = static_cast<uint16_t>(entered_[prnt_[c] - kTopFirst] + count);
  }
  freq_[kRoot] = static_cast<uint16_t>(freq_[kRoot] + entered_[kRoot - kTopFirst]);
  entered_.fill(0);

  // Each symbol raises a frequency by at most one: as many symbols as the smallest gap
  // above the highest slot below the top pass without a swap among the top slots or
  // into them.
  unsigned margin = kMaxFreq - freq_[kRoot];
  for (int c = kTopFirst - 1; c < kRoot; ++c) {
    margin = std::min(margin, unsigned{freq_[c + 1]} - freq_[c]);
  }
  top_margin_ = static_cast<int>(margin);
  top_code_stale_ = true;
}

void LzhHuffmanTree::CodeTopSlots() {
  // Parents before their children.
  top_code_[kRoot - kTopFirst] = {0, 0};
  for (int c = kRoot - 1; c >= kTopFirst; --c) {
    const TopCode& parent = top_code_[prnt_[c] - kTopFirst];
    top_code_[c - kTopFirst] = {parent.bits << 1 | static_cast<uint32_t>(c & 1), parent.length + 1};
  }
  top_code_stale_ = false;
}

uint32_t LzhHuffmanTree::Code(int symbol, int& length) {
  // One bit per level from the leaf up to the top slots, whose bits up to the root are
  // known; the root's bit comes first in the stream.
  if (top_code_stale_) {
    CodeTopSlots();
  }
  uint32_t code = 0;
  int bits = 0;
  int c = prnt_[symbol + kNodes];
  for (; c < kTopFirst; c = prnt_[c]) {
    code |= static_cast<uint32_t>(c & 1) << bits;
    ++bits;
  }
  const TopCode& top = top_code_[c - kTopFirst];
  length = bits + static_cast<int>(top.length);
  return code | top.bits << bits;
}

void LzhHuffmanTree::RefreshTable(int slot) {
  // The entries below `slot` form one run, named by the bits that lead to it; a slot
  // below the table's levels has no entries of its own.
  uint32_t prefix = 0;
  int depth = 0;
  for (int at = slot; at != kRoot; ++depth) {
    if (depth == kTableBits) {
      maybe_in_table_[slot] = false;
      return;
    }
    const int parent = prnt_[at];
    prefix |= static_cast<uint32_t>(at - son_[parent]) << depth;
    at = parent;
  }
  FillTable(slot, depth, prefix);
}

void LzhHuffmanTree::FillTable(int slot, int depth, uint32_t prefix) {
  const int node = son_[slot];
  maybe_in_table_[slot] = depth < kTableBits;
  if (node >= kNodes || depth == kTableBits) {
    const int free_bits = kTableBits - depth;
    const uint32_t first = prefix << free_bits;
    std::fill_n(table_.begin() + first, size_t{1} << free_bits,
                TableEntry{static_cast<uint16_t>(slot), static_cast<uint8_t>(depth)});
    return;
  }
  FillTable(node, depth + 1, prefix << 1);
  FillTable(node + 1, depth + 1, (prefix << 1) | 1);
}

void LzhHuffmanTree::RenewTable() {
  maybe_in_table_.fill(false);
  if (decoding_) {
    FillTable(kRoot, 0, 0);
  }
}

}  // namespace kova
