#include "app/WaitProgress.h"

unsigned kxPercentDone(std::uint64_t done, std::uint64_t total) {
    if (total == 0) total = 1;
    if (done >= total) return 100;
    // 128 bits hold done × 100 for any 64-bit done, so the quotient is exact.
    __extension__ using Wide = unsigned __int128;
    return static_cast<unsigned>(static_cast<Wide>(done) * 100 / total);
}

bool KxForwardProgress::advance(std::uint64_t done, std::uint64_t total) {
    const unsigned percent = kxPercentDone(done, total);
    if (percent <= position_) return false;
    position_ = percent;
    return true;
}
