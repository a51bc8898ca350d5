#include "picturetable.h"

#include "cards.h"
#include "keys.h"
#include "rewards.h"
#include "smallpictures.h"

#include <QRegularExpression>

QImage drawPicture(const QString &name) {
  static const QRegularExpression numbered(
      QStringLiteral("^(digit|key|key_pressed|reward)_(\\d+|blank|c)\\.jpg$"));
  const QRegularExpressionMatch match = numbered.match(name);
  if (match.hasMatch()) {
    const QString kind = match.captured(1);
    const QString which = match.captured(2);
    if (kind == QLatin1String("digit"))
      return drawDigitCard(which == QLatin1String("blank") ? -1 : which.toInt());
    if (kind == QLatin1String("reward"))
      return drawReward(which.toInt());
    const bool pressed = kind == QLatin1String("key_pressed");
    return which == QLatin1String("c") ? drawClearKey(pressed)
                                       : drawDigitKey(which.toInt(), pressed);
  }
  if (name == QLatin1String("wrong.jpg"))
    return drawWrongPicture();
  if (name == QLatin1String("mark_first_try.jpg"))
    return drawMark(QColor(230, 30, 30));
  if (name == QLatin1String("mark_corrected.jpg"))
    return drawMark(QColor(255, 225, 0));
  if (name == QLatin1String("cover.jpg"))
    return drawCover();
  if (name == QLatin1String("tile_plain.bmp"))
    return drawTile(false);
  if (name == QLatin1String("tile_taken.bmp"))
    return drawTile(true);
  return {};
}
