#pragma once

#include <QStandardItemModel>

struct UnitInfo;
struct WorksheetPreset;

// What a sheet starts from: a unit of the chosen grade, a preset, the
// teacher's own choice, or a sheet she kept under a name.
enum class ChoiceKind { Unit, Preset, Custom, Kept };

// The list of the window's first choice: the grade's units in textbook
// order, the presets, 「自分で決める」, and the kept sheets, with separators
// between. Each row knows its kind and its key (a unit's id, a preset's or
// a kept sheet's name), so nothing depends on where a row stands.
class SheetChoices : public QStandardItemModel {
  Q_OBJECT

public:
  explicit SheetChoices(QObject *parent = nullptr);

  void setGrade(int grade);
  void setKeptNames(const QStringList &names);

  [[nodiscard]] int rowOf(ChoiceKind kind, const QString &key = {}) const;
  [[nodiscard]] ChoiceKind kindAt(int row) const;
  [[nodiscard]] QString keyAt(int row) const;
  [[nodiscard]] const UnitInfo *unitAt(int row) const;
  [[nodiscard]] const WorksheetPreset *presetAt(int row) const;

private:
  void rebuild();

  int grade_ = 1;
  QStringList kept_;
};
