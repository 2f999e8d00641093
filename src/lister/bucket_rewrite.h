// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/lines.h"
#include "core/progress.h"
#include "lister/group_sort.h"

namespace brimlet {

struct RewrittenBuckets {
  Buckets buckets;
  int64_t counted = 0;
};

// Runs every line of every bucket through `rewrite(line, out, bucketBegins)`,
// which appends the line's new form with its CR LF to `out` (or nothing, to
// drop it) and returns whether the line counts; `bucketBegins` is true for
// a bucket's first line. The new buckets are written one after the other
// into one processed list, in room for the old ones taken once. A bucket
// whose new text would be empty keeps its old one, so a rewrite never
// empties a group; a tail after the last CR (the NUL a pasted list ends
// with) stays as it is. Line counts follow the new texts. Progress counts
// lines across all buckets.
template <class Rewrite>
RewrittenBuckets rewriteBuckets(std::span<const std::string_view> buckets, Progress& progress,
                                Rewrite rewrite) {
  size_t bytes = 0;
  for (const std::string_view bucket : buckets) {
    bytes += bucket.size() + Buckets::kBucketSeparator.size();
  }
  BucketsBuilder builder(bytes);
  std::string& out = builder.text();
  int64_t counted = 0;
  int64_t number = 0;
  for (const std::string_view bucket : buckets) {
    builder.beginBucket();
    const size_t start = out.size();
    LineWalker lines(bucket);
    bool begins = true;
    while (const auto line = lines.next()) {
      if (rewrite(*line, out, begins)) ++counted;
      begins = false;
      progress.setValue(++number);
    }
    if (out.size() == start) {
      out += bucket;
    } else {
      out += lines.rest();
    }
    builder.endBucket(static_cast<int64_t>(countCr(std::string_view(out).substr(start))));
  }
  return {builder.take(), counted};
}

}  // namespace brimlet
