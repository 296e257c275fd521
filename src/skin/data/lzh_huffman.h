// The adaptive Huffman code of the LZH codec: literals and match lengths share one
// tree whose frequencies grow with every coded symbol, so encoder and decoder stay in
// step by applying the same update after each symbol.
//
// Decoding resolves the first kTableBits bits of a code with one table look-up. The
// table follows the tree: it names the slot a prefix leads to, so only an update that
// moves a subtree within its levels changes it, and then only the entries below the two
// slots that traded places. Counting up a frequency alone leaves every code as it is.
// Only a tree set up for decoding keeps the table (built at the start and after every
// rebuild); encoding never pays for it.
//
// Every symbol counts up every slot on its way to the root, but the slots nearest the
// root hold the largest frequencies, mostly far apart: once they are, a number of
// symbols can pass through them before any of them could overtake its neighbour. Such
// symbols are only counted where they enter those top slots, and the counts are carried
// up to the root when that margin is used up, which is before anything reads the top
// frequencies again. The tree takes the same shape, step by step, as when every slot is
// counted at once.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kova {

class LzhHuffmanTree {
 public:
  static constexpr int kSymbols = 314;  // 256 literals and match lengths 3..60
  // Swaps near the root refill the table; a deeper one costs more in refills than it
  // saves in bit steps.
  static constexpr int kTableBits = 6;

  enum class Direction { kEncode, kDecode };
  // Every symbol with frequency 1, the tree balanced from the first symbols up.
  void Reset(Direction direction);

  // The code of `symbol`, right-aligned in `length` bits. The tree's frequencies stay
  // below 2^15, which bounds its depth well below 32.
  uint32_t Code(int symbol, int& length);

  // Decodes the symbol at the top of `window`, the next 32 bits of input with the
  // first one in bit 31, and reports how many of them the code used.
  int Decode(uint32_t window, int& length);

  // Counts one more `symbol` and restores the tree's order.
  [[gnu::always_inline]] void Update(int symbol);
  // The same, for the rarer symbols of a loop that inlines Update for the frequent ones.
  [[gnu::noinline]] void UpdateOutOfLine(int symbol);

 private:
  static constexpr int kNodes = kSymbols * 2 - 1;
  static constexpr int kRoot = kNodes - 1;
  static constexpr uint16_t kMaxFreq = 0x8000;  // halve the frequencies when the root reaches it
  // The slots counted in bulk: the highest frequencies, so every slot's parent among them
  // is among them too, and every symbol ends there.
  static constexpr int kTopSlots = 16;
  static constexpr int kTopFirst = kNodes - kTopSlots;

  void Rebuild();
  // The last slot from c on with c's frequency. Counting one more there keeps the slots
  // in order once c's subtree has moved there.
  size_t RunEnd(size_t c) const;
  // Slots c and l exchange their subtrees; c may be l.
  void TradeSubtrees(size_t c, size_t l);
  // The same for slot c holding a leaf.
  void MoveLeaf(size_t c, size_t l);
  // Moves the subtree at c to the end of its run and answers that slot. Out of line:
  // the counting loop around it then keeps its few values in registers.
  [[gnu::noinline]] size_t TradeToRunEnd(size_t c);
  // Marks every slot as outside the table and, while decoding, fills the table anew.
  void RenewTable();
  // The four frequencies after c, each compared with f: 0 when all four are f.
  uint64_t DifferAfter(size_t c, unsigned f) const;
  // RunEnd for a run known to reach c.
  size_t LongRunEnd(size_t c) const;
  void RefreshTableAfterSwap(size_t c, size_t l);
  // When the margin is used up, settles the top slots; when there was none, counts the
  // symbol that entered them at `slot` one slot at a time instead, up to the root.
  void SettleOrCountInTurn(size_t slot);
  // Adds the symbols counted in bulk to the top slots and measures the new margin.
  void SettleTop();
  // The codes from each top slot to the root. They only change while the top slots are
  // counted one at a time, which marks them stale, as settling does.
  void CodeTopSlots();
  // Refills the table entries whose codes pass through `slot`.
  void RefreshTable(int slot);
  void FillTable(int slot, int depth, uint32_t prefix);

  // Slots 0..kNodes-1 in frequency order, then a sentinel above every frequency; son_
  // is a leaf's symbol + kNodes or the first slot of an internal node's pair of
  // children; prnt_ maps slots and leaves upwards.
  std::array<uint16_t, kNodes + 7> freq_{};  // the sentinel repeated for RunEnd's loads
  std::array<uint16_t, kNodes + kSymbols> prnt_{};
  std::array<uint16_t, kNodes> son_{};

  // Symbols that entered the top slots at each of them since the last settling; the top
  // frequencies leave them out.
  std::array<uint16_t, kTopSlots> entered_{};
  // How many more symbols may be counted in bulk: no top slot can overtake its
  // neighbour, no slot below can reach the lowest top one, and the root stays below
  // kMaxFreq until then. 0 or less while the top slots are counted one at a time, down
  // to -kTurnStretch, when the margin is measured again.
  int top_margin_ = 0;
  static constexpr int kTurnStretch = 16;
  // The bits from each top slot up to the root, the top slot's own in bit 0, and their
  // number.
  struct TopCode {
    uint32_t bits;
    uint32_t length;
  };
  std::array<TopCode, kTopSlots> top_code_{};
  bool top_code_stale_ = true;  // only coding needs them

  struct TableEntry {
    uint16_t slot;   // slot reached: a leaf's, or one kTableBits levels down
    uint8_t length;  // bits used to reach it
  };
  std::array<TableEntry, 1 << kTableBits> table_{};
  bool decoding_ = false;  // the table is in use
  // True for every slot less than kTableBits levels deep while the table is in use (and,
  // until the next look, for some that were): a swap of two slots marked false leaves
  // the table as it is.
  std::array<bool, kNodes> maybe_in_table_{};
};

// Inline: the decoder calls it once per symbol.
inline int LzhHuffmanTree::Decode(uint32_t window, int& length) {
  const TableEntry entry = table_[window >> (32 - kTableBits)];
  int node = son_[entry.slot];
  length = entry.length;
  uint32_t rest = window << entry.length;  // the bits past the table, next one on top
  while (node < kNodes) {
    node = son_[node + (rest >> 31)];
    rest <<= 1;
    ++length;
  }
  return node - kNodes;
}

// Inline: coder and decoder call it once per symbol, and most steps only count.
inline void LzhHuffmanTree::Update(int symbol) {
  if (freq_[kRoot] == kMaxFreq) [[unlikely]] {
    Rebuild();
  }
  size_t c = prnt_[symbol + kNodes];  // unsigned: slots index without widening
  if (c < kTopFirst) {
    // A leaf ties with the next slot more often than not, so it moves without a branch
    // on that: a slot ending its own run trades places with itself.
    const size_t l = RunEnd(c);
    MoveLeaf(c, l);
    ++freq_[l];
    c = prnt_[l];
    while (c < kTopFirst) {
      if (freq_[c] == freq_[c + 1]) [[unlikely]] {
        c = TradeToRunEnd(c);
      }
      ++freq_[c];
      c = prnt_[c];
    }
  }
  ++entered_[c - kTopFirst];
  if (--top_margin_ <= 0) [[unlikely]] {
    SettleOrCountInTurn(c);
  }
}

inline uint64_t LzhHuffmanTree::DifferAfter(size_t c, unsigned f) const {
  static_assert(std::endian::native == std::endian::little);
  uint64_t next = 0;
  std::memcpy(&next, &freq_[c + 1], sizeof next);
  return next ^ (uint64_t{f} * 0x0001000100010001u);
}

inline size_t LzhHuffmanTree::RunEnd(size_t c) const {
  // The next four frequencies at once: the first that differs ends the run. Longer
  // runs, among the rarest symbols, are searched further on. (The four start after c:
  // c itself was often counted just before, and a load wider than that store would
  // wait for it to reach the cache.)
  const unsigned f = freq_[c];
  const uint64_t differ = DifferAfter(c, f);
  if (differ == 0) [[unlikely]] {
    return LongRunEnd(c + 4);
  }
  return c + static_cast<size_t>(std::countr_zero(differ)) / 16;
}

inline void LzhHuffmanTree::TradeSubtrees(size_t c, size_t l) {
  // The children trade parents; a leaf has one entry, which is written twice instead
  // of a branch on the kind of node.
  const unsigned i = son_[c];
  const unsigned j = son_[l];
  prnt_[i] = prnt_[i + (i < kNodes)] = static_cast<uint16_t>(l);
  prnt_[j] = prnt_[j + (j < kNodes)] = static_cast<uint16_t>(c);
  son_[l] = static_cast<uint16_t>(i);
  son_[c] = static_cast<uint16_t>(j);
  // The table names slots, so two leaves trading symbols leave it as it is.
  if ((maybe_in_table_[c] || maybe_in_table_[l]) && (i < kNodes || j < kNodes) && c != l)
      [[unlikely]] {
    RefreshTableAfterSwap(c, l);
  }
}

inline void LzhHuffmanTree::MoveLeaf(size_t c, size_t l) {
  const unsigned leaf = son_[c];
  const unsigned j = son_[l];
  prnt_[j] = prnt_[j + (j < kNodes)] = static_cast<uint16_t>(c);
  prnt_[leaf] = static_cast<uint16_t>(l);
  son_[c] = static_cast<uint16_t>(j);
  son_[l] = static_cast<uint16_t>(leaf);
  // The table marks are tested first: they are almost always false, while what l holds
  // is hard to predict.
  if ((maybe_in_table_[c] || maybe_in_table_[l]) && j < kNodes && c != l) [[unlikely]] {
    RefreshTableAfterSwap(c, l);
  }
}

}  // namespace kova
