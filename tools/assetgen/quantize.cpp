#include "quantize.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Entry {
  QRgb colour;
  int count;
};

int channel(QRgb colour, int which) {
  return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// A range of entries in the shared list: one cell of the median cut.
struct Box {
  std::size_t begin;
  std::size_t end;

  int widestChannel(const std::vector<Entry> &entries, int *range) const {
    int best = 0;
    *range = -1;
    for (int c = 0; c < 3; ++c) {
      int low = 255;
      int high = 0;
      for (std::size_t i = begin; i < end; ++i) {
        low = std::min(low, channel(entries[i].colour, c));
        high = std::max(high, channel(entries[i].colour, c));
      }
      if (high - low > *range) {
        *range = high - low;
        best = c;
      }
    }
    return best;
  }

  QRgb average(const std::vector<Entry> &entries) const {
    std::array<long long, 3> sums{};
    long long total = 0;
    for (std::size_t i = begin; i < end; ++i) {
      for (int c = 0; c < 3; ++c)
        sums[c] += static_cast<long long>(channel(entries[i].colour, c)) * entries[i].count;
      total += entries[i].count;
    }
    return qRgb(int((sums[0] + total / 2) / total), int((sums[1] + total / 2) / total),
                int((sums[2] + total / 2) / total));
  }
};

std::vector<Entry> histogram(const QImage &image) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      ++counts[row[x] | 0xff000000u];
  }
  std::vector<Entry> entries;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    entries.push_back({it.key(), it.value()});
  std::sort(entries.begin(), entries.end(),
            [](const Entry &a, const Entry &b) { return a.colour < b.colour; });
  return entries;
}

QList<QRgb> medianCut(std::vector<Entry> &entries, int maxColours) {
  std::vector<Box> boxes{{0, entries.size()}};
  while (static_cast<int>(boxes.size()) < maxColours) {
    // Split the box whose colours spread widest, weighted by how many pixels it holds.
    long long bestScore = 0;
    std::size_t bestBox = boxes.size();
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2)
        continue;
      int range = 0;
      boxes[b].widestChannel(entries, &range);
      long long pixels = 0;
      for (std::size_t i = boxes[b].begin; i < boxes[b].end; ++i)
        pixels += entries[i].count;
      const long long score = static_cast<long long>(range + 1) * (range + 1) * pixels;
      if (score > bestScore) {
        bestScore = score;
        bestBox = b;
      }
    }
    if (bestBox == boxes.size())
      break;
    Box box = boxes[bestBox];
    int range = 0;
    const int c = box.widestChannel(entries, &range);
    std::stable_sort(entries.begin() + long(box.begin), entries.begin() + long(box.end),
                     [c](const Entry &a, const Entry &b) {
                       return channel(a.colour, c) < channel(b.colour, c);
                     });
    long long total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i)
      total += entries[i].count;
    long long running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i < box.end - 1; ++i) {
      running += entries[i].count;
      split = i + 1;
      if (running * 2 >= total)
        break;
    }
    boxes[bestBox] = {box.begin, split};
    boxes.push_back({split, box.end});
  }
  QList<QRgb> palette;
  for (const Box &box : boxes)
    palette.append(box.average(entries));
  return palette;
}

int nearest(const QList<QRgb> &palette, QRgb colour) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

} // namespace

QImage quantize(const QImage &image, int maxColours) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  std::vector<Entry> entries = histogram(source);
  QList<QRgb> palette;
  if (static_cast<int>(entries.size()) <= maxColours) {
    for (const Entry &entry : entries)
      palette.append(entry.colour);
  } else {
    palette = medianCut(entries, maxColours);
  }

  QHash<QRgb, int> lookup;
  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  for (int y = 0; y < source.height(); ++y) {
    const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
    uchar *target = indexed.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      const QRgb colour = row[x] | 0xff000000u;
      auto found = lookup.constFind(colour);
      if (found == lookup.constEnd())
        found = lookup.insert(colour, nearest(palette, colour));
      target[x] = static_cast<uchar>(*found);
    }
  }
  return indexed;
}
