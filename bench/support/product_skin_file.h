// The product's skin as the sample installation ships it, packed into a skin file.
#pragma once

#include <cstdint>
#include <vector>

namespace kova {

std::vector<uint8_t> ProductSkinFile();

}  // namespace kova
