#include "programfonts.h"

#include <fontconfig/fontconfig.h>

#include <string>

namespace {

constexpr const char *kFontFolder = "/usr/share/fonts/opentype/ipafont-gothic";

// The system cache only: it is kept up to date when fonts are installed, and
// fontconfig writes no cache of its own where it may not write.
constexpr const char *kSettings = R"(
  <cachedir>/var/cache/fontconfig</cachedir>
  <!-- Qt's dialogs ask for the desktop's sans-serif face. -->
  <alias><family>sans-serif</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias><family>Sans Serif</family><prefer><family>IPAPGothic</family></prefer></alias>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
)";

std::string configuration() {
  return std::string(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>)") +
         kFontFolder + "</dir>" + kSettings + "</fontconfig>\n";
}

// Without a cache up to date, fontconfig would read every glyph of both fonts
// to describe them: the system's configuration serves better then.
bool hasCurrentCache(FcConfig *config) {
  FcCache *cache = FcDirCacheLoad(reinterpret_cast<const FcChar8 *>(kFontFolder), config, nullptr);
  if (cache == nullptr)
    return false;
  FcDirCacheUnload(cache);
  return true;
}

bool describesBothFonts(FcConfig *config) {
  const FcFontSet *fonts = FcConfigGetFonts(config, FcSetSystem);
  return fonts != nullptr && fonts->nfont == 2;
}

} // namespace

bool useProgramFontsOnly() {
  FcConfig *config = FcConfigCreate();
  if (config == nullptr)
    return false;
  const std::string text = configuration();
  const bool usable = FcConfigParseAndLoadFromMemory(
                          config, reinterpret_cast<const FcChar8 *>(text.c_str()), FcFalse) &&
                      hasCurrentCache(config) && FcConfigBuildFonts(config) &&
                      describesBothFonts(config) && FcConfigSetCurrent(config);
  // The current configuration holds a reference of its own.
  FcConfigDestroy(config);
  return usable;
}
