#include "bashcompletion.h"

#include "commandlinehelp.h"
#include "joboptions.h"
#include "optionlookup.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <stdexcept>

namespace {

// What a bash case matches: "-o|--output".
QString pattern(const QCommandLineOption &option) {
  QStringList spellings;
  for (const QString &name : option.names())
    spellings << spelled(name);
  return spellings.join(u'|');
}

// Words in single quotes, where none of them may have a quote of its own.
QString quotedWords(const QStringList &words) {
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9.,+_-]+$"));
  for (const QString &word : words)
    if (!plain.match(word).hasMatch())
      throw std::runtime_error("the completion word '" + word.toStdString() + "' needs quoting");
  return u'\'' + words.join(u' ') + u'\'';
}

QString caseOf(const QString &pattern, const QStringList &commands) {
  QString text = QStringLiteral("        %1)\n").arg(pattern);
  for (const QString &command : commands)
    text += QStringLiteral("            %1\n").arg(command);
  return text + QStringLiteral("            ;;\n");
}

constexpr auto kScript =
    R"(# bash completion for numeriko-worksheets                 -*- shell-script -*-
# Written by numeriko_worksheets_manual from the program's option table: not
# to be edited.

_numeriko_worksheets()
{
    local cur=${COMP_WORDS[COMP_CWORD]} option=${COMP_WORDS[COMP_CWORD-1]}
    # bash splits --option=value at the '='.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $option == = && $COMP_CWORD -ge 2 ]]; then
        option=${COMP_WORDS[COMP_CWORD-2]}
    fi

    local words='' list=''
    case $option in
%1        *)
            mapfile -t COMPREPLY < <(compgen -W %2 -- "$cur")
            return
            ;;
    esac
    # A list a,b completes its last word.
    if [[ $list && $cur == *,* ]]; then
        mapfile -t COMPREPLY < <(compgen -P "${cur%,*}," -W "$words" -- "${cur##*,}")
    else
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
    fi
} &&
    complete -F _numeriko_worksheets numeriko-worksheets
)";

} // namespace

QString bashCompletion() {
  const QList<QCommandLineOption> options = commandLineOptions();
  QString cases;
  QSet<QString> completed;
  for (const JobOption &option : jobOptions()) {
    if (option.words.isEmpty())
      continue;
    cases += caseOf(pattern(option.option),
                    {QStringLiteral("words=") + quotedWords(option.words) +
                     (option.commaSeparated ? QStringLiteral(" list=1") : QString())});
    completed << option.option.names().constFirst();
  }
  const QCommandLineOption &printer = optionNamed(options, QStringLiteral("printer"));
  cases += caseOf(pattern(printer), {QStringLiteral("words=$(lpstat -e 2>/dev/null)")});
  const QCommandLineOption &output = optionNamed(options, QStringLiteral("output"));
  cases +=
      caseOf(pattern(output), {QStringLiteral("compopt -o filenames 2>/dev/null"),
                               QStringLiteral("mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")"),
                               QStringLiteral("return")});
  completed << printer.names().constFirst() << output.names().constFirst();

  QStringList spellings;
  QStringList unoffered; // numbers, ranges and texts
  for (const QCommandLineOption &option : options) {
    for (const QString &name : option.names())
      spellings << spelled(name);
    if (!option.valueName().isEmpty() && !completed.contains(option.names().constFirst()))
      unoffered << pattern(option);
  }
  cases += caseOf(unoffered.join(u'|'), {QStringLiteral("# a number, a range or a text")});
  return QString::fromLatin1(kScript).arg(cases, quotedWords(spellings));
}
