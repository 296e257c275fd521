#include "skin/data/lzh_huffman.h"

#include <algorithm>

namespace kova {

LzhHuffmanTree::LzhHuffmanTree()
    : freq_(kNodes + 1, 0), prnt_(kNodes + kSymbols, 0), son_(kNodes, 0) {}

void LzhHuffmanTree::Reset() {
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
  freq_[kNodes] = 0xFFFF;  // sentinel that stops the search in Update
  prnt_[kRoot] = 0;
  table_in_use_ = false;
}

void LzhHuffmanTree::Rebuild() {
  // Keep the leaves, halved (rounding up), packed to the front.
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (son_[i] >= kNodes) {
      freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
      son_[j] = son_[i];
      ++j;
    }
  }
  // Rebuild the internal nodes, each inserted after the last entry not above it.
  for (int i = 0, k2 = kSymbols; k2 < kNodes; i += 2, ++k2) {
    const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    freq_[k2] = f;
    int k = k2 - 1;
    while (f < freq_[k]) {
      --k;
    }
    ++k;
    std::copy_backward(freq_.begin() + k, freq_.begin() + k2, freq_.begin() + k2 + 1);
    freq_[k] = f;
    std::copy_backward(son_.begin() + k, son_.begin() + k2, son_.begin() + k2 + 1);
    son_[k] = static_cast<uint16_t>(i);
  }
  for (int i = 0; i < kNodes; ++i) {
    const int k = son_[i];
    if (k >= kNodes) {
      prnt_[k] = static_cast<uint16_t>(i);
    } else {
      prnt_[k] = prnt_[k + 1] = static_cast<uint16_t>(i);
    }
  }
  table_in_use_ = false;
}

int LzhHuffmanTree::LastBelow(int first, unsigned value) const {
  // Frequencies are ordered and runs of equal ones can be long among the rare symbols:
  // gallop ahead, then search the last step. The sentinel after the root ends both.
  int low = first;  // freq_[low] < value
  int step = 1;
  while (freq_[std::min(low + step, kNodes)] < value) {
    low += step;
    step *= 2;
  }
  int high = std::min(low + step, kNodes);  // freq_[high] >= value
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    if (freq_[middle] < value) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low;
}

int LzhHuffmanTree::MoveUp(int c, unsigned k) {
  uint16_t* const freq = freq_.data();
  uint16_t* const prnt = prnt_.data();
  uint16_t* const son = son_.data();
  // Most often the next slot is the last one below; the root never gets here, so c + 2
  // is at most the sentinel.
  const int l = freq[c + 2] < k ? LastBelow(c + 2, k) : c + 1;
  freq[c] = freq[l];
  freq[l] = static_cast<uint16_t>(k);

  // The children trade parents; a leaf has one entry, which is written twice instead
  // of a branch on the kind of node.
  const int i = son[c];
  const int j = son[l];
  prnt[i] = prnt[i + (i < kNodes)] = static_cast<uint16_t>(l);
  prnt[j] = prnt[j + (j < kNodes)] = static_cast<uint16_t>(c);
  son[l] = static_cast<uint16_t>(i);
  son[c] = static_cast<uint16_t>(j);
  if (table_in_use_ && (maybe_in_table_[c] || maybe_in_table_[l])) {
    RefreshTable(c);
    RefreshTable(l);
  }
  return l;
}

uint32_t LzhHuffmanTree::Code(int symbol, int& length) const {
  // One bit per level from the leaf up; the root's bit comes first in the stream.
  uint32_t code = 0;
  length = 0;
  int k = prnt_[symbol + kNodes];
  do {
    code |= static_cast<uint32_t>(k & 1) << length;
    ++length;
    k = prnt_[k];
  } while (k != kRoot);
  return code;
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

void LzhHuffmanTree::BuildTable() {
  maybe_in_table_.fill(false);
  FillTable(kRoot, 0, 0);
  table_in_use_ = true;
}

}  // namespace kova
