#include "commandlinehelp.h"
#include "commandlinetexts.h"

#include "joboptions.h"

QString applicationDescription() {
  return CommandLine::tr("答えつきの算数プリントを1つのPDFに作ります。ヌメリコの4つのプリセット、"
                         "または選んだ種類・範囲・らんのプリントです。");
}

QList<QCommandLineOption> commandLineOptions() {
  // Qt's own help and version options would speak English under a Japanese
  // locale; these say the same in the program's words.
  QList<QCommandLineOption> options{
      {{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("このヘルプを出します。")},
      {{QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("バージョンを出します。")},
  };
  for (const JobOption &option : jobOptions())
    options.append(option.option);
  options += QList<QCommandLineOption>{
      {{QStringLiteral("o"), QStringLiteral("output")},
       CommandLine::tr("PDFを書き出す先（- は標準出力。指定しなければ "
                       "worksheets.pdf）。"),
       QStringLiteral("file")},
      {QStringLiteral("printer"),
       CommandLine::tr("このキュー（CUPS のプリンター）で印刷し、印刷されるまで"
                       "見届けます。"),
       QStringLiteral("queue")},
      {QStringLiteral("print"), CommandLine::tr("いつものプリンターで印刷し、見届けます。")},
      {QStringLiteral("wait"),
       CommandLine::tr("印刷を見届ける長さ（秒。指定しなければ 120、0 なら"
                       "キューに渡すだけ）。"),
       QStringLiteral("seconds")},
      {QStringLiteral("one-job"),
       CommandLine::tr("1枚ずつでなく、全部を1つのジョブで印刷します。")},
      {QStringLiteral("list-printers"),
       CommandLine::tr("プリンター（CUPS のキュー）とその状態の一覧を出します。")},
      {QStringLiteral("list-presets"), CommandLine::tr("プリセットの一覧を出します。")},
      {QStringLiteral("list-kinds"), CommandLine::tr("問題の種類の一覧を出します。")},
      {QStringLiteral("list-units"), CommandLine::tr("学年と単元の一覧を、教科書の順に出します。")},
      {QStringLiteral("gui"), CommandLine::tr("ウィンドウを開きます（デスクトップでオプションを"
                                              "つけずに起動したときも開きます）。")},
  };
  return options;
}

QString usage() {
  return CommandLine::tr("使い方: numeriko-worksheets --preset 名前 | --kind 種類... [オプション] "
                         "[-o ファイル]\nオプションは 'numeriko-worksheets --help' で見られます。");
}

QString epilogue() {
  return CommandLine::tr(R"(
例:
  numeriko-worksheets --preset divrem100 --answers --sheets 30 --seed 7 -o class-3.pdf
  numeriko-worksheets --kind subtract --max 9 --count 50 --date-field -o -
  numeriko-worksheets --kind add --kind subtract --first 10..99 --second 1..9 --carry no

--preset といっしょに使えるのは --sheets、--copies、--seed、--answers、
--answers-at-end、らんのオプション、--title、--numbers、--paper、-o だけです。
プリントの下のらんにそのプリントのシードがあります。--seed <そのシード> --sheets 1
で、どのコンピューターでも同じプリントがもう一度作れます。

--printer か --print で印刷すると、1枚ずつ（--one-job なら全部で1つ）のジョブを
CUPS に送り、どのジョブも印刷が終わるまで見届けます（--wait 秒まで）。

終了ステータス:
  0  PDF を書き出したとき。印刷では、すべてのジョブが印刷されたとき（--wait 0 では、
     すべてのジョブをキューに渡したとき）
  1  書き出せなかったとき（書きかけのファイルは残りません）。印刷では、印刷できない
     ジョブがあったとき、またはジョブを受けつけるキューがないとき
  2  オプションか値がまちがっているとき
  3  ジョブはキューに渡したが、待つあいだにすべては印刷されなかったとき)");
}
