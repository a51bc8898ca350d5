#include "picturetable.h"

#include "cards.h"
#include "keys.h"
#include "rewards.h"
#include "smallpictures.h"

#include <QRegularExpression>

QImage drawPicture(const QString &name, int scale) {
  static const QRegularExpression numbered(
      QStringLiteral("^(digit|key|key_pressed|reward)_(\\d+|blank|c)\\.jpg$"));
  const QRegularExpressionMatch match = numbered.match(name);
  if (match.hasMatch()) {
    const QString kind = match.captured(1);
    const QString which = match.captured(2);
    if (kind == QLatin1String("digit"))
      return drawDigitCard(which == QLatin1String("blank") ? -1 : which.toInt(), scale);
    if (kind == QLatin1String("reward"))
      return drawReward(which.toInt(), scale);
    const bool pressed = kind == QLatin1String("key_pressed");
    return which == QLatin1String("c") ? drawClearKey(pressed, scale)
                                       : drawDigitKey(which.toInt(), pressed, scale);
  }
  if (name == QLatin1String("wrong.jpg"))
    return drawWrongPicture(scale);
  if (name == QLatin1String("mark_first_try.jpg"))
    return drawMark(QColor(230, 30, 30), scale);
  if (name == QLatin1String("mark_corrected.jpg"))
    return drawMark(QColor(255, 225, 0), scale);
  if (name == QLatin1String("cover.jpg"))
    return drawCover(scale);
  if (name == QLatin1String("tile_plain.bmp"))
    return drawTile(false, scale);
  if (name == QLatin1String("tile_taken.bmp"))
    return drawTile(true, scale);
  return {};
}
