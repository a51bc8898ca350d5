#pragma once

class QCoreApplication;

// Japanese is the program's own language; every other locale gets English.
// Qt's own texts follow the same choice.
void installTranslations(QCoreApplication &application);
