// The candidate window as the review desk: the keys that decide a
// character, the field a code is typed or pasted into, the way to the next
// undecided character, and the counts; each decision goes into the map file
// at once.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/map_eudc.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/code_table/candidate_window.h"
#include "ui/control_text.h"
#include "ui/window_texts.h"

namespace {

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

std::string Utf8(const std::string& ansi) {
    return platform::ToMultiByte(CP_UTF8, platform::ToWide(platform::AnsiCodePage(), ansi));
}

bool IsSelector(uint32_t code) { return (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0xE0100 && code <= 0xE01EF); }
bool IsPrivateUse(uint32_t code) { return (code >= 0xE000 && code <= 0xF8FF) || code >= 0xF0000; }

// The code points of a typed "U+845B U+E0102", "845B E0102", or of the
// character itself typed or pasted; empty when it is none of them.
std::vector<uint32_t> TypedCodePoints(const std::string& typed) {
    std::vector<uint32_t> codes;
    std::string token;
    bool hex = true;
    for (size_t at = 0; at <= typed.size(); ++at) {
        const char c = at < typed.size() ? typed[at] : ' ';
        if (c != ' ' && c != ',' && c != '\t') {
            token += c;
            continue;
        }
        if (token.empty()) continue;
        std::string digits = token;
        if (digits.size() > 2 && (digits[0] == 'U' || digits[0] == 'u') && digits[1] == '+') digits.erase(0, 2);
        if (digits.empty() || digits.size() > 6 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            hex = false;
            break;
        }
        codes.push_back(static_cast<uint32_t>(std::stoul(digits, nullptr, 16)));
        token.clear();
    }
    if (hex && !codes.empty()) return codes;
    codes.clear();
    const std::wstring wide = platform::ToWide(platform::AnsiCodePage(), typed);
    for (size_t i = 0; i < wide.size(); ++i) {
        const uint32_t unit = wide[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size()) {
            codes.push_back(0x10000 + ((unit - 0xD800) << 10) + (wide[++i] - 0xDC00));
        } else if (unit != ' ') {
            codes.push_back(unit);
        }
    }
    return codes;
}

// A standard character, or one with its variation selector, as the map
// writes it ("U+845B U+E0102"); empty for anything else (an EUDC code among them).
std::string ChosenCode(const std::vector<uint32_t>& codes) {
    if (codes.empty() || codes.size() > 2 || codes[0] > 0x10FFFF || IsSelector(codes[0]) || IsPrivateUse(codes[0]) ||
        codes[0] < 0x20)
        return std::string();
    if (codes.size() == 2 && !IsSelector(codes[1])) return std::string();
    std::string text;
    for (uint32_t code : codes) {
        char part[16];
        std::snprintf(part, sizeof part, "%sU+%04X", text.empty() ? "" : " ", static_cast<unsigned>(code));
        text += part;
    }
    return text;
}

}  // namespace

// The file's characters, and the decisions this PC's map holds for them.
void CandidateWindow::LoadDecisions() {
    std::string bytes;
    characters_.clear();
    if (platform::ReadWholeFile(file_, bytes)) (void)characters::ReadEudcCharacters(Bytes(bytes), bytes.size(), characters_);
    if (!store_.Load(run_.folders.userData + kMapFileName, Utf8(file_), storeUnread_)) SetWindowTextA(status_, storeUnread_.c_str());
}

void CandidateWindow::ShowDecision() {
    const size_t decided = static_cast<size_t>(std::count_if(
        characters_.begin(), characters_.end(),
        [this](const characters::Character& c) { return !store_.Chosen(c.code).empty(); }));
    SetWindowTextA(counts_, texts::Format(texts::kCandidateCounts, {decided, characters_.size() - decided}).c_str());
    const std::string chosen = store_.Chosen(static_cast<uint16_t>(character_));
    SetWindowTextA(decision_, chosen.empty()     ? texts::kCandidateUndecided
                              : chosen == "none" ? texts::kCandidateDecidedNone
                                                 : texts::Format(texts::kCandidateDecided, {chosen}).c_str());
}

bool CandidateWindow::DeskKey(WPARAM key) {
    if (key >= '1' && key < '1' + kRows) {
        const size_t row = key - '1';
        if (row < answer_.character.candidates.size()) Decide(std::to_string(row + 1));
        return true;
    }
    switch (key) {
    case 'N':
        Decide("none");
        return true;
    case VK_SPACE:
        NextUndecided();
        return true;
    case VK_TAB:
        SetFocus(field_);
        SendMessageA(field_, EM_SETSEL, 0, -1);
        return true;
    default:
        return false;
    }
}

void CandidateWindow::Decide(const std::string& chosen) {
    if (!storeUnread_.empty()) {
        SetWindowTextA(status_, storeUnread_.c_str());
        return;
    }
    shapes::MappedCharacter character = answer_.done && answer_.drawn ? answer_.character : shapes::MappedCharacter();
    character.code = static_cast<uint16_t>(character_);
    const auto drawn = std::find_if(characters_.begin(), characters_.end(),
                                    [this](const characters::Character& c) { return c.code == character_; });
    if (drawn != characters_.end()) character.glyph = drawn->outline;
    character.chosen = chosen;
    std::string why;
    if (!store_.Save(character, why)) SetWindowTextA(status_, why.c_str());
    ShowDecision();
}

void CandidateWindow::DecideTypedCode() {
    const std::string typed = ui::WindowText(field_);
    if (typed.find_first_not_of(" \t") == std::string::npos) return;
    const std::string code = ChosenCode(TypedCodePoints(typed));
    if (code.empty()) {
        SetWindowTextA(status_, texts::Format(texts::kCandidateBadCode, {typed}).c_str());
        return;
    }
    SetWindowTextA(field_, "");
    Decide(code);
}

// The first undecided character after this one, from the first again at the end.
void CandidateWindow::NextUndecided() {
    const auto undecided = [this](const characters::Character& c) { return store_.Chosen(c.code).empty(); };
    auto next = std::find_if(std::upper_bound(characters_.begin(), characters_.end(), character_,
                                              [](WCHAR code, const characters::Character& c) { return code < c.code; }),
                             characters_.end(), undecided);
    if (next == characters_.end()) next = std::find_if(characters_.begin(), characters_.end(), undecided);
    if (next == characters_.end()) {
        SetWindowTextA(status_, texts::kCandidateAllDecided);
        return;
    }
    ShowCharacter(next->code);
}
