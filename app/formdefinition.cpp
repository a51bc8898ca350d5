#include "formdefinition.h"

#include <array>

namespace {

using K = ControlKind;
using C = Colour;

constexpr const char *kDigitFont = "FC数字書体05";
constexpr const char *kWindowFont = "ＭＳ Ｐゴシック";

// Creation order is stacking order among pictures and texts: the cover
// Image64 comes after the key pictures, Image2 after Image1, and Label12 and
// Label13 after both. Windowed controls always lie above pictures and texts.
// One control a line, like a form file.
// clang-format off
constexpr auto kControls = std::to_array<ControlDef>({
    // Problem row.
    {.name = "Edit1", .kind = K::Edit, .left = 8, .top = 8, .width = 49, .height = 27, .font = {.pixels = 19, .colour = C::White}, .background = C::Green},
    {.name = "Image24", .kind = K::Image, .left = 56, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},
    {.name = "Image25", .kind = K::Image, .left = 112, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},
    {.name = "Label6", .kind = K::Label, .left = 176, .top = 56, .visible = false},
    {.name = "Image26", .kind = K::Image, .left = 240, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},
    {.name = "Label8", .kind = K::Label, .left = 304, .top = 56, .visible = false},
    {.name = "Image27", .kind = K::Image, .left = 388, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},
    {.name = "Image68", .kind = K::Image, .left = 440, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},
    {.name = "Label10", .kind = K::Label, .left = 464, .top = 56},
    {.name = "Image28", .kind = K::Image, .left = 544, .top = 47, .width = 55, .height = 73, .picture = "digit_blank.jpg"},

    // Answer feedback.
    {.name = "Image1", .kind = K::Image, .left = 688, .top = 8, .width = 100, .height = 100, .visible = false, .stretch = true},
    {.name = "Image2", .kind = K::Image, .left = 696, .top = 8, .width = 100, .height = 100, .visible = false, .stretch = true},
    {.name = "Label12", .kind = K::Label, .left = 688, .top = 96, .visible = false},
    {.name = "Label13", .kind = K::Label, .left = 720, .top = 112, .visible = false},

    // Picture keypad: 7 8 9 / 4 5 6 / 1 2 3 / 0 C.
    {.name = "Image50", .kind = K::Image, .left = 560, .top = 152, .width = 73, .height = 65, .picture = "key_7.jpg", .accessibleName = "7"},
    {.name = "Image51", .kind = K::Image, .left = 640, .top = 152, .width = 73, .height = 65, .picture = "key_8.jpg", .accessibleName = "8"},
    {.name = "Image52", .kind = K::Image, .left = 720, .top = 152, .width = 73, .height = 65, .picture = "key_9.jpg", .accessibleName = "9"},
    {.name = "Image47", .kind = K::Image, .left = 560, .top = 224, .width = 73, .height = 65, .picture = "key_4.jpg", .accessibleName = "4"},
    {.name = "Image48", .kind = K::Image, .left = 640, .top = 224, .width = 73, .height = 65, .picture = "key_5.jpg", .accessibleName = "5"},
    {.name = "Image49", .kind = K::Image, .left = 720, .top = 224, .width = 73, .height = 65, .picture = "key_6.jpg", .accessibleName = "6"},
    {.name = "Image44", .kind = K::Image, .left = 560, .top = 296, .width = 73, .height = 65, .picture = "key_1.jpg", .accessibleName = "1"},
    {.name = "Image45", .kind = K::Image, .left = 640, .top = 296, .width = 73, .height = 65, .picture = "key_2.jpg", .accessibleName = "2"},
    {.name = "Image46", .kind = K::Image, .left = 720, .top = 296, .width = 73, .height = 65, .picture = "key_3.jpg", .accessibleName = "3"},
    {.name = "Image41", .kind = K::Image, .left = 560, .top = 368, .width = 73, .height = 65, .picture = "key_0.jpg", .accessibleName = "0"},
    {.name = "Image62", .kind = K::Image, .left = 640, .top = 368, .width = 153, .height = 65, .picture = "key_c.jpg", .accessibleName = "けす"},
    {.name = "Image43", .kind = K::Image, .left = 48, .top = 368, .width = 73, .height = 65, .visible = false},
    {.name = "Image64", .kind = K::Image, .left = 560, .top = 152, .width = 233, .height = 281, .picture = "cover.jpg"},
    {.name = "Label18", .kind = K::Label, .left = 440, .top = 440, .caption = "キーボードの数字キーからも入力できます。消すときはＣのキーです。"},

    // Key buttons: hidden; their click handlers are the keypad's operations.
    {.name = "Button17", .kind = K::Button, .left = 560, .top = 152, .width = 73, .height = 65, .caption = "7", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button18", .kind = K::Button, .left = 640, .top = 152, .width = 73, .height = 65, .caption = "8", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button19", .kind = K::Button, .left = 720, .top = 152, .width = 73, .height = 65, .caption = "9", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button20", .kind = K::Button, .left = 560, .top = 224, .width = 73, .height = 65, .caption = "4", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button21", .kind = K::Button, .left = 640, .top = 224, .width = 73, .height = 65, .caption = "5", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button22", .kind = K::Button, .left = 720, .top = 224, .width = 73, .height = 65, .caption = "6", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button23", .kind = K::Button, .left = 560, .top = 296, .width = 73, .height = 65, .caption = "1", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button24", .kind = K::Button, .left = 640, .top = 296, .width = 73, .height = 65, .caption = "2", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button25", .kind = K::Button, .left = 720, .top = 296, .width = 73, .height = 65, .caption = "3", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button26", .kind = K::Button, .left = 560, .top = 368, .width = 73, .height = 65, .caption = "0", .font = {.family = kDigitFont, .pixels = 48, .colour = C::White}, .visible = false},
    {.name = "Button28", .kind = K::Button, .left = 640, .top = 368, .width = 153, .height = 65, .caption = "C", .font = {.family = kWindowFont, .pixels = 48, .colour = C::White}, .visible = false},

    // Run controls.
    {.name = "BitBtn1", .kind = K::BitBtn, .left = 432, .top = 152, .width = 121, .height = 41, .caption = "ひきざんれんしゅう", .font = {.pixels = 12, .colour = C::Green, .bold = true}},
    {.name = "BitBtn2", .kind = K::BitBtn, .left = 432, .top = 200, .width = 121, .height = 41, .caption = "とちゅうでやめる", .font = {.pixels = 12, .colour = C::Green, .bold = true}},
    {.name = "BitBtn3", .kind = K::BitBtn, .left = 432, .top = 248, .width = 121, .height = 41, .caption = "わかんない", .font = {.pixels = 13, .colour = C::Green, .bold = true}},
    {.name = "BitBtn4", .kind = K::BitBtn, .left = 432, .top = 296, .width = 121, .height = 41, .caption = "まだわかんない", .font = {.pixels = 13, .colour = C::Green, .bold = true}},
    {.name = "RadioGroup1", .kind = K::RadioGroup, .left = 432, .top = 344, .width = 121, .height = 89, .caption = "もんだいの数", .font = {.pixels = 16, .colour = C::White}, .value = 3, .items = "１０だい|２０だい|５０だい|１００だい"},

    // Hint panel and its tiles, numbered 9 at the top to 1 at the bottom.
    {.name = "Panel1", .kind = K::Panel, .left = 257, .top = 152, .width = 88, .height = 465, .visible = false, .background = C::Green},
    {.name = "Image78", .kind = K::Image, .left = 24, .top = 16, .width = 40, .height = 40, .picture = "tile_plain.bmp", .parent = "Panel1"},
    {.name = "Image79", .kind = K::Image, .left = 24, .top = 64, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image80", .kind = K::Image, .left = 24, .top = 112, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image81", .kind = K::Image, .left = 24, .top = 160, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image82", .kind = K::Image, .left = 24, .top = 216, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image83", .kind = K::Image, .left = 24, .top = 264, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image84", .kind = K::Image, .left = 24, .top = 312, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image85", .kind = K::Image, .left = 24, .top = 360, .width = 40, .height = 40, .parent = "Panel1"},
    {.name = "Image86", .kind = K::Image, .left = 24, .top = 408, .width = 40, .height = 40, .parent = "Panel1"},

    // Results and time, hidden until a run ends.
    {.name = "Label22", .kind = K::Label, .left = 440, .top = 520, .font = {.pixels = 21, .colour = C::White}, .visible = false},
    {.name = "Edit7", .kind = K::Edit, .left = 664, .top = 520, .width = 57, .height = 20, .visible = false, .background = C::Green},
    {.name = "Label15", .kind = K::Label, .left = 440, .top = 560, .font = {.pixels = 21, .colour = C::White}, .visible = false},
    {.name = "Edit2", .kind = K::Edit, .left = 664, .top = 560, .width = 57, .height = 20, .visible = false, .background = C::Green},
    {.name = "Label16", .kind = K::Label, .left = 440, .top = 600, .font = {.pixels = 21, .colour = C::White}, .visible = false},
    {.name = "Edit3", .kind = K::Edit, .left = 664, .top = 600, .width = 57, .height = 20, .visible = false, .background = C::Green},
    {.name = "Label17", .kind = K::Label, .left = 440, .top = 640, .font = {.pixels = 21, .colour = C::White}, .visible = false},
    {.name = "Edit4", .kind = K::Edit, .left = 688, .top = 640, .width = 57, .height = 20, .visible = false, .background = C::Green},
    {.name = "Edit5", .kind = K::Edit, .left = 432, .top = 472, .width = 41, .height = 20, .visible = false, .background = C::Green},
    {.name = "Label14", .kind = K::Label, .left = 480, .top = 472, .visible = false},
    {.name = "Edit6", .kind = K::Edit, .left = 528, .top = 472, .width = 41, .height = 20, .visible = false, .background = C::Green},
    {.name = "Label19", .kind = K::Label, .left = 576, .top = 472, .visible = false},

    // Window texts along the bottom edge.
    {.name = "Label21", .kind = K::Label, .left = 352, .top = 680, .caption = "Numeriko Verβ1.01　2004.6.20"},
    {.name = "Label20", .kind = K::Label, .left = 760, .top = 680, .width = 120, .height = 12, .caption = "絵・Numeriko"},

    // Timers.
    {.name = "Timer1", .kind = K::Timer, .value = 100},
    {.name = "Timer2", .kind = K::Timer, .value = 100},
    {.name = "Timer3", .kind = K::Timer, .value = 1000},

    // Hidden operations of the drill and the problem bank.
    {.name = "Button32", .kind = K::Button, .left = 112, .top = 360, .width = 75, .height = 25, .caption = "問題表示", .visible = false},
    {.name = "Button33", .kind = K::Button, .left = 112, .top = 392, .width = 75, .height = 25, .caption = "答え合わせ", .visible = false},
    {.name = "Button34", .kind = K::Button, .left = 112, .top = 424, .width = 75, .height = 25, .caption = "Button34", .visible = false},
    {.name = "Button29", .kind = K::Button, .left = 432, .top = 192, .width = 113, .height = 41, .caption = "あまりのあるわり算", .visible = false},
    {.name = "Button30", .kind = K::Button, .left = 432, .top = 240, .width = 113, .height = 41, .caption = "むずかしい問題だけ", .visible = false},
    {.name = "Button31", .kind = K::Button, .left = 432, .top = 144, .width = 113, .height = 41, .caption = "わりきれるわり算", .visible = false},
    {.name = "Button5", .kind = K::Button, .left = 208, .top = 168, .width = 73, .height = 25, .caption = "問題作成", .visible = false},
    {.name = "Button6", .kind = K::Button, .left = 288, .top = 232, .width = 97, .height = 25, .caption = "問題列撹拌", .visible = false},
    {.name = "Button12", .kind = K::Button, .left = 208, .top = 200, .width = 73, .height = 25, .caption = "問題０なし", .visible = false},
    {.name = "Button13", .kind = K::Button, .left = 320, .top = 168, .width = 73, .height = 25, .caption = "問題余りあり", .visible = false},
    {.name = "Button14", .kind = K::Button, .left = 288, .top = 200, .width = 49, .height = 25, .caption = "問題難", .visible = false},
    {.name = "Button16", .kind = K::Button, .left = 344, .top = 200, .width = 49, .height = 25, .caption = "難撹拌", .visible = false},
    {.name = "Button27", .kind = K::Button, .left = 328, .top = 368, .width = 75, .height = 25, .caption = "問題余りなし", .visible = false},

    // Hidden worksheet printing.
    {.name = "Button1", .kind = K::Button, .left = 208, .top = 232, .width = 73, .height = 25, .caption = "ＰＲＩＮＴ準備", .visible = false},
    {.name = "Button3", .kind = K::Button, .left = 288, .top = 128, .width = 105, .height = 33, .caption = "ＰＲＩＮＴＥＲ設定", .visible = false},
    {.name = "SpinEdit1", .kind = K::SpinEdit, .left = 352, .top = 264, .width = 40, .height = 21, .visible = false, .value = 33},
    {.name = "SpinEdit2", .kind = K::SpinEdit, .left = 352, .top = 288, .width = 40, .height = 21, .visible = false, .value = 3},
    {.name = "SpinEdit3", .kind = K::SpinEdit, .left = 352, .top = 312, .width = 40, .height = 21, .visible = false, .value = 1},
    {.name = "SpinEdit4", .kind = K::SpinEdit, .left = 352, .top = 336, .width = 40, .height = 21, .visible = false, .value = 8},
    {.name = "Label1", .kind = K::Label, .left = 304, .top = 264, .caption = "行数(G)", .visible = false},
    {.name = "Label2", .kind = K::Label, .left = 304, .top = 288, .caption = "列数(L)", .visible = false},
    {.name = "Label3", .kind = K::Label, .left = 280, .top = 312, .caption = "縦文字数(TA)", .visible = false},
    {.name = "Label4", .kind = K::Label, .left = 280, .top = 344, .caption = "横文字数(YO)", .visible = false},
    {.name = "PrinterSetupDialog1", .kind = K::PrinterSetupDialog},
    {.name = "Button2", .kind = K::Button, .left = 208, .top = 264, .width = 73, .height = 25, .caption = "ＰＲＩＮＴ実行１", .visible = false},
    {.name = "Button11", .kind = K::Button, .left = 208, .top = 296, .width = 73, .height = 25, .caption = "PRINT実行２", .visible = false},
    {.name = "Button15", .kind = K::Button, .left = 208, .top = 328, .width = 73, .height = 25, .caption = "PRINT実行３", .visible = false},
    {.name = "CheckBox12", .kind = K::CheckBox, .left = 208, .top = 128, .width = 73, .height = 17, .caption = "名前欄", .font = {.pixels = 16, .colour = C::White}, .visible = false, .value = 1},
    {.name = "CheckBox13", .kind = K::CheckBox, .left = 208, .top = 152, .width = 73, .height = 17, .caption = "答え", .font = {.pixels = 16, .colour = C::White}, .visible = false, .value = 0},
    {.name = "Button4", .kind = K::Button, .left = 40, .top = 304, .width = 153, .height = 41, .caption = "かけ算九九逆８１題", .visible = false},
    {.name = "Button7", .kind = K::Button, .left = 40, .top = 184, .width = 153, .height = 41, .caption = "余りのあるわり算１００題", .visible = false},
    {.name = "Button9", .kind = K::Button, .left = 40, .top = 128, .width = 153, .height = 41, .caption = "余りのないわり算９０題", .visible = false},
    {.name = "Button10", .kind = K::Button, .left = 40, .top = 240, .width = 153, .height = 41, .caption = "難しいのだけ１００題", .visible = false},
    {.name = "Label5", .kind = K::Label, .left = 56, .top = 48, .caption = "8", .font = {.family = kDigitFont, .pixels = 72}, .visible = false},
    {.name = "Label7", .kind = K::Label, .left = 248, .top = 48, .visible = false},
    {.name = "Label9", .kind = K::Label, .left = 392, .top = 48, .visible = false},
    {.name = "Label11", .kind = K::Label, .left = 544, .top = 48, .visible = false},

    // Picture stores: hidden, the sources of every picture copy.
    {.name = "Image22", .kind = K::Image, .left = 8, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_0.jpg"},
    {.name = "Image11", .kind = K::Image, .left = 64, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_1.jpg"},
    {.name = "Image14", .kind = K::Image, .left = 120, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_2.jpg"},
    {.name = "Image15", .kind = K::Image, .left = 176, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_3.jpg"},
    {.name = "Image16", .kind = K::Image, .left = 232, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_4.jpg"},
    {.name = "Image17", .kind = K::Image, .left = 288, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_5.jpg"},
    {.name = "Image18", .kind = K::Image, .left = 344, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_6.jpg"},
    {.name = "Image19", .kind = K::Image, .left = 400, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_7.jpg"},
    {.name = "Image20", .kind = K::Image, .left = 456, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_8.jpg"},
    {.name = "Image21", .kind = K::Image, .left = 512, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_9.jpg"},
    {.name = "Image23", .kind = K::Image, .left = 568, .top = 720, .width = 55, .height = 73, .visible = false, .picture = "digit_blank.jpg"},
    {.name = "Image3", .kind = K::Image, .left = 8, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "wrong.jpg", .stretch = true},
    {.name = "Image4", .kind = K::Image, .left = 96, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_01.jpg", .stretch = true},
    {.name = "Image5", .kind = K::Image, .left = 184, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_02.jpg", .stretch = true},
    {.name = "Image6", .kind = K::Image, .left = 272, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_03.jpg", .stretch = true},
    {.name = "Image7", .kind = K::Image, .left = 360, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_04.jpg", .stretch = true},
    {.name = "Image8", .kind = K::Image, .left = 448, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_05.jpg", .stretch = true},
    {.name = "Image9", .kind = K::Image, .left = 536, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_06.jpg", .stretch = true},
    {.name = "Image10", .kind = K::Image, .left = 624, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_07.jpg", .stretch = true},
    {.name = "Image29", .kind = K::Image, .left = 8, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_08.jpg", .stretch = true},
    {.name = "Image30", .kind = K::Image, .left = 96, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_09.jpg", .stretch = true},
    {.name = "Image31", .kind = K::Image, .left = 184, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_10.jpg", .stretch = true},
    {.name = "Image32", .kind = K::Image, .left = 272, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_11.jpg", .stretch = true},
    {.name = "Image33", .kind = K::Image, .left = 360, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_12.jpg", .stretch = true},
    {.name = "Image34", .kind = K::Image, .left = 448, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_13.jpg", .stretch = true},
    {.name = "Image35", .kind = K::Image, .left = 536, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_14.jpg", .stretch = true},
    {.name = "Image36", .kind = K::Image, .left = 624, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_15.jpg", .stretch = true},
    {.name = "Image37", .kind = K::Image, .left = 712, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_16.jpg", .stretch = true},
    {.name = "Image38", .kind = K::Image, .left = 800, .top = 888, .width = 81, .height = 81, .visible = false, .picture = "reward_17.jpg", .stretch = true},
    {.name = "Image39", .kind = K::Image, .left = 712, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_18.jpg", .stretch = true},
    {.name = "Image40", .kind = K::Image, .left = 800, .top = 800, .width = 81, .height = 81, .visible = false, .picture = "reward_19.jpg", .stretch = true},
    {.name = "Image12", .kind = K::Image, .left = 632, .top = 720, .width = 25, .height = 22, .visible = false, .picture = "mark_first_try.jpg"},
    {.name = "Image13", .kind = K::Image, .left = 664, .top = 720, .width = 33, .height = 22, .visible = false, .picture = "mark_corrected.jpg"},
    {.name = "Image42", .kind = K::Image, .left = 8, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_0.jpg"},
    {.name = "Image53", .kind = K::Image, .left = 88, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_1.jpg"},
    {.name = "Image54", .kind = K::Image, .left = 168, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_2.jpg"},
    {.name = "Image55", .kind = K::Image, .left = 248, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_3.jpg"},
    {.name = "Image56", .kind = K::Image, .left = 328, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_4.jpg"},
    {.name = "Image57", .kind = K::Image, .left = 408, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_5.jpg"},
    {.name = "Image58", .kind = K::Image, .left = 488, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_6.jpg"},
    {.name = "Image59", .kind = K::Image, .left = 568, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_7.jpg"},
    {.name = "Image60", .kind = K::Image, .left = 648, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_8.jpg"},
    {.name = "Image61", .kind = K::Image, .left = 728, .top = 976, .width = 73, .height = 65, .visible = false, .picture = "key_pressed_9.jpg"},
    {.name = "Image63", .kind = K::Image, .left = 8, .top = 1048, .width = 153, .height = 65, .visible = false, .picture = "key_pressed_c.jpg"},
    {.name = "Image69", .kind = K::Image, .left = 816, .top = 376, .width = 40, .height = 40, .visible = false, .picture = "tile_taken.bmp"},
    {.name = "Image70", .kind = K::Image, .left = 816, .top = 328, .width = 40, .height = 40, .visible = false, .picture = "tile_plain.bmp"},
});
// clang-format on

constexpr WindowDef kWindow{
    .caption = "Numeriko Verβ1.01　2004.6.20",
    .clientWidth = 890,
    .clientHeight = 695,
    .outerWidth = 898,
    .outerHeight = 722,
    .font = {.family = kWindowFont, .pixels = 12, .colour = C::White},
};

} // namespace

const WindowDef &form1Window() { return kWindow; }

std::span<const ControlDef> form1Controls() { return kControls; }
