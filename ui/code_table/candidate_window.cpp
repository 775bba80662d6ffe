// The candidate window: its controls, the finder's answers, the rows and
// the buttons; the desk's keys and decisions are in candidate_window_desk.cpp.
#include "ui/code_table/candidate_window.h"

#include "engine/map_eudc.h"
#include "engine/report/texts.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/grey_image.h"
#include "platform/text.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/dialog_keys.h"
#include "ui/window_texts.h"

namespace {

const ui::WindowClass kClass = {"MinamoCandidates", GetSysColorBrush(COLOR_BTNFACE), 0};
constexpr int kClientWidth = 600, kClientHeight = 400;
constexpr int kMargin = 10;
constexpr int kLargeSize = 128;  // the EUDC character's box
constexpr int kLeftWidth = 150;
constexpr int kCharacterTop = 146, kVerdictTop = 166, kStatusTop = 188, kStatusHeight = 84;
constexpr int kCountsTop = 274, kDecisionTop = 294, kFieldTop = 316, kFieldHeight = 22, kSaveTop = 364;
constexpr int kLineHeight = 20;
constexpr int kRowHeight = 62, kPictureSize = 56;
constexpr int kKeyLeft = 170, kKeyWidth = 14, kPictureLeft = 186;
constexpr int kCodeLeft = 252, kCodeTop = 2, kCodeWidth = 260;
constexpr int kCopyLeft = 522, kCopyWidth = 65, kButtonHeight = 26;
constexpr int kKeysTop = kMargin + 5 * kRowHeight + 4, kKeysHeight = 36;
constexpr int kControlFontHeight = 12;
enum ControlId {
    kStatusId = 1, kSaveMapId, kCharacterId, kVerdictId, kCountsId, kDecisionId, kFieldId, kKeysId,
    kCodeId = 10, kCopyId = 20, kScoreId = 30, kFactsId = 40, kKeyId = 50
};

std::wstring Wide(const std::string& utf8) { return platform::ToWide(CP_UTF8, utf8); }

}  // namespace

CandidateWindow::CandidateWindow(const RunParameters& run, CandidateFinder& finder, std::string face,
                                 std::string file, WCHAR character, std::function<void()> gone)
    : run_(run), finder_(finder), face_(std::move(face)), file_(std::move(file)), character_(character),
      gone_(std::move(gone)) {}

std::unique_ptr<CandidateWindow> CandidateWindow::Create(HWND owner, const RunParameters& run,
                                                         CandidateFinder& finder, const std::string& face,
                                                         const std::string& file, WCHAR character,
                                                         std::function<void()> gone) {
    std::unique_ptr<CandidateWindow> window(new CandidateWindow(run, finder, face, file, character, std::move(gone)));
    if (!window->CreateLaidOut(kClass, 0, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               texts::kCandidateCaption, CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth,
                               kClientHeight, owner))
        return nullptr;
    window->CreateControls();
    window->LoadDecisions();
    ShowWindow(window->Handle(), SW_SHOW);
    SetFocus(window->Handle());  // the desk's keys come to the window itself
    window->ShowCharacter(character);
    return window;
}

// The window goes before the fonts its controls show.
CandidateWindow::~CandidateWindow() { DestroyNow(); }

void CandidateWindow::CreateControls() {
    const ui::DpiScale& s = Scale();
    controlFont_ = ui::MakeFont(texts::kFacePGothic, s(kControlFontHeight));
    largeFont_ = gdi::CreateFontFrom(gdi::MakeLogFont(face_, -s(kLargeSize), SHIFTJIS_CHARSET));
    HFONT font = controlFont_.get();
    const HWND w = Handle();
    const auto label = [&](int top, int height, int id) {
        return ui::CreateControl(w, "STATIC", "", SS_LEFT | SS_NOPREFIX, s(kMargin), s(top), s(kLeftWidth),
                                 s(height), id, font);
    };
    code_ = label(kCharacterTop, kLineHeight, kCharacterId);
    verdict_ = label(kVerdictTop, kLineHeight, kVerdictId);
    status_ = label(kStatusTop, kStatusHeight, kStatusId);
    counts_ = label(kCountsTop, kLineHeight, kCountsId);
    decision_ = label(kDecisionTop, kLineHeight, kDecisionId);
    field_ = ui::CreateControl(w, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, s(kMargin), s(kFieldTop), s(kLeftWidth),
                               s(kFieldHeight), kFieldId, font, WS_EX_CLIENTEDGE);
    ui::SendEnterAndEscapeToParent(field_);
    saveMap_ = ui::CreateControl(w, "BUTTON", texts::kCandidateSaveMap, BS_PUSHBUTTON, s(kMargin), s(kSaveTop),
                                 s(kLeftWidth), s(kButtonHeight), kSaveMapId, font);
    keys_ = ui::CreateControl(w, "STATIC", texts::kCandidateKeys, SS_LEFT | SS_NOPREFIX, s(kKeyLeft),
                              s(kKeysTop), s(kClientWidth - kKeyLeft - kMargin), s(kKeysHeight), kKeysId, font);
    for (int row = 0; row < kRows; ++row) {
        const int top = kMargin + row * kRowHeight;
        const std::string key = std::to_string(row + 1);
        keyLabels_[row] = ui::CreateControl(w, "STATIC", key.c_str(), SS_LEFT, s(kKeyLeft), s(top + kCodeTop),
                                            s(kKeyWidth), s(kLineHeight), kKeyId + row, font);
        codes_[row] = ui::CreateControl(w, "STATIC", "", SS_LEFT | SS_NOPREFIX, s(kCodeLeft), s(top + kCodeTop),
                                        s(kCodeWidth), s(kLineHeight), kCodeId + row, font);
        scores_[row] = ui::CreateControl(w, "STATIC", "", SS_LEFT | SS_NOPREFIX, s(kCodeLeft),
                                         s(top + kCodeTop + kLineHeight), s(kCodeWidth), s(kLineHeight),
                                         kScoreId + row, font);
        facts_[row] = ui::CreateControl(w, "STATIC", "", SS_LEFT | SS_NOPREFIX, s(kCodeLeft),
                                        s(top + kCodeTop + 2 * kLineHeight), s(kCodeWidth), s(kLineHeight),
                                        kFactsId + row, font);
        copies_[row] = ui::CreateControl(w, "BUTTON", texts::kCandidateCopy, BS_PUSHBUTTON | WS_DISABLED,
                                         s(kCopyLeft), s(top + (kPictureSize - kButtonHeight) / 2), s(kCopyWidth),
                                         s(kButtonHeight), kCopyId + row, font);
    }
}

std::string CandidateWindow::CodeShown(int row) const { return ui::WindowText(codes_[row]); }
std::string CandidateWindow::FactsShown(int row) const { return ui::WindowText(facts_[row]); }
std::string CandidateWindow::CharacterShown() const { return ui::WindowText(code_); }
std::string CandidateWindow::Status() const { return ui::WindowText(status_); }
std::string CandidateWindow::CountsShown() const { return ui::WindowText(counts_); }
std::string CandidateWindow::DecisionShown() const { return ui::WindowText(decision_); }

void CandidateWindow::ShowCharacter(WCHAR character) {
    character_ = character;
    answer_ = CandidateFinder::Answer();
    const std::string sjis = characters::CodeName(character);
    SetWindowTextA(code_, sjis.compare(0, 2, "U+") == 0
                              ? sjis.c_str()
                              : texts::Format(texts::kCandidateCodeFormat, {sjis, static_cast<unsigned>(character)})
                                    .c_str());
    SetWindowTextA(verdict_, "");
    SetWindowTextA(status_, "");
    for (int row = 0; row < kRows; ++row) {
        SetWindowTextA(codes_[row], "");
        SetWindowTextA(scores_[row], "");
        SetWindowTextA(facts_[row], "");
        EnableWindow(copies_[row], FALSE);
    }
    ShowDecision();
    InvalidateRect(Handle(), nullptr, TRUE);
    Ask();
}

void CandidateWindow::Ask() {
    const ui::DpiScale& s = Scale();
    asked_ = finder_.Find(Handle(), {file_, static_cast<uint16_t>(character_), s(kLargeSize), s(kPictureSize)});
}

// The finder's answers for this window's last request; those of earlier
// requests (a character left before its answer came) are dropped.
void CandidateWindow::TakeAnswers() {
    for (CandidateFinder::Answer& answer : finder_.Take()) {
        if (answer.request != asked_ || asked_ == 0) continue;
        if (!answer.done) {
            SetWindowTextA(status_, texts::Format(texts::kCandidateProgress, {answer.built, answer.toBuild}).c_str());
            continue;
        }
        asked_ = 0;
        answerSeconds_ = answer.seconds;
        answer_ = std::move(answer);
        ShowCandidates(answer_);
    }
}

namespace {

const char* VerdictShown(shapes::Verdict verdict) {
    switch (verdict) {
    case shapes::Verdict::kSame: return texts::kCandidateVerdictSame;
    case shapes::Verdict::kCheck: return texts::kCandidateVerdictCheck;
    case shapes::Verdict::kNone: break;
    }
    return texts::kCandidateVerdictNone;
}

}  // namespace

void CandidateWindow::ShowCandidates(const CandidateFinder::Answer& answer) {
    const std::vector<shapes::Candidate>& candidates = answer.character.candidates;
    for (size_t row = 0; row < candidates.size() && row < kRows; ++row) {
        SetWindowTextA(codes_[row], shapes::CandidateCode(candidates[row]).c_str());
        SetWindowTextA(scores_[row], shapes::ScoreText(candidates[row].score).c_str());
        const shapes::CandidateFacts facts =
            row < answer.character.facts.size() ? answer.character.facts[row] : shapes::CandidateFacts();
        std::string shown = facts.mj;
        if (!facts.cp932.empty()) shown += (shown.empty() ? "" : "  ") + std::string("CP932 ") + facts.cp932;
        if (!facts.jisX0213.empty()) shown += (shown.empty() ? "" : "  ") + std::string("JIS X 0213 ") + facts.jisX0213;
        SetWindowTextA(facts_[row], shown.c_str());
        EnableWindow(copies_[row], TRUE);
    }
    const bool likely = !candidates.empty() && candidates[0].score >= shapes::kLikelyTwin;
    SetWindowTextA(verdict_, answer.drawn && answer.unfit.empty() ? VerdictShown(answer.character.verdict) : "");
    SetWindowTextA(status_, !answer.unfit.empty() ? answer.unfit.c_str() : likely ? "" : texts::kCandidateNoTwin);
    if (!storeUnread_.empty()) SetWindowTextA(status_, storeUnread_.c_str());
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CandidateWindow::Copy(int row) {
    if (row < 0 || static_cast<size_t>(row) >= answer_.character.candidates.size()) return;
    (void)platform::CopyTextToClipboard(Handle(), Wide(shapes::CandidateText(answer_.character.candidates[row])),
                                        run_.folders.IsNtFamily());
}

// The map of this PC's EUDC fonts, told as /map tells it; it keeps the
// decisions made here.
void CandidateWindow::SaveMap() {
    Notifier notifier(false, false);
    MapReport report;
    const Target thisPc = TargetNamed(run_.folders.program, "");
    (void)MapEudc({run_.folders, run_.options, thisPc, notifier}, report);
    LoadDecisions();
    ShowDecision();
}

void CandidateWindow::Paint(HDC dc) {
    const ui::DpiScale& s = Scale();
    RECT large{s(kMargin), s(kMargin), s(kMargin + kLargeSize), s(kMargin + kLargeSize)};
    FillRect(dc, &large, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (answer_.large.empty()) {
        SelectObject(dc, largeFont_.get());
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, &character_, 1, &large, gdi::kCentredText);
    }
    platform::DrawGreyImage(dc, large.left, large.top, s(kLargeSize), answer_.large);
    for (int row = 0; row < kRows; ++row)
        platform::DrawGreyImage(dc, s(kPictureLeft), s(kMargin + row * kRowHeight), s(kPictureSize),
                                answer_.pictures[row]);
}

LRESULT CandidateWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CANDIDATESFOUND:
        TakeAnswers();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (DeskKey(wParam)) return 0;
        break;
    case ui::WM_FIELDKEY:  // Enter or Esc in the code field
        if (wParam == VK_RETURN) DecideTypedCode();
        SetFocus(Handle());
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        if (LOWORD(wParam) == kSaveMapId) SaveMap();
        if (LOWORD(wParam) >= kCopyId && LOWORD(wParam) < kCopyId + kRows) Copy(LOWORD(wParam) - kCopyId);
        SetFocus(Handle());  // the keys stay the desk's after a click
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        return 0;
    default:
        break;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
}

// The owner may delete the object in gone: nothing of it is used after.
void CandidateWindow::Destroyed() {
    const std::function<void()> gone = std::move(gone_);
    if (gone) gone();
}
