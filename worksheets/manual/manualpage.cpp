#include "manualpage.h"

#include "commandline.h"
#include "commandlinehelp.h"
#include "epilogueparts.h"
#include "formatkinds.h"
#include "listings.h"
#include "optionlookup.h"
#include "papers.h"
#include "roff.h"
#include "sheetkinds.h"
#include "sheetstyles.h"
#include "units.h"
#include "worksheetpresets.h"

#include <QCoreApplication>
#include <QStringList>

#include <stdexcept>

namespace {

constexpr QLatin1StringView kProgram("numeriko-worksheets");

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString capitalised(QString text) {
  if (!text.isEmpty())
    text[0] = text[0].toUpper();
  return text;
}

// The page's lines: requests as they are, text escaped.
class Roff {
public:
  void request(const QString &line) { lines_ << line; }
  void section(const QString &title) { lines_ << QStringLiteral(".SH \"%1\"").arg(title); }
  void paragraph(const QString &text) {
    if (lines_.last().startsWith(QStringLiteral(".SH")))
      lines_ << roffText(text);
    else
      lines_ << QStringLiteral(".PP") << roffText(text);
  }
  // A tagged paragraph: `tag` is roff already, `lines` plain text, each
  // line of it on its own.
  void item(const QString &tag, const QStringList &lines) {
    lines_ << QStringLiteral(".TP") << tag;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0)
        lines_ << QStringLiteral(".br");
      lines_ << roffText(lines[i]);
    }
  }
  [[nodiscard]] QString text() const { return lines_.join(u'\n') + u'\n'; }

private:
  QStringList lines_;
};

// "-o, --output file" in bold, the value in italics.
QString optionTag(const QCommandLineOption &option) {
  QStringList names;
  for (const QString &name : option.names())
    names << roffBold(spelled(name));
  QString tag = names.join(QStringLiteral(", "));
  if (!option.valueName().isEmpty())
    tag += u' ' + roffItalic(option.valueName());
  return tag;
}

// One way of running the program: options by name, then what may follow.
QString synopsisLine(const QList<QCommandLineOption> &options, const QStringList &names,
                     const QString &rest = {}) {
  QStringList alternatives;
  for (const QString &name : names) {
    const QCommandLineOption &option = optionNamed(options, name);
    QString typed = roffBold(spelled(name));
    if (!option.valueName().isEmpty())
      typed += u' ' + roffItalic(option.valueName());
    alternatives << typed;
  }
  QString line = roffBold(kProgram) + u' ' + alternatives.join(QStringLiteral(" | "));
  if (!rest.isEmpty())
    line += u' ' + rest;
  return line;
}

void addSynopsis(Roff &page, const QList<QCommandLineOption> &options) {
  const QString more = QStringLiteral("[%1 ...]").arg(roffItalic(QStringLiteral("option")));
  const QString repeated = QStringLiteral("... ") + more;
  page.section(QStringLiteral("SYNOPSIS"));
  const QStringList lines{
      synopsisLine(options, {QStringLiteral("preset")}, more),
      synopsisLine(options, {QStringLiteral("kind")}, repeated),
      synopsisLine(options, {QStringLiteral("unit")}, repeated),
      synopsisLine(options, {QStringLiteral("reprint")}, more),
      synopsisLine(options, {QStringLiteral("list-kinds"), QStringLiteral("list-units"),
                             QStringLiteral("list-presets"), QStringLiteral("list-printers")}),
      synopsisLine(options, {QStringLiteral("gui")}),
      synopsisLine(options, {QStringLiteral("help"), QStringLiteral("version")}),
  };
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0)
      page.request(QStringLiteral(".br"));
    page.request(lines[i]);
  }
}

void addUnits(Roff &page) {
  page.section(QStringLiteral("UNITS"));
  page.paragraph(QStringLiteral("The units of the primary course, grade by grade in the order the "
                                "textbooks teach them, as --unit takes them:"));
  int32_t grade = 0;
  for (const UnitInfo &unit : kUnits) {
    if (unit.grade != grade) {
      grade = unit.grade;
      page.request(QStringLiteral(".SS ") + roffText(capitalised(gradeName(grade))));
    }
    page.item(roffBold(fromUtf8(unit.id)), {fromUtf8(unit.english), fromUtf8(unit.caption)});
  }
}

void addKinds(Roff &page) {
  page.section(QStringLiteral("KINDS"));
  page.paragraph(QStringLiteral("The kinds of problem --kind takes:"));
  for (const SheetKindInfo &kind : kSheetKinds)
    page.item(roffBold(fromUtf8(kind.name)) +
                  roffText(QStringLiteral(" (%1)").arg(fromUtf8(kind.caption))),
              {kindSummary(kind), kindDefaults(kind)});
}

// The kinds a format takes: those of its rows in kFormatKinds, or every
// kind for the format that has none.
QString formatKinds(SheetFormat format) {
  QStringList names;
  for (const FormatKindInfo &row : kFormatKinds)
    if (row.format == format)
      names << fromUtf8(kindInfo(row.kind).name);
  if (names.isEmpty())
    for (const SheetKindInfo &kind : kSheetKinds)
      names << fromUtf8(kind.name);
  return QStringLiteral("Kinds: ") + names.join(QStringLiteral(", ")) + u'.';
}

void addFormats(Roff &page, const QList<QCommandLineOption> &options) {
  page.section(QStringLiteral("FORMATS"));
  page.paragraph(optionNamed(options, QStringLiteral("format")).description());
  for (const SheetFormatInfo &format : kSheetFormats)
    page.item(roffBold(fromUtf8(format.name)), {formatKinds(format.format)});
}

void addPapers(Roff &page) {
  page.section(QStringLiteral("PAPERS"));
  page.paragraph(QStringLiteral("The papers --paper takes, upright; --landscape turns them. "
                                "Every edge keeps a margin of %1 mm.")
                     .arg(kPageMarginMm));
  for (const PaperInfo &paper : kPapers)
    page.item(roffBold(fromUtf8(paper.name)), {QStringLiteral("%1, %2 × %3 mm")
                                                   .arg(fromUtf8(paper.caption))
                                                   .arg(paper.widthMm)
                                                   .arg(paper.heightMm)});
}

void addPresets(Roff &page) {
  page.section(QStringLiteral("PRESETS"));
  page.paragraph(QStringLiteral("The presets --preset takes:"));
  for (const WorksheetPreset &preset : kWorksheetPresets)
    page.item(roffBold(fromUtf8(preset.name)),
              {fromUtf8(preset.caption) + u' ' + presetLayout(preset)});
}

// Throws unless the help names every status the program ends with, in order.
void addExitStatuses(Roff &page, const QList<ExitStatusNote> &notes) {
  QList<int> named;
  for (const ExitStatusNote &note : notes)
    named << note.status;
  QList<int> statuses;
  for (const ExitStatus status : kExitStatuses)
    statuses << static_cast<int>(status);
  if (named != statuses)
    throw std::runtime_error("the help's exit statuses are not the program's");
  page.section(QStringLiteral("EXIT STATUS"));
  for (const ExitStatusNote &note : notes)
    page.item(roffBold(QString::number(note.status)), {note.meaning});
}

// A command line broken for the page as a shell reads it, with a backslash
// at the end of a broken line, and never between an option and its value.
QStringList shellLines(const QString &command) {
  constexpr qsizetype kWidth = 66;
  QStringList groups;
  for (const QString &word : command.split(u' ', Qt::SkipEmptyParts)) {
    if (groups.isEmpty() || (word.startsWith(u'-') && word != QStringLiteral("-")))
      groups << word;
    else
      groups.last() += u' ' + word;
  }
  QStringList lines{groups.takeFirst()};
  for (const QString &group : groups) {
    if (lines.last().size() + 1 + group.size() + 2 > kWidth) {
      lines.last() += QStringLiteral(" \\");
      lines << QStringLiteral("    ") + group;
    } else {
      lines.last() += u' ' + group;
    }
  }
  return lines;
}

} // namespace

QString manualPage(const QString &date) {
  const QList<QCommandLineOption> options = commandLineOptions();
  const EpilogueParts epilogue = splitEpilogue(::epilogue(), QString(kProgram));

  Roff page;
  page.request(
      QStringLiteral(".\\\" Written by numeriko_worksheets_manual from the program's tables"));
  page.request(QStringLiteral(".\\\" and help: not to be edited."));
  page.request(QStringLiteral(".TH %1 1 \"%2\" \"numeriko %3\" \"User Commands\"")
                   .arg(roffText(QString(kProgram).toUpper()), date,
                        roffText(QCoreApplication::applicationVersion())));
  // Options and unit ids stay whole: no hyphenation, and ragged lines.
  page.request(QStringLiteral(".nh"));
  page.request(QStringLiteral(".ad l"));
  page.section(QStringLiteral("NAME"));
  page.request(roffText(kProgram) + QStringLiteral(" \\- arithmetic worksheets with their answer "
                                                   "sheets, as PDF or printed"));
  addSynopsis(page, options);

  page.section(QStringLiteral("DESCRIPTION"));
  page.paragraph(applicationDescription());
  for (const QString &note : epilogue.notes)
    page.paragraph(note);
  page.paragraph(QStringLiteral("Under a Japanese locale the program's help and messages are "
                                "Japanese; under any other, English."));

  page.section(QStringLiteral("OPTIONS"));
  for (const QCommandLineOption &option : options)
    page.item(optionTag(option), {option.description()});

  addUnits(page);
  addKinds(page);
  addFormats(page, options);
  addPapers(page);
  addPresets(page);
  addExitStatuses(page, epilogue.exitStatuses);
  page.section(QStringLiteral("EXAMPLES"));
  for (const QString &example : epilogue.examples) {
    page.request(QStringLiteral(".PP"));
    page.request(QStringLiteral(".nf"));
    for (const QString &line : shellLines(example))
      page.request(roffText(line));
    page.request(QStringLiteral(".fi"));
  }
  page.section(QStringLiteral("SEE ALSO"));
  page.request(QStringLiteral("\\fBlp\\fR(1), \\fBlpstat\\fR(1)"));
  return page.text();
}
