#pragma once

#include "jobcheck.h"
#include "sheetchoices.h"
#include "worksheetjob.h"

#include <QVariantMap>
#include <QWidget>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class RangeField;

// The form of the worksheet window: every choice of a worksheet job, the job
// it describes, and the core's refusal shown beside the field it names. The
// form checks nothing itself.
//
// The first choice is a grade's unit, a preset, the teacher's own, or a
// sheet she kept. A unit or preset shows what it chose in the fields below;
// changing a field that decides the problems makes the unit's sheet her own.
class JobForm : public QWidget {
  Q_OBJECT

public:
  explicit JobForm(QWidget *parent = nullptr);

  [[nodiscard]] WorksheetJob job() const;
  // The job as the core takes it, or why not; a reprint code that does not
  // read is refused here.
  [[nodiscard]] JobCheck check() const;
  // Marks the refused field and says why beside it; none clears every mark.
  void showRefusal(const std::optional<Refusal> &refusal);
  // Says under the count when the sheet repeats its problems.
  void showDifferent(int64_t different, int64_t count);
  // The window's words for a refusal.
  [[nodiscard]] static QString refusalText(const Refusal &refusal);

  // Every choice as named values, for settings; setState() takes them back,
  // also as an older version stored them, and says what it could not.
  [[nodiscard]] QVariantMap state() const;
  void setState(const QVariantMap &state);

  // The sheets a teacher kept follow the other choices. Choosing one asks
  // for its state with keptChosen(); showKept() fills the form with it and
  // leaves its name as the choice.
  void setKeptNames(const QStringList &names, const QString &choose = {});
  [[nodiscard]] QString currentKept() const;
  void showKept(const QString &name, const QVariantMap &state);
  // A row of controls under the first choice, next in Tab order.
  void addChoiceTools(QWidget *tools);

  void drawNewProblems();
  // A name for the batch's file, e.g. 余りのあるわり算100題-30枚.
  [[nodiscard]] QString suggestedName() const;

Q_SIGNALS:
  void changed();
  void keptChosen(const QString &name);

private:
  void addRow(const QString &label, QWidget *field, std::optional<JobField> refusedField,
              const char *name);
  void buildChoices();
  void buildProblems();
  void buildLook();
  void buildOutput();
  void chainTabs();
  void updateEnabled();
  void applyState(const QVariantMap &state);
  void choiceMade(int row);
  // Shows in the fields what a unit or preset chose.
  void showUnit(const UnitInfo &unit);
  void showPreset(const WorksheetPreset &preset);
  void problemsEdited();
  // The choice in effect: a kept sheet's own.
  [[nodiscard]] ChoiceKind choiceKind() const;
  [[nodiscard]] const UnitInfo *unit() const;
  [[nodiscard]] const WorksheetPreset *preset() const;
  [[nodiscard]] bool reprinting() const;
  [[nodiscard]] std::array<std::pair<const char *, QComboBox *>, 10> namedCombos() const;
  [[nodiscard]] std::array<std::pair<const char *, QCheckBox *>, 10> namedTicks() const;
  [[nodiscard]] std::array<std::pair<const char *, QSpinBox *>, 4> namedSpins() const;

  QFormLayout *const layout_;
  SheetChoices *const choices_;
  QComboBox *const grade_;
  QComboBox *const choice_;
  QSpinBox *const review_;
  QLabel *const settingsNote_;
  QWidget *const kindsBox_;
  std::vector<QCheckBox *> kinds_;
  QWidget *const signsBox_;
  std::vector<QCheckBox *> signs_;
  RangeField *const first_;
  RangeField *const second_;
  RangeField *const result_;
  QComboBox *const carry_;
  QCheckBox *const noTrivial_;
  QSpinBox *const count_;
  QSpinBox *const rows_;
  QSpinBox *const columns_;
  QLabel *const different_;
  QComboBox *const answers_;
  QCheckBox *const nameField_;
  QCheckBox *const classField_;
  QCheckBox *const dateField_;
  QCheckBox *const scoreField_;
  QCheckBox *const numbers_;
  QCheckBox *const titled_;
  QLineEdit *const title_;
  QComboBox *const format_;
  QComboBox *const guide_;
  QComboBox *const cells_;
  QComboBox *const split_;
  QComboBox *const size_;
  QComboBox *const typeface_;
  QCheckBox *const kana_;
  QComboBox *const remainder_;
  QComboBox *const paper_;
  QCheckBox *const landscape_;
  QSpinBox *const sheets_;
  QLineEdit *const code_;
  QPushButton *const newProblems_;
  QCheckBox *const sameProblems_;
  std::map<JobField, std::pair<QWidget *, QLabel *>> refusalRows_;
  QWidget *choiceTools_ = nullptr;
  uint32_t seed_ = 0;
  // A kept sheet's own choice, and whether the fields are being filled.
  ChoiceKind keptKind_ = ChoiceKind::Custom;
  QString keptKey_;
  bool filling_ = false;
};
