#include "jobform.h"

#include "numbertext.h"
#include "papers.h"
#include "rangefield.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
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

// The sizes and typefaces as the window names them, in the order of their tables.
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
static_assert(kFormatCaptions.size() == kSheetFormats.size());
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

// The window's names of the kinds a refusal lists by their command-line names.
QStringList kindCaptions(const std::vector<std::string_view> &names) {
  QStringList captions;
  for (const std::string_view name : names)
    if (const auto kind = kindNamed(name))
      captions << JobForm::tr(kKindLabels[std::size_t(*kind)]);
  return captions;
}

constexpr int kKeptRole = Qt::UserRole + 1;
// The custom choice, the presets and the separator before the kept sheets.
constexpr int kKeptStart = int(kWorksheetPresets.size()) + 2;

// The answer sheets' place: none, after each sheet, all at the end.
enum class AnswerPlace { None, AfterEach, AtEnd };

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets) {
  auto *box = new QWidget(parent);
  auto *layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget *widget : widgets)
    layout->addWidget(widget);
  layout->addStretch();
  return box;
}

} // namespace

JobForm::JobForm(QWidget *parent)
    : QWidget(parent), layout_(new QFormLayout(this)), preset_(new QComboBox(this)),
      kindsBox_(new QWidget(this)), signsBox_(new QWidget(this)),
      first_(new RangeField(tr("指定する"), this)), second_(new RangeField(tr("指定する"), this)),
      result_(new RangeField(tr("指定する"), this)), carry_(new QComboBox(this)),
      noTrivial_(new QCheckBox(tr("0や1の問題を入れない(&B)"), this)), count_(new QSpinBox(this)),
      answers_(new QComboBox(this)), nameField_(new QCheckBox(tr("名前"), this)),
      classField_(new QCheckBox(tr("年・組・番"), this)),
      dateField_(new QCheckBox(tr("日付"), this)), scoreField_(new QCheckBox(tr("点数"), this)),
      numbers_(new QCheckBox(tr("問題の番号"), this)), titled_(new QCheckBox(tr("つける"), this)),
      title_(new QLineEdit(this)), format_(new QComboBox(this)), guide_(new QComboBox(this)),
      cells_(new QComboBox(this)), split_(new QComboBox(this)), size_(new QComboBox(this)),
      typeface_(new QComboBox(this)), kana_(new QCheckBox(tr("ひらがなの見出し(&J)"), this)),
      remainder_(new QComboBox(this)), paper_(new QComboBox(this)),
      landscape_(new QCheckBox(tr("横向き(&O)"), this)), sheets_(new QSpinBox(this)),
      seed_(new QLineEdit(this)), newSeed_(new QPushButton(tr("新しく(&W)"), this)),
      fixSeed_(new QCheckBox(tr("次も使う(&X)"), this)) {
  preset_->addItem(tr("種類と範囲を選ぶ"));
  for (const WorksheetPreset &preset : kWorksheetPresets)
    preset_->addItem(fromUtf8(preset.caption), fromUtf8(preset.name));
  addRow(tr("プリント(&P):"), preset_, JobField::Preset);

  auto *kindsGrid = new QGridLayout(kindsBox_);
  kindsGrid->setContentsMargins(0, 0, 0, 0);
  for (const char *label : kKindLabels) {
    auto *box = new QCheckBox(tr(label), kindsBox_);
    const int index = int(kinds_.size());
    kindsGrid->addWidget(box, index / 2, index % 2);
    kinds_.push_back(box);
    connect(box, &QCheckBox::toggled, this, &JobForm::changed);
  }
  kinds_.front()->setChecked(true);
  addRow(tr("種類(&K):"), kindsBox_, JobField::Kind);

  // The signs of three numbers; the last one ticked stays ticked.
  auto *signsLayout = new QHBoxLayout(signsBox_);
  signsLayout->setContentsMargins(0, 0, 0, 0);
  for (const SignPairInfo &pair : kSignPairs) {
    const QString equation = QStringLiteral("a%1b%2c").arg(fromUtf8(signText(pair.firstAdds)),
                                                           fromUtf8(signText(pair.secondAdds)));
    auto *box = new QCheckBox(equation, signsBox_);
    box->setChecked(true);
    signsLayout->addWidget(box);
    signs_.push_back(box);
    connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
      if (!on && std::none_of(signs_.begin(), signs_.end(),
                              [](const QCheckBox *b) { return b->isChecked(); }))
        box->setChecked(true);
      else
        Q_EMIT changed();
    });
  }
  signsLayout->addStretch();
  addRow(tr("3つの数のしき(&Q):"), signsBox_, JobField::Signs);

  // Column form from the second grade, its squares and boxes taken away
  // as the child needs them less.
  for (const char *caption : kFormatCaptions)
    format_->addItem(tr(caption));
  for (const char *caption : kGuideCaptions)
    guide_->addItem(tr(caption));
  guide_->setAccessibleName(tr("筆算の手がかり"));
  for (const char *caption : kCellsCaptions)
    cells_->addItem(tr(caption));
  cells_->setAccessibleName(tr("百ますのます目"));
  for (const char *caption : kSplitCaptions)
    split_->addItem(tr(caption));
  split_->setAccessibleName(tr("さくらんぼで分ける数"));
  addRow(tr("書き方(&G):"), row(this, {format_, guide_, cells_, split_}), JobField::Format);

  // The digits' size, for the child's age; the first grade reads kana.
  for (const char *caption : kSizeCaptions)
    size_->addItem(tr(caption));
  size_->setCurrentIndex(int(SheetSize::Medium));
  addRow(tr("大きさ(&Z):"), size_, JobField::Size);
  connect(size_, &QComboBox::activated, kana_,
          [this](int index) { kana_->setChecked(SheetSize(index) == SheetSize::Large); });
  for (const char *caption : kTypefaceCaptions)
    typeface_->addItem(tr(caption));
  addRow(tr("書体(&Y):"), row(this, {typeface_, kana_}), JobField::Typeface);
  addRow(tr("1つめの数(&1):"), first_, JobField::First);
  addRow(tr("2つめの数(&2):"), second_, JobField::Second);
  addRow(tr("答えの数(&3):"), result_, JobField::Result);

  carry_->addItem(tr("どちらでも"), int(Carry::Any));
  carry_->addItem(tr("なし"), int(Carry::Without));
  carry_->addItem(tr("あり"), int(Carry::With));
  addRow(tr("くり上がり・くり下がり(&C):"), row(this, {carry_, noTrivial_}), JobField::Carry);
  for (const char *caption : kRemainderCaptions)
    remainder_->addItem(tr(caption));
  addRow(tr("あまりの書き方(&U):"), remainder_, JobField::Remainder);

  count_->setRange(0, int(kCountLimits.high));
  count_->setSpecialValueText(tr("1ページ分"));
  addRow(tr("問題の数(&N):"), count_, JobField::Count);

  answers_->addItem(tr("つけない"), int(AnswerPlace::None));
  answers_->addItem(tr("1枚ごとに"), int(AnswerPlace::AfterEach));
  answers_->addItem(tr("最後にまとめて"), int(AnswerPlace::AtEnd));
  answers_->setCurrentIndex(1);
  addRow(tr("答えのプリント(&A):"), answers_, std::nullopt);

  nameField_->setChecked(true);
  auto *fields = row(this, {nameField_, classField_, dateField_, scoreField_, numbers_});
  addRow(tr("らん(&F):"), fields, JobField::Numbers);

  title_->setPlaceholderText(tr("空なら種類の名前"));
  title_->setEnabled(false);
  addRow(tr("タイトル(&T):"), row(this, {titled_, title_}), JobField::Title);

  for (const PaperInfo &paper : kPapers)
    paper_->addItem(fromUtf8(paper.caption), int(paper.paper));
  addRow(tr("用紙(&S):"), row(this, {paper_, landscape_}), JobField::Paper);

  sheets_->setRange(int(kSheetLimits.low), int(kSheetLimits.high));
  addRow(tr("枚数(&H):"), sheets_, JobField::Sheets);

  seed_->setMaxLength(12);
  addRow(tr("シード(&D):"), row(this, {seed_, newSeed_, fixSeed_}), JobField::Seed);
  drawNewSeed();

  // Tab follows the form from top to bottom.
  QWidget *previous = preset_;
  const auto chain = [&](QWidget *next) {
    setTabOrder(previous, next);
    previous = next;
  };
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
           format_,    guide_,      cells_,     split_,  size_,    typeface_,  kana_,
           carry_,     noTrivial_,  remainder_, count_,  answers_, nameField_, classField_,
           dateField_, scoreField_, numbers_,   titled_, title_,   paper_,     landscape_,
           sheets_,    seed_,       newSeed_,   fixSeed_})
    chain(next);

  connect(preset_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const QString kept = preset_->itemData(index, kKeptRole).toString();
    if (kept.isEmpty())
      Q_EMIT changed();
    else
      Q_EMIT keptChosen(kept);
  });
  for (QComboBox *combo :
       {format_, guide_, cells_, split_, size_, typeface_, carry_, remainder_, answers_, paper_})
    connect(combo, &QComboBox::currentIndexChanged, this, &JobForm::changed);
  for (QSpinBox *spin : {count_, sheets_})
    connect(spin, &QSpinBox::valueChanged, this, &JobForm::changed);
  for (RangeField *range : {first_, second_, result_})
    connect(range, &RangeField::changed, this, &JobForm::changed);
  for (QCheckBox *box : {nameField_, classField_, dateField_, scoreField_, numbers_, titled_, kana_,
                         landscape_, noTrivial_})
    connect(box, &QCheckBox::toggled, this, &JobForm::changed);
  connect(titled_, &QCheckBox::toggled, title_, &QWidget::setEnabled);
  for (QLineEdit *edit : {title_, seed_})
    connect(edit, &QLineEdit::textChanged, this, &JobForm::changed);
  connect(newSeed_, &QPushButton::clicked, this, &JobForm::drawNewSeed);
  connect(this, &JobForm::changed, this, &JobForm::updateEnabled);
  updateEnabled();
}

void JobForm::addRow(const QString &label, QWidget *field, std::optional<JobField> refusedField) {
  auto *name = new QLabel(label, this);
  name->setBuddy(field);
  // A row of several controls takes the label's mnemonic to its first one;
  // a label only hands its mnemonic to a buddy that takes focus.
  if (field->focusPolicy() == Qt::NoFocus)
    for (QWidget *child : field->findChildren<QWidget *>())
      if (child->focusPolicy() != Qt::NoFocus) {
        field->setFocusProxy(child);
        field->setFocusPolicy(Qt::StrongFocus);
        break;
      }
  layout_->addRow(name, field);
  if (!refusedField)
    return;
  auto *refusal = new QLabel(this);
  refusal->setWordWrap(true);
  refusal->setStyleSheet(QStringLiteral("color: #b00000;"));
  refusal->setObjectName(QStringLiteral("refusal"));
  layout_->addRow(QString(), refusal);
  layout_->setRowVisible(refusal, false);
  rows_[*refusedField] = {field, refusal};
}

void JobForm::addPresetTools(QWidget *tools) {
  layout_->insertRow(1, QString(), tools);
  QWidget *previous = preset_;
  for (QWidget *next : tools->findChildren<QWidget *>())
    if (next->focusPolicy() & Qt::TabFocus) {
      setTabOrder(previous, next);
      previous = next;
    }
}

int JobForm::presetChoice() const {
  return currentKept().isEmpty() ? preset_->currentIndex() : keptBase_;
}

int JobForm::keptIndex(const QString &name) const {
  return name.isEmpty() ? -1 : preset_->findData(name, kKeptRole);
}

QString JobForm::currentKept() const { return preset_->currentData(kKeptRole).toString(); }

void JobForm::setKeptNames(const QStringList &names, const QString &choose) {
  const QString chosen = choose.isEmpty() ? currentKept() : choose;
  const int base = presetChoice();
  const QSignalBlocker quiet(preset_);
  while (preset_->count() > kKeptStart - 1)
    preset_->removeItem(preset_->count() - 1);
  if (!names.isEmpty())
    preset_->insertSeparator(kKeptStart - 1);
  for (const QString &name : names) {
    preset_->addItem(name);
    preset_->setItemData(preset_->count() - 1, name, kKeptRole);
  }
  // Gone or not, a kept sheet leaves the form as it was.
  keptBase_ = base;
  const int kept = keptIndex(chosen);
  preset_->setCurrentIndex(kept >= 0 ? kept : base);
}

void JobForm::showKept(const QString &name, const QVariantMap &state) {
  QVariantMap shown = state;
  shown[QStringLiteral("kept")] = name;
  setState(shown);
}

void JobForm::updateEnabled() {
  const bool custom = presetChoice() == 0;
  for (QWidget *widget :
       std::initializer_list<QWidget *>{kindsBox_, first_, second_, result_, carry_, noTrivial_,
                                        count_, format_, size_, typeface_, remainder_})
    widget->setEnabled(custom);
  signsBox_->setEnabled(custom && kinds_[std::size_t(SheetKind::Three)]->isChecked());
  guide_->setEnabled(custom && SheetFormat(format_->currentIndex()) == SheetFormat::Column);
  cells_->setEnabled(custom && SheetFormat(format_->currentIndex()) == SheetFormat::Grid);
  split_->setEnabled(custom && SheetFormat(format_->currentIndex()) == SheetFormat::Cherry);
}

WorksheetJob JobForm::job() const {
  WorksheetJob job;
  const int preset = presetChoice() - 1;
  if (preset >= 0 && preset < int(kWorksheetPresets.size())) {
    job.preset = &kWorksheetPresets[std::size_t(preset)];
  } else {
    for (std::size_t k = 0; k < kinds_.size(); ++k)
      if (kinds_[k]->isChecked())
        job.kinds.push_back(kSheetKinds[k].kind);
    job.first = first_->range();
    job.second = second_->range();
    job.result = result_->range();
    if (const auto carry = Carry(carry_->currentData().toInt()); carry != Carry::Any)
      job.carry = carry;
    job.leaveOutTrivial = noTrivial_->isChecked();
    // All four signs are the default; a choice is only made of fewer.
    const auto ticked = std::count_if(signs_.begin(), signs_.end(),
                                      [](const QCheckBox *b) { return b->isChecked(); });
    if (kinds_[std::size_t(SheetKind::Three)]->isChecked() && ticked < qsizetype(signs_.size()))
      for (std::size_t p = 0; p < signs_.size(); ++p)
        if (signs_[p]->isChecked())
          job.signs.push_back(kSignPairs[p].pair);
    if (count_->value() > 0)
      job.count = count_->value();
    job.format = SheetFormat(format_->currentIndex());
    if (job.format == SheetFormat::Column)
      job.guide = Guide(guide_->currentIndex());
    if (job.format == SheetFormat::Grid)
      job.cells = GridCells(cells_->currentIndex());
    // A split for a kind not ticked would be refused with nowhere to say so.
    const CherrySplitInfo &split = kCherrySplits[std::size_t(split_->currentIndex())];
    if (job.format == SheetFormat::Cherry &&
        std::find(job.kinds.begin(), job.kinds.end(), split.kind) != job.kinds.end())
      job.split = split.split;
    job.size = SheetSize(size_->currentIndex());
    job.typeface = Typeface(typeface_->currentIndex());
    job.remainder = RemainderStyle(remainder_->currentIndex());
  }
  const auto answers = AnswerPlace(answers_->currentData().toInt());
  job.answers = answers != AnswerPlace::None;
  job.answersAtEnd = answers == AnswerPlace::AtEnd;
  job.fields = {nameField_->isChecked(), classField_->isChecked(), dateField_->isChecked(),
                scoreField_->isChecked(), numbers_->isChecked()};
  if (titled_->isChecked())
    job.title = title_->text().toStdString();
  job.page.paper = Paper(paper_->currentData().toInt());
  job.page.landscape = landscape_->isChecked();
  job.kana = kana_->isChecked();
  job.sheets = sheets_->value();
  // A seed that does not read is out of every range, and refused as such.
  job.seed = parseWholeNumber(seed_->text().trimmed().toStdString()).value_or(-1);
  return job;
}

void JobForm::showRefusal(const std::optional<Refusal> &refusal) {
  for (const auto &[field, widgets] : rows_) {
    const bool refused = refusal && refusal->field == field;
    widgets.first->setProperty("refused", refused);
    widgets.first->setStyleSheet(refused ? QStringLiteral("background: #ffe4e4;") : QString());
    widgets.second->setText(refused ? refusalText(*refusal) : QString());
    layout_->setRowVisible(widgets.second, refused);
  }
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
    case JobField::Format:
      return tr("この書き方にできない種類があります（%1 だけです）")
          .arg(kindCaptions(refusal.allowed).join(tr("、")));
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
    return tr("再印刷コードが読めません");
  case RefusalReason::NotInstalled:
    return tr("この書体がありません。パッケージ %1 を入れてください")
        .arg(refusal.allowed.empty() ? QString() : fromUtf8(refusal.allowed.front()));
  case RefusalReason::BadText:
    return tr("%1文字までにしてください（改行やタブは使えません）").arg(refusal.high);
  }
  return {};
}

QVariantMap JobForm::state() const {
  QVariantMap state;
  state[QStringLiteral("preset")] = preset_->itemData(presetChoice());
  if (const QString kept = currentKept(); !kept.isEmpty())
    state[QStringLiteral("kept")] = kept;
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
  state[QStringLiteral("carry")] = carry_->currentIndex();
  state[QStringLiteral("noTrivial")] = noTrivial_->isChecked();
  state[QStringLiteral("count")] = count_->value();
  state[QStringLiteral("answers")] = answers_->currentIndex();
  state[QStringLiteral("fields")] =
      QVariantList{nameField_->isChecked(), classField_->isChecked(), dateField_->isChecked(),
                   scoreField_->isChecked(), numbers_->isChecked()};
  state[QStringLiteral("titled")] = titled_->isChecked();
  state[QStringLiteral("title")] = title_->text();
  state[QStringLiteral("paper")] = paper_->currentIndex();
  state[QStringLiteral("landscape")] = landscape_->isChecked();
  state[QStringLiteral("format")] = format_->currentIndex();
  state[QStringLiteral("guide")] = guide_->currentIndex();
  state[QStringLiteral("cells")] = cells_->currentIndex();
  state[QStringLiteral("split")] = split_->currentIndex();
  state[QStringLiteral("size")] = size_->currentIndex();
  state[QStringLiteral("typeface")] = typeface_->currentIndex();
  state[QStringLiteral("kana")] = kana_->isChecked();
  state[QStringLiteral("remainder")] = remainder_->currentIndex();
  state[QStringLiteral("sheets")] = sheets_->value();
  state[QStringLiteral("seed")] = seed_->text();
  state[QStringLiteral("seedFixed")] = fixSeed_->isChecked();
  return state;
}

void JobForm::setState(const QVariantMap &state) {
  {
    // One change for the whole state, not one for each field.
    const QSignalBlocker quiet(this);
    applyState(state);
  }
  updateEnabled();
  Q_EMIT changed();
}

void JobForm::applyState(const QVariantMap &state) {
  const auto has = [&](const char *key) { return state.contains(QLatin1String(key)); };
  const auto at = [&](const char *key) { return state.value(QLatin1String(key)); };
  if (has("preset")) {
    // A preset's data is its name, the custom choice's none.
    const int preset = at("preset").isNull() ? 0 : preset_->findData(at("preset"));
    preset_->setCurrentIndex(preset > 0 && preset < kKeptStart ? preset : 0);
    keptBase_ = preset_->currentIndex();
    if (const int kept = keptIndex(at("kept").toString()); kept >= 0)
      preset_->setCurrentIndex(kept);
  }
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
  if (has("carry"))
    carry_->setCurrentIndex(std::clamp(at("carry").toInt(), 0, carry_->count() - 1));
  if (has("count"))
    count_->setValue(at("count").toInt());
  if (has("answers"))
    answers_->setCurrentIndex(std::clamp(at("answers").toInt(), 0, answers_->count() - 1));
  const QVariantList fields = at("fields").toList();
  const std::array<QCheckBox *, 5> boxes{nameField_, classField_, dateField_, scoreField_,
                                         numbers_};
  for (std::size_t i = 0; i < boxes.size() && i < std::size_t(fields.size()); ++i)
    boxes[i]->setChecked(fields[qsizetype(i)].toBool());
  if (has("titled"))
    titled_->setChecked(at("titled").toBool());
  if (has("title"))
    title_->setText(at("title").toString());
  if (has("paper"))
    paper_->setCurrentIndex(std::clamp(at("paper").toInt(), 0, paper_->count() - 1));
  for (const auto &[key, combo] : {std::pair{"format", format_},
                                   {"guide", guide_},
                                   {"cells", cells_},
                                   {"split", split_},
                                   {"size", size_},
                                   {"typeface", typeface_},
                                   {"remainder", remainder_}})
    if (has(key))
      combo->setCurrentIndex(std::clamp(at(key).toInt(), 0, combo->count() - 1));
  for (const auto &[key, box] :
       {std::pair{"kana", kana_}, {"landscape", landscape_}, {"noTrivial", noTrivial_}})
    if (has(key))
      box->setChecked(at(key).toBool());
  if (has("sheets"))
    sheets_->setValue(at("sheets").toInt());
  if (has("seedFixed"))
    fixSeed_->setChecked(at("seedFixed").toBool());
  if (fixSeed_->isChecked() && has("seed"))
    seed_->setText(at("seed").toString());
}

void JobForm::drawNewSeed() {
  std::random_device device;
  seed_->setText(QString::number(device() % 1000000000U));
}

QString JobForm::suggestedName() const {
  const WorksheetJob form = job();
  QString name;
  if (form.preset) {
    name = fromUtf8(form.preset->caption);
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
