// Fixed numbers of the digest.
#pragma once

#include <cstddef>

namespace nira {

// Digest reads files in blocks of this size: large blocks keep the system
// calls few (the digest does not depend on the block size).
constexpr std::size_t kDigestBlockSize = 256 * 1024;

}  // namespace nira
