#include "printtypefaces.h"

#include "printruns.h"

#include <QFont>
#include <QStringList>

void installPrintTypefaces() {
  // IPAGothic first: its fixed-width digits keep the numbers of a column in line.
  const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")};
  for (const std::string_view typeface : {kSignTypeface, kNumberTypeface})
    QFont::insertSubstitutions(
        QString::fromUtf8(typeface.data(), static_cast<qsizetype>(typeface.size())), gothic);
}
