#pragma once

#include "jobvalidation.h"
#include "worksheetjob.h"

#include <QVariantMap>
#include <QWidget>

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
class JobForm : public QWidget {
  Q_OBJECT

public:
  explicit JobForm(QWidget *parent = nullptr);

  [[nodiscard]] WorksheetJob job() const;
  // Marks the refused field and says why beside it; none clears every mark.
  void showRefusal(const std::optional<Refusal> &refusal);
  // The window's words for a refusal.
  [[nodiscard]] static QString refusalText(const Refusal &refusal);

  // Every choice as plain values, for settings; setState() takes them back,
  // ignoring what it does not know.
  [[nodiscard]] QVariantMap state() const;
  void setState(const QVariantMap &state);

  // The sheets a teacher kept under a name follow the presets in the same
  // list. Choosing one asks for its state with keptChosen(); showKept() fills
  // the form with it and leaves its name as the choice. setKeptNames() lists
  // the names and chooses `choose`, or keeps the kept sheet chosen if it is
  // still there.
  void setKeptNames(const QStringList &names, const QString &choose = {});
  [[nodiscard]] QString currentKept() const;
  void showKept(const QString &name, const QVariantMap &state);
  // A row of controls under the preset's, next in Tab order.
  void addPresetTools(QWidget *tools);

  void drawNewSeed();
  // A name for the batch's file, e.g. 余りのあるわり算100題-30枚.
  [[nodiscard]] QString suggestedName() const;

Q_SIGNALS:
  void changed();
  void keptChosen(const QString &name);

private:
  void addRow(const QString &label, QWidget *field, std::optional<JobField> refusedField);
  void updateEnabled();
  void applyState(const QVariantMap &state);
  // The preset, or the custom choice, in effect: a kept sheet's own.
  [[nodiscard]] int presetChoice() const;
  [[nodiscard]] int keptIndex(const QString &name) const;

  QFormLayout *const layout_;
  QComboBox *const preset_;
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
  QLineEdit *const seed_;
  QPushButton *const newSeed_;
  QCheckBox *const fixSeed_;
  std::map<JobField, std::pair<QWidget *, QLabel *>> rows_;
  int keptBase_ = 0;
};
