#include "sheetchoices.h"

#include "units.h"
#include "worksheetpresets.h"

#include <QLocale>

namespace {

constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kKeyRole = Qt::UserRole + 2;

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStandardItem *choice(const QString &text, ChoiceKind kind, const QString &key) {
  auto *item = new QStandardItem(text);
  item->setData(int(kind), kKindRole);
  item->setData(key, kKeyRole);
  return item;
}

// As QComboBox draws its own separators.
QStandardItem *separator() {
  auto *item = new QStandardItem;
  item->setData(QStringLiteral("separator"), Qt::AccessibleDescriptionRole);
  item->setFlags(Qt::NoItemFlags);
  item->setData(-1, kKindRole);
  return item;
}

} // namespace

SheetChoices::SheetChoices(QObject *parent) : QStandardItemModel(parent) { rebuild(); }

void SheetChoices::setGrade(int grade) {
  grade_ = grade;
  rebuild();
}

void SheetChoices::setKeptNames(const QStringList &names) {
  kept_ = names;
  rebuild();
}

void SheetChoices::rebuild() {
  clear();
  // Units are captioned in the window's language; the sheets stay Japanese.
  const bool japanese = QLocale().language() == QLocale::Japanese;
  for (const UnitInfo &unit : kUnits)
    if (unit.grade == grade_)
      appendRow(choice(fromUtf8(japanese ? unit.caption : unit.english), ChoiceKind::Unit,
                       fromUtf8(unit.id)));
  appendRow(separator());
  for (const WorksheetPreset &preset : kWorksheetPresets)
    appendRow(choice(fromUtf8(preset.caption), ChoiceKind::Preset, fromUtf8(preset.name)));
  appendRow(choice(tr("自分で決める"), ChoiceKind::Custom, {}));
  if (!kept_.isEmpty())
    appendRow(separator());
  for (const QString &name : kept_)
    appendRow(choice(name, ChoiceKind::Kept, name));
}

int SheetChoices::rowOf(ChoiceKind kind, const QString &key) const {
  for (int row = 0; row < rowCount(); ++row)
    if (item(row)->data(kKindRole).toInt() == int(kind) &&
        (kind == ChoiceKind::Custom || keyAt(row) == key))
      return row;
  return -1;
}

ChoiceKind SheetChoices::kindAt(int row) const {
  const int kind = row >= 0 && row < rowCount() ? item(row)->data(kKindRole).toInt() : -1;
  return kind < 0 ? ChoiceKind::Custom : ChoiceKind(kind);
}

QString SheetChoices::keyAt(int row) const {
  return row >= 0 && row < rowCount() ? item(row)->data(kKeyRole).toString() : QString();
}

const UnitInfo *SheetChoices::unitAt(int row) const {
  return kindAt(row) == ChoiceKind::Unit ? unitNamed(keyAt(row).toStdString()) : nullptr;
}

const WorksheetPreset *SheetChoices::presetAt(int row) const {
  if (kindAt(row) != ChoiceKind::Preset)
    return nullptr;
  for (const WorksheetPreset &preset : kWorksheetPresets)
    if (fromUtf8(preset.name) == keyAt(row))
      return &preset;
  return nullptr;
}
