#include "typefacecheck.h"

#include <QFont>
#include <QFontInfo>

const TypefaceInfo *missingTypeface(const SheetPlan &plan) {
  if (plan.preset)
    return nullptr;
  const TypefaceInfo &typeface = typefaceInfo(plan.typeface);
  const QFont font(
      QString::fromUtf8(typeface.family.data(), static_cast<qsizetype>(typeface.family.size())));
  return QFontInfo(font).exactMatch() ? nullptr : &typeface;
}
