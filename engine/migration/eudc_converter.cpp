#include "engine/migration/eudc_converter.h"

#include <cstring>

#include "engine/migration/text_encoding.h"
#include "engine/migration/unicode_text.h"

namespace migration {
namespace {

constexpr size_t kEudcCount = kLastEudc - kFirstEudc + 1;
// What a piece leaves for the next: more than the longest character (4
// bytes), and than the longest text written for one EUDC character.
constexpr size_t kLookAhead = 4 * kLongestReplacement + 8;

// The EUDC code of the Shift-JIS pair lead, trail (lead F0..F9).
char32_t ShiftJisEudc(unsigned char lead, unsigned char trail) {
    return kFirstEudc + (lead - 0xF0) * 188 + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
}

// The EUDC code a three-byte UTF-8 sequence at p names, or 0.
char32_t Utf8Eudc(const unsigned char* p) {
    if (p[0] != 0xEE || p[1] < 0x80 || p[1] > 0x9D || (p[2] & 0xC0) != 0x80) return 0;
    const char32_t code = 0xE000 + ((p[1] & 0x3Fu) << 6) + (p[2] & 0x3Fu);
    return code <= kLastEudc ? code : 0;
}

unsigned Unit(const unsigned char* p, bool bigEndian) {
    return bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
}

void AppendShiftJisEudc(std::string& out, char32_t eudc) {
    const unsigned index = static_cast<unsigned>(eudc - kFirstEudc), offset = index % 188;
    out += static_cast<char>(0xF0 + index / 188);
    out += static_cast<char>(offset + (offset < 63 ? 0x40 : 0x41));
}

void AppendIn(Encoding encoding, const std::u32string& text, std::string& out) {
    for (char32_t code : text) {
        if (encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be)
            AppendUtf16(out, code, encoding == Encoding::kUtf16Be);
        else
            AppendUtf8(out, code);
    }
}

bool IsUtf16(Encoding encoding) { return encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be; }

}  // namespace

DecisionTable::DecisionTable() : written_(kEudcCount), whyLeft_(kEudcCount, "not in the map") {}

DecisionTable::DecisionTable(const std::vector<MapRow>& rows) : DecisionTable() {
    for (const MapRow& row : rows) {
        if (!IsEudc(row.eudc)) continue;
        const size_t i = row.eudc - kFirstEudc;
        std::string reason;
        switch (Resolve(row, written_[i], &reason)) {
            case Decision::kChosen: whyLeft_[i].clear(); break;
            case Decision::kUndecided: whyLeft_[i] = "undecided"; break;
            case Decision::kNone: whyLeft_[i] = "none"; break;
            case Decision::kInvalid: whyLeft_[i] = "invalid: " + reason; break;
        }
    }
}

EudcConverter::EudcConverter(Encoding source, const DecisionTable* table, ShiftJisCodec* codec)
    : source_(source), table_(table), codec_(codec), counts_(kEudcCount) {}

void EudcConverter::Meet(char32_t eudc, std::string* out) {
    ++counts_[eudc - kFirstEudc];
    ++column_;
    if (!table_) return;
    const std::u32string& written = table_->Written(eudc);
    places_.push_back({line_, column_, eudc, !written.empty()});
    if (!out) return;
    const Encoding target = ConvertedEncoding(source_);
    if (written.empty())
        AppendIn(target, std::u32string(1, eudc), *out);
    else
        AppendIn(target, written, *out);
}

void EudcConverter::Convert(const char* bytes, size_t size, bool last, std::string* out) {
    work_.append(bytes, size);
    const auto* p = reinterpret_cast<const unsigned char*>(work_.data());
    const size_t end = work_.size();
    size_t from = 0;
    if (!started_) {
        if (!last && end < kLookAhead) return;  // the mark and a first character together
        started_ = true;
        from = MarkLength(source_);
        if (out) out->append(source_ == Encoding::kShiftJis ? "\xEF\xBB\xBF" : work_.substr(0, from));
    }
    const size_t limit = last ? end : (end > kLookAhead ? end - kLookAhead : 0);
    size_t done = from;
    if (from < limit) {
        switch (source_) {
            case Encoding::kShiftJis: done = ConvertShiftJis(p, from, limit, end, out); break;
            case Encoding::kUtf8:
            case Encoding::kUtf8Bom: done = ConvertUtf8(p, from, limit, end, out); break;
            default: done = ConvertUtf16(p, from, limit, end, out); break;
        }
    }
    if (last && done < end && out) out->append(work_, done, end - done);  // an odd byte of UTF-16
    work_.erase(0, last ? end : done);
}

size_t EudcConverter::ConvertShiftJis(const unsigned char* p, size_t i, size_t limit, size_t end,
                                      std::string* out) {
    size_t run = i;
    const auto flush = [&](size_t to) {
        if (out && to > run) codec_->AppendAsUtf8(reinterpret_cast<const char*>(p) + run, to - run, *out);
    };
    while (i < limit) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b == '\n') {
                ++line_;
                column_ = 0;
            } else {
                sawNul_ |= b == 0;
                ++column_;
            }
            ++i;
        } else if (IsShiftJisLead(b) && i + 1 < end && IsShiftJisTrail(p[i + 1])) {
            if (b >= 0xF0 && b <= 0xF9) {
                flush(i);
                Meet(ShiftJisEudc(b, p[i + 1]), out);
                run = i + 2;
            } else {
                ++column_;
            }
            i += 2;
        } else {
            ++column_;
            ++i;
        }
    }
    flush(i);
    return i;
}

size_t EudcConverter::ConvertUtf8(const unsigned char* p, size_t i, size_t limit, size_t end, std::string* out) {
    size_t run = i;
    while (i < limit) {
        const unsigned char b = p[i];
        if (b == 0xEE && i + 2 < end) {
            if (const char32_t eudc = Utf8Eudc(p + i)) {
                if (out) out->append(reinterpret_cast<const char*>(p) + run, i - run);
                Meet(eudc, out);
                i += 3;
                run = i;
                continue;
            }
        }
        if (b == '\n') {
            ++line_;
            column_ = 0;
        } else if ((b & 0xC0) != 0x80) {
            // A broken sequence's bytes stay as they are; each that no
            // character continues counts as one.
            sawNul_ |= b == 0;
            ++column_;
        }
        ++i;
    }
    if (out) out->append(reinterpret_cast<const char*>(p) + run, i - run);
    return i;
}

size_t EudcConverter::ConvertUtf16(const unsigned char* p, size_t i, size_t limit, size_t end,
                                   std::string* out) {
    const bool big = source_ == Encoding::kUtf16Be;
    size_t run = i;
    while (i < limit && i + 1 < end) {
        const unsigned unit = Unit(p + i, big);
        if (IsEudc(unit)) {
            if (out) out->append(reinterpret_cast<const char*>(p) + run, i - run);
            Meet(unit, out);
            i += 2;
            run = i;
            continue;
        }
        if (unit == '\n') {
            ++line_;
            column_ = 0;
        } else if (unit < 0xDC00 || unit > 0xDFFF) {
            ++column_;  // the second half of a surrogate pair is the same character
        }
        i += 2;
    }
    if (out) out->append(reinterpret_cast<const char*>(p) + run, i - run);
    return i;
}

EudcRestorer::EudcRestorer(Encoding source, std::vector<Replacement> replacements, ShiftJisCodec* codec)
    : source_(source), replacements_(std::move(replacements)), codec_(codec) {
    for (const Replacement& r : replacements_) {
        writtenBytes_.emplace_back();
        AppendIn(ConvertedEncoding(source_), r.written, writtenBytes_.back());
    }
}

bool EudcRestorer::NextPlaceIsHere() {
    // Places behind the current character were not found where recorded.
    while (next_ < replacements_.size() &&
           (replacements_[next_].line < line_ ||
            (replacements_[next_].line == line_ && replacements_[next_].column < column_ + 1)))
        ++next_;
    return next_ < replacements_.size() && replacements_[next_].line == line_ &&
           replacements_[next_].column == column_ + 1;
}

void EudcRestorer::Restore(const char* bytes, size_t size, bool last, std::string& out) {
    work_.append(bytes, size);
    const auto* p = reinterpret_cast<const unsigned char*>(work_.data());
    const size_t end = work_.size();
    size_t from = 0;
    if (!started_) {
        if (!last && end < kLookAhead) return;
        started_ = true;
        const Encoding converted = ConvertedEncoding(source_);
        from = MarkLength(converted);
        // The converted file's mark is the source's own, but for Shift-JIS, which has none.
        if (source_ != Encoding::kShiftJis) out.append(work_, 0, from);
    }
    const size_t limit = last ? end : (end > kLookAhead ? end - kLookAhead : 0);
    size_t done = from;
    if (from < limit) done = IsUtf16(source_) ? RestoreUtf16(p, from, limit, end, out) : RestoreUtf8(p, from, limit, end, out);
    if (last && done < end) out.append(work_, done, end - done);
    work_.erase(0, last ? end : done);
}

void EudcRestorer::AppendRun(const unsigned char* p, size_t from, size_t to, std::string& out) {
    if (to <= from) return;
    if (source_ != Encoding::kShiftJis) {
        out.append(reinterpret_cast<const char*>(p) + from, to - from);
        return;
    }
    // EUDC characters left in the converted text go back as the code page
    // maps them, the rest through the platform.
    size_t run = from;
    for (size_t i = from; i + 2 < to; ++i) {
        if (const char32_t eudc = Utf8Eudc(p + i)) {
            codec_->AppendAsShiftJis(reinterpret_cast<const char*>(p) + run, i - run, out);
            AppendShiftJisEudc(out, eudc);
            i += 2;
            run = i + 1;
        }
    }
    codec_->AppendAsShiftJis(reinterpret_cast<const char*>(p) + run, to - run, out);
}

size_t EudcRestorer::RestoreUtf8(const unsigned char* p, size_t i, size_t limit, size_t end, std::string& out) {
    size_t run = i;
    while (i < limit) {
        const unsigned char b = p[i];
        if (b == '\n') {
            ++line_;
            column_ = 0;
        } else if ((b & 0xC0) != 0x80) {
            if (NextPlaceIsHere()) {
                const std::string& written = writtenBytes_[next_];
                if (end - i >= written.size() && std::memcmp(p + i, written.data(), written.size()) == 0) {
                    AppendRun(p, run, i, out);
                    const char32_t eudc = replacements_[next_].eudc;
                    if (source_ == Encoding::kShiftJis)
                        AppendShiftJisEudc(out, eudc);
                    else
                        AppendUtf8(out, eudc);
                    ++restored_;
                    ++next_;
                    ++column_;
                    i += written.size();
                    run = i;
                    continue;
                }
                ++next_;
            }
            ++column_;
        }
        ++i;
    }
    // A Shift-JIS run must end with a whole character: the piece stops
    // before one it cuts (its bytes counted nothing yet).
    while (i > run && (p[i] & 0xC0) == 0x80) --i;
    AppendRun(p, run, i, out);
    return i;
}

size_t EudcRestorer::RestoreUtf16(const unsigned char* p, size_t i, size_t limit, size_t end, std::string& out) {
    const bool big = source_ == Encoding::kUtf16Be;
    size_t run = i;
    while (i < limit && i + 1 < end) {
        const unsigned unit = Unit(p + i, big);
        if (unit == '\n') {
            ++line_;
            column_ = 0;
        } else if (unit < 0xDC00 || unit > 0xDFFF) {
            if (NextPlaceIsHere()) {
                const std::string& written = writtenBytes_[next_];
                if (end - i >= written.size() && std::memcmp(p + i, written.data(), written.size()) == 0) {
                    out.append(reinterpret_cast<const char*>(p) + run, i - run);
                    AppendUtf16(out, replacements_[next_].eudc, big);
                    ++restored_;
                    ++next_;
                    ++column_;
                    i += written.size();
                    run = i;
                    continue;
                }
                ++next_;
            }
            ++column_;
        }
        i += 2;
    }
    out.append(reinterpret_cast<const char*>(p) + run, i - run);
    return i;
}

}  // namespace migration
