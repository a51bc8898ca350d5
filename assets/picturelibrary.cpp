#include "picturelibrary.h"

#include "bitmapdecoder.h"
#include "jpegdecoder.h"

#include <QFile>
#include <QtDebug>

QImage loadPicture(const QString &name) {
  QFile file(QStringLiteral(":/pictures/") + name);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "picture" << name << "cannot be read:" << file.errorString();
    return {};
  }
  const QByteArray data = file.readAll();
  QString error;
  QImage image;
  if (name.endsWith(QLatin1String(".jpg")))
    image = decodeJpeg(data, &error);
  else if (name.endsWith(QLatin1String(".bmp")))
    image = decodeBitmap(data, &error);
  else
    error = QStringLiteral("unknown kind of picture");
  if (image.isNull())
    qWarning().noquote() << "picture" << name << "is damaged:" << error;
  return image;
}
