#include "notes/richtext/RtfReader.h"

#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfCodePage.h"

#include "platform/AnsiText.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

enum class Word {
    Unknown,
    SkipDestination,
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Pn,
    PnText,
    ListText,
    Ansi,
    AnsiCodePage,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Bin,
    Plain,
    Pard,
    Par,
    Line,
    Tab,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Protect,
    Hidden,
    Font,
    FontSize,
    Color,
    Charset,
    FontCodePage,
    Red,
    Green,
    Blue,
    PnBullet,
    PnNumbered,
    PnContinue,
    ListOverrideNumber,
    ListLevelNumber,
    List,
    ListLevel,
    LevelNumberFormat,
    ListId,
    ListOverride,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    BulletCharacter,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
};

const std::unordered_map<std::string_view, Word> &words()
{
    static const std::unordered_map<std::string_view, Word> table = {
        // Destinations whose content is not text of the document.
        {"stylesheet", Word::SkipDestination},
        {"info", Word::SkipDestination},
        {"pict", Word::SkipDestination},
        {"object", Word::SkipDestination},
        {"objdata", Word::SkipDestination},
        {"objclass", Word::SkipDestination},
        {"objname", Word::SkipDestination},
        {"header", Word::SkipDestination},
        {"headerl", Word::SkipDestination},
        {"headerr", Word::SkipDestination},
        {"headerf", Word::SkipDestination},
        {"footer", Word::SkipDestination},
        {"footerl", Word::SkipDestination},
        {"footerr", Word::SkipDestination},
        {"footerf", Word::SkipDestination},
        {"footnote", Word::SkipDestination},
        {"ftnsep", Word::SkipDestination},
        {"ftnsepc", Word::SkipDestination},
        {"ftncn", Word::SkipDestination},
        {"aftnsep", Word::SkipDestination},
        {"aftnsepc", Word::SkipDestination},
        {"aftncn", Word::SkipDestination},
        {"fldinst", Word::SkipDestination},
        {"annotation", Word::SkipDestination},
        {"atnid", Word::SkipDestination},
        {"atnauthor", Word::SkipDestination},
        {"atndate", Word::SkipDestination},
        {"atnref", Word::SkipDestination},
        {"atnicn", Word::SkipDestination},
        {"xe", Word::SkipDestination},
        {"tc", Word::SkipDestination},
        {"txe", Word::SkipDestination},
        {"bkmkstart", Word::SkipDestination},
        {"bkmkend", Word::SkipDestination},
        {"themedata", Word::SkipDestination},
        {"colorschememapping", Word::SkipDestination},
        {"datastore", Word::SkipDestination},
        {"latentstyles", Word::SkipDestination},
        {"rsidtbl", Word::SkipDestination},
        {"generator", Word::SkipDestination},
        {"xmlnstbl", Word::SkipDestination},
        {"revtbl", Word::SkipDestination},
        {"filetbl", Word::SkipDestination},
        {"template", Word::SkipDestination},
        {"nonshppict", Word::SkipDestination},
        {"shp", Word::SkipDestination},
        {"shpinst", Word::SkipDestination},
        {"sp", Word::SkipDestination},
        {"sn", Word::SkipDestination},
        {"sv", Word::SkipDestination},
        {"do", Word::SkipDestination},
        {"comment", Word::SkipDestination},
        {"title", Word::SkipDestination},
        {"subject", Word::SkipDestination},
        {"author", Word::SkipDestination},
        {"operator", Word::SkipDestination},
        {"keywords", Word::SkipDestination},
        {"doccomm", Word::SkipDestination},
        {"company", Word::SkipDestination},
        {"manager", Word::SkipDestination},
        {"category", Word::SkipDestination},
        {"creatim", Word::SkipDestination},
        {"revtim", Word::SkipDestination},
        {"printim", Word::SkipDestination},
        {"buptim", Word::SkipDestination},
        {"userprops", Word::SkipDestination},
        {"docvar", Word::SkipDestination},
        {"pgdsctbl", Word::SkipDestination},
        {"listpicture", Word::SkipDestination},
        {"formfield", Word::SkipDestination},
        {"datafield", Word::SkipDestination},
        {"pnseclvl", Word::SkipDestination},
        {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColorTable},
        {"listtable", Word::ListTable},
        {"listoverridetable", Word::ListOverrideTable},
        {"pn", Word::Pn},
        {"pntext", Word::PnText},
        {"listtext", Word::ListText},
        {"ansi", Word::Ansi},
        {"ansicpg", Word::AnsiCodePage},
        {"mac", Word::Mac},
        {"pc", Word::Pc},
        {"pca", Word::Pca},
        {"deff", Word::DefaultFont},
        {"uc", Word::UnicodeSkip},
        {"u", Word::Unicode},
        {"bin", Word::Bin},
        {"plain", Word::Plain},
        {"pard", Word::Pard},
        {"par", Word::Par},
        {"sect", Word::Par},
        {"page", Word::Par},
        {"row", Word::Par},
        {"nestrow", Word::Par},
        {"line", Word::Line},
        {"lbr", Word::Line},
        {"tab", Word::Tab},
        {"cell", Word::Tab},
        {"nestcell", Word::Tab},
        {"b", Word::Bold},
        {"i", Word::Italic},
        {"ul", Word::Underline},
        {"uld", Word::Underline},
        {"uldash", Word::Underline},
        {"uldashd", Word::Underline},
        {"uldashdd", Word::Underline},
        {"uldb", Word::Underline},
        {"ulhwave", Word::Underline},
        {"ulldash", Word::Underline},
        {"ulth", Word::Underline},
        {"ulthd", Word::Underline},
        {"ulthdash", Word::Underline},
        {"ulthdashd", Word::Underline},
        {"ulthdashdd", Word::Underline},
        {"ulthldash", Word::Underline},
        {"ululdbwave", Word::Underline},
        {"ulw", Word::Underline},
        {"ulwave", Word::Underline},
        {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike},
        {"striked", Word::Strike},
        {"protect", Word::Protect},
        {"v", Word::Hidden},
        {"webhidden", Word::Hidden},
        {"f", Word::Font},
        {"fs", Word::FontSize},
        {"cf", Word::Color},
        {"fcharset", Word::Charset},
        {"cpg", Word::FontCodePage},
        {"red", Word::Red},
        {"green", Word::Green},
        {"blue", Word::Blue},
        {"pnlvlblt", Word::PnBullet},
        {"pnlvlbody", Word::PnNumbered},
        {"pnlvl", Word::PnNumbered},
        {"pnlvlcont", Word::PnContinue},
        {"ls", Word::ListOverrideNumber},
        {"ilvl", Word::ListLevelNumber},
        {"list", Word::List},
        {"listlevel", Word::ListLevel},
        {"levelnfc", Word::LevelNumberFormat},
        {"levelnfcn", Word::LevelNumberFormat},
        {"listid", Word::ListId},
        {"listoverride", Word::ListOverride},
        {"emdash", Word::EmDash},
        {"endash", Word::EnDash},
        {"emspace", Word::EmSpace},
        {"enspace", Word::EnSpace},
        {"qmspace", Word::QuarterEmSpace},
        {"bullet", Word::BulletCharacter},
        {"lquote", Word::LeftQuote},
        {"rquote", Word::RightQuote},
        {"ldblquote", Word::LeftDoubleQuote},
        {"rdblquote", Word::RightDoubleQuote},
        {"zwj", Word::ZeroWidthJoiner},
        {"zwnj", Word::ZeroWidthNonJoiner},
    };
    return table;
}

enum class Destination {
    Text,
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Pn,
    Marker,
    Skip
};
enum class Numbering { None, Bullet, Numbered, Continue };

struct CharState
{
    int font = -1; // -1: the \deff font
    int halfPoints = 24;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool protect = false;
    bool hidden = false;

    bool operator==(const CharState &other) const
    {
        return font == other.font && halfPoints == other.halfPoints && color == other.color &&
               bold == other.bold && italic == other.italic && underline == other.underline &&
               strike == other.strike && protect == other.protect && hidden == other.hidden;
    }
};

struct CharStateHash
{
    size_t operator()(const CharState &state) const
    {
        const unsigned flags = (state.bold ? 1U : 0U) | (state.italic ? 2U : 0U) |
                               (state.underline ? 4U : 0U) | (state.strike ? 8U : 0U) |
                               (state.protect ? 16U : 0U) | (state.hidden ? 32U : 0U);
        size_t hash = std::hash<int>()(state.font);
        for (const int part : {state.halfPoints, state.color, static_cast<int>(flags)})
            hash = hash * 1000003U ^ std::hash<int>()(part);
        return hash;
    }
};

struct Look
{
    QTextCharFormat format;
    bool adopted = false; // the format was handed back by the document
};

struct ParaState
{
    Numbering numbering = Numbering::None;
    int list = 0;  // \ls
    int level = 0; // \ilvl
};

struct Group
{
    CharState chars;
    ParaState para;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's
};

constexpr size_t maxDepth = 1000;
constexpr int levelNumberFormatBullet = 23;

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// A list marker such as "\u8226\tab" or "o\tab" rather than "1.\tab" or "a)".
bool looksLikeBullet(const QString &marker)
{
    const QString core = marker.trimmed();
    return core.size() == 1 && !core.at(0).isLetterOrNumber();
}

class Parser
{
public:
    Parser(QTextCursor &cursor, bool whole, bool keepProtection,
           const std::function<bool()> &interrupted)
        : m_cursor(cursor), m_whole(whole), m_keepProtection(keepProtection),
          m_newBlockFormat(whole ? QTextBlockFormat() : cursor.blockFormat()),
          m_interrupted(interrupted)
    {
    }

    void parse(const QString &input, bool bytes)
    {
        m_in = &input;
        m_bytes = bytes;
        const qsizetype size = input.size();
        qsizetype nextCheck = InterruptCheckSteps;
        while (m_pos < size && !m_done) {
            if (m_pos >= nextCheck) {
                nextCheck = m_pos + InterruptCheckSteps;
                if (m_interrupted && m_interrupted())
                    break;
            }
            const char16_t c = input.at(m_pos++).unicode();
            switch (c) {
            case u'{':
                openGroup();
                break;
            case u'}':
                closeGroup();
                break;
            case u'\\':
                control();
                break;
            case u'\r':
            case u'\n':
                break;
            default:
                if (isPlain(c) && joinsRun()) {
                    literal(c);
                    takePlainText();
                } else {
                    literal(c);
                }
            }
        }
        finish();
    }

private:
    // --- plain text ----------------------------------------------------------------------

    // Characters that stand for themselves in any text.
    static bool isPlain(char16_t c)
    {
        return c >= 0x20 && c < 0x7F && c != u'{' && c != u'}' && c != u'\\';
    }

    // Whether a plain character read now goes into the run of document text.
    bool joinsRun() const
    {
        return m_unicodeFallback == 0 && !m_groups.empty() &&
               m_groups.back().destination == Destination::Text && !m_groups.back().chars.hidden;
    }

    // After a plain character joined the run, the plain characters behind it join it as well,
    // in one piece: most of a text is such characters.
    void takePlainText()
    {
        const QString &in = *m_in;
        qsizetype end = m_pos;
        while (end < in.size() && isPlain(in.at(end).unicode()))
            ++end;
        m_run.append(in.constData() + m_pos, end - m_pos);
        m_pos = end;
    }

    // --- groups ---------------------------------------------------------------------------

    void openGroup()
    {
        resetPending();
        if (m_groups.size() >= maxDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(m_groups.empty() ? Group() : m_groups.back());
    }

    void closeGroup()
    {
        resetPending();
        if (m_overflow > 0) {
            if (!m_overflowSaved.empty() && m_overflowSaved.back().level == m_overflow) {
                m_groups.back() = m_overflowSaved.back().group;
                m_overflowSaved.pop_back();
            }
            --m_overflow;
            return;
        }
        if (m_groups.empty())
            return;
        const Group closing = m_groups.back();
        m_groups.pop_back();
        if (m_groups.empty()) {
            m_endPara = closing.para;
            m_done = true;
            return;
        }
        Group &parent = m_groups.back();
        switch (closing.destination) {
        case Destination::Pn:
            // A {\*\pn ...} group describes the paragraph it stands in.
            if (parent.destination == Destination::Text &&
                closing.para.numbering != Numbering::None)
                parent.para.numbering = closing.para.numbering;
            break;
        case Destination::FontTable:
            commitFont();
            break;
        case Destination::ListTable:
            if (parent.destination != Destination::ListTable)
                commitList();
            break;
        default:
            break;
        }
    }

    // Groups nested deeper than maxDepth share the deepest kept group. Its state is kept the
    // first time a control word may change it at such a depth, and put back when that group
    // closes, so formats never leak out of a group however deep: the memory grows with the
    // control words, not with the braces.
    void keepForOverflow()
    {
        if (m_overflow == 0 || m_groups.empty())
            return;
        if (m_overflowSaved.empty() || m_overflowSaved.back().level != m_overflow)
            m_overflowSaved.push_back({m_overflow, m_groups.back()});
    }

    void skipGroup()
    {
        if (m_overflow == 0 && !m_groups.empty())
            m_groups.back().destination = Destination::Skip;
        const QString &in = *m_in;
        int level = 1;
        while (m_pos < in.size()) {
            const char16_t c = in.at(m_pos++).unicode();
            if (c == u'{') {
                ++level;
            } else if (c == u'}') {
                if (--level == 0) {
                    closeGroup();
                    return;
                }
            } else if (c == u'\\' && m_pos < in.size()) {
                if (!isLetter(in.at(m_pos).unicode())) {
                    ++m_pos;
                    continue;
                }
                const auto [name, hasParameter, parameter] = readWord();
                if (name == "bin" && hasParameter)
                    skipBinary(parameter);
            }
        }
    }

    void skipBinary(int count)
    {
        if (count > 0)
            m_pos += std::min<qsizetype>(count, m_in->size() - m_pos);
    }

    // --- tokens ---------------------------------------------------------------------------

    struct WordToken
    {
        std::string_view name;
        bool hasParameter;
        int parameter;
    };

    WordToken readWord()
    {
        const QString &in = *m_in;
        size_t length = 0;
        while (m_pos < in.size() && isLetter(in.at(m_pos).unicode())) {
            if (length < sizeof m_name)
                m_name[length++] = static_cast<char>(in.at(m_pos).unicode());
            ++m_pos;
        }
        bool negative = false;
        if (m_pos + 1 < in.size() && in.at(m_pos) == QLatin1Char('-') &&
            isDigit(in.at(m_pos + 1).unicode())) {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        long long value = 0;
        while (m_pos < in.size() && isDigit(in.at(m_pos).unicode())) {
            hasParameter = true;
            if (value < 10'000'000'000LL)
                value = value * 10 + (in.at(m_pos).unicode() - u'0');
            ++m_pos;
        }
        if (m_pos < in.size() && in.at(m_pos) == QLatin1Char(' '))
            ++m_pos;
        value = std::min<long long>(value, std::numeric_limits<int>::max());
        return {std::string_view(m_name, length), hasParameter,
                static_cast<int>(negative ? -value : value)};
    }

    void control()
    {
        const QString &in = *m_in;
        if (m_pos >= in.size())
            return;
        const char16_t c = in.at(m_pos).unicode();
        if (isLetter(c)) {
            keepForOverflow();
            const WordToken token = readWord();
            controlWord(token);
        } else {
            ++m_pos;
            controlSymbol(c);
        }
    }

    void controlSymbol(char16_t c)
    {
        if (c == u'*') {
            m_starred = true;
            return;
        }
        m_starred = false;
        if (c == u'\'') {
            const QString &in = *m_in;
            int byte = -1;
            const int high = m_pos < in.size() ? hexValue(in.at(m_pos).unicode()) : -1;
            if (high >= 0) {
                ++m_pos;
                const int low = m_pos < in.size() ? hexValue(in.at(m_pos).unicode()) : -1;
                if (low >= 0) {
                    byte = high * 16 + low;
                    ++m_pos;
                } // a cut escape stands for nothing
            }
            if (m_unicodeFallback > 0) {
                --m_unicodeFallback;
                return;
            }
            if (byte >= 0)
                eightBit(static_cast<unsigned char>(byte));
            return;
        }
        if (m_unicodeFallback > 0) {
            --m_unicodeFallback;
            return;
        }
        m_leadByte = -1;
        switch (c) {
        case u'\\':
        case u'{':
        case u'}':
            character(c);
            break;
        case u'~':
            character(0x00A0);
            break;
        case u'_':
            character(0x2011);
            break;
        case u'\r':
        case u'\n':
            paragraphBreak();
            break;
        default: // \- optional hyphen, \| \: and the like show nothing here
            break;
        }
    }

    void controlWord(const WordToken &token)
    {
        const auto found = words().find(token.name);
        const Word word = found == words().end() ? Word::Unknown : found->second;
        m_leadByte = -1;
        if (m_unicodeFallback > 0) {
            --m_unicodeFallback;
            if (word == Word::Bin && token.hasParameter)
                skipBinary(token.parameter);
            return;
        }
        const bool starred = m_starred;
        m_starred = false;
        if (m_groups.empty())
            return;
        if (starred && word != Word::Pn && word != Word::ListTable &&
            word != Word::ListOverrideTable) {
            skipGroup();
            return;
        }
        Group &group = m_groups.back();
        const bool on = !token.hasParameter || token.parameter != 0;
        const int parameter = token.parameter;
        switch (word) {
        case Word::Unknown:
            break;
        case Word::SkipDestination:
            skipGroup();
            break;
        case Word::FontTable:
            group.destination = Destination::FontTable;
            break;
        case Word::ColorTable:
            group.destination = Destination::ColorTable;
            break;
        case Word::ListTable:
            group.destination = Destination::ListTable;
            break;
        case Word::ListOverrideTable:
            group.destination = Destination::ListOverrideTable;
            break;
        case Word::Pn:
            group.destination = Destination::Pn;
            group.para.numbering = Numbering::None;
            break;
        case Word::PnText:
        case Word::ListText:
            group.destination = Destination::Marker;
            m_marker.clear();
            break;
        case Word::Ansi:
            m_documentCodePage = 1252;
            break;
        case Word::AnsiCodePage:
            if (token.hasParameter && parameter > 0)
                m_documentCodePage = parameter;
            break;
        case Word::Mac:
            m_documentCodePage = 10000;
            break;
        case Word::Pc:
            m_documentCodePage = 437;
            break;
        case Word::Pca:
            m_documentCodePage = 850;
            break;
        case Word::DefaultFont:
            m_defaultFont = parameter;
            break;
        case Word::UnicodeSkip:
            group.unicodeSkip = std::clamp(parameter, 0, 16);
            break;
        case Word::Unicode:
            if (token.hasParameter) {
                const int unit = parameter < 0 ? parameter + 0x10000 : parameter;
                if (unit >= 0 && unit <= 0xFFFF)
                    character(static_cast<char16_t>(unit));
                m_unicodeFallback = group.unicodeSkip;
            }
            break;
        case Word::Bin:
            if (token.hasParameter)
                skipBinary(parameter);
            break;
        case Word::Plain:
            group.chars = CharState();
            break;
        case Word::Pard:
            group.para = ParaState();
            break;
        case Word::Par:
            paragraphBreak();
            break;
        case Word::Line:
            character(QChar::LineSeparator);
            break;
        case Word::Tab:
            character(u'\t');
            break;
        case Word::Bold:
            group.chars.bold = on;
            break;
        case Word::Italic:
            group.chars.italic = on;
            break;
        case Word::Underline:
            group.chars.underline = on;
            break;
        case Word::UnderlineNone:
            group.chars.underline = false;
            break;
        case Word::Strike:
            group.chars.strike = on;
            break;
        case Word::Protect:
            group.chars.protect = on;
            break;
        case Word::Hidden:
            group.chars.hidden = on;
            break;
        case Word::Font:
            if (group.destination == Destination::FontTable) {
                commitFont();
                m_fontNumber = parameter;
                m_fontPending = true;
            } else {
                group.chars.font = parameter;
            }
            break;
        case Word::FontSize:
            if (parameter > 0)
                group.chars.halfPoints = std::min(parameter, 3276);
            break;
        case Word::Color:
            group.chars.color = std::max(parameter, 0);
            break;
        case Word::Charset:
            if (group.destination == Destination::FontTable)
                m_fontCharset = parameter;
            break;
        case Word::FontCodePage:
            if (group.destination == Destination::FontTable)
                m_fontCodePage = parameter;
            break;
        case Word::Red:
        case Word::Green:
        case Word::Blue:
            if (group.destination == Destination::ColorTable) {
                const int shift = word == Word::Red ? 16 : word == Word::Green ? 8 : 0;
                m_colorValue = (m_colorValue & ~(0xFFu << shift)) |
                               (static_cast<QRgb>(std::clamp(parameter, 0, 255)) << shift);
                m_colorSet = true;
            }
            break;
        case Word::PnBullet:
            group.para.numbering = Numbering::Bullet;
            break;
        case Word::PnNumbered:
            group.para.numbering = Numbering::Numbered;
            break;
        case Word::PnContinue:
            group.para.numbering = Numbering::Continue;
            break;
        case Word::ListOverrideNumber:
            if (group.destination == Destination::ListOverrideTable)
                m_overrides[parameter] = m_overrideListId;
            else
                group.para.list = parameter;
            break;
        case Word::ListLevelNumber:
            group.para.level = std::clamp(parameter, 0, 8);
            break;
        case Word::List:
            if (group.destination == Destination::ListTable) {
                commitList();
                m_listOpen = true;
            }
            break;
        case Word::ListLevel:
            if (group.destination == Destination::ListTable && m_listLevels.size() < 9)
                m_listLevels.push_back(0);
            break;
        case Word::LevelNumberFormat:
            if (group.destination == Destination::ListTable && !m_listLevels.empty())
                m_listLevels.back() = parameter;
            break;
        case Word::ListId:
            if (group.destination == Destination::ListTable)
                m_listId = parameter;
            else if (group.destination == Destination::ListOverrideTable)
                m_overrideListId = parameter;
            break;
        case Word::ListOverride:
            m_overrideListId = 0;
            break;
        case Word::EmDash:
            character(0x2014);
            break;
        case Word::EnDash:
            character(0x2013);
            break;
        case Word::EmSpace:
            character(0x2003);
            break;
        case Word::EnSpace:
            character(0x2002);
            break;
        case Word::QuarterEmSpace:
            character(0x2005);
            break;
        case Word::BulletCharacter:
            character(0x2022);
            break;
        case Word::LeftQuote:
            character(0x2018);
            break;
        case Word::RightQuote:
            character(0x2019);
            break;
        case Word::LeftDoubleQuote:
            character(0x201C);
            break;
        case Word::RightDoubleQuote:
            character(0x201D);
            break;
        case Word::ZeroWidthJoiner:
            character(0x200D);
            break;
        case Word::ZeroWidthNonJoiner:
            character(0x200C);
            break;
        }
    }

    void literal(char16_t c)
    {
        m_starred = false;
        if (m_groups.empty())
            return;
        if (c < 0x20 && c != u'\t')
            return;
        if (m_unicodeFallback > 0) {
            --m_unicodeFallback;
            return;
        }
        if (m_bytes && c >= 0x80)
            eightBit(static_cast<unsigned char>(c));
        else
            character(c);
    }

    void eightBit(unsigned char byte)
    {
        if (m_leadByte >= 0) {
            m_leadByte = -1;
            character(QChar::ReplacementCharacter);
            return;
        }
        const RtfCodePage &codePage = currentCodePage();
        if (codePage.isLeadByte(byte)) {
            m_leadByte = byte;
            return;
        }
        character(codePage.decode(byte).unicode());
    }

    const RtfCodePage &currentCodePage()
    {
        int codePage = m_documentCodePage;
        if (!m_groups.empty() && m_groups.back().destination == Destination::Text) {
            const int number =
                m_groups.back().chars.font >= 0 ? m_groups.back().chars.font : m_defaultFont;
            const auto font = m_fonts.find(number);
            if (font != m_fonts.end() && font->second.codePage > 0)
                codePage = font->second.codePage;
        }
        if (m_codePage.codePage() != codePage)
            m_codePage = RtfCodePage(codePage);
        return m_codePage;
    }

    void resetPending()
    {
        m_starred = false;
        m_unicodeFallback = 0;
        m_leadByte = -1;
    }

    // --- content --------------------------------------------------------------------------

    void character(char16_t c)
    {
        if (m_groups.empty())
            return;
        const Group &group = m_groups.back();
        switch (group.destination) {
        case Destination::Text:
            if (group.chars.hidden)
                return;
            if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
                paragraphBreak();
                return;
            }
            if (c == u'\v') { // a line break, however it was written
                character(QChar::LineSeparator);
                return;
            }
            // Other control characters draw as nothing sensible; the document's own frame
            // marks would damage it.
            if ((c < 0x20 && c != u'\t') || c == 0xFDD0 || c == 0xFDD1)
                return;
            resolveMarker();
            append(c, group.chars);
            break;
        case Destination::FontTable:
            if (c == u';')
                commitFont();
            else
                m_fontName += QChar(c);
            break;
        case Destination::ColorTable:
            if (c == u';') {
                m_colors.push_back(m_colorSet ? std::optional<QRgb>(m_colorValue) : std::nullopt);
                forgetFormats();
                m_colorValue = 0;
                m_colorSet = false;
            }
            break;
        case Destination::Marker:
            // A marker that is kept becomes text: it leaves out what text leaves out.
            if (group.chars.hidden || (c < 0x20 && c != u'\t') || c == QChar::ParagraphSeparator ||
                c == 0xFDD0 || c == 0xFDD1)
                return;
            if (m_marker.isEmpty())
                m_markerState = group.chars;
            m_marker += QChar(c);
            break;
        default:
            break;
        }
    }

    void append(char16_t c, const CharState &state)
    {
        if (m_pendingBreak)
            insertBreak();
        if (!m_run.isEmpty() && !(state == m_runState))
            flush();
        m_runState = state;
        m_run += QChar(c);
    }

    void flush()
    {
        if (m_run.isEmpty())
            return;
        // A lone half of a surrogate pair, as damaged \u pairs leave, would draw as garbage.
        for (qsizetype i = 0; i < m_run.size(); ++i) {
            const QChar c = m_run.at(i);
            if (c.isHighSurrogate() && i + 1 < m_run.size() && m_run.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                m_run[i] = QChar(QChar::ReplacementCharacter);
        }
        Look &runLook = look(m_runState);
        m_cursor.insertText(m_run, runLook.format);
        // The cursor stands right after the run: its format is the run's.
        if (!runLook.adopted)
            adopt(runLook, m_cursor.charFormat());
        // Emptied, the run keeps its room for the next one.
        m_run.resize(0);
    }

    // Runs switch back and forth between a few looks; each look is built once and the same
    // format object handed to the document every time.
    Look &look(CharState state)
    {
        if (state.font < 0)
            state.font = m_defaultFont;
        if (m_lastLook && state == m_lastState)
            return *m_lastLook;
        auto [entry, added] = m_looks.try_emplace(state);
        if (added)
            entry->second.format = buildFormat(state);
        m_lastState = state;
        m_lastLook = &entry->second;
        return entry->second;
    }

    QTextCharFormat buildFormat(const CharState &state) const
    {
        QTextCharFormat format;
        const auto font = m_fonts.find(state.font);
        if (font != m_fonts.end() && !font->second.name.isEmpty())
            format.setFontFamilies({font->second.name});
        format.setFontPointSize(state.halfPoints / 2.0);
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        format.setFontStrikeOut(state.strike);
        const auto color = static_cast<size_t>(state.color);
        if (color < m_colors.size() && m_colors[color])
            format.setForeground(QColor(*m_colors[color]));
        if (state.protect && m_keepProtection)
            format.setProperty(RichTextModel::ProtectedProperty, true);
        return format;
    }

    // The document keeps its own copy of each format it is given and looks every format it
    // is handed up among them: handed back its own copy, it knows it at once instead of
    // comparing it property by property, as it would a format built anew for each text.
    static void adopt(Look &look, const QTextCharFormat &own)
    {
        look.adopted = true;
        if (own == look.format)
            look.format = own;
    }

    // A font or colour defined after text used it changes the looks built so far.
    void forgetFormats()
    {
        m_looks.clear();
        m_lastLook = nullptr;
        m_breakLook = nullptr;
    }

    void paragraphBreak()
    {
        if (m_groups.empty() || m_groups.back().destination != Destination::Text)
            return;
        resolveMarker();
        flush();
        if (m_pendingBreak)
            insertBreak();
        applyParagraph(m_groups.back().para);
        m_pendingBreak = true;
        m_breakLook = &look(m_groups.back().chars);
        m_breakFormat = m_breakLook->format;
        m_guessedBullet = false;
    }

    void insertBreak()
    {
        m_cursor.insertBlock(m_newBlockFormat, m_breakFormat);
        if (m_breakLook && !m_breakLook->adopted)
            adopt(*m_breakLook, m_cursor.blockCharFormat());
        m_pendingBreak = false;
        m_inNoList = m_newBlockFormat.objectIndex() < 0;
    }

    void applyParagraph(const ParaState &para)
    {
        // Most paragraphs have no bullet and get none: nothing to do for them.
        const bool bullet = isBullet(para);
        if (!bullet && (m_inNoList || !m_cursor.block().textList()))
            return;
        QTextCursor paragraph = m_cursor;
        RichTextModel::setBullet(paragraph, bullet);
        m_inNoList = !bullet;
    }

    bool isBullet(const ParaState &para) const
    {
        if (para.numbering != Numbering::None)
            return para.numbering == Numbering::Bullet;
        if (para.list <= 0)
            return false;
        const auto override = m_overrides.find(para.list);
        const auto list =
            override == m_overrides.end() ? m_lists.end() : m_lists.find(override->second);
        if (list == m_lists.end() || list->second.empty())
            return m_guessedBullet;
        const auto &levels = list->second;
        const int format =
            levels[std::min<size_t>(static_cast<size_t>(para.level), levels.size() - 1)];
        return format == levelNumberFormatBullet;
    }

    // The text of a list marker ({\pntext} or {\listtext}) stands for the bullet the list
    // draws; a numbered list has no numbers here, so its marker stays as text.
    void resolveMarker()
    {
        if (m_marker.isEmpty())
            return;
        const QString marker = m_marker;
        m_marker.clear();
        m_guessedBullet = looksLikeBullet(marker);
        if (isBullet(m_groups.back().para))
            return;
        flush();
        if (m_pendingBreak)
            insertBreak();
        m_run = marker;
        m_runState = m_markerState;
        flush();
    }

    void finish()
    {
        if (!m_groups.empty())
            m_endPara = m_groups.back().para;
        if (!m_groups.empty() && m_groups.back().destination == Destination::Text)
            resolveMarker();
        flush();
        if (m_whole) {
            // The final \par closes the last paragraph; otherwise the last paragraph still
            // takes its format.
            if (!m_pendingBreak)
                applyParagraph(m_endPara);
        } else if (m_pendingBreak) {
            insertBreak();
        }
    }

    void commitFont()
    {
        if (m_fontPending) {
            FontEntry entry;
            entry.name = m_fontName.trimmed();
            if (m_fontCodePage > 0)
                entry.codePage = m_fontCodePage;
            else if (m_fontCharset >= 0)
                entry.codePage = RtfCodePage::fromCharset(m_fontCharset, 0);
            m_fonts[m_fontNumber] = entry;
            forgetFormats();
        }
        m_fontPending = false;
        m_fontName.clear();
        m_fontCharset = -1;
        m_fontCodePage = 0;
    }

    void commitList()
    {
        if (m_listOpen)
            m_lists[m_listId] = m_listLevels;
        m_listOpen = false;
        m_listLevels.clear();
        m_listId = 0;
    }

    // About a millisecond of reading between two questions.
    static constexpr qsizetype InterruptCheckSteps = 1 << 14;

    QTextCursor &m_cursor;
    const bool m_whole;
    const bool m_keepProtection;
    const QTextBlockFormat m_newBlockFormat;
    const std::function<bool()> &m_interrupted;

    const QString *m_in = nullptr;
    qsizetype m_pos = 0;
    bool m_bytes = false;
    bool m_done = false;
    char m_name[32] = {};

    std::vector<Group> m_groups;
    size_t m_overflow = 0;
    struct SavedGroup
    {
        size_t level;
        Group group;
    };
    std::vector<SavedGroup> m_overflowSaved;
    bool m_starred = false;
    int m_unicodeFallback = 0;
    int m_leadByte = -1;

    int m_documentCodePage = 1252;
    RtfCodePage m_codePage;
    int m_defaultFont = 0;

    std::map<int, FontEntry> m_fonts;
    bool m_fontPending = false;
    int m_fontNumber = 0;
    QString m_fontName;
    int m_fontCharset = -1;
    int m_fontCodePage = 0;

    std::vector<std::optional<QRgb>> m_colors;
    QRgb m_colorValue = 0;
    bool m_colorSet = false;

    std::map<int, std::vector<int>> m_lists; // \listid -> \levelnfc of each level
    std::map<int, int> m_overrides;          // \ls -> \listid
    bool m_listOpen = false;
    std::vector<int> m_listLevels;
    int m_listId = 0;
    int m_overrideListId = 0;

    QString m_marker;
    CharState m_markerState;
    bool m_guessedBullet = false;

    QString m_run;
    CharState m_runState;
    std::unordered_map<CharState, Look, CharStateHash> m_looks;
    CharState m_lastState;
    Look *m_lastLook = nullptr;

    bool m_pendingBreak = false;
    // The paragraph being written is known to be in no list, as the paragraphs the reader
    // starts are unless they continue the list of the paragraph it reads into.
    bool m_inNoList = false;
    QTextCharFormat m_breakFormat;
    Look *m_breakLook = nullptr; // the look m_breakFormat was taken from, while it is kept
    ParaState m_endPara;
};

void restoreParagraph(QTextCursor &cursor, QTextBlockFormat format, bool bullet)
{
    QTextBlock block = cursor.block();
    if (QTextList *list = block.textList())
        list->remove(block);
    format.setObjectIndex(-1);
    QTextCursor paragraph(block);
    paragraph.setBlockFormat(format);
    RichTextModel::setBullet(paragraph, bullet);
}

// Where inserted text takes its look from: the first character it replaces, or the
// insertion format at the caret.
QTextCharFormat insertionFormat(const QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return cursor.charFormat();
    return RichTextModel(*cursor.document()).charFormatAt(cursor.selectionStart());
}

template <typename Text> qsizetype rtfStart(const Text &text)
{
    qsizetype i = 0;
    while (i < text.size() &&
           (text.at(i) == ' ' || text.at(i) == '\t' || text.at(i) == '\r' || text.at(i) == '\n'))
        ++i;
    return i;
}

} // namespace

RtfReader::RtfReader(Target target, bool keepProtection)
    : m_target(target), m_keepProtection(keepProtection)
{
}

bool RtfReader::isRtf(const QByteArray &text)
{
    QByteArray start = text.left(64);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.mid(rtfStart(start)).startsWith("{\\rtf");
}

bool RtfReader::isRtf(const QString &text)
{
    QString start = text.left(64);
    if (start.startsWith(QChar(0xFEFF)))
        start.remove(0, 1);
    return start.mid(rtfStart(start)).startsWith(QLatin1String("{\\rtf"));
}

void RtfReader::read(const QByteArray &rtf, QTextCursor &cursor) const
{
    if (isRtf(rtf))
        read(QString::fromLatin1(rtf), true, cursor);
    else
        read(AnsiText::decode(rtf), false, cursor);
}

void RtfReader::read(const QString &rtf, QTextCursor &cursor) const
{
    // RTF is 8-bit text in the code page it names. Text that reached us decoded as
    // Windows-1252 (the note files) goes back to its bytes and is read like pasted RTF, so
    // both decode raw 8-bit text the same way; text no byte can stand for is taken as it is.
    if (isRtf(rtf)) {
        QString bytes(rtf.size(), Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(bytes.data());
        for (const QChar c : rtf) {
            const char16_t unit = c.unicode();
            const int byte = unit < 0x80 ? unit : RtfCodePage::encodeWindows1252(unit);
            if (byte < 0) {
                read(rtf, false, cursor);
                return;
            }
            *out++ = static_cast<char16_t>(byte);
        }
        read(bytes, true, cursor);
        return;
    }
    read(rtf, false, cursor);
}

void RtfReader::read(const QString &rtf, bool bytes, QTextCursor &cursor) const
{
    const bool whole = m_target == Target::Document;
    cursor.beginEditBlock();
    QTextCharFormat plainFormat;
    // The paragraph the selection ends in keeps its format for the text after it, wherever
    // the new paragraph breaks put that text: the classic control keeps a paragraph's format
    // at its end, the document at its start.
    const QTextBlock endBlock = cursor.document()->findBlock(cursor.selectionEnd());
    const QTextBlockFormat endFormat = endBlock.blockFormat();
    const bool endBullet = endBlock.textList() != nullptr;
    if (whole) {
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.setBlockCharFormat(QTextCharFormat());
    } else {
        plainFormat = insertionFormat(cursor);
        cursor.removeSelectedText();
    }
    if (isRtf(rtf)) {
        const int startBlock = cursor.blockNumber();
        Parser parser(cursor, whole, m_keepProtection, m_interrupted);
        parser.parse(rtf, bytes);
        if (!whole && cursor.blockNumber() != startBlock)
            restoreParagraph(cursor, endFormat, endBullet);
    } else {
        if (!m_keepProtection)
            plainFormat.clearProperty(RichTextModel::ProtectedProperty);
        RichTextModel::insertPlainText(cursor, rtf, plainFormat);
    }
    cursor.endEditBlock();
}
