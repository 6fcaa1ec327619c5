#include "ui/font_warm_up.h"

#ifdef RIGSCOPE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace rigscope {

FontWarmUp::FontWarmUp() {
#ifdef RIGSCOPE_HAVE_FONTCONFIG
  // fontconfig installs its default configuration with an atomic swap, so
  // the toolkit asking for it at the same moment is safe: at worst both read
  // it and one copy is dropped.
  reader_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace rigscope
