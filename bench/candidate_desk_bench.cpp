// The candidate window's speed: the reference font's index built on the
// code table's worker while the window keeps answering, then Enter to
// candidates once the index exists, character after character.
//   candidate_desk_bench REFERENCE EUDC_FONT USER_DATA_FOLDER [COUNT]
// Prints the build's time and the window's slowest answer to a message
// meanwhile, then the slowest and median time from asking to candidates.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/characters/eudc_characters.h"
#include "platform/files.h"
#include "ui/code_table/candidate_finder.h"
#include "ui/code_table/candidate_window.h"

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Pumps until the window has its answer; the longest a message waited meanwhile.
double WaitAnswered(CandidateWindow& window) {
    double slowest = 0;
    while (window.Busy()) {
        const DWORD sent = GetTickCount();
        SendMessageA(window.Handle(), WM_NULL, 0, 0);
        Pump();
        slowest = std::max(slowest, (GetTickCount() - sent) / 1000.0);
        Sleep(10);
    }
    return slowest;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    RunParameters run{platform::ExecutablePath()};
    run.folders.userData = argv[3];
    run.options.referenceFont = argv[1];
    const size_t count = argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 50;
    std::string bytes;
    characters::CharacterSet characters;
    if (!platform::ReadWholeFile(argv[2], bytes) ||
        !characters::ReadEudcCharacters(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), characters) ||
        characters.empty())
        return 3;
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    CandidateFinder finder(run);
    const DWORD start = GetTickCount();
    auto window = CandidateWindow::Create(owner, run, finder, "MS Mincho", argv[2], characters[0].code, nullptr);
    if (!window) return 4;
    const double slowestMessage = WaitAnswered(*window);
    std::printf("first answer (index loaded or built): %.2f s; slowest message meanwhile: %.3f s\n",
                (GetTickCount() - start) / 1000.0, slowestMessage);
    std::vector<double> seconds;
    for (size_t i = 1; i <= count && i < characters.size(); ++i) {
        window->ShowCharacter(characters[i * characters.size() / (count + 1)].code);
        WaitAnswered(*window);
        seconds.push_back(window->AnswerSeconds());
    }
    std::sort(seconds.begin(), seconds.end());
    if (seconds.empty()) return 5;
    std::printf("Enter to candidates over %zu characters of %zu: median %.3f s, slowest %.3f s (goal 0.3 s)\n",
                seconds.size(), characters.size(), seconds[seconds.size() / 2], seconds.back());
    window.reset();
    DestroyWindow(owner);
    return 0;
}
