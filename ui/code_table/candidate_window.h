// CandidateWindow: the review desk of a font's EUDC characters. One
// character shown large, with its code (F040 / U+E000) and verdict, beside
// the five standard characters (or variation sequences) it most likely
// depicts: each drawn from the reference font with its code, score, MJ
// glyph name, Shift-JIS code and JIS X 0213 position, and a button that
// copies it as text. The keyboard decides it (1-5 a candidate, N none, a
// code typed into the field) and goes on to the next undecided character
// (Space); each decision is written into the map file at once, and the
// window counts what is decided and what is left. The candidates come from
// the code table's CandidateFinder, off the window's thread.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/characters/eudc_characters.h"
#include "engine/map_decision_store.h"
#include "engine/run/run_parameters.h"
#include "engine/shapes/font_map.h"
#include "ui/code_table/candidate_finder.h"
#include "ui/gdi.h"
#include "ui/window.h"

class CandidateWindow final : public ui::Window {
public:
    static constexpr int kRows = shapes::kMapCandidates;

    // Shown, owned by owner; character is the EUDC code point drawn in face
    // (linked to file). The search starts at once on finder's worker. gone
    // runs once the window is gone (its close box, or with its owner).
    static std::unique_ptr<CandidateWindow> Create(HWND owner, const RunParameters& run, CandidateFinder& finder,
                                                   const std::string& face, const std::string& file,
                                                   WCHAR character, std::function<void()> gone);
    ~CandidateWindow() override;

    // Shows another character of the same file.
    void ShowCharacter(WCHAR character);

    // Waiting for the finder's answer: the index may still be built.
    bool Busy() const { return asked_ != 0; }
    WCHAR Character() const { return character_; }
    const std::string& File() const { return file_; }
    // What a row shows as code ("U+9AD9 U+E0100"); empty for no candidate.
    std::string CodeShown(int row) const;
    // A row's MJ name, CP932 code and JIS X 0213 position as shown.
    std::string FactsShown(int row) const;
    // The code shown for the character ("F040 / U+E000").
    std::string CharacterShown() const;
    // The progress, or why there are no candidates.
    std::string Status() const;
    // How many are decided and left, and this character's decision.
    std::string CountsShown() const;
    std::string DecisionShown() const;
    // Seconds from the last request to its candidates, as the finder measured.
    double AnswerSeconds() const { return answerSeconds_; }
    // Puts the row's candidate on the clipboard, selector included.
    void Copy(int row);
    // The map file the decisions go to.
    const std::string& MapPath() const { return store_.Path(); }

private:
    CandidateWindow(const RunParameters& run, CandidateFinder& finder, std::string face, std::string file,
                    WCHAR character, std::function<void()> gone);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void CreateControls();
    void LoadDecisions();
    void Ask();
    void TakeAnswers();
    void ShowCandidates(const CandidateFinder::Answer& answer);
    void ShowDecision();
    // The desk's keys; true when the key was the desk's.
    bool DeskKey(WPARAM key);
    void Decide(const std::string& chosen);
    void DecideTypedCode();
    void NextUndecided();
    void SaveMap();
    void Paint(HDC dc);

    const RunParameters& run_;
    CandidateFinder& finder_;
    std::string face_, file_;
    WCHAR character_;
    std::function<void()> gone_;
    unsigned asked_ = 0;  // the request awaited; 0: none
    double answerSeconds_ = 0;
    CandidateFinder::Answer answer_;  // the character's, once it came
    std::vector<characters::Character> characters_;  // the file's, with their outlines' fingerprints
    MapDecisionStore store_;
    std::string storeUnread_;  // why the map cannot take decisions
    HWND status_ = nullptr, code_ = nullptr, verdict_ = nullptr, counts_ = nullptr, decision_ = nullptr;
    HWND field_ = nullptr, keys_ = nullptr, saveMap_ = nullptr;
    std::array<HWND, kRows> keyLabels_{}, codes_{}, scores_{}, facts_{}, copies_{};
    gdi::Font controlFont_, largeFont_;
};
