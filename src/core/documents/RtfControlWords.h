#pragma once

#include <QByteArrayView>

namespace Velmora {

/// The RTF control words RtfReader acts on. Every other word is ignored.
enum class RtfWord {
    Unknown,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Uc, U, Bin,
    // destinations: kept, read into tables, or skipped whole
    Skip, FontTable, ColorTable, ListTable, ListOverrideTable, Field, FieldInstruction, FieldResult,
    Picture, Transparent, Pn,
    // inside the font, colour and list tables
    Font, FontCharset, Red, Green, Blue, List, ListLevel, LevelNfc, ListId, ListOverride, ListOverrideNumber,
    // inside a picture
    PngBlip, JpegBlip, OtherBlip, PicWidth, PicHeight, PicWidthGoal, PicHeightGoal, PicScaleX, PicScaleY,
    // inside \pn
    PnBullet, PnBody, PnContinue, PnLevel, PnDecimal, PnUpperAlpha, PnLowerAlpha, PnUpperRoman, PnLowerRoman,
    // character formats
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Foreground, Background, Superscript,
    Subscript, NoSuperSub, Up, Down, Hidden,
    // paragraph formats
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent, FirstIndent,
    SpaceBefore, SpaceAfter, InTable, TableLevel, ListLevelNumber,
    // breaks and tables
    Par, Line, Tab, Page, Section, Cell, NestedCell, Row, NestedRow, RowDefaults, CellEdge,
    // a character of its own (\bullet, \emdash, \~, ...)
    Character,
};

struct RtfControl
{
    RtfWord word = RtfWord::Unknown;
    char16_t character = 0;
};

/// What a control word (without backslash and parameter) means; Unknown for any other.
RtfControl lookupRtfControlWord(QByteArrayView name);

} // namespace Velmora
