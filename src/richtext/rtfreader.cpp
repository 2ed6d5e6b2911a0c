// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RTF into a QTextDocument. One pass over the bytes with a bounded group stack: every step consumes
// input, so no file can make the reader loop, and what it keeps is bounded by the size of the input.
#include "richtext/rtf.h"

#include "richtext/rtfcodepages.h"
#include "platform/codepage.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace qm {
namespace {

// Groups deeper than this share the state of the deepest one kept.
constexpr int kMaxDepth = 200;
constexpr int kMaxHalfPoints = 3276; // 1638 points
constexpr int kMaxIndentTwips = 31680; // 22 inches
constexpr int kMaxTableEntries = 4096;
constexpr int kMaxFontNameLength = 200;
constexpr int kMaxUnicodeSkip = 8;

enum class Dest { Text, Skip, FontTable, ColourTable };

struct CharProps
{
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0; // index into the colour table; 0 is "automatic"
    int highlight = 0;
    int vertical = 0; // 0 normal, 1 superscript, 2 subscript
    bool hidden = false;

    bool operator==(const CharProps& o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic &&
               underline == o.underline && strike == o.strike && colour == o.colour && highlight == o.highlight &&
               vertical == o.vertical && hidden == o.hidden;
    }
    bool operator!=(const CharProps& o) const { return !(*this == o); }
};

struct ParaProps
{
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
};

struct GroupState
{
    CharProps chars;
    ParaProps para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1; // \uc
};

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's
};

enum class Word {
    Rtf, AnsiCpg, Deff, FontTable, ColourTable, Skip, FieldInst,
    Font, FontCharset, Red, Green, Blue,
    Plain, Pard, Par, Line, Tab, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Colour, Highlight,
    Super, Sub, NoSuperSub, Hidden, Left, Centre, Right, Justify, LeftIndent, RightIndent, FirstIndent, SpaceBefore,
    SpaceAfter, UnicodeSkip, Unicode, Bin, Cell, EmDash, EnDash, Bullet, LQuote, RQuote, LDblQuote, RDblQuote,
};

const std::unordered_map<std::string_view, Word>& Words()
{
    static const std::unordered_map<std::string_view, Word> words = {
        {"rtf", Word::Rtf}, {"ansicpg", Word::AnsiCpg}, {"deff", Word::Deff}, {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColourTable}, {"fldinst", Word::FieldInst},
        // Destinations whose content is never text.
        {"stylesheet", Word::Skip}, {"info", Word::Skip}, {"pict", Word::Skip}, {"object", Word::Skip},
        {"objdata", Word::Skip}, {"header", Word::Skip}, {"headerl", Word::Skip}, {"headerr", Word::Skip},
        {"headerf", Word::Skip}, {"footer", Word::Skip}, {"footerl", Word::Skip}, {"footerr", Word::Skip},
        {"footerf", Word::Skip}, {"footnote", Word::Skip}, {"annotation", Word::Skip}, {"listtable", Word::Skip},
        {"listoverridetable", Word::Skip}, {"revtbl", Word::Skip}, {"rsidtbl", Word::Skip}, {"filetbl", Word::Skip},
        {"xmlnstbl", Word::Skip}, {"themedata", Word::Skip}, {"colorschememapping", Word::Skip},
        {"latentstyles", Word::Skip}, {"datastore", Word::Skip}, {"shp", Word::Skip}, {"shppict", Word::Skip},
        {"nonshppict", Word::Skip}, {"pn", Word::Skip}, {"xe", Word::Skip}, {"tc", Word::Skip},
        {"txe", Word::Skip}, {"comment", Word::Skip}, {"private", Word::Skip}, {"userprops", Word::Skip},
        {"docvar", Word::Skip}, {"bkmkstart", Word::Skip}, {"bkmkend", Word::Skip}, {"atnid", Word::Skip},
        {"atnauthor", Word::Skip}, {"fontemb", Word::Skip}, {"fontfile", Word::Skip}, {"panose", Word::Skip},
        {"falt", Word::Skip},
        {"f", Word::Font}, {"fcharset", Word::FontCharset}, {"red", Word::Red}, {"green", Word::Green},
        {"blue", Word::Blue}, {"plain", Word::Plain}, {"pard", Word::Pard}, {"par", Word::Par},
        {"sect", Word::Par}, {"page", Word::Par}, {"row", Word::Par}, {"line", Word::Line}, {"tab", Word::Tab},
        {"cell", Word::Cell}, {"b", Word::Bold}, {"i", Word::Italic}, {"ul", Word::Underline},
        {"uld", Word::Underline}, {"uldash", Word::Underline}, {"uldb", Word::Underline},
        {"ulth", Word::Underline}, {"ulw", Word::Underline}, {"ulwave", Word::Underline},
        {"ulnone", Word::UnderlineNone}, {"strike", Word::Strike}, {"striked", Word::Strike},
        {"fs", Word::FontSize}, {"cf", Word::Colour}, {"highlight", Word::Highlight}, {"cb", Word::Highlight},
        {"chcbpat", Word::Highlight}, {"super", Word::Super}, {"sub", Word::Sub},
        {"nosupersub", Word::NoSuperSub}, {"v", Word::Hidden}, {"ql", Word::Left}, {"qc", Word::Centre}, {"qr", Word::Right},
        {"qj", Word::Justify}, {"qd", Word::Justify}, {"li", Word::LeftIndent}, {"ri", Word::RightIndent},
        {"fi", Word::FirstIndent}, {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter},
        {"uc", Word::UnicodeSkip}, {"u", Word::Unicode}, {"bin", Word::Bin}, {"emdash", Word::EmDash},
        {"endash", Word::EnDash}, {"bullet", Word::Bullet}, {"lquote", Word::LQuote}, {"rquote", Word::RQuote},
        {"ldblquote", Word::LDblQuote}, {"rdblquote", Word::RDblQuote},
    };
    return words;
}

class Reader
{
public:
    Reader(const QByteArray& data, QTextDocument& document) : mData(data), mCursor(&document) {}
    void Run();

private:
    GroupState& State() { return mStack.back(); }
    void OpenGroup();
    bool CloseGroup(); // false once the outermost group has closed
    void ControlWord(std::string_view word, bool hasParam, qint64 param);
    void ControlSymbol(char symbol);
    void Byte(unsigned char byte);
    void Char(char32_t c);
    void FontNameChar(char16_t c);
    void Paragraph();
    void FlushRun();
    void Finish();
    int CodePageOf(int font) const;
    QTextCharFormat CharFormat(const CharProps& p) const;
    QTextBlockFormat BlockFormat(const ParaProps& p) const;

    const QByteArray& mData;
    qsizetype mPos = 0;
    QTextCursor mCursor;
    std::vector<GroupState> mStack;
    int mOverflow = 0; // groups opened beyond kMaxDepth and not yet closed
    int mSkipChars = 0; // fallback characters after \u still to drop
    int mDocCodePage = 1252;
    int mDefaultFont = 0;
    QHash<int, FontEntry> mFonts;
    int mFontEntry = 0; // the font table entry being read
    QString mFontName;
    QList<QColor> mColours; // index 0 is "automatic" when the table starts with an empty entry
    int mRed = -1, mGreen = -1, mBlue = -1;
    QString mRun;
    CharProps mRunProps;
    ParaProps mLastTextPara;
    bool mBlockHasText = false;
    bool mPendingBlock = false; // a paragraph ended and the next one has not started
};

void Reader::Run()
{
    mCursor.beginEditBlock();
    mStack.reserve(32);
    mStack.push_back(GroupState());
    const char* data = mData.constData();
    const qsizetype size = mData.size();
    // The caller has checked that the data starts with "{\rtf" (after white space).
    while (mPos < size && data[mPos] != '{')
        ++mPos;
    ++mPos;
    while (mPos < size) {
        const char c = data[mPos++];
        if (c == '{') {
            mSkipChars = 0;
            OpenGroup();
        } else if (c == '}') {
            mSkipChars = 0;
            if (!CloseGroup())
                break;
        } else if (c == '\\') {
            if (mPos >= size)
                break;
            const char n = data[mPos];
            if ((n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z')) {
                const qsizetype start = mPos;
                while (mPos < size && ((data[mPos] >= 'a' && data[mPos] <= 'z') ||
                                          (data[mPos] >= 'A' && data[mPos] <= 'Z')))
                    ++mPos;
                const std::string_view word(data + start, size_t(qMin<qsizetype>(mPos - start, 32)));
                bool negative = false;
                if (mPos + 1 < size && data[mPos] == '-' && data[mPos + 1] >= '0' && data[mPos + 1] <= '9') {
                    negative = true;
                    ++mPos;
                }
                bool hasParam = false;
                qint64 param = 0;
                while (mPos < size && data[mPos] >= '0' && data[mPos] <= '9') {
                    hasParam = true;
                    if (param < 10000000000LL)
                        param = param * 10 + (data[mPos] - '0');
                    ++mPos;
                }
                if (negative)
                    param = -param;
                if (mPos < size && data[mPos] == ' ')
                    ++mPos;
                if (mSkipChars > 0 && State().dest != Dest::Skip && word != "bin") {
                    --mSkipChars;
                    continue;
                }
                ControlWord(word, hasParam, param);
            } else if (n == '\'') {
                ++mPos;
                int value = 0;
                int digits = 0;
                while (digits < 2 && mPos < size) {
                    const char h = data[mPos];
                    const int v = (h >= '0' && h <= '9')   ? h - '0'
                                  : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                  : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                                           : -1;
                    if (v < 0)
                        break;
                    value = value * 16 + v;
                    ++digits;
                    ++mPos;
                }
                if (mSkipChars > 0) {
                    --mSkipChars;
                    continue;
                }
                if (digits == 2) // a cut-off \'h is dropped
                    Byte((unsigned char)value);
            } else {
                ++mPos;
                if (mSkipChars > 0) {
                    --mSkipChars;
                    continue;
                }
                ControlSymbol(n);
            }
        } else if (c == '\r' || c == '\n' || c == '\0') {
            // Line ends in RTF are not text.
        } else {
            if (mSkipChars > 0) {
                --mSkipChars;
                continue;
            }
            Byte((unsigned char)c);
        }
    }
    Finish();
    mCursor.endEditBlock();
}

void Reader::OpenGroup()
{
    if (int(mStack.size()) >= kMaxDepth) {
        ++mOverflow;
        return;
    }
    mStack.push_back(mStack.back());
}

bool Reader::CloseGroup()
{
    if (mOverflow > 0) {
        --mOverflow;
        return true;
    }
    const Dest closing = State().dest;
    if (mStack.size() <= 1)
        return false;
    mStack.pop_back();
    // A font entry in its own group ends with its group even when the ';' is missing.
    if (closing == Dest::FontTable && State().dest == Dest::FontTable && !mFontName.isEmpty()) {
        mFonts.insert(mFontEntry, FontEntry{mFontName.trimmed(), mFonts.value(mFontEntry).codePage});
        mFontName.clear();
    }
    return true;
}

int ClampInt(qint64 v, int low, int high)
{
    return int(qBound(qint64(low), v, qint64(high)));
}

void Reader::ControlWord(std::string_view word, bool hasParam, qint64 param)
{
    const auto found = Words().find(word);
    if (found == Words().end())
        return;
    const Word w = found->second;
    GroupState& s = State();
    if (w == Word::Bin) {
        // Binary data: skipped whole, whatever the group.
        const qint64 n = hasParam ? qMax<qint64>(param, 0) : 0;
        mPos += qsizetype(qMin<qint64>(n, mData.size() - mPos));
        return;
    }
    if (s.dest == Dest::Skip)
        return;
    const bool on = !hasParam || param != 0;
    switch (w) {
    case Word::Skip:
    case Word::FieldInst:
        s.dest = Dest::Skip;
        return;
    case Word::FontTable:
        s.dest = Dest::FontTable;
        mFontName.clear();
        return;
    case Word::ColourTable:
        s.dest = Dest::ColourTable;
        mColours.clear();
        mRed = mGreen = mBlue = -1;
        return;
    case Word::AnsiCpg:
        if (RtfCodePageKnown(int(param)))
            mDocCodePage = int(param);
        return;
    case Word::Deff:
        mDefaultFont = ClampInt(param, 0, 1 << 30);
        return;
    case Word::UnicodeSkip:
        s.unicodeSkip = ClampInt(param, 0, kMaxUnicodeSkip);
        return;
    case Word::Unicode: {
        qint64 code = param;
        if (code < 0)
            code += 65536;
        if (hasParam && code >= 0 && code <= 0xFFFF)
            Char(char32_t(code));
        mSkipChars = s.unicodeSkip;
        return;
    }
    default:
        break;
    }
    if (s.dest == Dest::FontTable) {
        if (w == Word::Font) {
            mFontEntry = ClampInt(param, 0, 1 << 30);
            mFontName.clear();
        } else if (w == Word::FontCharset && mFonts.size() < kMaxTableEntries) {
            mFonts[mFontEntry].codePage = RtfCodePageForCharset(ClampInt(param, 0, 255), mDocCodePage);
        }
        return;
    }
    if (s.dest == Dest::ColourTable) {
        const int v = ClampInt(param, 0, 255);
        if (w == Word::Red)
            mRed = v;
        else if (w == Word::Green)
            mGreen = v;
        else if (w == Word::Blue)
            mBlue = v;
        return;
    }
    CharProps& c = s.chars;
    ParaProps& p = s.para;
    switch (w) {
    case Word::Font: c.font = ClampInt(param, 0, 1 << 30); break;
    case Word::Plain: c = CharProps(); break;
    case Word::Pard: p = ParaProps(); break;
    case Word::Par: Paragraph(); break;
    case Word::Line: Char(QChar::LineSeparator); break;
    case Word::Tab:
    case Word::Cell: Char('\t'); break;
    case Word::Bold: c.bold = on; break;
    case Word::Italic: c.italic = on; break;
    case Word::Underline: c.underline = on; break;
    case Word::UnderlineNone: c.underline = false; break;
    case Word::Strike: c.strike = on; break;
    case Word::FontSize:
        if (hasParam && param > 0)
            c.halfPoints = ClampInt(param, 2, kMaxHalfPoints);
        break;
    case Word::Colour: c.colour = ClampInt(param, 0, kMaxTableEntries); break;
    case Word::Highlight: c.highlight = ClampInt(param, 0, kMaxTableEntries); break;
    case Word::Super: c.vertical = on ? 1 : 0; break;
    case Word::Sub: c.vertical = on ? 2 : 0; break;
    case Word::NoSuperSub: c.vertical = 0; break;
    case Word::Hidden: c.hidden = on; break;
    case Word::Left: p.align = Qt::AlignLeft; break;
    case Word::Centre: p.align = Qt::AlignHCenter; break;
    case Word::Right: p.align = Qt::AlignRight; break;
    case Word::Justify: p.align = Qt::AlignJustify; break;
    case Word::LeftIndent: p.left = ClampInt(param, -kMaxIndentTwips, kMaxIndentTwips); break;
    case Word::RightIndent: p.right = ClampInt(param, -kMaxIndentTwips, kMaxIndentTwips); break;
    case Word::FirstIndent: p.first = ClampInt(param, -kMaxIndentTwips, kMaxIndentTwips); break;
    case Word::SpaceBefore: p.before = ClampInt(param, 0, kMaxIndentTwips); break;
    case Word::SpaceAfter: p.after = ClampInt(param, 0, kMaxIndentTwips); break;
    case Word::EmDash: Char(0x2014); break;
    case Word::EnDash: Char(0x2013); break;
    case Word::Bullet: Char(0x2022); break;
    case Word::LQuote: Char(0x2018); break;
    case Word::RQuote: Char(0x2019); break;
    case Word::LDblQuote: Char(0x201C); break;
    case Word::RDblQuote: Char(0x201D); break;
    default: break;
    }
}

void Reader::ControlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}': Byte((unsigned char)symbol); break;
    case '~': Char(0x00A0); break;
    case '-': Char(0x00AD); break;
    case '_': Char(0x2011); break;
    case '*':
        // An optional destination: none of those is text.
        State().dest = Dest::Skip;
        break;
    case '\r':
    case '\n':
        if (State().dest == Dest::Text)
            Paragraph();
        break;
    default: break;
    }
}

int Reader::CodePageOf(int font) const
{
    const auto it = mFonts.constFind(font < 0 ? mDefaultFont : font);
    return it == mFonts.constEnd() || it->codePage == 0 ? mDocCodePage : it->codePage;
}

void Reader::Byte(unsigned char byte)
{
    GroupState& s = State();
    switch (s.dest) {
    case Dest::Skip: return;
    case Dest::ColourTable:
        if (byte == ';' && mColours.size() < kMaxTableEntries)
            mColours.append(mRed < 0 && mGreen < 0 && mBlue < 0
                                ? QColor()
                                : QColor(qMax(mRed, 0), qMax(mGreen, 0), qMax(mBlue, 0)));
        if (byte == ';')
            mRed = mGreen = mBlue = -1;
        return;
    case Dest::FontTable:
        if (byte == ';') {
            if (mFonts.size() < kMaxTableEntries || mFonts.contains(mFontEntry))
                mFonts.insert(mFontEntry, FontEntry{mFontName.trimmed(), mFonts.value(mFontEntry).codePage});
            mFontName.clear();
        } else {
            FontNameChar(RtfDecodeByte(CodePageOf(mFontEntry), byte));
        }
        return;
    case Dest::Text:
        if (byte == '\t') {
            Char('\t');
        } else if (byte >= 0x20) {
            Char(RtfDecodeByte(CodePageOf(s.chars.font), byte));
        }
        return;
    }
}

void Reader::FontNameChar(char16_t c)
{
    if (mFontName.size() < kMaxFontNameLength && RtfFontNameChar(c))
        mFontName.append(QChar(c));
}

void Reader::Char(char32_t c)
{
    GroupState& s = State();
    if (s.dest == Dest::FontTable) {
        FontNameChar(char16_t(c));
        return;
    }
    if (s.dest != Dest::Text || s.chars.hidden)
        return;
    // Characters that would break the document's own structure (paragraph and frame marks, objects) or
    // that are not text at all are dropped.
    if ((c < 0x20 && c != '\t') || c == 0x2029 || c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 || c == 0xFEFF)
        return;
    if (mPendingBlock) {
        mCursor.insertBlock();
        mPendingBlock = false;
    }
    if (!mRun.isEmpty() && s.chars != mRunProps)
        FlushRun();
    mRunProps = s.chars;
    mLastTextPara = s.para;
    mBlockHasText = true;
    mRun.append(QChar(char16_t(c)));
}

QTextCharFormat Reader::CharFormat(const CharProps& p) const
{
    QTextCharFormat f;
    const auto font = mFonts.constFind(p.font < 0 ? mDefaultFont : p.font);
    if (font != mFonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(p.halfPoints / 2.0);
    f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italic);
    f.setFontUnderline(p.underline);
    f.setFontStrikeOut(p.strike);
    if (p.colour > 0 && p.colour < mColours.size() && mColours.at(p.colour).isValid())
        f.setForeground(mColours.at(p.colour));
    if (p.highlight > 0 && p.highlight < mColours.size() && mColours.at(p.highlight).isValid())
        f.setBackground(mColours.at(p.highlight));
    if (p.vertical == 1)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (p.vertical == 2)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return f;
}

QTextBlockFormat Reader::BlockFormat(const ParaProps& p) const
{
    // Document units are pixels at 96 per inch: 15 twips each.
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / 15.0);
    f.setRightMargin(p.right / 15.0);
    f.setTextIndent(p.first / 15.0);
    f.setTopMargin(p.before / 15.0);
    f.setBottomMargin(p.after / 15.0);
    return f;
}

void Reader::FlushRun()
{
    if (mRun.isEmpty())
        return;
    // A \u of half a surrogate pair with no other half becomes the replacement character.
    for (qsizetype i = 0; i < mRun.size(); ++i) {
        const QChar ch = mRun.at(i);
        if (ch.isHighSurrogate() && i + 1 < mRun.size() && mRun.at(i + 1).isLowSurrogate())
            ++i;
        else if (ch.isSurrogate())
            mRun[i] = QChar::ReplacementCharacter;
    }
    mCursor.insertText(mRun, CharFormat(mRunProps));
    mRun.clear();
}

void Reader::Paragraph()
{
    FlushRun();
    if (mPendingBlock)
        mCursor.insertBlock();
    mCursor.setBlockFormat(BlockFormat(State().para));
    if (!mBlockHasText)
        mCursor.setBlockCharFormat(CharFormat(State().chars));
    mBlockHasText = false;
    mPendingBlock = true;
}

void Reader::Finish()
{
    FlushRun();
    if (!mPendingBlock) {
        // The last paragraph has no \par: it takes the paragraph properties its text had.
        mCursor.setBlockFormat(BlockFormat(mBlockHasText ? mLastTextPara : State().para));
        if (!mBlockHasText)
            mCursor.setBlockCharFormat(CharFormat(State().chars));
    }
}

bool LooksLikeRtf(const QByteArray& data)
{
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return QByteArrayView(data).sliced(i).startsWith("{\\rtf");
}

} // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    if (!LooksLikeRtf(rtf)) {
        document.setPlainText(FromWindows1252(rtf));
        return false;
    }
    // One edit, without undo steps: the layout follows once at the end instead of after every run.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    {
        Reader reader(rtf, document);
        reader.Run();
    }
    document.setUndoRedoEnabled(undo);
    return true;
}

} // namespace qm
