#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &application, const QLocale &locale) {
  const bool japanese = locale.language() == QLocale::Japanese;
  const QString language = japanese ? QStringLiteral("ja") : QStringLiteral("en");
  auto *qt = new QTranslator(&application);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  if (japanese)
    return;
  auto *own = new QTranslator(&application);
  if (own->load(QStringLiteral(":/i18n/numeriko-worksheets_en.qm")))
    QCoreApplication::installTranslator(own);
}
