// The main window's description: every control with its place, texts,
// fonts, colours and settings, and the two file dialogs. The window is
// built from these tables, and the tests check the built window against
// them.
#ifndef LUMENFOLD_APP_FORM1_TABLES_H_
#define LUMENFOLD_APP_FORM1_TABLES_H_

#include <array>
#include <optional>

#include "vcl/dialogs.h"
#include "vcl/graphics.h"

namespace lumenfold::form1 {

using vcl::TColor;
using vcl::TFontDesc;
using vcl::TFontStyle;

inline constexpr const char* kGothic = "ＭＳ ゴシック";    // fixed pitch
inline constexpr const char* kPGothic = "ＭＳ Ｐゴシック";  // proportional

struct WindowSettings {
  const char* caption;
  int left, top;                 // screen place of the outer corner
  int outer_width, outer_height;  // frame and title bar included
  // The area inside a frame of 4 pixels on each side under a title bar of
  // 19 pixels, the frame the window was laid out in.
  int client_width, client_height;
  TFontDesc font;  // shown by no control
};

inline constexpr WindowSettings kWindow{
    "Lumenfold", 59, 2, 508, 451, 500, 424,
    {kGothic, 21, vcl::clNavy, TFontStyle::Bold | TFontStyle::Italic}};

enum class ControlClass { TLabel, TEdit, TBitBtn, TListBox, TGroupBox, TImage, TRadioGroup, TCheckBox };

inline constexpr int kNoTabOrder = -1;

struct ControlRow {
  const char* name;
  ControlClass cls;
  const char* parent;  // null: the window
  int left, top, width, height;
  int tab_order;  // within the parent; kNoTabOrder for controls without focus
};

// In the order of creation: a later control lies over an earlier one.
inline constexpr std::array kControls{
    ControlRow{"Label1", ControlClass::TLabel, nullptr, 8, 8, 196, 23, kNoTabOrder},
    ControlRow{"Label2", ControlClass::TLabel, nullptr, 8, 44, 70, 19, kNoTabOrder},
    ControlRow{"Label5", ControlClass::TLabel, nullptr, 161, 150, 8, 15, kNoTabOrder},
    ControlRow{"Label6", ControlClass::TLabel, nullptr, 104, 176, 48, 15, kNoTabOrder},
    ControlRow{"Label7", ControlClass::TLabel, nullptr, 161, 176, 8, 15, kNoTabOrder},
    ControlRow{"Label8", ControlClass::TLabel, nullptr, 16, 208, 62, 15, kNoTabOrder},
    ControlRow{"Label9", ControlClass::TLabel, nullptr, 24, 232, 8, 15, kNoTabOrder},
    ControlRow{"Label4", ControlClass::TLabel, nullptr, 8, 98, 78, 15, kNoTabOrder},
    ControlRow{"Label3", ControlClass::TLabel, nullptr, 8, 74, 78, 15, kNoTabOrder},
    ControlRow{"Label11", ControlClass::TLabel, nullptr, 121, 390, 8, 15, kNoTabOrder},
    ControlRow{"Edit1", ControlClass::TEdit, nullptr, 88, 42, 393, 27, 0},
    ControlRow{"BitBtn1", ControlClass::TBitBtn, nullptr, 312, 8, 113, 25, 15},
    ControlRow{"BitBtn2", ControlClass::TBitBtn, nullptr, 8, 144, 145, 25, 7},
    ControlRow{"BitBtn4", ControlClass::TBitBtn, nullptr, 8, 328, 97, 89, 13},
    ControlRow{"Edit5", ControlClass::TEdit, nullptr, 112, 394, 369, 23, 14},
    ControlRow{"ListBox1", ControlClass::TListBox, nullptr, 112, 200, 369, 81, 8},
    ControlRow{"GroupBox1", ControlClass::TGroupBox, nullptr, 112, 320, 249, 65, 11},
    ControlRow{"Image1", ControlClass::TImage, "GroupBox1", 104, 48, 129, 17, kNoTabOrder},
    ControlRow{"Label10", ControlClass::TLabel, "GroupBox1", 8, 24, 81, 25, kNoTabOrder},
    ControlRow{"RadioGroup1", ControlClass::TRadioGroup, "GroupBox1", 96, 16, 145, 33, 0},
    ControlRow{"RadioGroup2", ControlClass::TRadioGroup, nullptr, 368, 320, 113, 65, 12},
    ControlRow{"Edit3", ControlClass::TEdit, nullptr, 88, 96, 393, 23, 2},
    ControlRow{"Edit2", ControlClass::TEdit, nullptr, 88, 72, 393, 23, 1},
    ControlRow{"CheckBox1", ControlClass::TCheckBox, nullptr, 16, 122, 65, 17, 3},
    ControlRow{"CheckBox2", ControlClass::TCheckBox, nullptr, 96, 122, 105, 17, 4},
    ControlRow{"CheckBox4", ControlClass::TCheckBox, nullptr, 368, 122, 105, 17, 6},
    ControlRow{"CheckBox3", ControlClass::TCheckBox, nullptr, 216, 122, 137, 17, 5},
    ControlRow{"BitBtn3", ControlClass::TBitBtn, nullptr, 8, 288, 97, 25, 9},
    ControlRow{"Edit4", ControlClass::TEdit, nullptr, 112, 290, 369, 23, 10},
};

struct TextRow {
  const char* name;
  const char* text;  // caption, or an edit box's initial text
  const char* hint;  // null: none
  bool show_hint;
};

inline constexpr const char* kFolderHint =
    "取込む画像の存在するﾃﾞｨﾚｸﾄﾘ の パス名を表示しています";

inline constexpr std::array kTexts{
    TextRow{"Label1", "Lumenfold", "Ver 1.81 1999-02-02 by the Lumenfold authors", true},
    TextRow{"Label2", "<TITLE>", nullptr, false},
    TextRow{"Label3", "ｺﾒﾝﾄ(上部)", nullptr, false},
    TextRow{"Label4", "ｺﾒﾝﾄ(下部)", nullptr, false},
    TextRow{"Label5", "", kFolderHint, true},
    TextRow{"Label6", "filter", nullptr, false},
    TextRow{"Label7", "", nullptr, false},
    TextRow{"Label8", "画像ﾌｧｲﾙ", nullptr, false},
    TextRow{"Label9", "", nullptr, false},
    TextRow{"Label10", "",
            "背景色に指定した色に近いものを表示しています。クリック毎に背景色指定が変更されます。",
            true},
    TextRow{"Label11", "", kFolderHint, true},
    TextRow{"Edit1", "", "タイトルを指定します。", true},
    TextRow{"Edit2", "", "タイトルに続く文章を入力します。改行は <BR> として入力します。", true},
    TextRow{"Edit3", "", "ﾍﾟｰｼﾞｸﾘｴｰﾀｰの情報用。改行は <BR> として入力します。", true},
    TextRow{"Edit4", "", "壁紙に指定するファイルを ここで指定できます。", true},
    TextRow{"Edit5", "DSC.htm", "作成する HTML ファイル名を ここで指定できます。", true},
    TextRow{"BitBtn1", "ﾌﾟﾛｸﾞﾗﾑ終了", nullptr, false},
    TextRow{"BitBtn2", "画像ﾃﾞｨﾚｸﾄﾘ指定", "ﾃﾞｨﾚｸﾄﾘ内のどれか１ファイルを指定してください。", true},
    TextRow{"BitBtn3", "壁紙指定",
            "壁紙を指定します ここで選択したファイルは 右の入力フィールドに "
            "絶対アドレス指定表示で入ります。 必要に応じ 相対アドレスに変更してください。",
            true},
    TextRow{"BitBtn4", "HTML 生成", "ファイルを指定し ＨＴＭＬ を生成します。", true},
    TextRow{"ListBox1", "", "画像ファイル リストです。（ここをクリックしても何ら意味はありません） ",
            true},
    TextRow{"GroupBox1", "背景色", nullptr, false},
    TextRow{"Image1", "", "クリック毎に背景色指定が変更されます。", true},
    TextRow{"RadioGroup1", "", "背景色を変更します。", true},
    TextRow{"RadioGroup2", "画像サイズ", "画像サイズを指定します。", true},
    TextRow{"CheckBox1", "横罫線", "コメント省略時も 横罫線<HR>を 省略せず表示します。", true},
    TextRow{"CheckBox2", "ゆったり表示", "ファイル名と 次の画像の間を一行あけます。", true},
    TextRow{"CheckBox3", "ファイル名非表示", "ファイル名を 非表示扱いにします。", true},
    TextRow{"CheckBox4", "作成日 記録", "最下部にページの作成日を入れます。", true},
};

struct FontRow {
  const char* name;
  TFontDesc font;
  std::optional<TColor> background;  // none: the parent's or the class's own
};

inline constexpr TFontDesc kSmallGothic{kGothic, 15, vcl::clBlack, TFontStyle::Regular};
inline constexpr TFontDesc kSmallNavyGothic{kGothic, 15, vcl::clNavy, TFontStyle::Regular};
inline constexpr TFontDesc kSmallPGothic{kPGothic, 15, vcl::clBlack, TFontStyle::Regular};
inline constexpr TFontDesc kGroupFont{kGothic, 12, vcl::clBlack, TFontStyle::Regular};

inline constexpr std::array kFonts{
    FontRow{"Label1", {kGothic, 23, vcl::clBlue, TFontStyle::Bold | TFontStyle::Italic}, vcl::clAqua},
    FontRow{"Label2", {kGothic, 19, vcl::clBlack, TFontStyle::Regular}, std::nullopt},
    FontRow{"Label3", kSmallGothic, std::nullopt},
    FontRow{"Label4", kSmallGothic, std::nullopt},
    FontRow{"Label6", kSmallGothic, std::nullopt},
    FontRow{"Label8", kSmallGothic, std::nullopt},
    FontRow{"Label5", kSmallNavyGothic, std::nullopt},
    FontRow{"Label7", kSmallNavyGothic, std::nullopt},
    FontRow{"Label11", kSmallNavyGothic, std::nullopt},
    FontRow{"Label9", {kGothic, 15, vcl::clRed, TFontStyle::Regular}, vcl::clBtnFace},
    FontRow{"Label10", {kPGothic, 21, vcl::clBlack, TFontStyle::Bold}, vcl::clYellow},
    FontRow{"Edit1", {kGothic, 19, vcl::clBlack, TFontStyle::Bold}, std::nullopt},
    FontRow{"Edit2", kSmallGothic, std::nullopt},
    FontRow{"Edit3", kSmallGothic, std::nullopt},
    FontRow{"Edit4", kSmallGothic, std::nullopt},
    FontRow{"Edit5", kSmallGothic, std::nullopt},
    FontRow{"ListBox1", kSmallGothic, std::nullopt},
    FontRow{"BitBtn1", kSmallGothic, std::nullopt},
    FontRow{"BitBtn2", kSmallGothic, std::nullopt},
    FontRow{"BitBtn3", kSmallGothic, std::nullopt},
    FontRow{"BitBtn4", {kPGothic, 13, vcl::clBlue, TFontStyle::Bold}, std::nullopt},
    FontRow{"CheckBox1", kSmallGothic, std::nullopt},
    FontRow{"CheckBox4", kSmallGothic, std::nullopt},
    FontRow{"CheckBox2", kSmallPGothic, std::nullopt},
    FontRow{"CheckBox3", kSmallPGothic, std::nullopt},
    FontRow{"GroupBox1", kGroupFont, vcl::clBtnFace},
    FontRow{"RadioGroup1", kGroupFont, vcl::clBtnFace},  // GroupBox1's font
    FontRow{"RadioGroup2", kGroupFont, std::nullopt},
};

struct RadioGroupRow {
  const char* name;
  std::array<const char*, 8> items;  // null past the last item
  int columns;
  int item_index;
};

inline constexpr std::array kRadioGroups{
    RadioGroupRow{"RadioGroup1",
                  {"ホワイト", "シアン", "マゼンタ", "イエロー", "レッド", "グリーン", "ブルー", "グレー"},
                  8, 3},
    RadioGroupRow{"RadioGroup2",
                  {"原  寸", "256x192 × ２", "160x120 × ３", "128x 96 × ４", nullptr, nullptr, nullptr,
                   nullptr},
                  1, 3},
};

struct GlyphRow {
  const char* name;
  const char* resource;
  int num_glyphs;
};

inline constexpr std::array kGlyphs{
    GlyphRow{"BitBtn1", ":/bitmaps/exit_glyph.bmp", 1},
    GlyphRow{"BitBtn2", ":/bitmaps/folder_glyph.bmp", 2},
    GlyphRow{"BitBtn3", ":/bitmaps/folder_glyph.bmp", 2},
    GlyphRow{"BitBtn4", ":/bitmaps/disk_glyph.bmp", 2},
};

inline constexpr const char* kColourStrip = ":/bitmaps/colour_strip.bmp";
inline constexpr const char* kFixedSizeLabel = "Label10";  // keeps 81 x 25
inline constexpr int kListBoxItemHeight = 15;

// The window icon: a 32 x 32 and a 16 x 16 image.
inline constexpr std::array kWindowIcon{":/icons/window_32.png", ":/icons/window_16.png"};
// The program's own icon, which the application also shows.
inline constexpr std::array kProgramIcon{":/icons/program_32.png", ":/icons/program_16.png"};

struct FileDialogSettings {
  const char* title;  // null: the toolkit's own title
  const char* filter;
  unsigned options;
  vcl::TFileEditStyle file_edit_style;
  std::array<const char*, 4> history;  // null: none
};

inline constexpr unsigned kReadOnly = static_cast<unsigned>(vcl::TOpenOption::ofReadOnly);
inline constexpr unsigned kHideReadOnly = static_cast<unsigned>(vcl::TOpenOption::ofHideReadOnly);

inline constexpr FileDialogSettings kOpenDialog1{
    "ﾃﾞｨﾚｸﾄﾘ内のどれか１ファイルを指定",
    "*.jpg *.jpeg *.gif|*jpg;*jpeg;*gif|*jpg *jpeg|*jpg;*jpeg|*.gif|*.gif|*.*|*.*",
    kReadOnly | kHideReadOnly,
    vcl::TFileEditStyle::fsEdit,
    {"*.jpg *.gif", "*jpg", "*.gif", "*.*"}};

inline constexpr FileDialogSettings kSaveDialog1{
    nullptr,
    "*.htm *.html|*.htm;*.html|*.html|*.html|*.htm|*.htm|*.*|*.*",
    kHideReadOnly,
    vcl::TFileEditStyle::fsEdit,
    {nullptr, nullptr, nullptr, nullptr}};

}  // namespace lumenfold::form1

#endif  // LUMENFOLD_APP_FORM1_TABLES_H_
