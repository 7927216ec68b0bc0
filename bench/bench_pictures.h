#pragma once
// Illustrations and chart folders made on the fly for the benchmarks, so that no picture is
// ever committed.

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace zarq::bench {

// A smooth colour field with fine grain, closer to a real illustration than pure noise or a
// flat gradient, so that the decoder does realistic work. `seed` varies the grain.
inline void writeIllustration(const std::filesystem::path& file, int width, int height,
                              const char* type, unsigned seed = 11) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, false, 8, width, height);
  guchar* data = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      guchar* p = data + static_cast<std::size_t>(y) * stride + 3 * x;
      const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
      const int grain = static_cast<int>(random() % 17) - 8;
      p[0] =
          static_cast<guchar>(std::clamp(128 + 100 * std::sin(6 * u + 2 * v) + grain, 0.0, 255.0));
      p[1] =
          static_cast<guchar>(std::clamp(128 + 100 * std::cos(5 * v - 3 * u) + grain, 0.0, 255.0));
      p[2] = static_cast<guchar>(std::clamp(128 + 90 * std::sin(9 * u * v) + grain, 0.0, 255.0));
    }
  }
  GError* error = nullptr;
  const bool saved =
      std::string(type) == "jpeg"
          ? gdk_pixbuf_save(pixbuf, file.c_str(), type, &error, "quality", "90", nullptr)
          : gdk_pixbuf_save(pixbuf, file.c_str(), type, &error, nullptr);
  g_object_unref(pixbuf);
  if (!saved) std::abort();
}

// A chart "<id>.json" with its music "<id>.WAV" in `dir`, as the chart editor leaves them.
inline void writeChartAndMusic(const std::filesystem::path& dir, const std::string& id) {
  std::ofstream(dir / (id + ".json"), std::ios::binary)
      << "{\n  \"ZarqVersion\": 120,\n  \"name\": \"Bench\",\n  \"judgeLineList\": []\n}\n";
  std::ofstream(dir / (id + ".WAV"), std::ios::binary) << std::string(44, '\0');
}

}  // namespace zarq::bench
