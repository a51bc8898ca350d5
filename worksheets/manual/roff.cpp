#include "roff.h"

#include <QList>

QString roffText(const QString &text) {
  QString escaped;
  for (const char32_t c : text.toUcs4()) {
    if (c == U'\\')
      escaped += QStringLiteral("\\e");
    else if (c == U'-')
      escaped += QStringLiteral("\\-");
    else if (c == U'\n')
      escaped += u' ';
    else if (c < 0x80)
      escaped += QChar(static_cast<char16_t>(c));
    else
      escaped += QStringLiteral("\\[u%1]").arg(
          QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
  }
  // A line that starts with a period or an apostrophe would be a request.
  if (escaped.startsWith(u'.') || escaped.startsWith(u'\''))
    escaped.prepend(QStringLiteral("\\&"));
  return escaped;
}

QString roffBold(const QString &text) { return QStringLiteral("\\fB%1\\fR").arg(roffText(text)); }

QString roffItalic(const QString &text) { return QStringLiteral("\\fI%1\\fR").arg(roffText(text)); }
