#pragma once

#include <thread>

namespace rigscope {

// Reads the system's font configuration on a second thread while the
// toolkit connects to the display. The first window cannot be laid out
// before the configuration (dozens of XML files) is read; started at the top
// of main(), that reading overlaps the display connection instead of
// following it. Joins on destruction. Where the toolkit does not use
// fontconfig, it does nothing.
class FontWarmUp final {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread reader_;
};

}  // namespace rigscope
