#include "jobform.h"

#include "jobvalidation.h"
#include "numbertext.h"
#include "papers.h"
#include "rangefield.h"
#include "reprintcode.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <array>
#include <random>

namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The kinds as the window names them, in the order of kSheetKinds.
constexpr std::array<const char *, 8> kKindLabels{
    QT_TRANSLATE_NOOP("JobForm", "たし算"),
    QT_TRANSLATE_NOOP("JobForm", "ひき算"),
    QT_TRANSLATE_NOOP("JobForm", "かけ算"),
    QT_TRANSLATE_NOOP("JobForm", "かけ算（□をもとめる）"),
    QT_TRANSLATE_NOOP("JobForm", "たし算（□をもとめる）"),
    QT_TRANSLATE_NOOP("JobForm", "わり算（あまりなし）"),
    QT_TRANSLATE_NOOP("JobForm", "わり算（あまりあり）"),
    QT_TRANSLATE_NOOP("JobForm", "3つの数"),
};
static_assert(kKindLabels.size() == kSheetKinds.size());

// The captions of the tables' rows, in the order of their tables.
constexpr std::array<const char *, 3> kSizeCaptions{
    QT_TRANSLATE_NOOP("JobForm", "大（1年生）"),
    QT_TRANSLATE_NOOP("JobForm", "中"),
    QT_TRANSLATE_NOOP("JobForm", "小（上の学年）"),
};
static_assert(kSizeCaptions.size() == kSheetSizes.size());
constexpr std::array<const char *, 3> kTypefaceCaptions{
    QT_TRANSLATE_NOOP("JobForm", "クレー（教科書体）"),
    QT_TRANSLATE_NOOP("JobForm", "BIZ UDゴシック"),
    QT_TRANSLATE_NOOP("JobForm", "IPAゴシック"),
};
static_assert(kTypefaceCaptions.size() == kTypefaces.size());
constexpr std::array<const char *, 4> kFormatCaptions{
    QT_TRANSLATE_NOOP("JobForm", "よこ書き"),
    QT_TRANSLATE_NOOP("JobForm", "筆算"),
    QT_TRANSLATE_NOOP("JobForm", "百ます"),
    QT_TRANSLATE_NOOP("JobForm", "さくらんぼ"),
};
static_assert(kFormatCaptions.size() == kSheetFormats.size());
constexpr std::array<const char *, 5> kSplitCaptions{
    QT_TRANSLATE_NOOP("JobForm", "たす数を分ける"),
    QT_TRANSLATE_NOOP("JobForm", "たされる数を分ける"),
    QT_TRANSLATE_NOOP("JobForm", "小さいほうを分ける"),
    QT_TRANSLATE_NOOP("JobForm", "ひかれる数を分ける"),
    QT_TRANSLATE_NOOP("JobForm", "ひく数を分ける"),
};
static_assert(kSplitCaptions.size() == kCherrySplits.size());
constexpr std::array<const char *, 3> kCellsCaptions{
    QT_TRANSLATE_NOOP("JobForm", "100ます"),
    QT_TRANSLATE_NOOP("JobForm", "25ます"),
    QT_TRANSLATE_NOOP("JobForm", "10ます"),
};
static_assert(kCellsCaptions.size() == kGridCells.size());
constexpr std::array<const char *, 3> kGuideCaptions{
    QT_TRANSLATE_NOOP("JobForm", "ます目とくり上がりのメモ"),
    QT_TRANSLATE_NOOP("JobForm", "ます目だけ"),
    QT_TRANSLATE_NOOP("JobForm", "ます目なし"),
};
static_assert(kGuideCaptions.size() == kGuides.size());
constexpr std::array<const char *, 2> kRemainderCaptions{
    QT_TRANSLATE_NOOP("JobForm", "5あまり1"),
    QT_TRANSLATE_NOOP("JobForm", "5 … 1"),
};
static_assert(kRemainderCaptions.size() == kRemainderStyles.size());

// The carrying and answer sheets' choices, by the names settings keep.
struct NamedChoice {
  std::string_view name;
  const char *caption;
};
constexpr std::array<NamedChoice, 3> kCarryChoices{{
    {"any", QT_TRANSLATE_NOOP("JobForm", "どちらでも")},
    {"no", QT_TRANSLATE_NOOP("JobForm", "なし")},
    {"yes", QT_TRANSLATE_NOOP("JobForm", "あり")},
}};
constexpr std::array<NamedChoice, 3> kAnswerChoices{{
    {"none", QT_TRANSLATE_NOOP("JobForm", "つけない")},
    {"each", QT_TRANSLATE_NOOP("JobForm", "1枚ごとに")},
    {"end", QT_TRANSLATE_NOOP("JobForm", "最後にまとめて")},
}};

// What the presets ask, shown in the fields while one is chosen.
struct PresetShown {
  std::string_view name;
  SheetKind kind;
  std::optional<NumberRange> first;
  std::optional<NumberRange> second;
  std::optional<NumberRange> result;
};
constexpr std::array<PresetShown, 4> kPresetsShown{{
    {"x81", SheetKind::MissingFactor, NumberRange{1, 9}, NumberRange{1, 9}, std::nullopt},
    {"div90", SheetKind::Divide, std::nullopt, NumberRange{1, 9}, NumberRange{1, 9}},
    {"divrem100", SheetKind::DivideRemainder, std::nullopt, NumberRange{2, 9}, NumberRange{1, 9}},
    {"hard100", SheetKind::DivideRemainder, std::nullopt, NumberRange{2, 9}, std::nullopt},
}};

// A combo of a table's rows, each carrying its name.
template <typename Table, typename Captions>
void fillNamed(QComboBox *combo, const Table &table, const Captions &captions) {
  for (std::size_t i = 0; i < table.size(); ++i)
    combo->addItem(JobForm::tr(captions[i]), fromUtf8(table[i].name));
}

template <typename Table> auto rowNamed(const Table &table, const QComboBox *combo) {
  return table[std::size_t(std::max(0, combo->currentIndex()))];
}

// A named row chosen again: by its name, or by the position an older
// version stored. False when the name is not one this version knows.
bool chooseNamed(QComboBox *combo, const QVariant &value) {
  if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
    combo->setCurrentIndex(std::clamp(value.toInt(), 0, combo->count() - 1));
    return true;
  }
  const int index = combo->findData(value.toString());
  if (index >= 0)
    combo->setCurrentIndex(index);
  return index >= 0;
}

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets) {
  auto *box = new QWidget(parent);
  auto *layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget *widget : widgets)
    layout->addWidget(widget);
  layout->addStretch();
  return box;
}

QLabel *plainLabel(const QString &text, QWidget *parent) { return new QLabel(text, parent); }

template <typename T> T *named(T *widget, const char *name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

} // namespace

JobForm::JobForm(QWidget *parent)
    : QWidget(parent), layout_(new QFormLayout(this)), choices_(new SheetChoices(this)),
      grade_(named(new QComboBox(this), "grade")), choice_(named(new QComboBox(this), "choice")),
      review_(named(new QSpinBox(this), "review")),
      settingsNote_(named(new QLabel(this), "settingsNote")),
      kindsBox_(named(new QWidget(this), "kinds")), signsBox_(named(new QWidget(this), "signs")),
      first_(named(new RangeField(tr("指定する"), this), "first")),
      second_(named(new RangeField(tr("指定する"), this), "second")),
      result_(named(new RangeField(tr("指定する"), this), "result")),
      carry_(named(new QComboBox(this), "carry")),
      noTrivial_(named(new QCheckBox(tr("0や1の問題を入れない(&B)"), this), "noTrivial")),
      count_(named(new QSpinBox(this), "count")), rows_(named(new QSpinBox(this), "rows")),
      columns_(named(new QSpinBox(this), "columns")),
      different_(named(new QLabel(this), "different")),
      answers_(named(new QComboBox(this), "answers")),
      nameField_(named(new QCheckBox(tr("名前"), this), "nameField")),
      classField_(named(new QCheckBox(tr("年・組・番"), this), "classField")),
      dateField_(named(new QCheckBox(tr("日付"), this), "dateField")),
      scoreField_(named(new QCheckBox(tr("点数"), this), "scoreField")),
      numbers_(named(new QCheckBox(tr("問題の番号"), this), "numbers")),
      titled_(named(new QCheckBox(tr("つける"), this), "titled")),
      title_(named(new QLineEdit(this), "title")), format_(named(new QComboBox(this), "format")),
      guide_(named(new QComboBox(this), "guide")), cells_(named(new QComboBox(this), "cells")),
      split_(named(new QComboBox(this), "split")), size_(named(new QComboBox(this), "size")),
      typeface_(named(new QComboBox(this), "typeface")),
      kana_(named(new QCheckBox(tr("ひらがなの見出し(&J)"), this), "kana")),
      remainder_(named(new QComboBox(this), "remainder")),
      paper_(named(new QComboBox(this), "paper")),
      landscape_(named(new QCheckBox(tr("横向き(&O)"), this), "landscape")),
      sheets_(named(new QSpinBox(this), "sheets")), code_(named(new QLineEdit(this), "code")),
      newProblems_(named(new QPushButton(tr("新しい問題(&W)"), this), "newProblems")),
      sameProblems_(named(new QCheckBox(tr("次も同じ問題(&X)"), this), "sameProblems")) {
  layout_->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  buildChoices();
  buildProblems();
  buildLook();
  buildOutput();
  chainTabs();
  drawNewProblems();
  connect(this, &JobForm::changed, this, &JobForm::updateEnabled);
  // A grade-1 unit to start from, as a new teacher finds it.
  choiceMade(choice_->currentIndex());
}

void JobForm::buildChoices() {
  for (int grade = 1; grade <= 4; ++grade)
    grade_->addItem(tr("%1年").arg(grade), grade);
  addRow(tr("学年(&I):"), grade_, std::nullopt, "gradeLabel");
  choice_->setModel(choices_);
  review_->setRange(int(kReviewLimits.low), int(kReviewLimits.high));
  review_->setSuffix(QStringLiteral(" %"));
  review_->setSpecialValueText(tr("まぜない"));
  review_->setAccessibleName(tr("ふくしゅう"));
  review_->setToolTip(tr("前の単元の問題をまぜる割合"));
  addRow(tr("プリント(&P):"), row(this, {choice_, plainLabel(tr("ふくしゅう"), this), review_}),
         JobField::Unit, "choiceLabel");
  refusalRows_[JobField::Review] = refusalRows_[JobField::Unit];
  settingsNote_->setWordWrap(true);
  layout_->addRow(QString(), settingsNote_);
  layout_->setRowVisible(settingsNote_, false);

  connect(grade_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const int before = choice_->currentIndex();
    const ChoiceKind kind = choices_->kindAt(before);
    const QString key = choices_->keyAt(before);
    {
      const QSignalBlocker quiet(choice_);
      choices_->setGrade(grade_->itemData(index).toInt());
    }
    // Another grade opens at its first unit; any other choice stays.
    const int again = kind == ChoiceKind::Unit ? 0 : choices_->rowOf(kind, key);
    choice_->setCurrentIndex(-1);
    choice_->setCurrentIndex(std::max(again, 0));
  });
  connect(choice_, &QComboBox::currentIndexChanged, this, &JobForm::choiceMade);
  connect(review_, &QSpinBox::valueChanged, this, &JobForm::changed);
}

void JobForm::buildProblems() {
  auto *kindsGrid = new QGridLayout(kindsBox_);
  kindsGrid->setContentsMargins(0, 0, 0, 0);
  for (const SheetKindInfo &info : kSheetKinds) {
    auto *box = new QCheckBox(tr(kKindLabels[std::size_t(info.kind)]), kindsBox_);
    box->setObjectName(fromUtf8(info.name));
    const int index = int(kinds_.size());
    kindsGrid->addWidget(box, index / 2, index % 2);
    kinds_.push_back(box);
    connect(box, &QCheckBox::toggled, this, &JobForm::problemsEdited);
  }
  addRow(tr("種類(&K):"), kindsBox_, JobField::Kind, "kindsLabel");

  // The signs of three numbers; the last one ticked stays ticked.
  auto *signsLayout = new QHBoxLayout(signsBox_);
  signsLayout->setContentsMargins(0, 0, 0, 0);
  for (const SignPairInfo &pair : kSignPairs) {
    const QString equation = QStringLiteral("a%1b%2c").arg(fromUtf8(signText(pair.firstAdds)),
                                                           fromUtf8(signText(pair.secondAdds)));
    auto *box = new QCheckBox(equation, signsBox_);
    box->setObjectName(fromUtf8(pair.name));
    box->setChecked(true);
    signsLayout->addWidget(box);
    signs_.push_back(box);
    connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
      if (!on && std::none_of(signs_.begin(), signs_.end(),
                              [](const QCheckBox *b) { return b->isChecked(); }))
        box->setChecked(true);
      else
        problemsEdited();
    });
  }
  signsLayout->addStretch();
  addRow(tr("3つの数のしき(&Q):"), signsBox_, JobField::Signs, "signsLabel");

  addRow(tr("1つめの数(&1):"), first_, JobField::First, "firstLabel");
  addRow(tr("2つめの数(&2):"), second_, JobField::Second, "secondLabel");
  addRow(tr("答えの数(&3):"), result_, JobField::Result, "resultLabel");
  for (RangeField *range : {first_, second_, result_})
    connect(range, &RangeField::changed, this, &JobForm::problemsEdited);

  for (const NamedChoice &carry : kCarryChoices)
    carry_->addItem(tr(carry.caption), fromUtf8(carry.name));
  addRow(tr("くり上がり・くり下がり(&C):"), row(this, {carry_, noTrivial_}), JobField::Carry,
         "carryLabel");
  connect(carry_, &QComboBox::currentIndexChanged, this, &JobForm::problemsEdited);
  connect(noTrivial_, &QCheckBox::toggled, this, &JobForm::problemsEdited);

  // Column form from the second grade, its squares and boxes taken away
  // as the child needs them less.
  fillNamed(format_, kSheetFormats, kFormatCaptions);
  fillNamed(guide_, kGuides, kGuideCaptions);
  guide_->setAccessibleName(tr("筆算の手がかり"));
  fillNamed(cells_, kGridCells, kCellsCaptions);
  cells_->setAccessibleName(tr("百ますのます目"));
  fillNamed(split_, kCherrySplits, kSplitCaptions);
  split_->setAccessibleName(tr("さくらんぼで分ける数"));
  addRow(tr("書き方(&G):"), row(this, {format_, guide_, cells_, split_}), JobField::Format,
         "formatLabel");
  for (QComboBox *combo : {format_, cells_, split_})
    connect(combo, &QComboBox::currentIndexChanged, this, &JobForm::problemsEdited);
  connect(guide_, &QComboBox::currentIndexChanged, this, &JobForm::changed);
}

void JobForm::buildLook() {
  // The digits' size, for the child's age; the first grade reads kana.
  fillNamed(size_, kSheetSizes, kSizeCaptions);
  size_->setCurrentIndex(int(SheetSize::Medium));
  addRow(tr("大きさ(&Z):"), size_, JobField::Size, "sizeLabel");
  connect(size_, &QComboBox::activated, kana_,
          [this](int index) { kana_->setChecked(SheetSize(index) == SheetSize::Large); });
  fillNamed(typeface_, kTypefaces, kTypefaceCaptions);
  addRow(tr("書体(&Y):"), row(this, {typeface_, kana_}), JobField::Typeface, "typefaceLabel");
  fillNamed(remainder_, kRemainderStyles, kRemainderCaptions);
  addRow(tr("あまりの書き方(&U):"), remainder_, JobField::Remainder, "remainderLabel");

  count_->setRange(0, int(kCountLimits.high));
  count_->setSpecialValueText(tr("1ページ分"));
  rows_->setRange(0, int(kRowLimits.high));
  rows_->setSpecialValueText(tr("入るだけ"));
  rows_->setAccessibleName(tr("行"));
  columns_->setRange(0, int(kColumnLimits.high));
  columns_->setSpecialValueText(tr("入るだけ"));
  columns_->setAccessibleName(tr("列"));
  addRow(
      tr("問題の数(&N):"),
      row(this, {count_, plainLabel(tr("行"), this), rows_, plainLabel(tr("列"), this), columns_}),
      JobField::Count, "countLabel");
  different_->setWordWrap(true);
  layout_->addRow(QString(), different_);
  layout_->setRowVisible(different_, false);
  // A refusal of the rows or columns is said at the count's row.
  refusalRows_[JobField::Rows] = refusalRows_[JobField::Count];
  refusalRows_[JobField::Columns] = refusalRows_[JobField::Count];

  for (QComboBox *combo : {size_, typeface_, remainder_})
    connect(combo, &QComboBox::currentIndexChanged, this, &JobForm::changed);
  for (QSpinBox *spin : {count_, rows_, columns_})
    connect(spin, &QSpinBox::valueChanged, this, &JobForm::changed);
  connect(kana_, &QCheckBox::toggled, this, &JobForm::changed);
}

void JobForm::buildOutput() {
  for (const NamedChoice &answers : kAnswerChoices)
    answers_->addItem(tr(answers.caption), fromUtf8(answers.name));
  answers_->setCurrentIndex(1);
  addRow(tr("答えのプリント(&A):"), answers_, std::nullopt, "answersLabel");

  nameField_->setChecked(true);
  auto *fields = row(this, {nameField_, classField_, dateField_, scoreField_, numbers_});
  addRow(tr("らん(&F):"), fields, JobField::Numbers, "fieldsLabel");

  title_->setPlaceholderText(tr("空なら種類の名前"));
  title_->setEnabled(false);
  addRow(tr("タイトル(&T):"), row(this, {titled_, title_}), JobField::Title, "titleLabel");

  for (const PaperInfo &paper : kPapers)
    paper_->addItem(fromUtf8(paper.caption), fromUtf8(paper.name));
  addRow(tr("用紙(&S):"), row(this, {paper_, landscape_}), JobField::Paper, "paperLabel");

  sheets_->setRange(int(kSheetLimits.low), int(kSheetLimits.high));
  addRow(tr("枚数(&H):"), sheets_, JobField::Sheets, "sheetsLabel");

  // New problems on every sheet unless asked to keep them; a sheet's own
  // reprint code, from its footer, makes that sheet again.
  code_->setPlaceholderText(tr("プリントの下のらんのコードで、そのプリントをもう一度"));
  code_->setClearButtonEnabled(true);
  // Room for a code as the footer prints it, and for a title.
  code_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
  title_->setMinimumWidth(code_->minimumWidth());
  addRow(tr("再印刷コード(&D):"), code_, JobField::Reprint, "codeLabel");
  layout_->addRow(QString(), row(this, {newProblems_, sameProblems_}));

  connect(answers_, &QComboBox::currentIndexChanged, this, &JobForm::changed);
  connect(paper_, &QComboBox::currentIndexChanged, this, &JobForm::changed);
  connect(sheets_, &QSpinBox::valueChanged, this, &JobForm::changed);
  for (QCheckBox *box :
       {nameField_, classField_, dateField_, scoreField_, numbers_, titled_, landscape_})
    connect(box, &QCheckBox::toggled, this, &JobForm::changed);
  connect(titled_, &QCheckBox::toggled, title_, &QWidget::setEnabled);
  for (QLineEdit *edit : {title_, code_})
    connect(edit, &QLineEdit::textChanged, this, &JobForm::changed);
  connect(newProblems_, &QPushButton::clicked, this, &JobForm::drawNewProblems);
}

// Tab follows the form from top to bottom.
void JobForm::chainTabs() {
  QWidget *previous = grade_;
  const auto chain = [&](QWidget *next) {
    setTabOrder(previous, next);
    previous = next;
  };
  chain(choice_);
  chain(review_);
  for (QCheckBox *box : kinds_)
    chain(box);
  for (QCheckBox *box : signs_)
    chain(box);
  for (RangeField *range : {first_, second_, result_}) {
    chain(range->tick());
    chain(range->low());
    chain(range->high());
  }
  for (QWidget *next : std::initializer_list<QWidget *>{
           carry_,     noTrivial_,  format_,    guide_,      cells_,       split_,       size_,
           typeface_,  kana_,       remainder_, count_,      rows_,        columns_,     answers_,
           nameField_, classField_, dateField_, scoreField_, numbers_,     titled_,      title_,
           paper_,     landscape_,  sheets_,    code_,       newProblems_, sameProblems_})
    chain(next);
}

void JobForm::addRow(const QString &label, QWidget *field, std::optional<JobField> refusedField,
                     const char *name) {
  auto *caption = named(new QLabel(label, this), name);
  caption->setBuddy(field);
  // A row of several controls takes the label's mnemonic to its first one;
  // a label only hands its mnemonic to a buddy that takes focus.
  if (field->focusPolicy() == Qt::NoFocus)
    for (QWidget *child : field->findChildren<QWidget *>())
      if (child->focusPolicy() != Qt::NoFocus) {
        field->setFocusProxy(child);
        field->setFocusPolicy(Qt::StrongFocus);
        break;
      }
  layout_->addRow(caption, field);
  if (!refusedField)
    return;
  auto *refusal = new QLabel(this);
  refusal->setWordWrap(true);
  refusal->setStyleSheet(QStringLiteral("color: #b00000;"));
  refusal->setObjectName(QStringLiteral("refusal"));
  layout_->addRow(QString(), refusal);
  layout_->setRowVisible(refusal, false);
  refusalRows_[*refusedField] = {field, refusal};
}

void JobForm::addChoiceTools(QWidget *tools) {
  choiceTools_ = tools;
  layout_->insertRow(2, QString(), tools);
  QWidget *previous = review_;
  for (QWidget *next : tools->findChildren<QWidget *>())
    if (next->focusPolicy() & Qt::TabFocus) {
      setTabOrder(previous, next);
      previous = next;
    }
  setTabOrder(previous, kinds_.front());
}

ChoiceKind JobForm::choiceKind() const {
  const ChoiceKind kind = choices_->kindAt(choice_->currentIndex());
  return kind == ChoiceKind::Kept ? keptKind_ : kind;
}

const UnitInfo *JobForm::unit() const {
  if (choices_->kindAt(choice_->currentIndex()) == ChoiceKind::Kept)
    return keptKind_ == ChoiceKind::Unit ? unitNamed(keptKey_.toStdString()) : nullptr;
  return choices_->unitAt(choice_->currentIndex());
}

const WorksheetPreset *JobForm::preset() const {
  if (choices_->kindAt(choice_->currentIndex()) != ChoiceKind::Kept)
    return choices_->presetAt(choice_->currentIndex());
  for (const WorksheetPreset &p : kWorksheetPresets)
    if (keptKind_ == ChoiceKind::Preset && fromUtf8(p.name) == keptKey_)
      return &p;
  return nullptr;
}

bool JobForm::reprinting() const { return !code_->text().trimmed().isEmpty(); }

QString JobForm::currentKept() const {
  const int row = choice_->currentIndex();
  return choices_->kindAt(row) == ChoiceKind::Kept ? choices_->keyAt(row) : QString();
}

void JobForm::choiceMade(int row) {
  if (filling_ || row < 0)
    return;
  switch (choices_->kindAt(row)) {
  case ChoiceKind::Kept:
    Q_EMIT keptChosen(choices_->keyAt(row));
    return;
  case ChoiceKind::Unit:
    if (const UnitInfo *chosen = choices_->unitAt(row))
      showUnit(*chosen);
    break;
  case ChoiceKind::Preset:
    if (const WorksheetPreset *chosen = choices_->presetAt(row))
      showPreset(*chosen);
    break;
  case ChoiceKind::Custom:
    break;
  }
  keptKind_ = choices_->kindAt(row);
  keptKey_ = choices_->keyAt(row);
  updateEnabled();
  Q_EMIT changed();
}

void JobForm::showUnit(const UnitInfo &chosen) {
  filling_ = true;
  {
    const QSignalBlocker quiet(this);
    std::optional<NumberRange> first, second, result;
    const auto hull = [](std::optional<NumberRange> &into, NumberRange range) {
      into = into ? NumberRange{std::min(into->low, range.low), std::max(into->high, range.high)}
                  : range;
    };
    std::vector<SheetKind> kinds;
    Carry carry = chosen.problems().front().carry;
    for (const UnitPart &part : chosen.problems()) {
      kinds.push_back(part.kind);
      hull(first, part.first);
      hull(second, part.second);
      if (part.result.high < kNoBound)
        hull(result, part.result);
      if (part.carry != carry)
        carry = Carry::Any;
    }
    for (std::size_t k = 0; k < kinds_.size(); ++k)
      kinds_[k]->setChecked(std::find(kinds.begin(), kinds.end(), kSheetKinds[k].kind) !=
                            kinds.end());
    for (QCheckBox *box : signs_)
      box->setChecked(true);
    first_->setRange(first);
    second_->setRange(second);
    result_->setRange(result);
    carry_->setCurrentIndex(int(carry));
    noTrivial_->setChecked(chosen.leaveOutTrivial);
    format_->setCurrentIndex(int(chosen.format));
    cells_->setCurrentIndex(int(chosen.cells));
    size_->setCurrentIndex(int(chosen.size));
    kana_->setChecked(chosen.kana);
    count_->setValue(chosen.count);
    if (reviewedBy(chosen).empty())
      review_->setValue(0);
  }
  filling_ = false;
}

void JobForm::showPreset(const WorksheetPreset &chosen) {
  const QSignalBlocker quiet(this);
  filling_ = true;
  for (const PresetShown &shown : kPresetsShown)
    if (shown.name == chosen.name) {
      for (std::size_t k = 0; k < kinds_.size(); ++k)
        kinds_[k]->setChecked(kSheetKinds[k].kind == shown.kind);
      first_->setRange(shown.first);
      second_->setRange(shown.second);
      result_->setRange(shown.result);
    }
  carry_->setCurrentIndex(int(Carry::Any));
  noTrivial_->setChecked(false);
  format_->setCurrentIndex(int(SheetFormat::Inline));
  count_->setValue(chosen.printCount);
  filling_ = false;
}

// A field that decides the problems, changed while a unit or preset is
// chosen: the sheet becomes the teacher's own, from what the fields show.
void JobForm::problemsEdited() {
  if (filling_)
    return;
  const ChoiceKind kind = choiceKind();
  if (kind == ChoiceKind::Unit || kind == ChoiceKind::Preset) {
    filling_ = true;
    choice_->setCurrentIndex(choices_->rowOf(ChoiceKind::Custom));
    keptKind_ = ChoiceKind::Custom;
    keptKey_.clear();
    filling_ = false;
  }
  Q_EMIT changed();
}

void JobForm::updateEnabled() {
  const ChoiceKind kind = choiceKind();
  const bool code = reprinting();
  const bool own = !code && kind != ChoiceKind::Preset;
  for (QWidget *widget : std::initializer_list<QWidget *>{
           kindsBox_, first_, second_, result_, carry_, noTrivial_, count_, rows_, columns_,
           format_, size_, typeface_, remainder_, kana_})
    widget->setEnabled(own);
  for (QWidget *widget : std::initializer_list<QWidget *>{
           grade_, choice_, nameField_, classField_, dateField_, scoreField_, numbers_, paper_,
           landscape_, sheets_, newProblems_, sameProblems_})
    widget->setEnabled(!code);
  const UnitInfo *chosen = unit();
  review_->setEnabled(!code && chosen && !reviewedBy(*chosen).empty());
  signsBox_->setEnabled(own && kinds_[std::size_t(SheetKind::Three)]->isChecked());
  const auto format = rowNamed(kSheetFormats, format_).format;
  // Only the format's own choice shows beside it.
  guide_->setVisible(format == SheetFormat::Column);
  cells_->setVisible(format == SheetFormat::Grid);
  split_->setVisible(format == SheetFormat::Cherry);
  guide_->setEnabled(!code);
  cells_->setEnabled(own);
  split_->setEnabled(own);
}

WorksheetJob JobForm::job() const {
  WorksheetJob job;
  if (reprinting()) {
    const auto read = jobFromReprintCode(code_->text().trimmed().toStdString());
    if (const auto *again = std::get_if<WorksheetJob>(&read))
      job = *again;
  } else if (const WorksheetPreset *chosen = preset()) {
    job.preset = chosen;
  } else {
    if (const UnitInfo *chosen = unit()) {
      job.units = {chosen};
      if (review_->value() > 0)
        job.review = review_->value();
    } else {
      for (std::size_t k = 0; k < kinds_.size(); ++k)
        if (kinds_[k]->isChecked())
          job.kinds.push_back(kSheetKinds[k].kind);
      job.first = first_->range();
      job.second = second_->range();
      job.result = result_->range();
      if (const auto carry = Carry(carry_->currentIndex()); carry != Carry::Any)
        job.carry = carry;
      job.leaveOutTrivial = noTrivial_->isChecked();
      // All four signs are the default; a choice is only made of fewer.
      const auto ticked = std::count_if(signs_.begin(), signs_.end(),
                                        [](const QCheckBox *b) { return b->isChecked(); });
      if (kinds_[std::size_t(SheetKind::Three)]->isChecked() && ticked < qsizetype(signs_.size()))
        for (std::size_t p = 0; p < signs_.size(); ++p)
          if (signs_[p]->isChecked())
            job.signs.push_back(kSignPairs[p].pair);
      job.format = rowNamed(kSheetFormats, format_).format;
      if (job.format == SheetFormat::Grid)
        job.cells = rowNamed(kGridCells, cells_).cells;
      // A split for a kind not ticked would be refused with nowhere to say so.
      const CherrySplitInfo &split = rowNamed(kCherrySplits, split_);
      if (job.format == SheetFormat::Cherry &&
          std::find(job.kinds.begin(), job.kinds.end(), split.kind) != job.kinds.end())
        job.split = split.split;
    }
    if (rowNamed(kSheetFormats, format_).format == SheetFormat::Column)
      job.guide = rowNamed(kGuides, guide_).guide;
    if (count_->value() > 0)
      job.count = count_->value();
    if (rows_->value() > 0)
      job.rows = rows_->value();
    if (columns_->value() > 0)
      job.columns = columns_->value();
    job.size = rowNamed(kSheetSizes, size_).size;
    job.typeface = rowNamed(kTypefaces, typeface_).typeface;
    job.remainder = rowNamed(kRemainderStyles, remainder_).style;
    job.kana = kana_->isChecked();
  }
  const auto answers = answers_->currentIndex();
  job.answers = answers != 0;
  job.answersAtEnd = answers == 2;
  if (titled_->isChecked())
    job.title = title_->text().toStdString();
  if (reprinting())
    return job;
  job.fields = {nameField_->isChecked(), classField_->isChecked(), dateField_->isChecked(),
                scoreField_->isChecked(), numbers_->isChecked()};
  job.page.paper = rowNamed(kPapers, paper_).paper;
  job.page.landscape = landscape_->isChecked();
  if (job.preset)
    job.kana = kana_->isChecked();
  job.sheets = sheets_->value();
  job.seed = seed_;
  return job;
}

JobCheck JobForm::check() const {
  if (reprinting()) {
    const auto read = jobFromReprintCode(code_->text().trimmed().toStdString());
    if (const auto *refusal = std::get_if<Refusal>(&read))
      return *refusal;
  }
  return validateJob(job());
}

void JobForm::showRefusal(const std::optional<Refusal> &refusal) {
  // Some fields share a row: the rows and columns the count's.
  const auto found = refusal ? refusalRows_.find(refusal->field) : refusalRows_.end();
  const QLabel *said = found == refusalRows_.end() ? nullptr : found->second.second;
  for (const auto &[field, widgets] : refusalRows_) {
    const bool refused = widgets.second == said;
    widgets.first->setProperty("refused", refused);
    widgets.first->setStyleSheet(refused ? QStringLiteral("background: #ffe4e4;") : QString());
    if (refused)
      widgets.second->setText(refusalText(*refusal));
    layout_->setRowVisible(widgets.second, refused);
  }
}

void JobForm::showDifferent(int64_t different, int64_t count) {
  const bool repeats = different < count;
  different_->setText(
      repeats ? tr("ちがう問題は %1 こだけなので、1枚の %2 問にはおなじ問題がくりかえし出ます")
                    .arg(different)
                    .arg(count)
              : QString());
  layout_->setRowVisible(different_, repeats);
}

QString JobForm::refusalText(const Refusal &refusal) {
  switch (refusal.reason) {
  case RefusalReason::OutOfRange:
    return tr("%1から%2までにしてください").arg(refusal.low).arg(refusal.high);
  case RefusalReason::LowAboveHigh:
    return tr("はじめの数がおわりの数より大きくなっています");
  case RefusalReason::NotWithPreset:
    return tr("プリセットでは変えられません");
  case RefusalReason::NotWithUnit:
    return tr("単元では変えられません");
  case RefusalReason::NoUnit:
    return tr("単元を選んでください");
  case RefusalReason::NothingToReview:
    return tr("この単元より前に、同じ書き方の単元がありません");
  case RefusalReason::UnitsApart:
    return tr("書き方のちがう単元は、1枚にまとめられません");
  case RefusalReason::NotForKinds:
    if (refusal.field == JobField::Signs)
      return tr("3つの数にだけ使えます");
    return tr("たし算とひき算（筆算ではかけ算も）にだけ使えます");
  case RefusalReason::NotForFormat:
    switch (refusal.field) {
    case JobField::Guide:
      return tr("筆算にだけ使えます");
    case JobField::Format: {
      QStringList captions;
      for (const std::string_view name : refusal.allowed)
        if (const auto kind = kindNamed(name))
          captions << tr(kKindLabels[std::size_t(*kind)]);
      return tr("この書き方にできない種類があります（%1 だけです）").arg(captions.join(tr("、")));
    }
    case JobField::Trivial:
      return tr("100ますでは使えません");
    default:
      return tr("百ますでは使えません");
    }
  case RefusalReason::TooFewValues:
    return refusal.with.empty()
               ? tr("ちがう数が%1こ入る範囲にしてください").arg(refusal.high)
               : tr("いちばん大きいひく数より小さくないひかれる数が%1こ入る範囲にしてください")
                     .arg(refusal.high);
  case RefusalReason::FewerDigits:
    return tr("わられる数のけた数が、わる数より少なくなっています");
  case RefusalReason::NoCrossing:
    return tr(
        "さくらんぼ計算は、10をこえるたし算（1けた＋1けた）と10をまたぐひき算（11〜18－1けた）"
        "だけです");
  case RefusalReason::NoProblems:
    return tr("この範囲に合う問題がありません");
  case RefusalReason::NoDivisor:
    return tr("わる数に%1以上の数が入るようにしてください").arg(refusal.low);
  case RefusalReason::Unknown:
  case RefusalReason::NotANumber:
  case RefusalReason::NotARange:
    return tr("整数を入れてください");
  case RefusalReason::Missing:
    return tr("種類を1つ以上選んでください");
  case RefusalReason::DoesNotFit: {
    if (refusal.field == JobField::Numbers)
      return tr("この用紙では、問題の上に番号の入る場所がありません（らんをへらすか、大きい用紙に"
                "してください）");
    QStringList sizes;
    for (const std::string_view name : refusal.allowed)
      if (const auto size = sizeNamed(name))
        sizes << tr(kSizeCaptions[std::size_t(*size)]);
    return sizes.isEmpty() ? tr("この用紙には、この大きさの問題が1つも入りません")
                           : tr("この用紙には、この大きさの問題が1つも入りません（入るのは %1）")
                                 .arg(sizes.join(tr("、")));
  }
  case RefusalReason::TooMany:
    return tr("この用紙とこの大きさでは%1までです").arg(refusal.high);
  case RefusalReason::NotACode:
  case RefusalReason::OtherVersion:
    return tr("再印刷コードが読めません（プリントの下のらんのとおりに入れてください）");
  case RefusalReason::NotInstalled:
    return tr("この書体がありません。パッケージ %1 を入れてください")
        .arg(refusal.allowed.empty() ? QString() : fromUtf8(refusal.allowed.front()));
  case RefusalReason::BadText:
    return tr("%1文字までにしてください（改行やタブは使えません）").arg(refusal.high);
  }
  return {};
}

// The fields settings keep by name, each under its own key.
std::array<std::pair<const char *, QComboBox *>, 10> JobForm::namedCombos() const {
  return {{{"carry", carry_},
           {"answers", answers_},
           {"paper", paper_},
           {"format", format_},
           {"guide", guide_},
           {"cells", cells_},
           {"split", split_},
           {"size", size_},
           {"typeface", typeface_},
           {"remainder", remainder_}}};
}

std::array<std::pair<const char *, QCheckBox *>, 10> JobForm::namedTicks() const {
  return {{{"noTrivial", noTrivial_},
           {"nameField", nameField_},
           {"classField", classField_},
           {"dateField", dateField_},
           {"scoreField", scoreField_},
           {"numbers", numbers_},
           {"titled", titled_},
           {"landscape", landscape_},
           {"kana", kana_},
           {"seedFixed", sameProblems_}}};
}

std::array<std::pair<const char *, QSpinBox *>, 4> JobForm::namedSpins() const {
  return {{{"count", count_}, {"rows", rows_}, {"columns", columns_}, {"sheets", sheets_}}};
}

QVariantMap JobForm::state() const {
  QVariantMap state;
  // The choice in effect by its kind and key: a kept sheet keeps its own.
  static const std::array<QString, 4> kChoiceNames{QStringLiteral("unit"), QStringLiteral("preset"),
                                                   QStringLiteral("custom"),
                                                   QStringLiteral("custom")};
  state[QStringLiteral("version")] = 2;
  state[QStringLiteral("choice")] = kChoiceNames[std::size_t(choiceKind())];
  if (const UnitInfo *chosen = unit())
    state[QStringLiteral("unit")] = fromUtf8(chosen->id);
  if (const WorksheetPreset *chosen = preset())
    state[QStringLiteral("preset")] = fromUtf8(chosen->name);
  if (const QString kept = currentKept(); !kept.isEmpty())
    state[QStringLiteral("kept")] = kept;
  state[QStringLiteral("grade")] = grade_->currentData();
  state[QStringLiteral("review")] = review_->value();
  QStringList kinds;
  for (std::size_t k = 0; k < kinds_.size(); ++k)
    if (kinds_[k]->isChecked())
      kinds << fromUtf8(kSheetKinds[k].name);
  state[QStringLiteral("kinds")] = kinds;
  QStringList signs;
  for (std::size_t p = 0; p < signs_.size(); ++p)
    if (signs_[p]->isChecked())
      signs << fromUtf8(kSignPairs[p].name);
  state[QStringLiteral("signs")] = signs;
  const auto range = [](const RangeField *field) {
    return QVariantList{field->tick()->isChecked(), field->low()->value(), field->high()->value()};
  };
  state[QStringLiteral("first")] = range(first_);
  state[QStringLiteral("second")] = range(second_);
  state[QStringLiteral("result")] = range(result_);
  for (const auto &[key, combo] : namedCombos())
    state[QLatin1String(key)] = combo->currentData();
  for (const auto &[key, box] : namedTicks())
    state[QLatin1String(key)] = box->isChecked();
  for (const auto &[key, spin] : namedSpins())
    state[QLatin1String(key)] = spin->value();
  state[QStringLiteral("title")] = title_->text();
  state[QStringLiteral("seed")] = qlonglong(seed_);
  return state;
}

void JobForm::setState(const QVariantMap &state) {
  {
    // One change for the whole state, not one for each field.
    const QSignalBlocker quiet(this);
    filling_ = true;
    applyState(state);
    filling_ = false;
  }
  updateEnabled();
  Q_EMIT changed();
}

void JobForm::applyState(const QVariantMap &state) {
  const auto has = [&](const char *key) { return state.contains(QLatin1String(key)); };
  const auto at = [&](const char *key) { return state.value(QLatin1String(key)); };
  QStringList unknown;
  const auto remember = [&](const char *key) {
    unknown << QStringLiteral("%1 %2").arg(QLatin1String(key), at(key).toString());
  };
  // Version 1 kept a preset by name (none for the custom form) and the
  // combos' positions; its grade and units did not exist.
  const bool older = at("version").toInt() < 2;
  if (has("grade")) {
    const int grade = grade_->findData(at("grade").toInt());
    grade_->setCurrentIndex(std::max(grade, 0));
    choices_->setGrade(grade_->currentData().toInt());
  }
  ChoiceKind kind = ChoiceKind::Custom;
  QString key;
  if (older && has("preset") && !at("preset").isNull()) {
    kind = ChoiceKind::Preset;
    key = at("preset").toString();
  } else if (at("choice").toString() == QStringLiteral("unit")) {
    kind = ChoiceKind::Unit;
    key = at("unit").toString();
    if (const UnitInfo *named = unitNamed(key.toStdString())) {
      grade_->setCurrentIndex(std::max(grade_->findData(named->grade), 0));
      choices_->setGrade(named->grade);
    } else {
      remember("unit");
      kind = ChoiceKind::Custom;
    }
  } else if (at("choice").toString() == QStringLiteral("preset")) {
    kind = ChoiceKind::Preset;
    key = at("preset").toString();
  }
  if (kind == ChoiceKind::Preset && choices_->rowOf(kind, key) < 0) {
    remember("preset");
    kind = ChoiceKind::Custom;
  }
  if (has("kinds") || has("choice") || has("preset")) {
    keptKind_ = kind;
    keptKey_ = kind == ChoiceKind::Custom ? QString() : key;
    choice_->setCurrentIndex(choices_->rowOf(kind, keptKey_));
    if (const int kept = choices_->rowOf(ChoiceKind::Kept, at("kept").toString()); kept >= 0)
      choice_->setCurrentIndex(kept);
  }
  if (has("review"))
    review_->setValue(at("review").toInt());
  if (has("kinds")) {
    const QStringList kinds = at("kinds").toStringList();
    for (std::size_t k = 0; k < kinds_.size(); ++k)
      kinds_[k]->setChecked(kinds.contains(fromUtf8(kSheetKinds[k].name)));
  }
  if (const QStringList signs = at("signs").toStringList(); !signs.isEmpty())
    for (std::size_t p = 0; p < signs_.size(); ++p)
      signs_[p]->setChecked(signs.contains(fromUtf8(kSignPairs[p].name)));
  const auto range = [&](const char *key, RangeField *field) {
    const QVariantList values = at(key).toList();
    if (values.size() == 3)
      field->setRange(values[0].toBool()
                          ? std::optional<NumberRange>({values[1].toInt(), values[2].toInt()})
                          : std::nullopt);
  };
  range("first", first_);
  range("second", second_);
  range("result", result_);
  // An older version's answers were none, after each, at the end; its
  // carrying any, without, with: the same order as the names now.
  for (const auto &[key, combo] : namedCombos())
    if (has(key) && !chooseNamed(combo, at(key)))
      remember(key);
  // The fields were a list of five, in this order.
  const QVariantList fields = at("fields").toList();
  const std::array<QCheckBox *, 5> fieldBoxes{nameField_, classField_, dateField_, scoreField_,
                                              numbers_};
  for (std::size_t i = 0; i < fieldBoxes.size() && i < std::size_t(fields.size()); ++i)
    fieldBoxes[i]->setChecked(fields[qsizetype(i)].toBool());
  for (const auto &[key, box] : namedTicks())
    if (has(key))
      box->setChecked(at(key).toBool());
  for (const auto &[key, spin] : namedSpins())
    if (has(key))
      spin->setValue(at(key).toInt());
  if (has("title"))
    title_->setText(at("title").toString());
  if (sameProblems_->isChecked() && has("seed"))
    seed_ = uint32_t(at("seed").toLongLong());

  settingsNote_->setText(unknown.isEmpty()
                             ? QString()
                             : tr("前の設定のうち、この版では使えないものがありました（%1）")
                                   .arg(unknown.join(tr("、"))));
  layout_->setRowVisible(settingsNote_, !unknown.isEmpty());
}

void JobForm::setKeptNames(const QStringList &names, const QString &choose) {
  const QString chosen = choose.isEmpty() ? currentKept() : choose;
  const int before = choice_->currentIndex();
  const ChoiceKind kind = choices_->kindAt(before);
  const QString key = choices_->keyAt(before);
  filling_ = true;
  {
    const QSignalBlocker quiet(choice_);
    choices_->setKeptNames(names);
    // Gone or not, a kept sheet leaves the form as it was.
    const int kept = choices_->rowOf(ChoiceKind::Kept, chosen);
    const int again = kind == ChoiceKind::Kept ? -1 : choices_->rowOf(kind, key);
    choice_->setCurrentIndex(kept >= 0    ? kept
                             : again >= 0 ? again
                                          : choices_->rowOf(keptKind_, keptKey_));
  }
  filling_ = false;
  updateEnabled();
}

void JobForm::showKept(const QString &name, const QVariantMap &state) {
  QVariantMap shown = state;
  shown[QStringLiteral("kept")] = name;
  setState(shown);
}

void JobForm::drawNewProblems() {
  std::random_device device;
  seed_ = device() % 1000000000U;
  Q_EMIT changed();
}

QString JobForm::suggestedName() const {
  const WorksheetJob form = job();
  QString name;
  if (form.preset) {
    name = fromUtf8(form.preset->caption);
  } else if (!form.units.empty()) {
    name = fromUtf8(form.units.front()->caption);
  } else {
    for (const SheetKind kind : form.kinds)
      name +=
          (name.isEmpty() ? QString() : QStringLiteral("・")) + fromUtf8(kindInfo(kind).caption);
    if (form.count)
      name += QString::number(*form.count) + QStringLiteral("題");
  }
  // Full-width digits read oddly in a file name.
  for (QChar &c : name)
    if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
      c = QChar(u'0' + (c.unicode() - 0xFF10));
  return name + QStringLiteral("-%1枚.pdf").arg(form.sheets);
}
