// The candidate finder: its worker's searches and the answers handed back.
#include "ui/code_table/candidate_finder.h"

#include <exception>

#include "engine/map_facts.h"
#include "engine/shapes/glyph_picture.h"
#include "platform/files.h"

namespace {

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

}  // namespace

CandidateFinder::~CandidateFinder() = default;

unsigned CandidateFinder::Find(HWND window, const Request& request) {
    const unsigned number = ++requests_;
    const DWORD asked = GetTickCount();
    // The run's parts as they are now: the worker reads its own copy.
    const Place place{run_.folders, run_.options.referenceFont};
    const bool queued = worker_.Post([this, window, number, request, place, asked]() {
        Search(window, number, request, place, asked);
    });
    return queued ? number : 0;
}

std::vector<CandidateFinder::Answer> CandidateFinder::Take() {
    platform::CriticalSection::Lock held(lock_);
    std::vector<Answer> taken;
    taken.swap(answers_);
    return taken;
}

// On the worker. Whatever goes wrong (no memory for a font, say) still
// answers, so that the window never waits for nothing.
void CandidateFinder::Search(HWND window, unsigned number, const Request& request, const Place& place,
                             DWORD asked) {
    Answer answer;
    answer.request = number;
    answer.done = true;
    try {
        std::string bytes;
        if (platform::ReadWholeFile(request.file, bytes))
            (void)shapes::DrawCandidate(Bytes(bytes), bytes.size(), {request.code, 0, 0}, request.largeSize,
                                        answer.large);
        answer.unfit = OpenReference(window, number, place);
        if (answer.unfit.empty() && !bytes.empty()) {
            const ReferenceFont& reference = *reference_;
            answer.drawn = shapes::MapOneCharacter(Bytes(bytes), bytes.size(), reference.index, request.code,
                                                   answer.character);
            AddCandidateFacts(reference.names, answer.character);
            for (size_t row = 0; row < answer.character.candidates.size() && row < answer.pictures.size(); ++row)
                (void)shapes::DrawCandidate(Bytes(reference.bytes), reference.bytes.size(),
                                            answer.character.candidates[row], request.pictureSize,
                                            answer.pictures[row]);
        }
    } catch (const std::exception& e) {
        answer = Answer();
        answer.request = number;
        answer.done = true;
        answer.unfit = e.what();
    }
    answer.seconds = (GetTickCount() - asked) / 1000.0;
    Deliver(window, std::move(answer));
}

std::string CandidateFinder::OpenReference(HWND window, unsigned number, const Place& place) {
    if (reference_) return std::string();
    auto reference = std::make_unique<ReferenceFont>();
    std::string unfit =
        OpenReferenceFont(place.folders, place.named, *reference, [this, window, number](size_t done, size_t total) {
            Answer progress;
            progress.request = number;
            progress.built = done;
            progress.toBuild = total;
            Deliver(window, std::move(progress));
            return !worker_.Stopping();
        });
    // One that cannot serve is looked for again at the next search: the user may install it meanwhile.
    if (unfit.empty()) reference_ = std::move(reference);
    return unfit;
}

// A window that is gone misses its answers; the next window's Take drops them.
void CandidateFinder::Deliver(HWND window, Answer answer) {
    {
        platform::CriticalSection::Lock held(lock_);
        // Only the latest progress of a request matters.
        if (!answer.done && !answers_.empty() && !answers_.back().done && answers_.back().request == answer.request)
            answers_.back() = std::move(answer);
        else
            answers_.push_back(std::move(answer));
    }
    PostMessageA(window, WM_CANDIDATESFOUND, 0, 0);
}
