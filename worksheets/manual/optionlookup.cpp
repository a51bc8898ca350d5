#include "optionlookup.h"

#include <stdexcept>

const QCommandLineOption &optionNamed(const QList<QCommandLineOption> &options,
                                      const QString &name) {
  for (const QCommandLineOption &option : options)
    if (option.names().contains(name))
      return option;
  throw std::runtime_error("the command line has no option --" + name.toStdString());
}

QString spelled(const QString &name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
