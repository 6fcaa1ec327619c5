#include "ui/font_warm_up.h"

#ifdef RIGSCOPE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace rigscope {

FontWarmUp::FontWarmUp() {
#ifdef RIGSCOPE_HAVE_FONTCONFIG
  // fontconfig makes its one default configuration atomically, so the
  // toolkit asking for it at the same moment is safe: it waits for it or
  // finds it made.
  reader_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace rigscope
