<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BatchWriter</name>
    <message>
        <location filename="../output/pdf/batchwriter.cpp" line="31"/>
        <source>PDFのページを作れませんでした</source>
        <translation>the PDF writer refused a page</translation>
    </message>
    <message>
        <location filename="../output/pdf/batchwriter.cpp" line="89"/>
        <source>フォルダ %1 がありません</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <location filename="../output/pdf/batchwriter.cpp" line="94"/>
        <source>%1 はフォルダではありません</source>
        <translation>%1 is not a folder</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../cli/listings.cpp" line="23"/>
        <source>たし算: 1つめ + 2つめ = 答え</source>
        <translation>addition: first + second = result</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="24"/>
        <source>ひき算: 1つめ - 2つめ = 答え。答えはマイナスになりません</source>
        <translation>subtraction: first - second = result, never negative</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="25"/>
        <source>かけ算: 1つめ × 2つめ = 答え</source>
        <translation>multiplication: first x second = result</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="26"/>
        <source>□のあるかけ算: 1つめ × □ = 答え、または □ × 2つめ = 答え</source>
        <translation>multiplication with one factor in a box: first x [] = result, or [] x second = result</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="27"/>
        <source>□のあるたし算: □ + 2つめ = 答え、または 1つめ + □ = 答え</source>
        <translation>addition with one addend in a box: [] + second = result, or first + [] = result</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="28"/>
        <source>あまりのないわり算: わられる数（1つめ）÷ わる数（2つめ）= 商（答え）</source>
        <translation>exact division: dividend (first) / divisor (second) = quotient (result)</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="30"/>
        <source>あまりのあるわり算: 1つめ ÷ 2つめ = 答え … あまり（1 以上）</source>
        <translation>division with a remainder of 1 or more: first / second = result ... remainder</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="31"/>
        <source>3つの数: 1つめ + 2つめ - 3つめ = 答え（記号は --signs）。--second が2つめと3つめの範囲、--result がとちゅうの答えの上限にもなり、とちゅうもマイナスになりません。数は 0..99</source>
        <translation>Three numbers: first + second - third = result (signs from --signs). --second bounds the second and third numbers, --result every step too, and no step goes below 0. Numbers 0..99</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="56"/>
        <source>（%1 題、%2 行 × %3 列）</source>
        <translation>(%1 problems, %2 rows of %3)</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="62"/>
        <source>%1年</source>
        <translation>grade %1</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="45"/>
        <source>指定しないとき: --first %1 --second %2</source>
        <translation>default --first %1 --second %2</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="49"/>
        <source> --result %1（数の範囲を指定しないとき）</source>
        <translation> --result %1 (while no operand range is given)</translation>
    </message>
    <message>
        <location filename="../cli/listings.cpp" line="51"/>
        <source>。--carry が使えます</source>
        <translation>; takes --carry</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="48"/>
        <source>使い方: numeriko-worksheets --preset 名前 | --kind 種類... [オプション] [-o ファイル]
オプションは &apos;numeriko-worksheets --help&apos; で見られます。</source>
        <translation>Usage: numeriko-worksheets --preset NAME | --kind KIND... [options] [-o FILE]
Try &apos;numeriko-worksheets --help&apos; for the options.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="53"/>
        <source>
例:
  numeriko-worksheets --preset divrem100 --answers --sheets 30 --seed 7 -o class-3.pdf
  numeriko-worksheets --kind subtract --max 9 --count 50 --date-field -o -
  numeriko-worksheets --kind add --kind subtract --first 10..99 --second 1..9 --carry no

--preset といっしょに使えるのは --sheets、--copies、--seed、--answers、
--answers-at-end、らんのオプション、--title、--numbers、--paper、-o だけです。
プリントの下のらんにそのプリントのシードがあります。--seed &lt;そのシード&gt; --sheets 1
で、どのコンピューターでも同じプリントがもう一度作れます。

--printer か --print で印刷すると、1枚ずつ（--one-job なら全部で1つ）のジョブを
CUPS に送り、どのジョブも印刷が終わるまで見届けます（--wait 秒まで）。

終了ステータス:
  0  PDF を書き出したとき。印刷では、すべてのジョブが印刷されたとき（--wait 0 では、
     すべてのジョブをキューに渡したとき）
  1  書き出せなかったとき（書きかけのファイルは残りません）。印刷では、印刷できない
     ジョブがあったとき、またはジョブを受けつけるキューがないとき
  2  オプションか値がまちがっているとき
  3  ジョブはキューに渡したが、待つあいだにすべては印刷されなかったとき</source>
        <translation>
Examples:
  numeriko-worksheets --preset divrem100 --answers --sheets 30 --seed 7 -o class-3.pdf
  numeriko-worksheets --kind subtract --max 9 --count 50 --date-field -o -
  numeriko-worksheets --kind add --kind subtract --first 10..99 --second 1..9 --carry no

With --preset, only --sheets, --copies, --seed, --answers, --answers-at-end,
the fields, --title, --numbers, --paper and -o apply.
Every sheet&apos;s footer shows its seed: --seed &lt;that seed&gt; --sheets 1 prints that
sheet again, the same on every machine.

With --printer or --print, every sheet is one CUPS job (the whole batch one
with --one-job), and each job is followed until it is printed (for --wait
seconds at most).

Exit status:
  0  the PDF was written; when printing, every job was printed (with --wait 0:
     every job was handed to the queue)
  1  the PDF could not be written (nothing is left half-written); when
     printing, a job failed or was refused, or no queue could take the jobs
  2  a bad option or value
  3  the jobs were handed to the queue, but not all were printed within the wait</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="7"/>
        <source>答えつきの算数プリントを1つのPDFに作ります。ヌメリコの4つのプリセット、または選んだ種類・範囲・らんのプリントです。</source>
        <translation>Makes arithmetic worksheets with answer sheets as one PDF: the four presets of Numeriko, or sheets of the kinds, ranges and fields you choose.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="15"/>
        <location filename="../manual/main.cpp" line="30"/>
        <source>このヘルプを出します。</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="16"/>
        <source>バージョンを出します。</source>
        <translation>Displays the version.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="22"/>
        <source>PDFを書き出す先（- は標準出力。指定しなければ worksheets.pdf）。</source>
        <translation>Where to write the PDF (- for standard output; default worksheets.pdf).</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="26"/>
        <source>このキュー（CUPS のプリンター）で印刷し、印刷されるまで見届けます。</source>
        <translation>Prints on this queue (a CUPS printer) and follows every job until it is printed.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="29"/>
        <source>いつものプリンターで印刷し、見届けます。</source>
        <translation>Prints on the default printer and follows every job.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="31"/>
        <source>印刷を見届ける長さ（秒。指定しなければ 120、0 ならキューに渡すだけ）。</source>
        <translation>How long to follow the jobs, in seconds (default 120; 0 only hands them to the queue).</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="35"/>
        <source>1枚ずつでなく、全部を1つのジョブで印刷します。</source>
        <translation>Prints the whole batch as one job, not one job for each sheet.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="37"/>
        <source>プリンター（CUPS のキュー）とその状態の一覧を出します。</source>
        <translation>Lists the printers (CUPS queues) and their states.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="38"/>
        <source>プリセットの一覧を出します。</source>
        <translation>Lists the presets.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="39"/>
        <source>問題の種類の一覧を出します。</source>
        <translation>Lists the kinds of problem.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="40"/>
        <source>学年と単元の一覧を、教科書の順に出します。</source>
        <translation>List the units of each grade, in textbook order.</translation>
    </message>
    <message>
        <location filename="../cli/commandlinehelp.cpp" line="41"/>
        <source>ウィンドウを開きます（デスクトップでオプションをつけずに起動したときも開きます）。</source>
        <translation>Opens the window (also what no options at all do on a desktop).</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="70"/>
        <source>プリンターがありません</source>
        <translation>no printer is set up</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="164"/>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="172"/>
        <source>-o と --printer（--print）は、どちらか一方だけにしてください</source>
        <translation>-o and --printer (--print) do not go together: choose one</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="177"/>
        <source>--wait と --one-job は --printer か --print といっしょに使います</source>
        <translation>--wait and --one-job go with --printer or --print</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="184"/>
        <source>--wait: 0から%1までの秒数にしてください</source>
        <translation>--wait: must be a number of seconds from 0 to %1</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="195"/>
        <source>%1: --reprint とはいっしょに使えません（コードがプリントを決めています）</source>
        <translation>%1: does not go with --reprint, whose code names the sheet</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="215"/>
        <source>書体 %1 がありません（Debian のパッケージ %2 を入れてください）</source>
        <translation>the typeface %1 is not installed (install the Debian package %2)</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="220"/>
        <source>シード %1（--seed %1 で同じプリントをもう一度作れます）</source>
        <translation>seed %1 (--seed %1 makes these sheets again)</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="191"/>
        <source>-o: ファイルの名前が空です</source>
        <translation>-o: the file name is empty</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="226"/>
        <source>ちがう問題は %1 こだけなので、1枚の %2 問にはおなじ問題がくりかえし出ます</source>
        <translation>only %1 different problems: the %2 on each sheet repeat them evenly</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="240"/>
        <source>%1 を書き出せません: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="241"/>
        <source>標準出力に</source>
        <translation>to standard output</translation>
    </message>
    <message>
        <location filename="../cli/commandline.cpp" line="246"/>
        <source>%2 に %1 ページを書き出しました</source>
        <translation>wrote %1 pages to %2</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="258"/>
        <source>プリントの下のらんの再印刷コードから、その1枚を同じ番号でもう一度作ります（いっしょに使えるのは --answers、--copies、--title と出力のオプションだけです）。</source>
        <translation>Makes one sheet again, under its own number, from the reprint code in its footer (only --answers, --copies, --title and the output options go with it).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="265"/>
        <source>学年と単元のプリント（--list-units を見てください）。くりかえすか a,b のように並べると、1枚にまとめます。</source>
        <translation>A sheet of a grade&apos;s unit (see --list-units). Give it again or list a,b to mix units on one sheet.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="271"/>
        <source>ふくしゅう: 問題のこの割合（0..50 %）を、同じ学年の前の単元（同じ書き方のもの）から出し、プリント全体にちらします。</source>
        <translation>Review: this share of the problems (0..50 %) comes from the earlier units of the grade set out the same way, spread through the sheet.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="277"/>
        <source>4つのプリセットの1つ（--list-presets を見てください）。</source>
        <translation>One of the four preset worksheets (see --list-presets).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="282"/>
        <source>問題の種類（--list-kinds を見てください）。くりかえすか a,b のように並べると混ぜられます。</source>
        <translation>A kind of problem (see --list-kinds); give it again, or a list a,b, for a mix.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="288"/>
        <source>どの数もこれより小さくしない（0..9999、筆算は 0..99999）。</source>
        <translation>No number below this (0..9999; 0..99999 in column form).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="293"/>
        <source>どの数もこれより大きくしない（0..9999、筆算は 0..99999）。</source>
        <translation>No number above this (0..9999; 0..99999 in column form).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="298"/>
        <source>1つめの数の範囲。たとえば 10..99（わり算ではわられる数）。</source>
        <translation>Range of the first number, e.g. 10..99 (a division&apos;s dividend).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="302"/>
        <source>2つめの数の範囲（わり算ではわる数）。</source>
        <translation>Range of the second number (a division&apos;s divisor).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="305"/>
        <source>答えの範囲（わり算では商）。</source>
        <translation>Range of the result (a division&apos;s quotient).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="315"/>
        <source>3つの数（--kind three）の記号: ++、--、+-、-+ から、a,b のように並べて（指定しなければ全部）。add-subtract のようにも書けます。</source>
        <translation>The signs of three numbers (--kind three): any of ++, --, +-, -+, listed as a,b (all by default). Also written as add-subtract and so on.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="321"/>
        <source>0や1の問題（0をたす・ひく、0や1をかける、1でわる、同じ数をひく）を入れません。</source>
        <translation>Leave out trivial problems: adding or taking away 0, multiplying by 0 or 1, dividing by 1, a number less itself.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="327"/>
        <source>1枚の問題の数（1..10000。指定しなければ1ページ分）。</source>
        <translation>Problems on a sheet (1..10000; default: one full page).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="331"/>
        <source>1ページの問題の行数（1..50。指定しなければ用紙と大きさに入るだけ）。</source>
        <translation>Rows of problems on a page (1..50; default: as many as the paper holds at the size).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="337"/>
        <source>1ページの問題の列数（1..10。指定しなければ用紙と大きさに入るだけ）。</source>
        <translation>Columns of problems on a page (1..10; default: as many as the paper holds at the size).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="343"/>
        <source>作るプリントの枚数。1枚ずつ問題がちがいます（1..1000）。</source>
        <translation>Different sheets to make (1..1000).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="348"/>
        <source>同じプリントを何枚作るか。答えは1枚（1..100）。</source>
        <translation>Copies of every sheet, with one answer sheet (1..100).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="352"/>
        <source>プリントのシード（0..4294967295）。1枚ずつのシードは下のらんにあります。指定しなければランダムに決めます。</source>
        <translation>Seed of the batch (0..4294967295); each sheet&apos;s own seed is in its footer. Drawn at random when not given.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="358"/>
        <source>1枚ごとに、そのあとに答えのプリント。</source>
        <translation>An answer sheet after every sheet.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="362"/>
        <source>名前のらん。</source>
        <translation>A name field.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="364"/>
        <source>年・組・番のらん。</source>
        <translation>A class field (year, class, number).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="377"/>
        <source>用紙: a4（指定しないとき）、b5（JIS）、a5、letter、b4（JIS）。</source>
        <translation>Paper: a4 (default), b5 (JIS), a5, letter or b4 (JIS).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="381"/>
        <source>用紙を横向きにします。</source>
        <translation>Turns the paper to landscape.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="383"/>
        <source>問題の書き方: inline（よこ書き。指定しないとき）、column（筆算。たし算・ひき算は5けたまで、かけ算・わり算は2けたの数でかける・わるまで）、grid（百ます計算。たし算・ひき算・かけ算）、cherry（さくらんぼ計算。10をこえるたし算と10をまたぐひき算）。</source>
        <translation>How problems are set out: inline (the default), column (column arithmetic on squared paper; additions and subtractions up to 5 digits, multipliers and divisors up to 2 digits), grid (百ます hundred-cell grids of additions, subtractions or multiplications) or cherry (さくらんぼ cherry calculation: additions and subtractions across ten).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="393"/>
        <source>筆算の手がかり: boxes（ます目とくり上がりのメモ。指定しないとき）、squares（ます目だけ）、none（白い紙）。</source>
        <translation>Support for column arithmetic: boxes (squares and small boxes for carries, the default), squares (squares only), none (blank paper).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="400"/>
        <source>百ますのます目: 100（10×10。指定しないとき）、25（5×5）、10（1行に10ます、かどに決まった数）。--count は1枚の百ますの数です。</source>
        <translation>Cells of a 百ます grid: 100 (10 × 10, the default), 25 (5 × 5) or 10 (a row of ten with a fixed number in the corner). --count is the number of grids on a sheet.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="407"/>
        <source>さくらんぼ計算で分ける数: たし算は second（たす数。指定しないとき）、first（たされる数）、smaller（小さいほう）、ひき算は minuend（ひかれる数。指定しないとき）、subtrahend（ひく数）。</source>
        <translation>The number cherry calculation splits: for additions second (the default), first or smaller; for subtractions minuend (the default) or subtrahend.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="414"/>
        <source>数字の大きさ: large（1年生。数字の高さ 12 mm）、medium（指定しないとき。8 mm）、small（上の学年。5.5 mm）。</source>
        <translation>Size of the digits: large (first grade; 12 mm), medium (default; 8 mm) or small (older children; 5.5 mm).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="421"/>
        <source>書体: klee（教科書体に近いクレー。指定しないとき）、ud（BIZ UDゴシック）、gothic（IPAゴシック）。</source>
        <translation>Typeface: klee (Klee One, close to the textbooks&apos; hand; default), ud (BIZ UDGothic) or gothic (IPA Gothic).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="427"/>
        <source>見出しをひらがなで（なまえ、ねん くみ ばん、がつ にち）。--size large では指定しなくてもひらがなです。</source>
        <translation>Headings in kana (なまえ, ねん くみ ばん, がつ にち); the default with --size large.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="431"/>
        <source>--size large でも見出しを漢字で（名前、年 組 番）。</source>
        <translation>Headings in kanji (名前, 年 組 番), also with --size large.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="436"/>
        <source>あまりの書き方: words（5あまり1。指定しないとき）、dots（5 … 1）。</source>
        <translation>How remainders are written: words (5あまり1; default) or dots (5 … 1).</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="360"/>
        <source>答えのプリントを最後にまとめて。</source>
        <translation>All answer sheets after the last sheet.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="308"/>
        <source>たし算のくり上がり、ひき算のくり下がり（筆算ではかけ算のくり上がりも）が、どこかの位にある（yes）かない（no）か。any（指定しないとき）は両方をまぜます。</source>
        <translation>Whether additions carry and subtractions borrow (in column form, products carry too) in some place (yes) or in none (no). any (the default) mixes both.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="366"/>
        <source>日付のらん: &#x3000;月&#x3000;日。</source>
        <translation>A date field: &#x3000;月&#x3000;日.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="368"/>
        <source>点数のらん: &#x3000;&#x3000;／N。</source>
        <translation>A score field: &#x3000;&#x3000;／N.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="371"/>
        <source>上にタイトル。空ならプリセットや種類の名前。</source>
        <translation>A title at the top; an empty text gives the preset&apos;s caption or the kinds&apos; names.</translation>
    </message>
    <message>
        <location filename="../cli/joboptions.cpp" line="374"/>
        <source>問題に番号をつけます。</source>
        <translation>Number the problems.</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="69"/>
        <source>%1 から %2 までにしてください</source>
        <translation>must be between %1 and %2</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="72"/>
        <source>--max より大きくできません</source>
        <translation>must not be above --max</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="73"/>
        <source>はじめの数がおわりの数より大きくなっています</source>
        <translation>The first end is above the second.</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="75"/>
        <source>--preset とはいっしょに使えません（プリセットの問題は決まっています）</source>
        <translation>does not go with --preset, which fixes its problems</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="77"/>
        <source>--unit とはいっしょに使えません（単元が問題を決めています）</source>
        <translation>does not go with --unit (the unit decides its problems)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="79"/>
        <source>--unit といっしょに使います</source>
        <translation>goes only with --unit</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="81"/>
        <source>この単元より前に、同じ書き方の単元がありません（ふくしゅうする問題がありません）</source>
        <translation>no unit before this one is set out the same way (nothing to review)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="84"/>
        <source>書き方のちがう単元は、1枚にまとめられません</source>
        <translation>units set out in different ways cannot share a sheet</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="87"/>
        <source>--kind three（3つの数）にだけ使えます</source>
        <translation>only goes with --kind three</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="89"/>
        <source>この分け方の種類がありません（second、first、smaller は add、minuend、subtrahend は subtract のものです）</source>
        <translation>no kind of the sheet splits this way (second, first and smaller are for add, minuend and subtrahend for subtract)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="97"/>
        <source>--format column（筆算）にだけ使えます</source>
        <translation>only goes with --format column</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="101"/>
        <source>--format cherry（さくらんぼ）にだけ使えます</source>
        <translation>only goes with --format cherry</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="105"/>
        <source>この書き方にできるのは %1 だけです（□をもとめる問題と3つの数はよこ書きです）</source>
        <translation>this format takes only %1 (missing numbers and three numbers stay inline)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="112"/>
        <source>わられる数のけた数が、わる数より少なくなっています</source>
        <translation>the dividend has fewer digits than the divisor</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="114"/>
        <source>さくらんぼ計算にできるのは、1けたどうしで11から18になるたし算と、11から18から1けたをひいて9いかになるひき算だけです</source>
        <translation>cherry calculation takes only sums of two one-digit numbers from 11 to 18, and differences of 11 to 18 less one digit down to 9 or less</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="117"/>
        <source>ちがう数が %1 こ入る範囲にしてください</source>
        <translation>a range with %1 different values is needed</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="118"/>
        <source>いちばん大きいひく数より小さくないひかれる数が、%1 こ入る範囲にしてください</source>
        <translation>a range with %1 minuends none below the largest subtrahend is needed</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="123"/>
        <source>この範囲には、指定したくり上がり・くり下がりの問題がありません</source>
        <translation>no problem of these ranges has the carrying asked for</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="124"/>
        <source>この範囲に合う問題がありません</source>
        <translation>No problem fits these ranges.</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="125"/>
        <source>この範囲どうしに合う問題がありません</source>
        <translation>no problem fits these ranges together</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="127"/>
        <source>わる数が %1 以上になるようにしてください（それより小さい数ではわれません）</source>
        <translation>no divisor of %1 or more: a division cannot divide by less</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="132"/>
        <source>&apos;%1&apos; という名前はありません（%2 を見てください）</source>
        <translation>unknown name &apos;%1&apos; (see %2)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="136"/>
        <source>&apos;%1&apos; は使えない値です（使えるのは %2）</source>
        <translation>unknown value &apos;%1&apos; (one of %2)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="146"/>
        <source>このプリセットの問題の上に、この用紙では番号の入る場所がありません（年・組・番、日付、点数のらんをへらすか、大きい用紙にしてください）</source>
        <translation>this preset&apos;s rows leave no room for numbers above them on this paper (leave out the class, date or score field, or take larger paper)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="150"/>
        <source>この大きさでは、この用紙に問題が1つも入りません</source>
        <translation>not one problem fits the paper at this size</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="151"/>
        <source>この大きさでは、この用紙に問題が1つも入りません（入るのは %1）</source>
        <translation>not one problem fits the paper at this size (%1 would)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="154"/>
        <source>この用紙とこの大きさでは %1 までです</source>
        <translation>at most %1 fit the paper at this size</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="156"/>
        <source>&apos;%1&apos; は再印刷コードとして読めません（プリントの下のらんのとおりに入れてください）</source>
        <translation>&apos;%1&apos; does not read as a reprint code (type it as the sheet&apos;s footer shows it)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="160"/>
        <source>この書体がありません</source>
        <translation>the typeface is not installed</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="162"/>
        <source>このコードはべつの版（%1）のプログラムが作ったもので、この版では読めません</source>
        <translation>the code was made by another version of the program (%1), which this version does not read</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="138"/>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a whole number</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="92"/>
        <source>add、subtract、missing-addend にだけ使えます（筆算では multiply にも）</source>
        <translation>only applies to add, subtract and missing-addend (and multiply in column form)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="99"/>
        <source>--format grid（百ます）にだけ使えます</source>
        <translation>only goes with --format grid</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="103"/>
        <source>100ますでは使えません（見出しは0から9と決まっています）</source>
        <translation>does not go with 100 cells (their headers are 0 to 9)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="109"/>
        <source>百ますでは使えません（どの組み合わせも出ます）</source>
        <translation>does not go with --format grid (a grid holds every pairing)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="140"/>
        <source>&apos;%1&apos; は整数の範囲 A..B ではありません</source>
        <translation>&apos;%1&apos; is not a range A..B of whole numbers</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="142"/>
        <source>種類かプリセットを指定してください（--list-kinds と --list-presets を見てください）</source>
        <translation>a kind or a preset is needed (see --list-kinds and --list-presets)</translation>
    </message>
    <message>
        <location filename="../cli/refusalwording.cpp" line="166"/>
        <source>%1 文字までにしてください（制御文字は使えません）</source>
        <translation>must be at most %1 characters, with no control characters</translation>
    </message>
</context>
<context>
    <name>JobForm</name>
    <message>
        <location filename="../gui/jobform.cpp" line="35"/>
        <source>たし算</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="36"/>
        <source>ひき算</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="37"/>
        <source>かけ算</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="38"/>
        <source>かけ算（□をもとめる）</source>
        <translation>Multiplication, missing factor</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="39"/>
        <source>たし算（□をもとめる）</source>
        <translation>Addition, missing addend</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="40"/>
        <source>わり算（あまりなし）</source>
        <translation>Division, exact</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="41"/>
        <source>わり算（あまりあり）</source>
        <translation>Division with remainder</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="42"/>
        <source>3つの数</source>
        <translation>Three numbers</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="48"/>
        <source>大（1年生）</source>
        <translation>Large (first grade)</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="49"/>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="50"/>
        <source>小（上の学年）</source>
        <translation>Small (older children)</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="54"/>
        <source>クレー（教科書体）</source>
        <translation>Klee One (textbook hand)</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="55"/>
        <source>BIZ UDゴシック</source>
        <translation>BIZ UDGothic</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="56"/>
        <source>IPAゴシック</source>
        <translation>IPA Gothic</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="60"/>
        <source>よこ書き</source>
        <translation>Inline</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="61"/>
        <source>筆算</source>
        <translation>Column arithmetic</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="62"/>
        <source>百ます</source>
        <translation>Hundred-cell grid</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="63"/>
        <source>さくらんぼ</source>
        <translation>Cherry calculation</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="67"/>
        <source>たす数を分ける</source>
        <translation>Split the second number</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="68"/>
        <source>たされる数を分ける</source>
        <translation>Split the first number</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="69"/>
        <source>小さいほうを分ける</source>
        <translation>Split the smaller number</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="70"/>
        <source>ひかれる数を分ける</source>
        <translation>Split the minuend</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="71"/>
        <source>ひく数を分ける</source>
        <translation>Split the subtrahend</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="75"/>
        <source>100ます</source>
        <translation>100 cells</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="76"/>
        <source>25ます</source>
        <translation>25 cells</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="77"/>
        <source>10ます</source>
        <translation>10 cells</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="81"/>
        <source>ます目とくり上がりのメモ</source>
        <translation>Squares and carry boxes</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="82"/>
        <source>ます目だけ</source>
        <translation>Squares only</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="83"/>
        <source>ます目なし</source>
        <translation>Blank</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="87"/>
        <source>5あまり1</source>
        <translation>In words: 5 r. 1</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="88"/>
        <source>5 … 1</source>
        <translation>With dots: 5 … 1</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="172"/>
        <location filename="../gui/jobform.cpp" line="173"/>
        <location filename="../gui/jobform.cpp" line="174"/>
        <source>指定する</source>
        <translation>Set</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="176"/>
        <source>0や1の問題を入れない(&amp;B)</source>
        <translation>No trivial pro&amp;blems (0, ×1, ÷1, a − a)</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="181"/>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="182"/>
        <source>年・組・番</source>
        <translation>Class</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="183"/>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="184"/>
        <source>点数</source>
        <translation>Score</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="185"/>
        <source>問題の番号</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="186"/>
        <source>つける</source>
        <translation>Add</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="191"/>
        <source>ひらがなの見出し(&amp;J)</source>
        <translation>Kana head&amp;ings</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="194"/>
        <source>横向き(&amp;O)</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="217"/>
        <source>まぜない</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="962"/>
        <source>前の設定のうち、この版では使えないものがありました（%1）</source>
        <translation>Some earlier settings do not exist in this version (%1).</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="220"/>
        <source>プリント(&amp;P):</source>
        <translation>&amp;Worksheet:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="255"/>
        <source>種類(&amp;K):</source>
        <translation>&amp;Kinds:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="277"/>
        <source>3つの数のしき(&amp;Q):</source>
        <translation>E&amp;quations of three numbers:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="296"/>
        <source>筆算の手がかり</source>
        <translation>Support for column arithmetic</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="298"/>
        <source>百ますのます目</source>
        <translation>Cells of the grid</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="300"/>
        <source>さくらんぼで分ける数</source>
        <translation>The number the cherry splits</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="301"/>
        <source>書き方(&amp;G):</source>
        <translation>Set o&amp;ut as:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="312"/>
        <source>大きさ(&amp;Z):</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="316"/>
        <source>書体(&amp;Y):</source>
        <translation>T&amp;ypeface:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="279"/>
        <source>1つめの数(&amp;1):</source>
        <translation>&amp;1st number:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="280"/>
        <source>2つめの数(&amp;2):</source>
        <translation>&amp;2nd number:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="281"/>
        <source>答えの数(&amp;3):</source>
        <translation>Re&amp;sult:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="98"/>
        <source>どちらでも</source>
        <translation>Either</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="99"/>
        <source>なし</source>
        <translation>Without</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="100"/>
        <source>あり</source>
        <translation>With</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="287"/>
        <source>くり上がり・くり下がり(&amp;C):</source>
        <translation>&amp;Carrying, borrowing:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="318"/>
        <source>あまりの書き方(&amp;U):</source>
        <translation>Remainders sh&amp;own as:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="321"/>
        <source>1ページ分</source>
        <translation>One page</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="329"/>
        <source>問題の数(&amp;N):</source>
        <translation>&amp;Number of problems:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="103"/>
        <source>つけない</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="104"/>
        <source>1枚ごとに</source>
        <translation>After each sheet</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="196"/>
        <source>新しい問題(&amp;W)</source>
        <translation>New problems</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="197"/>
        <source>次も同じ問題(&amp;X)</source>
        <translation>Same problems ne&amp;xt time</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="212"/>
        <source>%1年</source>
        <translation>Grade %1</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="213"/>
        <source>学年(&amp;I):</source>
        <translation>&amp;Grade:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="218"/>
        <location filename="../gui/jobform.cpp" line="220"/>
        <source>ふくしゅう</source>
        <translation>Review</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="219"/>
        <source>前の単元の問題をまぜる割合</source>
        <translation>The share of problems from earlier units</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="323"/>
        <location filename="../gui/jobform.cpp" line="326"/>
        <source>入るだけ</source>
        <translation>As fit</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="324"/>
        <location filename="../gui/jobform.cpp" line="330"/>
        <source>行</source>
        <translation>rows</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="327"/>
        <location filename="../gui/jobform.cpp" line="330"/>
        <source>列</source>
        <translation>columns</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="369"/>
        <source>プリントの下のらんのコードで、そのプリントをもう一度</source>
        <translation>The code at the foot of a sheet makes that sheet again</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="374"/>
        <source>再印刷コード(&amp;D):</source>
        <translation>Reprint co&amp;de:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="697"/>
        <source>ちがう問題は %1 こだけなので、1枚の %2 問にはおなじ問題がくりかえし出ます</source>
        <translation>Only %1 different problems: the %2 on each sheet repeat them evenly.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="713"/>
        <source>単元では変えられません</source>
        <translation>The unit decides this.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="715"/>
        <source>単元を選んでください</source>
        <translation>Choose a unit.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="717"/>
        <source>この単元より前に、同じ書き方の単元がありません</source>
        <translation>No unit before this one is set out the same way.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="719"/>
        <source>書き方のちがう単元は、1枚にまとめられません</source>
        <translation>Units set out in different ways cannot share a sheet.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="722"/>
        <source>3つの数にだけ使えます</source>
        <translation>Only for three numbers.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="723"/>
        <source>たし算とひき算（筆算ではかけ算も）にだけ使えます</source>
        <translation>Applies to addition and subtraction only (and multiplication in column form).</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="727"/>
        <source>筆算にだけ使えます</source>
        <translation>Only for column arithmetic</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="743"/>
        <source>いちばん大きいひく数より小さくないひかれる数が%1こ入る範囲にしてください</source>
        <translation>Give %1 minuends none below the largest subtrahend</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="746"/>
        <source>わられる数のけた数が、わる数より少なくなっています</source>
        <translation>the dividend has fewer digits than the divisor</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="748"/>
        <source>さくらんぼ計算は、10をこえるたし算（1けた＋1けた）と10をまたぐひき算（11〜18－1けた）だけです</source>
        <translation>Cherry calculation takes only additions across ten (one digit + one digit) and subtractions across ten (11–18 − one digit).</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="763"/>
        <source>この用紙では、問題の上に番号の入る場所がありません（らんをへらすか、大きい用紙にしてください）</source>
        <translation>No room for numbers above the problems on this paper: leave out a field or take larger paper.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="769"/>
        <source>この用紙には、この大きさの問題が1つも入りません</source>
        <translation>Not one problem fits this paper at this size.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="770"/>
        <source>この用紙には、この大きさの問題が1つも入りません（入るのは %1）</source>
        <translation>Not one problem fits this paper at this size (%1 would).</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="733"/>
        <location filename="../gui/jobform.cpp" line="771"/>
        <location filename="../gui/jobform.cpp" line="963"/>
        <source>、</source>
        <translation> or </translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="774"/>
        <source>この用紙とこの大きさでは%1までです</source>
        <translation>At most %1 fit this paper at this size.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="779"/>
        <source>この書体がありません。パッケージ %1 を入れてください</source>
        <translation>This typeface is not installed: install the package %1.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="105"/>
        <source>最後にまとめて</source>
        <translation>All at the end</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="350"/>
        <source>答えのプリント(&amp;A):</source>
        <translation>&amp;Answer sheets:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="354"/>
        <source>らん(&amp;F):</source>
        <translation>&amp;Fields:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="356"/>
        <source>空なら種類の名前</source>
        <translation>Empty: the kinds&apos; names</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="358"/>
        <source>タイトル(&amp;T):</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="362"/>
        <source>用紙(&amp;S):</source>
        <translation>Pape&amp;r:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="365"/>
        <source>枚数(&amp;H):</source>
        <translation>S&amp;heets:</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="707"/>
        <source>%1から%2までにしてください</source>
        <translation>Must be between %1 and %2.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="709"/>
        <source>はじめの数がおわりの数より大きくなっています</source>
        <translation>The first end is above the second.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="711"/>
        <source>プリセットでは変えられません</source>
        <translation>A preset fixes this.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="733"/>
        <source>この書き方にできない種類があります（%1 だけです）</source>
        <translation>This format takes only %1.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="736"/>
        <source>100ますでは使えません</source>
        <translation>Not with 100 cells</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="738"/>
        <source>百ますでは使えません</source>
        <translation>Not with hundred-cell grids</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="742"/>
        <source>ちがう数が%1こ入る範囲にしてください</source>
        <translation>Give a range with %1 different values</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="752"/>
        <source>この範囲に合う問題がありません</source>
        <translation>No problem fits these ranges.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="754"/>
        <source>わる数に%1以上の数が入るようにしてください</source>
        <translation>Let the divisors reach %1 or more.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="758"/>
        <source>整数を入れてください</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="760"/>
        <source>種類を1つ以上選んでください</source>
        <translation>Choose at least one kind.</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="777"/>
        <source>再印刷コードが読めません（プリントの下のらんのとおりに入れてください）</source>
        <translation>This reprint code does not read (type it as the sheet&apos;s footer shows it).</translation>
    </message>
    <message>
        <location filename="../gui/jobform.cpp" line="782"/>
        <source>%1文字までにしてください（改行やタブは使えません）</source>
        <translation>At most %1 characters, without line breaks or tabs.</translation>
    </message>
</context>
<context>
    <name>RangeField</name>
    <message>
        <location filename="../gui/rangefield.cpp" line="25"/>
        <source>%1 から</source>
        <translation>%1 from</translation>
    </message>
    <message>
        <location filename="../gui/rangefield.cpp" line="26"/>
        <source>%1 まで</source>
        <translation>%1 to</translation>
    </message>
</context>
<context>
    <name>SheetChoices</name>
    <message>
        <location filename="../gui/sheetchoices.cpp" line="58"/>
        <source>自分で決める</source>
        <translation>My own choice</translation>
    </message>
</context>
<context>
    <name>SpoolReport</name>
    <message>
        <location filename="../output/spoolwording.cpp" line="34"/>
        <source>%1枚すべて</source>
        <translation>all %1 sheets</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="39"/>
        <source>%1枚目のこたえ</source>
        <translation>answers to sheet %1</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="40"/>
        <source>%1枚目</source>
        <translation>sheet %1</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="46"/>
        <source>待ち</source>
        <translation>pending</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="48"/>
        <source>保留</source>
        <translation>held</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="50"/>
        <location filename="../output/spoolwording.cpp" line="168"/>
        <source>印刷中</source>
        <translation>printing</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="52"/>
        <source>停止</source>
        <translation>stopped</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="54"/>
        <source>取り消し</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="56"/>
        <source>中止</source>
        <translation>aborted</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="58"/>
        <source>完了</source>
        <translation>completed</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="67"/>
        <source>印刷の仕組み（CUPS、%1）につながりません。CUPS が動いているか確かめてください</source>
        <translation>cannot reach the printing system (CUPS at %1): is CUPS running?</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="70"/>
        <source>CUPS が %1 秒のうちに答えませんでした</source>
        <translation>CUPS did not answer within %1 s</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="72"/>
        <source>プリンター %1 はありません</source>
        <translation>there is no printer %1</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="74"/>
        <source>いつものプリンターが決まっていません。プリンターを選んでください</source>
        <translation>no default printer is set: choose a printer</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="76"/>
        <source>CUPS がこのジョブを知りません: %1</source>
        <translation>CUPS no longer knows this job: %1</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="79"/>
        <source>プリンター %1 は今ジョブを受けつけていません</source>
        <translation>the printer %1 is not accepting jobs</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="80"/>
        <source>プリンター %1 は今ジョブを受けつけていません: “%2”</source>
        <translation>the printer %1 is not accepting jobs: “%2”</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="82"/>
        <source>印刷するPDFを作れませんでした</source>
        <translation>the PDF to print could not be made</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="86"/>
        <source>CUPS がことわりました: %1</source>
        <translation>CUPS refused: %1</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="91"/>
        <source>プリンター %1 は止まっています（%2）。ジョブはキューに入り、再開されるまで待ちます</source>
        <translation>the printer %1 is paused (%2): the jobs wait in its queue until it is resumed</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="100"/>
        <source>%1: 印刷しました（ジョブ %2）</source>
        <translation>%1: printed (job %2)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="102"/>
        <source>%1: キューに入っていて、まだ印刷されていません（ジョブ %2、%3）</source>
        <translation>%1: queued, not yet printed (job %2, %3)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="105"/>
        <source>%1: ジョブ %2 としてキューに渡しました。印刷されたかは見届けていません</source>
        <translation>%1: handed to the queue as job %2, not followed until printed</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="108"/>
        <source>%1: 印刷できませんでした（ジョブ %2、%3）</source>
        <translation>%1: not printed (job %2, %3)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="111"/>
        <source>%1: プリンター %2 がなくなり、印刷されませんでした（ジョブ %3、%4）</source>
        <translation>%1: not printed, the printer %2 was removed (job %3, %4)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="114"/>
        <source>%1: 送れませんでした。%2</source>
        <translation>%1: not sent: %2</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="115"/>
        <source>%1: 送りませんでした</source>
        <translation>%1: not sent</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="146"/>
        <source>やめました。%1 件のジョブはキュー %2 に渡してあり、そこに残ります</source>
        <translation>Stopped. %1 jobs were handed to the queue %2 and stay there.</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="150"/>
        <source>%1 件のジョブのうち %2 件を印刷できませんでした</source>
        <translation>%2 of %1 jobs could not be printed</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="152"/>
        <source>%1 件のジョブのうち %2 件はまだ印刷されていません（キュー %3）</source>
        <translation>%2 of %1 jobs are not printed yet (queue %3)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="157"/>
        <source>%1 件のジョブをキュー %2 に渡しました</source>
        <translation>handed %1 jobs to the queue %2</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="158"/>
        <source>%1 件のジョブをすべて印刷しました（キュー %2）</source>
        <translation>printed all %1 jobs (queue %2)</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="165"/>
        <source>待機中</source>
        <translation>idle</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="171"/>
        <source>停止中</source>
        <translation>paused</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="175"/>
        <source>、ジョブを受けつけていません</source>
        <translation>, not accepting jobs</translation>
    </message>
    <message>
        <location filename="../output/spoolwording.cpp" line="178"/>
        <source>（いつもの）</source>
        <translation> (default)</translation>
    </message>
</context>
<context>
    <name>WorksheetWindow</name>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="48"/>
        <source>PDFで保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="50"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="54"/>
        <location filename="../gui/worksheetwindow.cpp" line="58"/>
        <location filename="../gui/worksheetwindow.cpp" line="103"/>
        <source>さんすうプリント</source>
        <translation>Arithmetic Worksheets</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="91"/>
        <source>印刷(&amp;R)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="92"/>
        <source>PDFで保存(&amp;V)…</source>
        <translation>Sa&amp;ve as PDF…</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="108"/>
        <source>プリントの見本</source>
        <translation>Worksheet preview</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="87"/>
        <source>名前をつけて保存(&amp;M)…</source>
        <translation>Keep under a na&amp;me…</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="88"/>
        <source>名前を変える(&amp;E)…</source>
        <translation>R&amp;ename…</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="89"/>
        <source>消す(&amp;L)</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="93"/>
        <source>フォルダを開く</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="144"/>
        <source>前のページ</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="145"/>
        <source>次のページ</source>
        <translation>Next page</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="146"/>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="147"/>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="148"/>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="148"/>
        <source>ページの幅に合わせる</source>
        <translation>Fit the page&apos;s width</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="180"/>
        <source>名前をつけて保存</source>
        <translation>Keep under a name</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="180"/>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="188"/>
        <source>名前を変える</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="188"/>
        <source>新しい名前:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="248"/>
        <source>このままではプリントを作れません。
%1</source>
        <translation>These settings cannot make a worksheet.
%1</translation>
    </message>
    <message>
        <location filename="../gui/spoolprogress.cpp" line="28"/>
        <source>プリンターが印刷するのを待っています…（%1 件のうち %2 件が終わりました）</source>
        <translation>Waiting for the printer… (%2 of %1 jobs done)</translation>
    </message>
    <message>
        <location filename="../gui/spoolprogress.cpp" line="31"/>
        <source>ジョブを送っています…（%1 件のうち %2 件）</source>
        <translation>Sending the jobs… (%2 of %1)</translation>
    </message>
    <message>
        <location filename="../gui/batchworker.cpp" line="19"/>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="299"/>
        <source>PDFを作っています…</source>
        <translation>Making the PDF…</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="306"/>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save %1.
%2</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="314"/>
        <source>保存しました: %1（%2 ページ）</source>
        <translation>Saved: %1 (%2 pages)</translation>
    </message>
    <message>
        <location filename="../gui/worksheetwindow.cpp" line="325"/>
        <source>プリンターがありません。PDFで保存してください。</source>
        <translation>There is no printer. Save as PDF instead.</translation>
    </message>
    <message>
        <location filename="../gui/spoolprogress.cpp" line="42"/>
        <source>印刷しています…</source>
        <translation>Printing…</translation>
    </message>
</context>
</TS>
