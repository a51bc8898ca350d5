#include "fonts.h"

#include "printtypefaces.h"

#include <QStringList>

void installFontSubstitutions() {
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                             {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  installPrintTypefaces();
}

QFont fontFor(const FontDef &font, const FontDef &windowFont) {
  QFont result(QString::fromUtf8(font.family ? font.family : windowFont.family));
  result.setPixelSize(font.pixels > 0 ? font.pixels : windowFont.pixels);
  result.setBold(font.bold);
  // Every character the window shows is in the Japanese font, so no other
  // font is merged in for missing ones: that spares looking up fallback fonts
  // for every typeface and script the window's texts use.
  result.setStyleStrategy(QFont::NoFontMerging);
  // The Japanese font's hinting instructions cost more to run than drawing
  // its glyphs; smoothed outlines read as well at the window's sizes.
  result.setHintingPreference(QFont::PreferNoHinting);
  return result;
}

QColor colourFor(Colour colour, QColor fallback) {
  switch (colour) {
  case Colour::White:
    return Qt::white;
  case Colour::Green:
    return QColor(0, 128, 0);
  case Colour::Yellow:
    return QColor(255, 255, 0);
  case Colour::Default:
    break;
  }
  return fallback;
}
