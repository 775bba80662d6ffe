// CandidateWindow: one EUDC character of the code table shown large beside
// the five standard characters (or variation sequences) it most likely
// depicts, each drawn from the reference font with its code and a button
// that copies it as text; and a button that saves the map of this PC's
// EUDC fonts. Finding the candidates may first build the reference font's
// index: the window shows how far it is, and closing it cancels.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/run/run_parameters.h"
#include "engine/shapes/shape_index.h"
#include "ui/gdi.h"
#include "ui/window.h"

class CandidateWindow final : public ui::Window {
public:
    static constexpr int kRows = 5;

    // Shown, owned by owner; character is the EUDC code point drawn in face
    // (linked to file). The search starts once the message loop runs. gone
    // runs once the window is gone (its close box, or with its owner).
    static std::unique_ptr<CandidateWindow> Create(HWND owner, const RunParameters& run, const std::string& face,
                                                   const std::string& file, WCHAR character,
                                                   std::function<void()> gone);
    ~CandidateWindow() override;

    // Still building the index or searching: the window is in use.
    bool Busy() const { return busy_; }
    WCHAR Character() const { return character_; }
    // What a row shows as code ("U+9AD9 U+E0100"); empty for no candidate.
    std::string CodeShown(int row) const;
    // The progress, or why there are no candidates.
    std::string Status() const;
    // Puts the row's candidate on the clipboard, selector included.
    void Copy(int row);

private:
    CandidateWindow(const RunParameters& run, std::string face, std::string file, WCHAR character,
                    std::function<void()> gone);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void CreateControls();
    void DrawCharacter();
    // Loads or builds the index, then finds the character's candidates.
    void FindCandidates();
    void ShowCandidates(const std::string& referenceBytes);
    void SaveMap();
    void Paint(HDC dc);

    const RunParameters& run_;
    std::string face_, file_;
    WCHAR character_;
    std::function<void()> gone_;
    // False once the object is gone: a build that pumps messages looks at it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool busy_ = false;
    std::vector<shapes::Candidate> candidates_;
    std::vector<float> large_;  // the character; empty: drawn in the face
    std::array<std::vector<float>, kRows> pictures_;
    HWND status_ = nullptr;
    std::array<HWND, kRows> codes_{}, scores_{}, copies_{};
    HWND saveMap_ = nullptr;
    gdi::Font controlFont_, largeFont_;
};
