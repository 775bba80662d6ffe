// The candidate window: the search, its progress, the rows and the buttons.
#include "ui/code_table/candidate_window.h"

#include "engine/map_eudc.h"
#include "engine/report/texts.h"
#include "engine/shapes/font_map.h"
#include "engine/shapes/glyph_picture.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/grey_image.h"
#include "platform/text.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/window_texts.h"

namespace {

const ui::WindowClass kClass = {"MinamoCandidates", GetSysColorBrush(COLOR_BTNFACE), 0};
constexpr UINT WM_FINDCANDIDATES = WM_APP + 1;
constexpr int kClientWidth = 430, kClientHeight = 330;
constexpr int kMargin = 10;
constexpr int kLargeSize = 128;  // the EUDC character's box
constexpr int kRowHeight = 62, kPictureSize = 56;
constexpr int kPictureLeft = 150, kCodeLeft = 216, kCodeTop = 8, kCodeWidth = 130, kCodeHeight = 20;
constexpr int kCopyLeft = 355, kCopyWidth = 65, kButtonHeight = 26;
constexpr int kStatusTop = 146, kStatusHeight = 120, kSaveTop = 294;
constexpr int kControlFontHeight = 12;
enum ControlId { kStatusId = 1, kSaveMapId, kCodeId = 10, kCopyId = 20, kScoreId = 30 };

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// Lets the windows go on while the index is built; a quit asked for meanwhile
// is handed on to the loop that ends the program.
void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A UTF-8 text as UTF-16.
std::wstring Wide(const std::string& utf8) { return platform::ToWide(CP_UTF8, utf8); }

}  // namespace

CandidateWindow::CandidateWindow(const RunParameters& run, std::string face, std::string file, WCHAR character,
                                 std::function<void()> gone)
    : run_(run), face_(std::move(face)), file_(std::move(file)), character_(character), gone_(std::move(gone)) {}

std::unique_ptr<CandidateWindow> CandidateWindow::Create(HWND owner, const RunParameters& run,
                                                         const std::string& face, const std::string& file,
                                                         WCHAR character, std::function<void()> gone) {
    std::unique_ptr<CandidateWindow> window(new CandidateWindow(run, face, file, character, std::move(gone)));
    if (!window->CreateLaidOut(kClass, 0, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               texts::kCandidateCaption, CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth,
                               kClientHeight, owner))
        return nullptr;
    window->CreateControls();
    window->DrawCharacter();
    ShowWindow(window->Handle(), SW_SHOW);
    PostMessageA(window->Handle(), WM_FINDCANDIDATES, 0, 0);
    return window;
}

// The window goes before the fonts its controls show.
CandidateWindow::~CandidateWindow() {
    *alive_ = false;
    DestroyNow();
}

void CandidateWindow::CreateControls() {
    const ui::DpiScale& s = Scale();
    controlFont_ = ui::MakeFont(texts::kFacePGothic, s(kControlFontHeight));
    largeFont_ = gdi::CreateFontFrom(gdi::MakeLogFont(face_, -s(kLargeSize), SHIFTJIS_CHARSET));
    HFONT font = controlFont_.get();
    status_ = ui::CreateControl(Handle(), "STATIC", "", SS_LEFT, s(kMargin), s(kStatusTop), s(kLargeSize),
                                s(kStatusHeight), kStatusId, font);
    saveMap_ = ui::CreateControl(Handle(), "BUTTON", texts::kCandidateSaveMap, WS_TABSTOP | BS_PUSHBUTTON,
                                 s(kMargin), s(kSaveTop), s(kLargeSize), s(kButtonHeight), kSaveMapId, font);
    for (int row = 0; row < kRows; ++row) {
        const int top = kMargin + row * kRowHeight;
        codes_[row] = ui::CreateControl(Handle(), "STATIC", "", SS_LEFT, s(kCodeLeft), s(top + kCodeTop),
                                        s(kCodeWidth), s(kCodeHeight), kCodeId + row, font);
        scores_[row] = ui::CreateControl(Handle(), "STATIC", "", SS_LEFT, s(kCodeLeft),
                                         s(top + kCodeTop + kCodeHeight), s(kCodeWidth), s(kCodeHeight),
                                         kScoreId + row, font);
        copies_[row] = ui::CreateControl(Handle(), "BUTTON", texts::kCandidateCopy,
                                         WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, s(kCopyLeft),
                                         s(top + (kPictureSize - kButtonHeight) / 2), s(kCopyWidth),
                                         s(kButtonHeight), kCopyId + row, font);
    }
}

// From the file itself, as the system would draw it through the face's
// link, so that the window shows the file's glyph even where the link is
// not in force yet.
void CandidateWindow::DrawCharacter() {
    std::string bytes;
    if (!platform::ReadWholeFile(file_, bytes)) return;
    (void)shapes::DrawCandidate(Bytes(bytes), bytes.size(), {character_, 0, 0}, Scale()(kLargeSize), large_);
}

std::string CandidateWindow::CodeShown(int row) const { return ui::WindowText(codes_[row]); }
std::string CandidateWindow::Status() const { return ui::WindowText(status_); }

// Builds the index (the user data folder's serves when it was built from
// this font) while the messages go on: closing the window ends the object,
// so nothing of it is touched once alive says it is gone.
void CandidateWindow::FindCandidates() {
    busy_ = true;
    EnableWindow(saveMap_, FALSE);
    const std::shared_ptr<bool> alive = alive_;
    const HWND window = Handle(), status = status_;
    ReferenceFont reference;
    const std::string unfit = OpenReferenceFont(
        run_.folders, run_.options.referenceFont, reference, [alive, window, status](size_t done, size_t total) {
            PumpMessages();
            if (!*alive || !IsWindow(window)) return false;
            SetWindowTextA(status, texts::Format(texts::kCandidateProgress, {done, total}).c_str());
            return true;
        });
    if (!*alive || reference.cancelled) return;
    busy_ = false;
    EnableWindow(saveMap_, TRUE);
    if (!unfit.empty()) {
        SetWindowTextA(status_, unfit.c_str());
        return;
    }
    std::string bytes;
    std::vector<shapes::MappedCharacter> mapped;
    if (platform::ReadWholeFile(file_, bytes))
        (void)shapes::MapFontCharacters(Bytes(bytes), bytes.size(), reference.index, mapped);
    for (const shapes::MappedCharacter& character : mapped)
        if (character.code == character_) candidates_ = character.candidates;
    ShowCandidates(reference.bytes);
}

void CandidateWindow::ShowCandidates(const std::string& referenceBytes) {
    const int size = Scale()(kPictureSize);
    for (size_t row = 0; row < candidates_.size() && row < kRows; ++row) {
        const shapes::Candidate& candidate = candidates_[row];
        SetWindowTextA(codes_[row], shapes::CandidateCode(candidate).c_str());
        SetWindowTextA(scores_[row], shapes::ScoreText(candidate.score).c_str());
        EnableWindow(copies_[row], TRUE);
        (void)shapes::DrawCandidate(Bytes(referenceBytes), referenceBytes.size(), candidate, size, pictures_[row]);
    }
    const bool likely = !candidates_.empty() && candidates_[0].score >= shapes::kLikelyTwin;
    SetWindowTextA(status_, likely ? "" : texts::kCandidateNoTwin);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CandidateWindow::Copy(int row) {
    if (row < 0 || static_cast<size_t>(row) >= candidates_.size()) return;
    (void)platform::CopyTextToClipboard(Handle(), Wide(shapes::CandidateText(candidates_[row])),
                                        run_.folders.IsNtFamily());
}

// The map of this PC's EUDC fonts, told as /map tells it.
void CandidateWindow::SaveMap() {
    Notifier notifier(false, false);
    MapReport report;
    const Target thisPc = TargetNamed(run_.folders.program, "");
    (void)MapEudc({run_.folders, run_.options, thisPc, notifier}, report);
}

void CandidateWindow::Paint(HDC dc) {
    const ui::DpiScale& s = Scale();
    RECT large{s(kMargin), s(kMargin), s(kMargin + kLargeSize), s(kMargin + kLargeSize)};
    FillRect(dc, &large, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (large_.empty()) {
        SelectObject(dc, largeFont_.get());
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, &character_, 1, &large, gdi::kCentredText);
    }
    platform::DrawGreyImage(dc, large.left, large.top, s(kLargeSize), large_);
    for (int row = 0; row < kRows; ++row)
        platform::DrawGreyImage(dc, s(kPictureLeft), s(kMargin + row * kRowHeight), s(kPictureSize), pictures_[row]);
}

LRESULT CandidateWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_FINDCANDIDATES:
        FindCandidates();
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
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        if (LOWORD(wParam) == kSaveMapId) SaveMap();
        if (LOWORD(wParam) >= kCopyId && LOWORD(wParam) < kCopyId + kRows) Copy(LOWORD(wParam) - kCopyId);
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
