#include "reports/RtfReader.h"

#include <map>

#include "data/Cp1251.h"

namespace veltrin {

std::string RtfParagraph::PlainText() const {
    std::string text;
    for (const RtfRun& run : runs)
        text += run.text;
    return text;
}

std::string RtfDocument::PlainText() const {
    std::string text;
    for (const RtfParagraph& p : paragraphs) {
        text += p.PlainText();
        text += '\n';
    }
    return text;
}

namespace {

constexpr int kDefaultHalfPoints = 24;
constexpr size_t kMaxDepth = 4096;  // deeper groups are read as text of the deepest one

enum class Destination { kText, kFontTable, kColorTable, kSkip };

struct Font {
    std::string name;
    std::string family = "nil";
    bool fixedPitch = false;
    bool cp1251 = true;
};

struct GroupState {
    Destination destination = Destination::kText;
    int font = -1;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false, italic = false, underline = false;
    int unicodeSkip = 1;  // \ucN: fallback characters after each \u
};

class Parser {
  public:
    explicit Parser(std::string_view s) : s_(s) {}

    RtfDocument Run() {
        stack_.push_back(GroupState{});
        while (pos_ < s_.size()) {
            const char ch = s_[pos_];
            if (ch == '{') {
                ++pos_;
                PushGroup();
            } else if (ch == '}') {
                ++pos_;
                PopGroup();
            } else if (ch == '\\') {
                ++pos_;
                ControlWord();
            } else if (ch == '\r' || ch == '\n') {
                ++pos_;
            } else {
                ++pos_;
                Byte(static_cast<uint8_t>(ch));
            }
        }
        EndParagraph(false);
        return std::move(doc_);
    }

  private:
    GroupState& State() { return stack_.back(); }

    void PushGroup() {
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(stack_.back());
        groupStart_ = true;
    }

    void PopGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        FinishTableEntry();
        if (stack_.size() > 1) stack_.pop_back();
        groupStart_ = false;
    }

    // A control word or symbol after its backslash.
    void ControlWord() {
        if (pos_ >= s_.size()) return;
        const char ch = s_[pos_];
        if (!IsLetter(ch)) {
            ++pos_;
            Symbol(ch);
            return;
        }
        const size_t start = pos_;
        while (pos_ < s_.size() && IsLetter(s_[pos_]) && pos_ - start < 32)
            ++pos_;
        const std::string word(s_.substr(start, pos_ - start));
        bool hasParam = false;
        long param = 0;
        bool negative = false;
        if (pos_ < s_.size() && s_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < s_.size() && IsDigit(s_[pos_])) {
            if (param < 1000000000) param = param * 10 + (s_[pos_] - '0');
            hasParam = true;
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
        Word(word, hasParam, static_cast<int>(param));
        groupStart_ = false;
    }

    void Symbol(char ch) {
        switch (ch) {
            case '\\':
            case '{':
            case '}':
                Text(static_cast<char32_t>(ch));
                break;
            case '~':
                Text(0x00A0);
                break;
            case '_':
                Text(0x2011);
                break;
            case '*':
                if (groupStart_) State().destination = Destination::kSkip;
                break;
            case '\'': {
                if (pos_ + 2 <= s_.size() && IsHex(s_[pos_]) && IsHex(s_[pos_ + 1])) {
                    const int value = Hex(s_[pos_]) * 16 + Hex(s_[pos_ + 1]);
                    pos_ += 2;
                    Byte(static_cast<uint8_t>(value));
                } else {
                    pos_ = std::min(s_.size(), pos_ + 2);
                }
                break;
            }
            case '\r':
            case '\n':
                EndParagraph(true);  // a backslash before a line end is a paragraph mark
                break;
            default:
                break;  // \- and the other symbols show nothing
        }
        groupStart_ = false;
    }

    void Word(const std::string& w, bool hasParam, int param) {
        GroupState& st = State();
        if (w == "fonttbl") {
            st.destination = Destination::kFontTable;
            return;
        }
        if (w == "colortbl") {
            st.destination = Destination::kColorTable;
            colors_.clear();
            pendingColor_ = RtfColor{};
            pendingColorSet_ = false;
            return;
        }
        static const char* const kSkipped[] = {
            "stylesheet", "info",         "pict",      "object",
            "header",     "footer",       "headerl",   "headerr",
            "footerl",    "footerr",      "footnote",  "field",
            "fldinst",    "xmlnstbl",     "listtable", "listoverridetable",
            "rsidtbl",    "generator",    "themedata", "colorschememapping",
            "datastore",  "latentstyles", "pgdsctbl",  "revtbl"};
        for (const char* skipped : kSkipped)
            if (w == skipped) {
                if (w == "field") return;  // a field shows its result, which is read as text
                st.destination = Destination::kSkip;
                return;
            }
        if (st.destination == Destination::kFontTable) {
            FontTableWord(w, hasParam, param);
            return;
        }
        if (st.destination == Destination::kColorTable) {
            if (w == "red")
                pendingColor_.red = Clamp255(param);
            else if (w == "green")
                pendingColor_.green = Clamp255(param);
            else if (w == "blue")
                pendingColor_.blue = Clamp255(param);
            pendingColorSet_ = true;
            return;
        }
        if (st.destination == Destination::kSkip) return;

        if (w == "par")
            EndParagraph(true);
        else if (w == "line")
            Text('\n');
        else if (w == "tab")
            Text('\t');
        else if (w == "b")
            st.bold = !hasParam || param != 0;
        else if (w == "i")
            st.italic = !hasParam || param != 0;
        else if (w == "ul")
            st.underline = !hasParam || param != 0;
        else if (w == "ulnone")
            st.underline = false;
        else if (w == "cf")
            st.color = param;
        else if (w == "f")
            st.font = param;
        else if (w == "fs")
            st.halfPoints = hasParam && param > 0 ? param : kDefaultHalfPoints;
        else if (w == "plain") {
            st.bold = st.italic = st.underline = false;
            st.font = defaultFont_;
            st.halfPoints = kDefaultHalfPoints;
            st.color = 0;
        } else if (w == "deff") {
            defaultFont_ = param;
            st.font = param;
        } else if (w == "ansicpg") {
            cp1251_ = param == 1251;
        } else if (w == "uc") {
            st.unicodeSkip = param < 0 ? 0 : param;
        } else if (w == "u") {
            if (hasParam) Unicode(param);
        } else if (w == "emdash")
            Text(0x2014);
        else if (w == "endash")
            Text(0x2013);
        else if (w == "bullet")
            Text(0x2022);
        else if (w == "lquote")
            Text(0x2018);
        else if (w == "rquote")
            Text(0x2019);
        else if (w == "ldblquote")
            Text(0x201C);
        else if (w == "rdblquote")
            Text(0x201D);
        else if (w == "emspace" || w == "enspace")
            Text(' ');
    }

    void FontTableWord(const std::string& w, bool hasParam, int param) {
        if (w == "f" && hasParam) {
            FinishTableEntry();
            fontIndex_ = param;
            pendingFont_ = Font{};
            fontOpen_ = true;
        } else if (w.size() > 1 && w[0] == 'f' &&
                   (w == "fnil" || w == "froman" || w == "fswiss" || w == "fmodern" ||
                    w == "fscript" || w == "fdecor" || w == "ftech" || w == "fbidi")) {
            pendingFont_.family = w.substr(1);
            if (w == "fmodern") pendingFont_.fixedPitch = true;
        } else if (w == "fprq") {
            pendingFont_.fixedPitch = param == 1;
        } else if (w == "fcharset") {
            pendingFont_.cp1251 = param == 204;
        }
    }

    // A font table entry ends at ";" or with its group.
    void FinishTableEntry() {
        if (State().destination == Destination::kFontTable && fontOpen_) {
            std::string name = pendingFont_.name;
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            pendingFont_.name = name;
            fonts_[fontIndex_] = pendingFont_;
            fontOpen_ = false;
            fontsChanged_ = true;
        }
    }

    void Unicode(int value) {
        char32_t cp = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            highSurrogate_ = cp;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (highSurrogate_) Text(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00));
            highSurrogate_ = 0;
        } else if (cp != 0) {
            Text(cp);
        }
        skip_ = State().unicodeSkip;
    }

    void Byte(uint8_t b) {
        GroupState& st = State();
        if (st.destination == Destination::kColorTable) {
            if (b == ';') {
                colors_.push_back(pendingColorSet_ ? std::optional<RtfColor>(pendingColor_)
                                                   : std::nullopt);
                fontsChanged_ = true;
                pendingColor_ = RtfColor{};
                pendingColorSet_ = false;
            }
            return;
        }
        if (st.destination == Destination::kFontTable) {
            if (b == ';') {
                FinishTableEntry();
            } else if (fontOpen_) {
                AppendUtf8(pendingFont_.name, DecodeByte(b, pendingFont_.cp1251));
            }
            return;
        }
        if (st.destination == Destination::kSkip) return;
        if (skip_ > 0) {  // the fallback of a \u character
            --skip_;
            return;
        }
        Text(DecodeByte(b, FontIsCp1251(st.font)));
    }

    char32_t DecodeByte(uint8_t b, bool cp1251) const {
        if (b < 0x80) return b;
        if (cp1251 || cp1251_) {
            const std::string one(1, static_cast<char>(b));
            const std::string utf8 = DecodeCp1251(one);
            size_t p = 0;
            return NextCodePoint(utf8, p);
        }
        return b;  // Latin-1
    }

    bool FontIsCp1251(int font) const {
        const auto it = fonts_.find(font);
        return it == fonts_.end() ? cp1251_ : it->second.cp1251;
    }

    void Text(char32_t cp) {
        GroupState& st = State();
        if (st.destination == Destination::kFontTable) {
            if (fontOpen_) AppendUtf8(pendingFont_.name, cp);  // an escaped or \u character
            return;
        }
        if (st.destination != Destination::kText) return;
        auto& runs = paragraph_.runs;
        const FormatKey key{st.font, st.halfPoints, st.color, st.bold, st.italic, st.underline};
        if (runs.empty() || !(key == lastKey_) || fontsChanged_) {
            RtfRun run;
            const auto it = fonts_.find(st.font);
            if (it != fonts_.end()) {
                run.fontName = it->second.name;
                run.fontFamily = it->second.family;
                run.fixedPitch = it->second.fixedPitch;
            } else {
                run.fontFamily = "nil";
            }
            run.halfPoints = st.halfPoints;
            if (st.color > 0 && static_cast<size_t>(st.color) < colors_.size())
                run.color = colors_[st.color];
            run.bold = st.bold;
            run.italic = st.italic;
            run.underline = st.underline;
            if (runs.empty() || !SameFormat(runs.back(), run)) runs.push_back(std::move(run));
            lastKey_ = key;
            fontsChanged_ = false;
        }
        AppendUtf8(runs.back().text, cp);
    }

    // What decides a run's format, compared before a run is made for a character.
    struct FormatKey {
        int font = -2, halfPoints = 0, color = 0;
        bool bold = false, italic = false, underline = false;
        bool operator==(const FormatKey&) const = default;
    };

    static bool SameFormat(const RtfRun& a, const RtfRun& b) {
        return a.fontName == b.fontName && a.fontFamily == b.fontFamily &&
               a.fixedPitch == b.fixedPitch && a.halfPoints == b.halfPoints && a.color == b.color &&
               a.bold == b.bold && a.italic == b.italic && a.underline == b.underline;
    }

    void EndParagraph(bool mark) {
        if (State().destination != Destination::kText && mark) return;
        if (!mark && paragraph_.runs.empty()) return;  // nothing after the last paragraph mark
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RtfParagraph{};
        fontsChanged_ = true;
    }

    static bool IsLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
    static bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
    static bool IsHex(char ch) {
        return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
    }
    static int Hex(char ch) {
        if (IsDigit(ch)) return ch - '0';
        return (ch | 0x20) - 'a' + 10;
    }
    static uint8_t Clamp255(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

    std::string_view s_;
    size_t pos_ = 0;
    std::vector<GroupState> stack_;
    size_t overflow_ = 0;
    bool groupStart_ = false;
    bool cp1251_ = false;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int fontIndex_ = 0;
    Font pendingFont_;
    bool fontOpen_ = false;
    std::vector<std::optional<RtfColor>> colors_;
    RtfColor pendingColor_;
    bool pendingColorSet_ = false;
    char32_t highSurrogate_ = 0;
    int skip_ = 0;
    RtfParagraph paragraph_;
    RtfDocument doc_;
    FormatKey lastKey_;
    bool fontsChanged_ = true;
};

}  // namespace

RtfDocument ParseRtf(std::string_view document) {
    return Parser(document).Run();
}

}  // namespace veltrin
