#pragma once

#include <QStringList>
#include <QVariantMap>

class QSettings;

// The window's settings: the last sheet the form described while the core
// took it, and the sheets a teacher kept under a name. Each is the form's
// state, whose values are names (a paper's, a unit's id), never a
// control's position.
class KeptSettings {
public:
  explicit KeptSettings(QSettings &settings);

  [[nodiscard]] QVariantMap last() const;
  void setLast(const QVariantMap &state);

  [[nodiscard]] QStringList names() const;
  [[nodiscard]] QVariantMap kept(const QString &name) const;
  // The name it is kept under: a slash would make a settings group of it.
  QString keep(QString name, const QVariantMap &state);
  QString rename(const QString &old, QString name);
  void remove(const QString &name);

private:
  [[nodiscard]] static QString keyOf(const QString &name);

  QSettings &settings_;
};
