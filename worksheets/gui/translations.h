#pragma once

class QCoreApplication;
class QLocale;

// Japanese is the program's own language; every other locale gets English.
// Qt's own texts follow the same choice.
void installTranslations(QCoreApplication &application, const QLocale &locale);
