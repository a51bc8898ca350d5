#include "typefacecheck.h"

#include "qtprintcanvas.h"

#include <QFont>
#include <QRawFont>

bool typefaceInstalled(std::string_view typeface) {
  QFont font;
  setTypefaceOf(font, typeface);
  // The face Qt would draw with, by the names its own file gives: under a
  // Japanese locale Qt calls installed families by their Japanese names
  // (クレー One), so QFontInfo::exactMatch() would call every one missing.
  const QRawFont face = QRawFont::fromFont(font);
  return face.familyName() == font.family() &&
         (font.styleName().isEmpty() || face.styleName() == font.styleName());
}

const TypefaceInfo *missingTypeface(const SheetPlan &plan) {
  if (plan.preset)
    return nullptr;
  const TypefaceInfo &typeface = typefaceInfo(plan.typeface);
  return typefaceInstalled(typeface.family) ? nullptr : &typeface;
}
