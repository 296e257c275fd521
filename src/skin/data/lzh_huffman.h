// The adaptive Huffman code of the LZH codec: literals and match lengths share one
// tree whose frequencies grow with every coded symbol, so encoder and decoder stay in
// step by applying the same update after each symbol.
//
// Decoding resolves the first kTableBits bits of a code with one table look-up. The
// table follows the tree: it names the slot a prefix leads to, so only an update that
// moves a subtree within its levels changes it, and then only the entries below the two
// slots that traded places. Counting up a frequency alone leaves every code as it is.
// The table is built on the first decode after a reset or a rebuild; encoding never
// pays for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kova {

class LzhHuffmanTree {
 public:
  static constexpr int kSymbols = 314;  // 256 literals and match lengths 3..60
  // Swaps near the root refill the table; a deeper one costs more in refills than it
  // saves in bit steps.
  static constexpr int kTableBits = 6;

  // Allocates the tables; throws std::bad_alloc.
  LzhHuffmanTree();

  // Every symbol with frequency 1, the tree balanced from the first symbols up.
  void Reset();

  // The code of `symbol`, right-aligned in `length` bits. The tree's frequencies stay
  // below 2^15, which bounds its depth well below 32.
  uint32_t Code(int symbol, int& length) const;

  // Decodes the symbol at the top of `window`, the next 32 bits of input with the
  // first one in bit 31, and reports how many of them the code used.
  int Decode(uint32_t window, int& length);

  // Counts one more `symbol` and restores the tree's order.
  void Update(int symbol);

 private:
  static constexpr int kNodes = kSymbols * 2 - 1;
  static constexpr int kRoot = kNodes - 1;
  static constexpr uint16_t kMaxFreq = 0x8000;  // halve the frequencies when the root reaches it

  void Rebuild();
  // Slot c, whose count k passed its neighbours', trades places with the last of them;
  // answers the slot it moved to.
  int MoveUp(int c, unsigned k);
  // The last slot from `first` on whose frequency is below `value`; freq_[first] is.
  int LastBelow(int first, unsigned value) const;
  // Refills the table entries whose codes pass through `slot`.
  void RefreshTable(int slot);
  void FillTable(int slot, int depth, uint32_t prefix);
  void BuildTable();

  // Slots 0..kNodes-1 in frequency order; son_ is a leaf's symbol + kNodes or the first
  // slot of an internal node's pair of children; prnt_ maps slots and leaves upwards.
  std::vector<uint16_t> freq_, prnt_, son_;

  struct TableEntry {
    uint16_t slot;   // slot reached: a leaf's, or one kTableBits levels down
    uint8_t length;  // bits used to reach it
  };
  std::array<TableEntry, 1 << kTableBits> table_{};
  bool table_in_use_ = false;
  // True for every slot less than kTableBits levels deep (and, until the next look, for
  // some that were): a swap of two slots marked false leaves the table as it is.
  std::array<bool, kNodes> maybe_in_table_{};
};

// Inline: the decoder calls it once per symbol.
inline int LzhHuffmanTree::Decode(uint32_t window, int& length) {
  if (!table_in_use_) [[unlikely]] {
    BuildTable();
  }
  const TableEntry entry = table_[window >> (32 - kTableBits)];
  int node = son_[entry.slot];
  length = entry.length;
  while (node < kNodes) {
    node = son_[node + ((window >> (31 - length)) & 1)];
    ++length;
  }
  return node - kNodes;
}

// Inline: coder and decoder call it once per symbol, and most steps only count.
inline void LzhHuffmanTree::Update(int symbol) {
  if (freq_[kRoot] == kMaxFreq) [[unlikely]] {
    Rebuild();
  }
  uint16_t* const freq = freq_.data();
  const uint16_t* const prnt = prnt_.data();
  size_t c = prnt[symbol + kNodes];  // unsigned: slots index without widening
  do {
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) [[unlikely]] {
      c = static_cast<size_t>(MoveUp(static_cast<int>(c), k));
    }
    c = prnt[c];
  } while (c != 0);
}

}  // namespace kova
