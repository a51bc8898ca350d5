#include "keptsettings.h"

#include <QSettings>

namespace {
constexpr QLatin1StringView kLast("last");
constexpr QLatin1StringView kKept("kept");
} // namespace

KeptSettings::KeptSettings(QSettings &settings) : settings_(settings) {}

QVariantMap KeptSettings::last() const { return settings_.value(QString(kLast)).toMap(); }

void KeptSettings::setLast(const QVariantMap &state) { settings_.setValue(QString(kLast), state); }

QStringList KeptSettings::names() const {
  settings_.beginGroup(QString(kKept));
  QStringList names = settings_.childKeys();
  settings_.endGroup();
  return names;
}

QVariantMap KeptSettings::kept(const QString &name) const {
  return settings_.value(keyOf(name)).toMap();
}

QString KeptSettings::keep(QString name, const QVariantMap &state) {
  name.replace(u'/', u'／');
  settings_.setValue(keyOf(name), state);
  return name;
}

QString KeptSettings::rename(const QString &old, QString name) {
  name.replace(u'/', u'／');
  if (old.isEmpty() || name.isEmpty() || name == old)
    return old;
  settings_.setValue(keyOf(name), settings_.value(keyOf(old)));
  settings_.remove(keyOf(old));
  return name;
}

void KeptSettings::remove(const QString &name) {
  if (!name.isEmpty())
    settings_.remove(keyOf(name));
}

QString KeptSettings::keyOf(const QString &name) { return QString(kKept) + u'/' + name; }
