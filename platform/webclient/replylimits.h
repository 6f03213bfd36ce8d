#pragma once
// The most a service's reply may hold: the largest real ones (a year of
// downloaded slips) are well under a megabyte; anything near this is hostile
// or broken.

#include <cstddef>

constexpr std::size_t kMaxServiceReplyBytes = 32 * 1024 * 1024;
