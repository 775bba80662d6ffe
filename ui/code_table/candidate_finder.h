// CandidateFinder: the code table's reference font, opened once and read
// on a worker thread of its own, and the candidates of one EUDC character
// at a time found there. The window that asks is told by a message when an
// answer (or the index build's progress) is ready, and takes it on its own
// thread: the window's thread never waits for a font or an index.
//
// Owned by the code table; destroying it stops a build under way and waits
// for the worker, so nothing the worker holds outlives it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/map_eudc.h"
#include "engine/run/run_parameters.h"
#include "engine/shapes/font_map.h"
#include "platform/worker_thread.h"

// Posted to the window that asked when something for it is ready.
constexpr UINT WM_CANDIDATESFOUND = WM_APP + 2;

class CandidateFinder {
public:
    struct Request {
        std::string file;     // the EUDC font
        uint16_t code = 0;    // the character, U+E000..U+F8FF
        int largeSize = 0;    // pixels of the character's picture
        int pictureSize = 0;  // pixels of each candidate's
    };
    struct Answer {
        unsigned request = 0;
        bool done = false;              // false: the index build's progress
        size_t built = 0, toBuild = 0;  // its glyphs done, of how many
        std::string unfit;              // why the reference font cannot serve
        bool drawn = false;             // the file draws the character
        shapes::MappedCharacter character;
        std::vector<float> large;  // the character
        std::array<std::vector<float>, shapes::kMapCandidates> pictures;
        double seconds = 0;  // from the request to the answer
    };

    explicit CandidateFinder(const RunParameters& run) : run_(run) {}
    ~CandidateFinder();
    CandidateFinder(const CandidateFinder&) = delete;
    CandidateFinder& operator=(const CandidateFinder&) = delete;

    // Queues the search; window hears WM_CANDIDATESFOUND. The request's
    // number, which its answers carry; 0 when no worker could start.
    unsigned Find(HWND window, const Request& request);
    // The answers ready since the last call, oldest first.
    std::vector<Answer> Take();

private:
    struct Place {  // where the reference font is, as the run says
        Folders folders;
        std::string named;
    };
    void Search(HWND window, unsigned number, const Request& request, const Place& place, DWORD asked);
    void Deliver(HWND window, Answer answer);
    // The reference font and its index, opened on the first search that
    // finds them usable; empty when it serves, else why not.
    std::string OpenReference(HWND window, unsigned number, const Place& place);

    const RunParameters& run_;
    unsigned requests_ = 0;
    platform::CriticalSection lock_;
    std::vector<Answer> answers_;  // under lock_
    // The worker's alone: touched only on its thread.
    std::unique_ptr<ReferenceFont> reference_;
    // Last, so that it goes first: its jobs use everything above.
    platform::WorkerThread worker_;
};
